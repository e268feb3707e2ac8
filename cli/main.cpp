// vantro-filter: the Build of the Vantro Bad Word Filter Tool for servers without a desktop, and a
// checker for the localization files that the game server reads.
#include "cli/commandline.h"
#include "cli/processconsole.h"
#include "fileio/filesizesignal.h"
#include "fileio/path.h"
#include "fileio/standardstreams.h"
#include "version.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    vantro::ignoreFileSizeSignal();
    vantro::holdClosedStandardDescriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantro-filter"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRO_VERSION));
    // File names are bytes: the arguments are decoded so that every name goes back to the system
    // as the bytes it came as (QCoreApplication::arguments() would replace what is no UTF-8).
    return static_cast<int>(vantro::cli::runCommandLine(vantro::decodeArguments(argc, argv)));
}
