// Start-up times of both programs in English and in German: vantro-filter list, and the window
// from its start to its first event loop turn after it is shown (offscreen). Prints the medians
// of several whole-process runs and their ratio; it asserts nothing.
#include "app/windowprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kRuns = 21;

// Milliseconds of one whole run of the program under the locale; negative on a failure.
double runMs(const QString &program, const QStringList &arguments, const QString &locale,
             const QString &directory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    // The window as its main() starts it, ending once the event loop runs with it shown.
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0) {
        QApplication app(argc, argv);
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return vantro::runWindowProgram({QStringLiteral("vantro-filter-tool")});
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    const struct
    {
        const char *name;
        QString program;
        QStringList arguments;
    } cases[] = {{"vantro-filter list", QStringLiteral(VANTRO_CLI_PATH), {"list"}},
                 {"window, until shown", QCoreApplication::applicationFilePath(), {"--window"}}};
    for (const auto &startup : cases) {
        // Taken in turns, so that the machine's changing load weighs on both alike.
        QList<double> english, german;
        for (int i = 0; i < kRuns; ++i) {
            english.append(runMs(startup.program, startup.arguments, "C", work.path()));
            german.append(runMs(startup.program, startup.arguments, "de_DE.UTF-8", work.path()));
        }
        if (std::min(*std::min_element(english.cbegin(), english.cend()),
                     *std::min_element(german.cbegin(), german.cend())) < 0) {
            std::printf("%-22s failed\n", startup.name);
            continue;
        }
        std::printf("%-22s LANG=C %6.1f ms  LANG=de_DE.UTF-8 %6.1f ms  ratio %.3f  (medians of %d "
                    "runs)\n",
                    startup.name, median(english), median(german), median(german) / median(english),
                    kRuns);
    }
    return 0;
}
