#include "cli/processconsole.h"

#include "common/showntext.h"
#include "fileio/standardstreams.h"

#include <cstdio>

namespace vantro::cli {

namespace {

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

ProcessConsole::ProcessConsole() : m_output(standardOutputDevice()), m_error(standardErrorDevice())
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
