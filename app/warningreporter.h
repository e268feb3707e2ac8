#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vantro {

// How the window tells the user that something failed or was refused. The window calls it with
// one whole message; tests replace it so that no modal dialog waits for a click.
using WarningReporter = std::function<void(const QString &message)>;

// Shows the message in a warning box over the parent while the parent is on screen, and as a
// box of its own before it is. On a platform without a screen, the box of its own is left
// out.
WarningReporter messageBoxReporter(QWidget *parent);

} // namespace vantro
