#include "cli/exitstatus.h"

#include "cli/console.h"
#include "cli/tr.h"
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

ExitStatus reportFailure(Console &console, const Error &error, const QString &consequence)
{
    if (error.kind == ErrorKind::Stopped)
        console.reportError(Tr::tr("Stopped by %1. %2")
                                .arg(QLatin1String(StopSignals::signalName()), error.message));
    else
        console.reportError(consequence.isEmpty() ? error.message
                                                  : error.message + u' ' + consequence);
    return exitStatusOf(error);
}

} // namespace vantro::cli
