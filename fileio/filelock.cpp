#include "fileio/filelock.h"

#include "common/showntext.h"
#include "fileio/path.h"
#include "fileio/tr.h"

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>

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

} // namespace vantro
