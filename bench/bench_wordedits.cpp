// The word list's context menu on a large file, through the real window, offscreen unless
// QT_QPA_PLATFORM names another platform. Prints how long each takes:
//   taking out the N words of a file from a list that holds them, putting them back from the file,
//   adding N other words from a file, the profile's text, opening a profile of N lines and its
//   text then, and adding then taking out N words while a Build runs.
//
//   bench_wordedits            N = 100000
//   bench_wordedits --words N
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "builder/wordlistsources.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Distinct words of five lower-case letters, each starting with the given letter.
QStringList madeUpWords(int count, char first)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word(5, QLatin1Char('a'));
        word[0] = QLatin1Char(first);
        for (int digit = 4, rest = i; digit > 0 && rest > 0; --digit, rest /= 26)
            word[digit] = QLatin1Char(static_cast<char>('a' + rest % 26));
        words.append(word);
    }
    return words;
}

QByteArray linesOf(const QStringList &words)
{
    return (words.join(u'\n') + u'\n').toUtf8();
}

vantro::WordFile wordFileOf(const QStringList &words)
{
    return *vantro::readWordFile(linesOf(words));
}

void timed(const char *what, const vantro::MainWindow &window, const std::function<void()> &edit)
{
    QElapsedTimer timer;
    timer.start();
    edit();
    std::printf("%-44s %8.3f s  (%lld words in the list)\n", what, timer.nsecsElapsed() / 1e9,
                static_cast<long long>(window.wordList()->rowCount()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int count = 100000;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--words"))
        count = arguments.at(1).toInt();
    if (count <= 0 || count > 26 * 26 * 26 * 26 ||
        (!arguments.isEmpty() && arguments.size() != 2)) {
        std::fprintf(stderr, "usage: bench_wordedits [--words N]   (N up to 456976)\n");
        return 2;
    }

    QTemporaryDir directory;
    if (!directory.isValid() || !QDir::setCurrent(directory.path()))
        return 1;
    const auto report = [](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    };
    const QStringList words = madeUpWords(count, 'b');
    const vantro::WordFile file = wordFileOf(words);
    const vantro::WordFile otherFile = wordFileOf(madeUpWords(count, 'c'));
    std::printf("words N: %d\n", count);

    vantro::MainWindow window;
    window.setWarningReporter(report);
    if (!window.load())
        return 1;
    vantro::ComposedWordList start;
    start.startWords = words;
    start.words = vantro::SortedTextList::fromUnsorted(words);
    window.startWith(start, QString());
    timed("take out the N words of a file (goal <= 1 s)", window,
          [&] { window.takeOutWordsOfFile(QStringLiteral("words.txt"), file); });
    timed("add them back from the file", window,
          [&] { window.addWordsOfFile(QStringLiteral("words.txt"), file); });
    timed("add N other words from a file", window,
          [&] { window.addWordsOfFile(QStringLiteral("other.txt"), otherFile); });
    timed("profile text", window, [&] { window.profileEdits().profileText(); });
    const QByteArray profile = linesOf(madeUpWords(count, 'd'));
    timed("open a profile of N lines", window, [&] {
        window.applyProfile(QStringLiteral("profile.txt"),
                            *vantro::readWordFile(profile, vantro::WordFileKind::Profile), profile);
    });
    timed("profile text, its lines kept", window, [&] { window.profileEdits().profileText(); });

    // During a Build every word added is remembered for a failed Build to give back.
    vantro::MainWindow building;
    building.setWarningReporter(report);
    if (!building.load())
        return 1;
    building.build();
    timed("during a Build: add N words from a file", building,
          [&] { building.addWordsOfFile(QStringLiteral("other.txt"), otherFile); });
    timed("during a Build: take them out again", building,
          [&] { building.takeOutWordsOfFile(QStringLiteral("other.txt"), otherFile); });
    return 0;
}
