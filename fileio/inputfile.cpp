#include "fileio/inputfile.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/tr.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

Error cannotOpen(int error)
{
    return {ErrorKind::Unreadable, fileio::Tr::tr("Cannot open: %1").arg(systemReason(error)),
            systemReason(error)};
}

// True once the FIFO has bytes to read or its writer has gone; false when none came in time.
bool waitForWriter(int fd)
{
    const QDeadlineTimer deadline(kFifoWriterWaitSeconds * 1000);
    for (;;) {
        pollfd request{fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

Error notRegular(unsigned mode)
{
    return {ErrorKind::Unreadable,
            fileio::Tr::tr("It is %1, not a regular file.").arg(nonRegularFileKind(mode))};
}

} // namespace

Result<void> openInputFile(QFile &file, const QString &path, InputFiles accepted)
{
    const QByteArray name = encodePath(path);
    const bool regularOnly = accepted == InputFiles::RegularOnly;
    struct stat status = {};
    if (regularOnly && ::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return notRegular(status.st_mode);
    // Without O_NONBLOCK, opening a FIFO waits for a writer, for ever if none comes.
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return cannotOpen(errno);

    const auto refuse = [fd](Error error) {
        ::close(fd);
        return error;
    };
    if (::fstat(fd, &status) != 0)
        return refuse(cannotOpen(errno));
    // Checked again on the open file: another may have taken the name meanwhile.
    if (regularOnly && !S_ISREG(status.st_mode))
        return refuse(notRegular(status.st_mode));
    if (S_ISDIR(status.st_mode))
        return refuse(cannotOpen(EISDIR));
    if (S_ISFIFO(status.st_mode) && !waitForWriter(fd))
        return refuse({ErrorKind::Unreadable,
                       fileio::Tr::tr("Cannot read: it is a FIFO, and no program wrote to it "
                                      "within %n second(s).",
                                      nullptr, kFifoWriterWaitSeconds)});
    // Reads wait for data again, as on any file.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return refuse(cannotOpen(errno));
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return refuse({ErrorKind::Unreadable,
                       fileio::Tr::tr("Cannot open: %1").arg(shownText(file.errorString()))});
    return {};
}

} // namespace vantro
