#include "cli/exitstatus.h"

#include "fileio/stopsignals.h"

namespace vantro::cli {

ExitStatus exitStatusOf(const Error &error)
{
    switch (error.kind) {
    case ErrorKind::Unreadable:
        return ExitStatus::Usage;
    case ErrorKind::Stopped:
        if (const int status = StopSignals::exitStatus())
            return ExitStatus(status);
        return ExitStatus::Failure;
    case ErrorKind::Failed:
    case ErrorKind::Busy:
    case ErrorKind::Refused:
        break;
    }
    return ExitStatus::Failure;
}

} // namespace vantro::cli
