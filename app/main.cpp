// Starts the tool: the one window, shown once start-up has succeeded.
#include "appinfo.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

// Answers --help, --help-all and --version before there is any window, so that they work without
// a display, and then ends the program. Other arguments are left to QApplication (-platform and
// the like).
void answerHelpAndVersion(int &argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Builds the chat word filter of a game server in a window: same-length "
                "replacements for the words of its list, appended to badnames.txt or "
                "localization.txt in the current directory."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(version) || parser.isSet(QStringLiteral("help-all")))
        parser.process(app);
}

// Whether there is a window system to show the window on: a display, or a platform plugin chosen
// by hand (such as offscreen), in the environment or with -platform.
bool hasDisplay(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QString::fromLatin1(vantro::appinfo::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(vantro::appinfo::kVersion));
    answerHelpAndVersion(argc, argv);
    if (!hasDisplay(argc, argv)) {
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
