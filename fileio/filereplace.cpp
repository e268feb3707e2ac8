#include "fileio/filereplace.h"

#include "fileio/descriptor.h"
#include "fileio/tr.h"
#include "wordlists/showntext.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

// Takes over the old file's owner and group, or as much of them as the process may set: a user
// who is no root can give a file only to one of their own groups.
void takeOverOwner(int fd, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
}

} // namespace

Result<void> replaceFileContent(const QString &path, QByteArrayView bytes)
{
    const QString shown = shownPath(path);
    const auto failure = [&](const QString &what, int error) {
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot replace \"%1\": %2: %3. The file was left as it was.")
                         .arg(shown, what, systemReason(error))};
    };

    // The file a link leads to is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old
    {
    };
    if (::stat(targetName.constData(), &old) != 0)
        return failure(fileio::Tr::tr("cannot look at it"), errno);
    if (!S_ISREG(old.st_mode))
        return Error{ErrorKind::Refused,
                     fileio::Tr::tr("Cannot replace \"%1\": it is not a regular file. It was left "
                                    "as it was.")
                         .arg(shown)};

    const QFileInfo targetInfo(target);
    QByteArray temporary = QFile::encodeName(
        targetInfo.dir().filePath(u'.' + targetInfo.fileName() + QLatin1String(".XXXXXX")));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(fileio::Tr::tr("cannot create a new file beside it"), errno);

    // The owner first: giving a file away clears its set-user-ID and set-group-ID bits.
    int error = writeAll(fd, bytes);
    if (error == 0) {
        takeOverOwner(fd, old);
        if (::fchmod(fd, old.st_mode & 07777) != 0 || ::fsync(fd) != 0)
            error = errno;
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return failure(fileio::Tr::tr("writing the new content failed"), error);
    }
    return {};
}

} // namespace vantro
