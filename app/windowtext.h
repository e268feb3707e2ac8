#pragma once

#include <QCoreApplication>

namespace vantro {

// The window program's one translation context, the main window's own, for the user texts of the
// code around the window (its command line, its start, its message boxes).
class WindowText
{
    Q_DECLARE_TR_FUNCTIONS(vantro::MainWindow)
};

} // namespace vantro
