#include "filterfilelock.h"

#include "showntext.h"
#include "systemfile.h"

#include "buildertext.h"
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

std::optional<int> tryLockFilterFile(int fd)
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
    return ::fstat(fd, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

QString filterFileBusyMessage(const QString &path)
{
    return Builder::tr("\"%1\" is being written by another Build.").arg(shownPath(path));
}

FilterFileLock::~FilterFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FilterFileLock::lock(const QString &path)
{
    const QString shown = shownPath(path);
    // Non-blocking, so that a FIFO in the file's place cannot hold the open.
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = Builder::tr("Cannot open \"%1\": %2.").arg(shown, systemReason(errno));
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        m_error = Builder::tr("Cannot look at \"%1\": %2.").arg(shown, systemReason(errno));
        return false;
    }
    if (const QString kind = nonRegularFileKind(info.st_mode); !kind.isEmpty()) {
        m_error = Builder::tr("\"%1\" is %2, not a regular file.").arg(shown, kind);
        return false;
    }
    if (const auto error = tryLockFilterFile(m_fd)) {
        m_busy = *error == EWOULDBLOCK;
        m_error = *error == EWOULDBLOCK
                      ? filterFileBusyMessage(path)
                      : Builder::tr("Cannot lock \"%1\": %2.").arg(shown, systemReason(*error));
        return false;
    }
    if (!pathNamesOpenFile(path, m_fd)) {
        m_error = Builder::tr("\"%1\" was replaced while it was being opened.").arg(shown);
        return false;
    }
    return true;
}

} // namespace vantro
