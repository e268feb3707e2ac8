// vantro-filter: the Build of the Vantro Bad Word Filter Tool for servers without a desktop, and a
// checker for the localization files that the game server reads.
#include "cli/commandline.h"
#include "cli/processconsole.h"
#include "fileio/filesizesignal.h"
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
    return static_cast<int>(vantro::cli::runCommandLine(QCoreApplication::arguments()));
}
