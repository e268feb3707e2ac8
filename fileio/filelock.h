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
std::optional<int> tryLockFile(int fd);

// Whether the path still names the file that fd is open on: a file replaced by a rename, or
// removed, while the writer waited for its lock is no longer the one to write to.
bool pathNamesOpenFile(const QString &path, int fd);

// The message for a file that another writer holds locked.
QString fileBusyMessage(const QString &path);

} // namespace vantro
