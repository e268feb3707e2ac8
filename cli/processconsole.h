#pragma once

#include "cli/console.h"

#include <QFile>

#include <memory>

namespace vantro::cli {

// The console of the process: its standard input, output and error, written unbuffered, so that
// every failed write shows with the system's reason (a full disk, a closed descriptor).
class ProcessConsole
{
public:
    ProcessConsole();
    ~ProcessConsole();

    Console &console() { return *m_console; }

private:
    QFile m_input;
    std::unique_ptr<QIODevice> m_output;
    std::unique_ptr<QIODevice> m_error;
    std::unique_ptr<Console> m_console;
    QtMessageHandler m_previousHandler = nullptr;
};

} // namespace vantro::cli
