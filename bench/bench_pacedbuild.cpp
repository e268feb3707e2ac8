// A paced Build through the real window, offscreen unless QT_QPA_PLATFORM names another platform.
// Prints the number of entries written, how the Build's wall time compares with 11 ms per entry,
// and how much of that time the processor was busy (run it under Xvfb, QT_QPA_PLATFORM=xcb, for
// the cost of drawing on a real display server).
//
//   bench_pacedbuild                    the built-in word list
//   bench_pacedbuild --words N          N made-up words of letters only (9 entries each)
//   bench_pacedbuild --word-file FILE   the words of FILE, one a line (UTF-8)
//   add --max-usage for 18 variants per word
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "wordlists/sortedtextlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Distinct words of five letters: "baaaa", "baaab", ... none equal to another in any letter case.
QStringList madeUpWords(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word(5, QLatin1Char('a'));
        word[0] = QLatin1Char('b');
        for (int digit = 4, rest = i; digit > 0 && rest > 0; --digit, rest /= 26)
            word[digit] = QLatin1Char(static_cast<char>('a' + rest % 26));
        words.append(word);
    }
    return words;
}

std::optional<QStringList> wordsOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QStringList words;
    while (!file.atEnd())
        words.append(QString::fromUtf8(file.readLine()).chopped(1));
    return words;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_pacedbuild [--words N | --word-file FILE] [--max-usage]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::optional<QStringList> words;
    bool maxUsage = false;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--max-usage")) {
            maxUsage = true;
        } else if (argument == QLatin1String("--words") && i + 1 < arguments.size()) {
            bool ok = false;
            const int count = arguments.at(++i).toInt(&ok);
            if (!ok || count < 0)
                return usage();
            words = madeUpWords(count);
        } else if (argument == QLatin1String("--word-file") && i + 1 < arguments.size()) {
            words = wordsOfFile(arguments.at(++i));
            if (!words) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(i)));
                return 1;
            }
        } else {
            return usage();
        }
    }

    QTemporaryDir directory;
    if (!directory.isValid() || !QDir::setCurrent(directory.path()))
        return 1;

    vantro::MainWindow window;
    window.setWarningReporter(
        [](const QString &message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    if (!window.load())
        return 1;
    if (words)
        window.wordList()->setList(vantro::SortedTextList::fromUnsorted(*words));
    window.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(maxUsage);
    window.show();
    QCoreApplication::processEvents();

    std::printf("words: %lld%s\n", static_cast<long long>(window.wordList()->rowCount()),
                maxUsage ? " (max usage)" : "");
    std::fflush(stdout);

    QEventLoop untilEnded;
    QObject::connect(&window, &vantro::MainWindow::buildEnded, &untilEnded, &QEventLoop::quit);
    QElapsedTimer wall;
    const double processorBefore = processorSeconds();
    wall.start();
    window.build();
    untilEnded.exec();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const double processorUsed = processorSeconds() - processorBefore;

    const qsizetype entries = window.variantList().count();
    std::printf("entries N: %lld\n", static_cast<long long>(entries));
    std::printf("wall time: %.3f s\n", wallSeconds);
    if (entries > 0)
        std::printf("wall time / (N x 11 ms): %.4f (target <= 1.02)\n",
                    wallSeconds / (entries * 0.011));
    std::printf("CPU time / wall time: %.4f (target <= 0.03)\n", processorUsed / wallSeconds);
    // The same share of the pauses alone: on a busy machine the wall time stretches and makes the
    // share above look smaller than it is.
    if (entries > 0)
        std::printf("CPU time / (N x 11 ms): %.4f; per entry: %.3f ms\n",
                    processorUsed / (entries * 0.011), processorUsed * 1000 / entries);
    return 0;
}
