// Starts the tool: answers --help and --version without a window, else runs the one window.
#include "app/appinfo.h"
#include "app/windowcommandline.h"
#include "app/windowprogram.h"
#include "fileio/filesizesignal.h"
#include "fileio/path.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    vantro::ignoreFileSizeSignal();
    if (const auto status = vantro::answerInformationRequest(argc, argv))
        return *status;
    if (const auto status = vantro::refuseWithoutDisplay(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vantro::appinfo::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(vantro::appinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vantro::appinfo::kDesktopFileName));
    // The application object has taken the window system's options out of argv; the rest are
    // decoded as names are, byte for byte (see fileio/path.h).
    return vantro::runWindowProgram(vantro::decodeArguments(argc, argv));
}
