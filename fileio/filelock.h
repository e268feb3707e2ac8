#pragma once

#include "common/result.h"

#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace vantro {

// Every writer of a filter file (the window's Build, vantro-filter build and tidy) holds an
// exclusive flock() on the file itself while it writes, so that their writes never mix. The lock
// belongs to the file, not to its name: through a symbolic link it is the linked file's lock, and
// it is released when the descriptor closes, also when the process dies.

// Takes the lock on an open descriptor without waiting. Nothing when taken; else errno
// (EWOULDBLOCK while another writer holds it).
std::optional<int> tryLockFile(int fd);

// Whether the path still names the file that fd is open on: a file replaced by a rename, or
// removed, while the writer waited for its lock is no longer the one to write to.
bool pathNamesOpenFile(const QString &path, int fd);

// The message for a file that another writer holds locked.
QString fileBusyMessage(const QString &path);

// How a writer waits for a file's lock that another program holds, and how its caller stops it:
// the one policy of every writer (a Build that appends, one that replaces the filter, tidy).
struct LockWait
{
    // How long to wait at most; zero fails at once.
    std::chrono::milliseconds longest{0};
    // Called once when the wait begins.
    std::function<void()> waiting;
    // Asked while waiting; true stops the wait with ErrorKind::Stopped.
    std::function<bool()> stopRequested;
};

// Takes files' locks as a LockWait says, its time counted from its construction: a writer that
// has to open its file again (it was replaced while the writer waited) waits on the new
// descriptor for the rest of that time, and hears once that it waits.
class LockWaiter
{
public:
    explicit LockWaiter(LockWait wait);

    // Takes the lock on fd, the file at path. Busy when it is still held after the wait (the
    // message names the path and, after a wait, how long it was), Stopped (no message), or
    // Failed.
    Result<void> lock(int fd, const QString &path);
    // Whether a lock had to be waited for.
    bool waited() const { return m_waiting; }

private:
    LockWait m_wait;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_waiting = false;
};

} // namespace vantro
