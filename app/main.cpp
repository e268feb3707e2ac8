// Starts the tool: the one window, shown once start-up has succeeded.
#include "appinfo.h"
#include "filesizesignal.h"
#include "mainwindow.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    vantro::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vantro::appinfo::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(vantro::appinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vantro::appinfo::kDesktopFileName));

    vantro::MainWindow window;
    if (!window.load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
