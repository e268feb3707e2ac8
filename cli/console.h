#pragma once

#include "cli/exitstatus.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace vantro::cli {

// Standard input, output and error of a command: the process's own, or buffers in a test. Text
// goes out in UTF-8. The first write that fails is remembered and ends the command with a
// failure; nothing more is written to that stream.
class Console
{
public:
    Console(QIODevice &input, QIODevice &output, QIODevice &error);

    QIODevice &input() { return m_input; }
    // For output that reports its own failure (build --stdout); the rest goes through writeOut().
    QIODevice &output() { return m_output.device; }

    void writeOut(const QString &text);
    void writeOut(const QByteArray &utf8);
    void writeError(const QString &text);

    // One line on standard error, behind the program's name, as Unix tools report errors.
    void reportError(const QString &message);

    // The command's status, or a failure when a write to either stream failed; a failed
    // standard output is reported on standard error while that still works.
    ExitStatus finish(ExitStatus status);

private:
    struct Stream
    {
        QIODevice &device;
        bool failed = false;
        QString reason;
    };

    void write(Stream &stream, QByteArrayView bytes);

    QIODevice &m_input;
    Stream m_output;
    Stream m_error;
};

} // namespace vantro::cli
