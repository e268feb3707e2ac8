// Times the unpaced Build: expansion, de-duplication, cipher, formatting and writing the block to a
// temporary file, for the built-in list and for synthetic lists of 1k, 10k and 100k words, with and
// without Max usage; and every built-in language with and without --spellings. Prints the median
// of several runs and the process's peak memory.
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "wordlists/builtinwords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <vector>

using namespace vantro;

namespace {

// Words shaped like the built-in ones: 4 to 12 letters, some phrases with a space, hyphen or
// underscore between their parts.
SortedTextList syntheticWordList(int count)
{
    QRandomGenerator random(4242);
    const QString joins = QStringLiteral("  -_");
    QStringList words;
    words.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString word;
        const int length = 4 + random.bounded(9);
        for (int j = 0; j < length; ++j)
            word += QChar(u'a' + random.bounded(26));
        if (random.bounded(3) == 0)
            word.insert(1 + random.bounded(length - 2), joins.at(random.bounded(joins.size())));
        words << word;
    }
    return SortedTextList::fromUnsorted(words);
}

struct Timing
{
    double medianMs;
    qsizetype entries;
};

Timing timeBuild(const SortedTextList &wordList, bool maxUsage, const QString &path,
                 bool spellings = false)
{
    const int runs = wordList.count() > 50000 ? 5 : 15;
    std::vector<double> times;
    qsizetype entries = 0;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(path);
        QElapsedTimer timer;
        timer.start();
        const SortedTextList variants =
            buildVariantList(sourceListFrom(wordList), maxUsage, spellings);
        const Result<qsizetype> result = writeFilterFile(path, variants);
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (!result) {
            std::fprintf(stderr, "%s\n", qPrintable(result.message()));
            std::exit(1);
        }
        entries = *result;
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], entries};
}

} // namespace

int main(int argc, char *argv[])
{
    // The allocator keeps freed memory for the next run, as it already does by itself for the
    // smaller lists: every size is then timed warm, and the figures compare the work, not how
    // often the kernel has to clear fresh pages.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badnames.txt"));

    struct Case
    {
        const char *name;
        SortedTextList words;
    };
    std::vector<Case> cases;
    cases.push_back({"built-in list", wordListFromSource(builtInSourceList())});
    for (const int count : {1000, 10000, 100000})
        cases.push_back({nullptr, syntheticWordList(count)});

    std::printf("%-16s %8s %5s %10s %10s %12s\n", "words", "count", "max", "entries", "ms",
                "us/entry");
    std::vector<double> perMax[2];
    for (const Case &c : cases) {
        for (const bool maxUsage : {false, true}) {
            const Timing t = timeBuild(c.words, maxUsage, path);
            const QByteArray name = c.name ? QByteArray(c.name) : QByteArray("synthetic");
            std::printf("%-16s %8lld %5s %10lld %10.2f %12.3f\n", name.constData(),
                        static_cast<long long>(c.words.count()), maxUsage ? "yes" : "no",
                        static_cast<long long>(t.entries), t.medianMs,
                        1000.0 * t.medianMs / double(std::max<qsizetype>(t.entries, 1)));
            if (!c.name)
                perMax[maxUsage].push_back(t.medianMs);
        }
    }
    for (const bool maxUsage : {false, true}) {
        const auto &t = perMax[maxUsage];
        std::printf("scaling, max usage %s: 10k/1k %.2fx, 100k/10k %.2fx (ten times the words)\n",
                    maxUsage ? "yes" : "no", t[1] / t[0], t[2] / t[1]);
    }

    std::printf("\n%-8s %10s %10s %10s %10s %7s\n", "language", "entries", "ms", "spellings", "ms",
                "ratio");
    for (const WordLanguage language : kWordLanguages) {
        const WordLanguage languages[] = {language};
        const SortedTextList words =
            wordListFromSource(builtInSourceList(languages, kWordCategories));
        const Timing without = timeBuild(words, false, path);
        const Timing with = timeBuild(words, false, path, true);
        std::printf("%-8s %10lld %10.2f %10lld %10.2f %7.3f\n",
                    qPrintable(wordLanguageCode(language)), static_cast<long long>(without.entries),
                    without.medianMs, static_cast<long long>(with.entries), with.medianMs,
                    double(with.entries) / double(without.entries));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
