#pragma once

#include "cli/console.h"
#include "common/result.h"

#include <QFile>
#include <QString>

#include <memory>

namespace vantro::cli {

// The name a word file or localization file goes by in messages: "-" is standard input.
QString inputDisplayName(const QString &fileName);

// An input named on the command line, open for reading: a file, or the console's standard
// input for "-". Every input is opened through here.
class NamedInput
{
public:
    NamedInput(Console &console, const QString &fileName);

    // Fails (Unreadable) with the system's reason, a whole sentence, when the input cannot be
    // opened.
    Result<void> open();
    QIODevice &device() { return *m_device; }
    // The descriptor of an open file; -1 for standard input.
    int handle() const { return m_device == &m_file ? m_file.handle() : -1; }

private:
    QString m_fileName;
    QFile m_file;
    QIODevice *m_device;
};

} // namespace vantro::cli
