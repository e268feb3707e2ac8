// Starts the tool: the one window, shown once start-up has succeeded.
#include "appinfo.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

// Answers --help and --version, and refuses a wrong command line, before there is any window, so
// that they work without a display. Ends the program when it has answered.
void processCommandLine(int &argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Builds the chat word filter of a game server in a window: same-length "
                "replacements for the words of its list, appended to badnames.txt or "
                "localization.txt in the current directory."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

// Whether there is a window system to show the window on: a display, or a platform plugin chosen
// by hand (such as offscreen).
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QString::fromLatin1(vantro::appinfo::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(vantro::appinfo::kVersion));
    processCommandLine(argc, argv);
    if (!hasDisplay()) {
        // Without this, Qt aborts with a long message about its platform plugins.
        const QString message = QCoreApplication::translate(
            "main", "vantro-filter-tool: There is no display to show the window on (neither "
                    "DISPLAY nor WAYLAND_DISPLAY is set); on a machine without a desktop, use "
                    "vantro-filter.");
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vantro::appinfo::kDesktopFileName));

    vantro::MainWindow window;
    if (!window.load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
