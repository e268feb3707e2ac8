#pragma once

#include "cli/console.h"
#include "cli/exitstatus.h"

#include <QStringList>

namespace vantro::cli {

// Parses the whole command line (program name first), runs the command it names on the console
// and returns the exit status. --help and --version are answered here, for the program and for
// every command.
ExitStatus runCommandLine(Console &console, const QStringList &arguments);

// The same on the process's standard input, output and error.
ExitStatus runCommandLine(const QStringList &arguments);

} // namespace vantro::cli
