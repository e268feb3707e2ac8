#include "fileio/filelock.h"

#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/tr.h"
#include "wordlists/showntext.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

std::optional<int> tryLockFile(int fd)
{
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return std::nullopt;
        if (errno != EINTR)
            return errno;
    }
}

bool pathNamesOpenFile(const QString &path, int fd)
{
    struct stat open
    {
    };
    struct stat named
    {
    };
    return ::fstat(fd, &open) == 0 && ::stat(encodePath(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

QString fileBusyMessage(const QString &path)
{
    // flock() does not tell who holds a lock: a Build, tidy, or a program of the user's own.
    return fileio::Tr::tr("\"%1\" is locked by another program.").arg(shownPath(path));
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Result<void> FileLock::lock(const QString &path)
{
    const QString shown = shownPath(path);
    // Non-blocking, so that a FIFO in the file's place cannot hold the open.
    m_fd = ::open(encodePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot open \"%1\": %2.").arg(shown, systemReason(errno))};
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot look at \"%1\": %2.").arg(shown, systemReason(errno))};
    if (const QString kind = nonRegularFileKind(info.st_mode); !kind.isEmpty())
        return Error{ErrorKind::Refused,
                     fileio::Tr::tr("\"%1\" is %2, not a regular file.").arg(shown, kind)};
    if (const auto error = tryLockFile(m_fd)) {
        if (*error == EWOULDBLOCK)
            return Error{ErrorKind::Busy, fileBusyMessage(path)};
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot lock \"%1\": %2.").arg(shown, systemReason(*error))};
    }
    if (!pathNamesOpenFile(path, m_fd))
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("\"%1\" was replaced while it was being opened.").arg(shown)};
    return {};
}

} // namespace vantro
