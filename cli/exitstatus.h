#pragma once

#include "common/result.h"

namespace vantro::cli {

// The exit statuses of every command, as Unix tools use them.
enum class ExitStatus
{
    Success = 0,
    Failure = 1, // the command ran and failed, or found what it looks for (check)
    Usage = 2,   // the command line is wrong, or an input file cannot be read
    // Stopped by a signal: 128 plus its number.
    Hangup = 129,
    Interrupted = 130,
    Terminated = 143,
};

// The exit status of the failure's kind: what every command answers to an error it cannot
// recover from. A stop ends with the signal's status (see StopSignals).
ExitStatus exitStatusOf(const Error &error);

class Console;

// Reports the failure on standard error and gives its exit status: a stop as "Stopped by
// SIGNAL." followed by what was taken back, any other failure with its message followed by
// the consequence, when given ("Nothing was changed.").
ExitStatus reportFailure(Console &console, const Error &error, const QString &consequence = {});

} // namespace vantro::cli
