#include "fileio/descriptor.h"

#include "common/showntext.h"
#include "fileio/tr.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

QString systemReason(int error)
{
    return shownText(qt_error_string(error));
}

QString nonRegularFileKind(unsigned mode)
{
    switch (mode & S_IFMT) {
    case S_IFREG:
        return QString();
    case S_IFLNK:
        return fileio::Tr::tr("a symbolic link");
    case S_IFIFO:
        return fileio::Tr::tr("a FIFO (named pipe)");
    case S_IFCHR:
        return fileio::Tr::tr("a character device");
    case S_IFBLK:
        return fileio::Tr::tr("a block device");
    case S_IFSOCK:
        return fileio::Tr::tr("a socket");
    case S_IFDIR:
        return fileio::Tr::tr("a directory");
    default:
        return fileio::Tr::tr("not a regular file");
    }
}

int writeAll(int fd, QByteArrayView bytes, qsizetype *written)
{
    qsizetype done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            error = count == 0 ? ENOSPC : errno;
            break;
        }
        done += count;
    }
    if (written)
        *written += done;
    return error;
}

int linkUnnamedFile(int fd, int folder, const char *name)
{
    // Linking by the descriptor itself needs CAP_DAC_READ_SEARCH; /proc does not.
    if (::linkat(fd, "", folder, name, AT_EMPTY_PATH) == 0)
        return 0;
    if (errno != ENOENT && errno != EPERM)
        return errno;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), folder, name, AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

} // namespace vantro
