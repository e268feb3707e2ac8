// Whole-process times of vantro-filter: start, work and exit, as a shell script would see them.
// Prints the median of several runs of each case; it asserts nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 21;

// Milliseconds of one run, or a negative number when the run failed. The preparation, which is
// not timed, puts back what the run changes.
double timeRun(const QStringList &arguments, const QString &directory,
               const std::function<bool()> &prepare)
{
    if (prepare && !prepare())
        return -1;
    QProcess process;
    process.setWorkingDirectory(directory);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(VANTRO_CLI_PATH), arguments);
    // Any exit status: check exits 1 on purpose when it finds dangerous entries.
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

void measure(const char *name, const QStringList &arguments, const QString &directory,
             double targetMs, const std::function<bool()> &prepare = {})
{
    QList<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double ms = timeRun(arguments, directory, prepare);
        if (ms < 0) {
            std::printf("%-52s failed\n", name);
            return;
        }
        times.append(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %6.1f ms  (min %6.1f, max %6.1f, %d runs)", name, times[kRuns / 2],
                times.first(), times.last(), kRuns);
    if (targetMs > 0)
        std::printf("  target <= %.0f ms", targetMs);
    std::printf("\n");
}

// Deterministic words of 3 to 12 letters, some of two words, as a real word list holds them.
QByteArray generatedWordFile(int count)
{
    QByteArray bytes;
    quint32 seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int i = 0; i < count; ++i) {
        const int length = 3 + int(next() % 10);
        for (int j = 0; j < length; ++j)
            bytes += char('a' + next() % 26);
        if (next() % 8 == 0)
            bytes += " me";
        bytes += '\n';
    }
    return bytes;
}

// A localization file of the given number of lines: game text, with filter blocks behind it.
QByteArray generatedLocalizationFile(int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0)
            bytes += "menu_text_" + QByteArray::number(i) + " \"Some game text\"\r\n";
        else if (i % 1000 == 1)
            bytes += "{ \"word" + QByteArray::number(i) + "\" \"longer replacement\" }\r\n";
        else
            bytes += "{ \"word" + QByteArray::number(i) + "\" \"wzmo" + QByteArray::number(i) +
                     "\" }\r\n";
    }
    return bytes;
}

// A badnames file after the given number of Builds of the same words: game text in front, then
// the same block again and again.
QByteArray repeatedBlocksFile(int lines, int blocks)
{
    QByteArray block = "\r\n";
    const int entriesPerBlock = lines / blocks - 1;
    for (int i = 0; i < entriesPerBlock; ++i)
        block +=
            "{ \"word" + QByteArray::number(i) + "\" \"wzmo" + QByteArray::number(i) + "\" }\r\n";
    QByteArray bytes;
    for (int i = 0; i < blocks; ++i)
        bytes += block;
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString words = dir.filePath(QStringLiteral("words1200.txt"));
    const QString localization = dir.filePath(QStringLiteral("localization100k.txt"));
    const QString repeated = dir.filePath(QStringLiteral("badnames100k.txt"));
    const QByteArray repeatedBytes = repeatedBlocksFile(100000, 10);
    if (!dir.isValid() || !writeFile(words, generatedWordFile(1200)) ||
        !writeFile(localization, generatedLocalizationFile(100000))) {
        std::fprintf(stderr, "cannot write the input files\n");
        return 1;
    }

    measure("--version (process start and exit)", {"--version"}, dir.path(), 0);
    measure("build --max --stdout (built-in list)", {"build", "--max", "--stdout"}, dir.path(), 30);
    measure("build --stdout (1200-word file)", {"build", "--stdout", "--words", words}, dir.path(),
            0);
    measure("build --max --stdout (1200-word file)",
            {"build", "--max", "--stdout", "--words", words}, dir.path(), 30);
    measure("build --max (1200-word file, appending to a file)",
            {"build", "--max", "--words", words, "--dir", dir.path()}, dir.path(), 0);
    measure("check (100k-line file)", {"check", localization}, dir.path(), 100);
    measure("tidy (100k-line file of ten repeated blocks)", {"tidy", repeated}, dir.path(), 150,
            [&] { return writeFile(repeated, repeatedBytes); });
    return 0;
}
