// Times reading a word file into the word list of a Build (vantro-filter build --words FILE):
// 100k, 1M and 10M words, each shuffled and in list order. Prints the median of a few runs, the
// ratio between one size and the next (ten times the words), and the process's peak memory.
// "--max N" stops at N words (default 1000000; 10000000 takes a few minutes and some GB).
#include "cli/console.h"
#include "cli/wordinput.h"
#include "wordlists/sortedtextlist.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace vantro;

namespace {

// Distinct words of 4 to 12 letters, some with a space or hyphen, in random order.
QStringList randomWords(qsizetype count)
{
    QRandomGenerator random(4242);
    QStringList words;
    words.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        QString word = QString::number(i, 36);
        const int letters = 4 + random.bounded(9) - int(word.size());
        for (int j = 0; j < letters; ++j)
            word.prepend(QChar(u'a' + random.bounded(26)));
        if (random.bounded(4) == 0)
            word.insert(1, random.bounded(2) ? u' ' : u'-');
        words << word;
    }
    return words;
}

bool writeWordFile(const QString &path, const QStringList &words)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(words.join(u'\n').toUtf8() + '\n') > 0;
}

// Milliseconds to read the word file into a Build's word list, median of the runs.
double timeRead(const QString &path, qsizetype expected, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QBuffer in;
        QBuffer out;
        QBuffer err;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        cli::Console console(in, out, err);
        QElapsedTimer timer;
        timer.start();
        const cli::WordListInput input = [&] {
            WordSourceNames names;
            names.wordFiles = {path};
            return cli::wordListFrom(console, names);
        }();
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (input.words.count() != expected || !input.refused.isEmpty()) {
            std::fprintf(stderr, "read %lld words of %lld\n", qlonglong(input.words.count()),
                         qlonglong(expected));
            return -1;
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qsizetype largest = 1000000;
    const QStringList arguments = app.arguments();
    const qsizetype maxAt = arguments.indexOf(QStringLiteral("--max"));
    if (maxAt > 0 && maxAt + 1 < arguments.size())
        largest = arguments.at(maxAt + 1).toLongLong();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.txt"));
    std::printf("%-10s %-9s %12s %14s\n", "words", "order", "median ms", "x previous");
    double previous[2] = {0, 0};
    for (qsizetype count = 100000; count <= largest; count *= 10) {
        QStringList words = randomWords(count);
        for (int sorted = 0; sorted < 2; ++sorted) {
            if (sorted)
                words = SortedTextList::fromUnsorted(words).items();
            if (!writeWordFile(path, words))
                return 1;
            const double ms = timeRead(path, count, count >= 10000000 ? 1 : 3);
            if (ms < 0)
                return 1;
            std::printf("%-10lld %-9s %12.1f", qlonglong(count), sorted ? "sorted" : "shuffled",
                        ms);
            if (previous[sorted] > 0)
                std::printf(" %14.2f", ms / previous[sorted]);
            std::printf("\n");
            std::fflush(stdout);
            previous[sorted] = ms;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.0f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
