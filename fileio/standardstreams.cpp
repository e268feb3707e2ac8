#include "fileio/standardstreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vantro {

namespace {

class DescriptorWriter : public QIODevice
{
public:
    explicit DescriptorWriter(int fd) : m_fd(fd)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        for (;;) {
            const ssize_t count = ::write(m_fd, data, size_t(size));
            if (count >= 0)
                return count;
            if (errno != EINTR) {
                setErrorString(qt_error_string(errno));
                return -1;
            }
        }
    }

private:
    int m_fd;
};

} // namespace

void holdClosedStandardDescriptors()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // open() takes the lowest free number, which is this one.
            (void)::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

std::unique_ptr<QIODevice> standardOutputDevice()
{
    return std::make_unique<DescriptorWriter>(STDOUT_FILENO);
}

std::unique_ptr<QIODevice> standardErrorDevice()
{
    return std::make_unique<DescriptorWriter>(STDERR_FILENO);
}

} // namespace vantro
