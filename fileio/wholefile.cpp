#include "fileio/wholefile.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/tr.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

class OwnedDescriptor
{
public:
    explicit OwnedDescriptor(int fd = -1) : m_fd(fd) {}
    ~OwnedDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OwnedDescriptor(const OwnedDescriptor &) = delete;
    OwnedDescriptor &operator=(const OwnedDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

Result<void> writeWholeFile(const QString &path, QByteArrayView bytes)
{
    const QString shown = shownPath(path);
    // Split by its bytes, which need not be UTF-8 (see fileio/path.h).
    const QByteArray full = encodePath(absolutePath(path));
    const qsizetype slash = full.lastIndexOf('/');
    const QByteArray name = full.mid(slash + 1);
    const QByteArray folder = slash == 0 ? QByteArray("/") : full.left(slash);
    const auto failed = [&](const QString &step, int error) {
        return Error{
            ErrorKind::Failed,
            fileio::Tr::tr("Cannot write \"%1\": %2: %3.").arg(shown, step, systemReason(error))};
    };

    const OwnedDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return failed(fileio::Tr::tr("its folder cannot be opened"), errno);

    struct stat old
    {
    };
    const bool exists = ::fstatat(dir.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT)
        return failed(fileio::Tr::tr("it cannot be looked at"), errno);
    if (exists) {
        if (const QString kind = nonRegularFileKind(old.st_mode); !kind.isEmpty())
            return Error{ErrorKind::Refused,
                         fileio::Tr::tr("\"%1\" is %2, not a regular file.").arg(shown, kind)};
    }

    // A name of its own beside the target, taken only if nobody holds it.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = '.' + name + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".new";
        fd = ::openat(dir.get(), temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failed(fileio::Tr::tr("a new file cannot be created beside it"), errno);
    const OwnedDescriptor file(fd);
    const auto discard = [&](const QString &step, int error) {
        ::unlinkat(dir.get(), temporary.constData(), 0);
        return failed(step, error);
    };

    if (const int error = writeAll(fd, bytes); error != 0)
        return discard(fileio::Tr::tr("the new content cannot be written"), error);
    if (exists) {
        // Owner and group first: changing them clears the set-user-ID and set-group-ID bits.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
            return discard(fileio::Tr::tr("the owner cannot be kept"), errno);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return discard(fileio::Tr::tr("the permissions cannot be kept"), errno);
    }
    if (::fsync(fd) != 0)
        return discard(fileio::Tr::tr("the new content cannot be saved to disk"), errno);

    // The name must still hold what was looked at: a regular file (the same one), or nothing.
    struct stat now
    {
    };
    const bool stillThere = ::fstatat(dir.get(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (stillThere != exists ||
        (exists && (now.st_dev != old.st_dev || now.st_ino != old.st_ino))) {
        ::unlinkat(dir.get(), temporary.constData(), 0);
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("\"%1\" was changed by someone else while it was being "
                                    "written; it was left as it is.")
                         .arg(shown)};
    }
    if (::renameat(dir.get(), temporary.constData(), dir.get(), name.constData()) != 0)
        return discard(fileio::Tr::tr("the new file cannot take its name"), errno);
    ::fsync(dir.get());
    return {};
}

} // namespace vantro
