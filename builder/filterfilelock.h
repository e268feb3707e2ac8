#pragma once

#include <QString>

#include <optional>

namespace vantro {

// Every writer of a filter file (the window's Build, vantro-filter build and tidy) holds an
// exclusive flock() on the file itself while it writes, so that their writes never mix. The lock
// belongs to the file, not to its name: through a symbolic link it is the linked file's lock, and
// it is released when the descriptor closes, also when the process dies.

// Takes the lock on an open descriptor without waiting. Nothing when taken; else errno
// (EWOULDBLOCK while another writer holds it).
std::optional<int> tryLockFilterFile(int fd);

// Whether the path still names the file that fd is open on: a file replaced by a rename, or
// removed, while the writer waited for its lock is no longer the one to write to.
bool pathNamesOpenFile(const QString &path, int fd);

// The message for a filter file that another writer holds locked.
QString filterFileBusyMessage(const QString &path);

// Holds the lock on an existing regular file while tidy reads and replaces it; a Build that
// waits for it then finds a new file at the path and takes that one's lock.
class FilterFileLock
{
public:
    FilterFileLock() = default;
    ~FilterFileLock();
    FilterFileLock(const FilterFileLock &) = delete;
    FilterFileLock &operator=(const FilterFileLock &) = delete;

    // Locks the file at the path without waiting. On failure, error() says why: it is held by
    // another writer, missing, or not a regular file.
    bool lock(const QString &path);
    const QString &error() const { return m_error; }
    // The lock failed because another writer holds it.
    bool busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
    QString m_error;
};

} // namespace vantro
