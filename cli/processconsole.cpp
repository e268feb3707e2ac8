#include "processconsole.h"

#include "showntext.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vantro::cli {

namespace {

// Writes straight to a file descriptor: QFile on a descriptor that is closed or refuses writes
// fails already at opening, and would then lose the system's reason.
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

// The console that Qt's own warnings go to while a process console lives.
Console *g_console = nullptr;

// Qt's warnings (a seek on a device, say) speak with the program's voice like every other line
// on standard error.
void reportQtMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (g_console)
        g_console->reportError(shownText(message));
}

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

ProcessConsole::ProcessConsole()
    : m_output(std::make_unique<DescriptorWriter>(STDOUT_FILENO)),
      m_error(std::make_unique<DescriptorWriter>(STDERR_FILENO))
{
    // A standard input that cannot be opened shows when a command reads it.
    (void)m_input.open(stdin, QIODevice::ReadOnly);
    m_console = std::make_unique<Console>(m_input, *m_output, *m_error);
    g_console = m_console.get();
    m_previousHandler = qInstallMessageHandler(reportQtMessage);
}

ProcessConsole::~ProcessConsole()
{
    qInstallMessageHandler(m_previousHandler);
    g_console = nullptr;
}

} // namespace vantro::cli
