// Starts the tool: answers --help and --version without a window, else runs the one window.
#include "appinfo.h"
#include "filesizesignal.h"
#include "windowcommandline.h"
#include "windowprogram.h"

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
    return vantro::runWindowProgram(QApplication::arguments());
}
