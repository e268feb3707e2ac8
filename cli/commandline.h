#pragma once

#include "exitstatus.h"

#include <QStringList>

namespace vantro::cli {

// Parses the whole command line (program name first), runs the command it names and returns the
// exit status. --help and --version are answered here, for the program and for every command.
ExitStatus runCommandLine(const QStringList &arguments);

} // namespace vantro::cli
