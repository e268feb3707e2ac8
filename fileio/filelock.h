#pragma once

#include "fileio/result.h"

#include <QString>

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

// Holds the lock on an existing regular file, as tidy does on its one descriptor while it reads
// and replaces the file; a Build that waits for it then finds a new file at the path and takes
// that one's lock.
class FileLock
{
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Locks the file at the path without waiting. Fails with Busy while another writer holds
    // it, Refused when it is not a regular file, Failed when it cannot be opened or locked.
    Result<void> lock(const QString &path);

private:
    int m_fd = -1;
};

} // namespace vantro
