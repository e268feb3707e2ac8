#include "fileio/filelock.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/tr.h"

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

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

LockWaiter::LockWaiter(LockWait wait)
    : m_wait(std::move(wait)), m_deadline(std::chrono::steady_clock::now() + m_wait.longest)
{
}

Result<void> LockWaiter::lock(int fd, const QString &path)
{
    // How often the lock is tried again while waiting.
    constexpr std::chrono::milliseconds kRetry{20};
    std::optional<int> error;
    while ((error = tryLockFile(fd)) && *error == EWOULDBLOCK) {
        if (std::chrono::steady_clock::now() >= m_deadline) {
            QString message = fileBusyMessage(path);
            if (m_wait.longest.count() > 0)
                message +=
                    u' ' +
                    fileio::Tr::tr(
                        "It was still locked after %n second(s).", nullptr,
                        int(std::chrono::ceil<std::chrono::seconds>(m_wait.longest).count()));
            return Error{ErrorKind::Busy, message};
        }
        if (!m_waiting && m_wait.waiting)
            m_wait.waiting();
        m_waiting = true;
        std::this_thread::sleep_for(kRetry);
        if (m_wait.stopRequested && m_wait.stopRequested())
            return Error{
                ErrorKind::Stopped,
                fileio::Tr::tr("Waiting for the lock on \"%1\" was stopped.").arg(shownPath(path))};
    }
    if (error)
        return Error{
            ErrorKind::Failed,
            fileio::Tr::tr("Cannot lock \"%1\": %2.").arg(shownPath(path), systemReason(*error))};
    return {};
}

} // namespace vantro
