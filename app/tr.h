#pragma once

#include <QCoreApplication>

namespace vantro::app {

// The window program's one translation context, the main window's own: the window and the code
// around it (its command line, its start, its message boxes) speak with one voice.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(vantro::MainWindow)
};

} // namespace vantro::app
