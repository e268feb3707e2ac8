#include "cli/console.h"

#include "cli/tr.h"
#include "common/showntext.h"

namespace vantro::cli {

Console::Console(QIODevice &input, QIODevice &output, QIODevice &error)
    : m_input(input), m_output{output, false, {}}, m_error{error, false, {}}
{
}

void Console::write(Stream &stream, QByteArrayView bytes)
{
    qsizetype written = 0;
    while (!stream.failed && written < bytes.size()) {
        const qint64 count = stream.device.write(bytes.data() + written, bytes.size() - written);
        if (count <= 0) {
            stream.failed = true;
            stream.reason = stream.device.errorString();
            return;
        }
        written += count;
    }
}

void Console::writeOut(const QString &text)
{
    write(m_output, text.toUtf8());
}

void Console::writeOut(const QByteArray &utf8)
{
    write(m_output, utf8);
}

void Console::writeError(const QString &text)
{
    write(m_error, text.toUtf8());
}

void Console::reportError(const QString &message)
{
    writeError(QCoreApplication::applicationName() + QLatin1String(": ") + message +
               QLatin1Char('\n'));
}

ExitStatus Console::finish(ExitStatus status)
{
    if (m_output.failed)
        reportError(
            Tr::tr("Writing to standard output failed: %1").arg(shownText(m_output.reason)));
    return m_output.failed || m_error.failed ? ExitStatus::Failure : status;
}

} // namespace vantro::cli
