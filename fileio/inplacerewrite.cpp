#include "fileio/inplacerewrite.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/safepath.h"
#include "fileio/tr.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

Result<void> rewriteInPlace(const QString &path, QByteArrayView bytes)
{
    const auto refused = [&path](const QString &kind) {
        return Error{ErrorKind::Refused,
                     fileio::Tr::tr("\"%1\" is %2, not a regular file.").arg(shownPath(path), kind),
                     kind};
    };
    const auto failed = [&path](int error, bool emptied = false) {
        QString message =
            fileio::Tr::tr("Cannot write \"%1\": %2").arg(shownPath(path), systemReason(error));
        if (emptied)
            message += QLatin1String(". ") + fileio::Tr::tr("The file was left empty.");
        return Error{ErrorKind::Failed, message, systemReason(error)};
    };
    // The folders on the way follow the link rule (see WritePlace); the name itself is never
    // followed. O_NOFOLLOW refuses a symbolic link there, which would send the write elsewhere;
    // O_NONBLOCK keeps a FIFO from blocking the open; anything that is not a regular file is
    // refused before it is truncated.
    const Result<WritePlace> place = WritePlace::find(path, LastLink::Keep);
    if (!place)
        return place.kind() == ErrorKind::Refused
                   ? place.error()
                   : Error{ErrorKind::Failed,
                           fileio::Tr::tr("Cannot write \"%1\": %2")
                               .arg(shownPath(path), place.error().cause),
                           place.error().cause};
    const int fd = ::openat(place->folder(), place->name().constData(),
                            O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int openError = errno;
        struct stat status = {};
        const QString kind =
            ::fstatat(place->folder(), place->name().constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
                ? nonRegularFileKind(status.st_mode)
                : QString();
        if (!kind.isEmpty())
            return refused(kind);
        return failed(openError);
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        const int statError = errno;
        ::close(fd);
        return failed(statError);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return refused(nonRegularFileKind(status.st_mode));
    }

    // Each write's result is checked, so a short write (a full disk, a file-size limit) is a
    // failure. After a failure the file is emptied rather than left with a torn line.
    int error = ::ftruncate(fd, 0) == 0 ? writeAll(fd, bytes) : errno;
    const bool emptied = error != 0 && ::ftruncate(fd, 0) == 0;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        return failed(error, emptied);
    return {};
}

} // namespace vantro
