#pragma once

#include "app/warningreporter.h"

#include <QStringList>

namespace vantro {

// The window program once the application object exists: reads the command line (the window
// system's options already taken out), reads the word files (--words, --add, --profile,
// --except, named relative to the start directory), enters the --dir directory, starts the window
// up with the built-in entries of --language and --category or the --words files', composes the
// word list with the other files' words, and runs the event loop. Returns the exit status: 2 for a
// wrong command line (an unknown code among them), a directory that cannot be entered or a word
// file that cannot be read (then nothing has been written), 1 when start-up fails, else the event
// loop's. Failures are printed on standard error and reported through the reporter; without one, in
// message boxes.
int runWindowProgram(const QStringList &arguments, const WarningReporter &reporter = {});

} // namespace vantro
