// Runs the vantro-filter program as a process on temporary directories.
#include "builtinwords.h"
#include "cipher.h"
#include "filterwriter.h"
#include "testfiles.h"
#include "variants.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace vantro;

namespace {

struct ToolRun
{
    bool finished = false; // ran to its end, neither crashed nor timed out
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList &arguments, const QString &workingDirectory,
                const QByteArray &input = {}, const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    process.setProgram(QStringLiteral(VANTRO_CLI_PATH));
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    if (prepare)
        prepare(process);
    process.start();
    ToolRun run;
    if (!process.waitForStarted())
        return run;
    process.write(input);
    process.closeWriteChannel();
    run.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Everything under a directory: files with their bytes, directories and symbolic links by kind
// and target. Two equal snapshots mean that nothing was written.
QMap<QString, QByteArray> snapshot(const QString &directory)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(directory,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(directory).relativeFilePath(info.filePath());
        if (info.isSymLink())
            entries.insert(name, "link to " + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            entries.insert(name, "directory");
        else
            entries.insert(name, fileBytes(info.filePath()));
    }
    return entries;
}

SortedTextList builtInWordList()
{
    return wordListFromSource(builtInSourceList());
}

SortedTextList listOf(const QStringList &words)
{
    SortedTextList list;
    for (const QString &word : words)
        list.addItem(word);
    return list;
}

SortedTextList variantsOf(const SortedTextList &words, bool maxUsage)
{
    return buildVariantList(sourceListFrom(words), maxUsage);
}

// What the window's writer appends to a file holding `existing`, for the same word list.
QByteArray windowWriterBytes(const SortedTextList &words, bool maxUsage,
                             const QByteArray &existing = {})
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("expected.txt"));
    if (!existing.isEmpty() && !writeFileBytes(path, existing))
        return {};
    if (writeFilterFile(path, variantsOf(words, maxUsage)).failed())
        return {};
    return fileBytes(path);
}

QStringList lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

// The findings of check as "LINE:kind", e.g. "3:danger", without file names and the summary.
QStringList findingsOf(const QByteArray &out)
{
    QStringList findings;
    for (const QString &line : lines(out)) {
        if (line.startsWith(QLatin1String("Summary:")))
            continue;
        const QStringList parts = line.split(QLatin1String(": "));
        if (parts.size() < 2)
            return {QStringLiteral("unreadable line: ") + line};
        findings.append(parts[0].section(u':', -1) + u':' + parts[1]);
    }
    return findings;
}

const QByteArray kGoshWords = "Gosh\r\n\r\nyour MOM\n   \n\t\ncafé €uro\n";
const QStringList kGoshList = {QStringLiteral("gosh"), QStringLiteral("your mom"),
                               QStringLiteral("café €uro")};

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion_data();
    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void buildWritesTheWindowsBytes_data();
    void buildWritesTheWindowsBytes();
    void buildWritesTheWorkedExample();
    void refusedWords_data();
    void refusedWords();
    void writeFailuresLeaveEverythingAsItWas_data();
    void writeFailuresLeaveEverythingAsItWas();
    void checkFindings_data();
    void checkFindings();
    void checkAcceptsWhatBuildWrote_data();
    void checkAcceptsWhatBuildWrote();
    void checkUnreadableFiles_data();
    void checkUnreadableFiles();
    void listPrintsTheBuiltInWordList();
    void expand_data();
    void expand();
};

void CliTest::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("--help") << QStringList{"--help"} << "build";
    QTest::newRow("-h") << QStringList{"-h"} << "expand";
    QTest::newRow("build --help") << QStringList{"build", "--help"} << "--localization";
    QTest::newRow("check --help") << QStringList{"check", "--help"} << "Exit status";
    QTest::newRow("list --help") << QStringList{"list", "--help"} << "list";
    QTest::newRow("expand --help") << QStringList{"expand", "--help"} << "--max";
    QTest::newRow("--version") << QStringList{"--version"} << "vantro-filter 1.00\n";
    QTest::newRow("build --version") << QStringList{"build", "--version"} << "1.00";
}

void CliTest::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir dir;

    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QString::fromUtf8(run.out).contains(expected), run.out);
    QVERIFY(run.err.isEmpty());
    QVERIFY(snapshot(dir.path()).isEmpty());
}

void CliTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no command") << QStringList{} << "No command";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "frobnicate";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
    QTest::newRow("unknown build option") << QStringList{"build", "--bogus"} << "bogus";
    QTest::newRow("build argument") << QStringList{"build", "words.txt"} << "words.txt";
    QTest::newRow("missing value") << QStringList{"build", "--words"} << "words";
    QTest::newRow("stdout and dir") << QStringList{"build", "--stdout", "--dir", "."} << "--stdout";
    QTest::newRow("stdout and localization")
        << QStringList{"build", "--stdout", "--localization"} << "--stdout";
    QTest::newRow("stdin twice") << QStringList{"build", "--words", "-", "--add", "-"} << "once";
    QTest::newRow("check without file") << QStringList{"check"} << "No file";
    QTest::newRow("check stdin twice") << QStringList{"check", "-", "-"} << "once";
    QTest::newRow("list argument") << QStringList{"list", "extra"} << "extra";
    QTest::newRow("expand without word") << QStringList{"expand"} << "No word";
    QTest::newRow("expand unknown option") << QStringList{"expand", "--dir", "x", "a"} << "dir";
}

void CliTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir dir;

    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(expected), run.err);
    QVERIFY2(err.contains(QLatin1String("--help")), run.err);
    QVERIFY(run.out.isEmpty());
    QVERIFY(snapshot(dir.path()).isEmpty());
}

void CliTest::buildWritesTheWindowsBytes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("wordFile"); // words.txt, when not empty
    QTest::addColumn<QByteArray>("input");    // standard input
    QTest::addColumn<QStringList>("fileWords");
    QTest::addColumn<bool>("withBuiltIn");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<QString>("target"); // empty: standard output
    QTest::addColumn<QByteArray>("existing");

    const QByteArray none;
    const QString badnames = QStringLiteral("badnames.txt");
    const QString localization = QStringLiteral("localization.txt");

    QTest::newRow("built-in") << QStringList{"build"} << none << none << QStringList{} << true
                              << false << badnames << none;
    QTest::newRow("built-in, max") << QStringList{"build", "--max"} << none << none << QStringList{}
                                   << true << true << badnames << none;
    QTest::newRow("localization") << QStringList{"build", "--localization"} << none << none
                                  << QStringList{} << true << false << localization << none;
    QTest::newRow("localization, max")
        << QStringList{"build", "--localization", "--max"} << none << none << QStringList{} << true
        << true << localization << none;
    QTest::newRow("appends behind a line without end")
        << QStringList{"build"} << none << none << QStringList{} << true << false << badnames
        << QByteArray("abc");
    QTest::newRow("appends behind an earlier block")
        << QStringList{"build", "--localization"} << none << none << QStringList{} << true << false
        << localization << windowWriterBytes(builtInWordList(), false);
    QTest::newRow("--dir") << QStringList{"build", "--dir", "sub"} << none << none << QStringList{}
                           << true << false << "sub/badnames.txt" << none;
    QTest::newRow("--stdout") << QStringList{"build", "--stdout"} << none << none << QStringList{}
                              << true << false << QString() << none;
    QTest::newRow("--stdout, max") << QStringList{"build", "--stdout", "--max"} << none << none
                                   << QStringList{} << true << true << QString() << none;
    QTest::newRow("--words") << QStringList{"build", "--words", "words.txt"} << kGoshWords << none
                             << kGoshList << false << false << badnames << none;
    QTest::newRow("--words, max, localization")
        << QStringList{"build", "--words", "words.txt", "--max", "--localization"} << kGoshWords
        << none << kGoshList << false << true << localization << none;
    QTest::newRow("--add") << QStringList{"build", "--add", "words.txt"} << kGoshWords << none
                           << kGoshList << true << false << badnames << none;
    QTest::newRow("--words from standard input")
        << QStringList{"build", "--words", "-", "--stdout"} << none << kGoshWords << kGoshList
        << false << false << QString() << none;
    QTest::newRow("--add from standard input, max")
        << QStringList{"build", "--max", "--add", "-"} << none << kGoshWords << kGoshList << true
        << true << badnames << none;
    QTest::newRow("byte-order mark")
        << QStringList{"build", "--words", "words.txt"} << QByteArray("\xEF\xBB\xBFgosh\n") << none
        << QStringList{"gosh"} << false << false << badnames << none;
    QTest::newRow("no words") << QStringList{"build", "--words", "words.txt", "--stdout"}
                              << QByteArray("\n\r\n") << none << QStringList{} << false << false
                              << QString() << none;
}

void CliTest::buildWritesTheWindowsBytes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, wordFile);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fileWords);
    QFETCH(bool, withBuiltIn);
    QFETCH(bool, maxUsage);
    QFETCH(QString, target);
    QFETCH(QByteArray, existing);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    if (!wordFile.isEmpty())
        QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")), wordFile));
    if (!existing.isEmpty())
        QVERIFY(writeFileBytes(dir.filePath(target), existing));
    QMap<QString, QByteArray> expectedFiles = snapshot(dir.path());

    SortedTextList words = withBuiltIn ? builtInWordList() : SortedTextList();
    for (const QString &word : fileWords)
        words.addItem(word);
    const QByteArray expected = windowWriterBytes(words, maxUsage, existing);
    QVERIFY(expected.startsWith(existing + "\r\n"));
    const qsizetype entries = variantsOf(words, maxUsage).count();

    const ToolRun run = runTool(arguments, dir.path(), input);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.err);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(QStringLiteral("Wrote %1 entries").arg(entries)), run.err);
    if (target.isEmpty()) {
        QCOMPARE(run.out, expected);
        QVERIFY2(err.contains(QLatin1String("standard output")), run.err);
    } else {
        QVERIFY(run.out.isEmpty());
        expectedFiles.insert(target, expected);
        QVERIFY2(err.contains(QFileInfo(dir.filePath(target)).fileName()), run.err);
    }
    // Only the target changed: the other target was not created.
    QCOMPARE(snapshot(dir.path()), expectedFiles);
}

void CliTest::buildWritesTheWorkedExample()
{
    QTemporaryDir dir;
    const ToolRun run = runTool({"build", "--words", "-", "--stdout"}, dir.path(), "GOSH\n");
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> expectedLines = {
        "{ \"GOSH\" \"U5LT\" }",   "{ \"Gosh\" \"U0lt\" }",   "{ \"gosh\" \"u0lt\" }",
        "{ \"GOSH!\" \"U5LT!\" }", "{ \"Gosh!\" \"U0lt!\" }", "{ \"gosh!\" \"u0lt!\" }",
        "{ \"GOSH.\" \"U5LTc\" }", "{ \"Gosh.\" \"U0ltc\" }", "{ \"gosh.\" \"u0ltc\" }",
    };
    QCOMPARE(run.out, "\r\n" + expectedLines.join("\r\n") + "\r\n");
}

void CliTest::refusedWords_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("refusedLines");
    QTest::addColumn<QString>("reason");

    QTest::newRow("double quote") << "--words" << QByteArray("fine\nsay \"hi\"\n") << QList<int>{2}
                                  << "double quote";
    QTest::newRow("control character")
        << "--add" << QByteArray("ok\nbad\x01word\n") << QList<int>{2} << "control character";
    QTest::newRow("tab inside a word")
        << "--words" << QByteArray("big\tloser\n") << QList<int>{1} << "control character";
    QTest::newRow("euro fine, omega refused")
        << "--words" << QByteArray("€uro\nfine\nmore\nΩmega\n") << QList<int>{4} << "Windows-1252";
    QTest::newRow("not UTF-8") << "--add" << QByteArray("ok\n\xFF\xFEx\n") << QList<int>{2}
                               << "UTF-8";
    QTest::newRow("line numbers count blank and CR LF lines")
        << "--words" << QByteArray("one\r\n\r\n  \r\nth\"ree\r\n") << QList<int>{4}
        << "double quote";
    QTest::newRow("every refused line")
        << "--add" << QByteArray("a\"\nok\nb\x02\nc\n\xC3") << QList<int>{1, 3, 5} << "";
}

void CliTest::refusedWords()
{
    QFETCH(QString, option);
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, refusedLines);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")), content));
    const auto before = snapshot(dir.path());

    for (const QStringList &arguments :
         {QStringList{"build", option, "words.txt"},
          QStringList{"build", option, "words.txt", "--localization", "--max"}}) {
        const ToolRun run = runTool(arguments, dir.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        const QStringList reported = QString::fromUtf8(run.err).split(u'\n');
        QStringList refused = reported.filter(QRegularExpression(QStringLiteral("^words.txt:")));
        QCOMPARE(refused.size(), refusedLines.size());
        for (qsizetype i = 0; i < refused.size(); ++i)
            QVERIFY2(refused[i].startsWith(QStringLiteral("words.txt:%1: ").arg(refusedLines[i])),
                     qPrintable(refused[i]));
        QVERIFY2(refused.first().contains(reason), qPrintable(refused.first()));
        QCOMPARE(snapshot(dir.path()), before);
    }

    // From standard input the file is named as such.
    const ToolRun run = runTool({"build", option, "-"}, dir.path(), content);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(
                 QStringLiteral("(standard input):%1: ").arg(refusedLines.first()).toUtf8()),
             run.err);
    QCOMPARE(snapshot(dir.path()), before);
}

void CliTest::writeFailuresLeaveEverythingAsItWas_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");

    QTest::newRow("target is a directory") << QStringList{"build"} << "directory target"
                                           << "badnames.txt";
    QTest::newRow("localization target is a directory")
        << QStringList{"build", "--localization", "--max"} << "directory target"
        << "localization.txt";
    QTest::newRow("--dir holds a directory of the target's name")
        << QStringList{"build", "--dir", "sub"} << "directory target in sub"
        << "badnames.txt";
    QTest::newRow("--dir does not exist") << QStringList{"build", "--dir", "missing"} << ""
                                          << "missing";
    QTest::newRow("disk full (/dev/full)") << QStringList{"build"} << "full device"
                                           << "badnames.txt";
    QTest::newRow("disk full (file size limit)")
        << QStringList{"build", "--max"} << "file size limit"
        << "File too large";
    QTest::newRow("standard output full")
        << QStringList{"build", "--stdout"} << "full standard output"
        << "standard output";
}

void CliTest::writeFailuresLeaveEverythingAsItWas()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, setup);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QDir top(dir.path());
    const QString badnames = QStringLiteral("badnames.txt");
    const QString target = arguments.contains(QLatin1String("--localization"))
                               ? QStringLiteral("localization.txt")
                               : badnames;
    std::function<void(QProcess &)> prepare;
    if (setup == QLatin1String("directory target")) {
        QVERIFY(top.mkpath(target));
    } else if (setup == QLatin1String("directory target in sub")) {
        QVERIFY(top.mkpath(QStringLiteral("sub/") + badnames));
    } else if (setup == QLatin1String("full device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), top.filePath(badnames)));
    } else if (setup == QLatin1String("file size limit")) {
        const QByteArray earlier = "{ \"earlier\" \"w9mqswm\" }\r\n";
        QVERIFY(writeFileBytes(top.filePath(badnames), earlier));
        // Room for the block's first bytes only, so that a later line fails.
        prepare = [limit = earlier.size() + 100](QProcess &process) {
            process.setChildProcessModifier([limit] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit fileSize{rlim_t(limit), rlim_t(limit)};
                setrlimit(RLIMIT_FSIZE, &fileSize);
            });
        };
    } else if (setup == QLatin1String("full standard output")) {
        prepare = [](QProcess &process) {
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        };
    }
    const auto before = snapshot(dir.path());

    const ToolRun run = runTool(arguments, dir.path(), {}, prepare);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    const QString err = QString::fromUtf8(run.err);
    // On a device Qt itself warns about the seek to the end that opening for appending does,
    // so the program's own line need not come first.
    const QStringList reported = err.split(u'\n').filter(QRegularExpression("^vantro-filter: "));
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().contains(message), run.err);
    QVERIFY2(!err.contains(QLatin1String("Wrote")), run.err);
    QCOMPARE(snapshot(dir.path()), before);
}

void CliTest::checkFindings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<QString>("summary");

    QTest::newRow("spacing tolerated, other lines left alone")
        << QByteArray("// header\r\n"
                      "{ \"gosh\" \"u0lt\" }\r\n"
                      "{\"gosh!\"\"u0lt!\"}\r\n"
                      "\t{\t\"bs\"\t\"xl\"\t}\t\r\n"
                      "   {   \"a b\"   \"z x\" }   \r\n"
                      "menu_title Some text { \"x\" \"much longer\" }\r\n"
                      "\"unbalanced quote outside an entry\r\n"
                      "\r\n")
        << 0 << QStringList{} << "entries 4, dangerous 0, malformed 0, repeated 0";
    QTest::newRow("LF line ends")
        << QByteArray("{ \"gosh\" \"u0lt\" }\n{ \"ab\" \"abc\" }\n{ \"bs\" \"xl\" }") << 1
        << QStringList{"2:danger"} << "entries 3, dangerous 1";
    QTest::newRow("longer replacement")
        << QByteArray("{ \"gosh\" \"u0lt\" }\r\n{ \"ab\" \"abc\" }\r\n") << 1
        << QStringList{"2:danger"} << "entries 2, dangerous 1";
    QTest::newRow("shorter replacement is safe")
        << QByteArray("{ \"abc\" \"ab\" }\r\n{ \"x\" \"\" }\r\n") << 0 << QStringList{}
        << "entries 2, dangerous 0";
    QTest::newRow("empty text") << QByteArray("{ \"\" \"x\" }\r\n{ \"\" \"\" }\r\n") << 1
                                << QStringList{"1:danger"} << "dangerous 1";
    QTest::newRow("lengths in characters of the code page")
        << QByteArray("{ \"caf\xE9\" \"8zv\xE9\" }\r\n{ \"\x80\" \"ab\" }\r\n") << 1
        << QStringList{"2:danger"} << "entries 2, dangerous 1";
    QTest::newRow("closing brace missing")
        << QByteArray("{ \"a\" \"z\"\r\n") << 1 << QStringList{"1:error"} << "malformed 1";
    QTest::newRow("unbalanced quote")
        << QByteArray("ok\r\n{ \"a\" \"z }\r\n") << 1 << QStringList{"2:error"}
        << "entries 0, dangerous 0, malformed 1";
    QTest::newRow("replacement missing")
        << QByteArray("{ \"a\" }\r\n") << 1 << QStringList{"1:error"} << "malformed 1";
    QTest::newRow("no quotes") << QByteArray("{ a z }\r\n") << 1 << QStringList{"1:error"}
                               << "malformed 1";
    QTest::newRow("brace alone") << QByteArray("  {\r\n") << 1 << QStringList{"1:error"}
                                 << "malformed 1";
    QTest::newRow("three quoted texts")
        << QByteArray("{ \"a\" \"z\" \"q\" }\r\n") << 1 << QStringList{"1:error"} << "malformed 1";
    QTest::newRow("text after the brace")
        << QByteArray("{ \"a\" \"z\" } x\r\n") << 1 << QStringList{"1:error"} << "malformed 1";
    QTest::newRow("repeats are a warning")
        << QByteArray("{ \"a\" \"z\" }\r\n{ \"b\" \"x\" }\r\n{ \"a\" \"y\" }\r\n{\"a\" \"z\"}\r\n"
                      "{ \"a\" \"z\" }\r\n")
        << 0 << QStringList{"4:warning", "5:warning"}
        << "entries 5, dangerous 0, malformed 0, repeated 2";
    QTest::newRow("everything at once")
        << QByteArray("{ \"ab\" \"abc\" }\n{ \"ab\" \"abc\" }\n{ \"x\n") << 1
        << QStringList{"1:danger", "2:danger", "2:warning", "3:error"}
        << "entries 2, dangerous 2, malformed 1, repeated 1";
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList{} << "files 1, entries 0";
}

void CliTest::checkFindings()
{
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QStringList, findings);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("localization.txt")), content));

    const ToolRun run = runTool({"check", "localization.txt"}, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.isEmpty(), run.err);
    QCOMPARE(findingsOf(run.out), findings);
    for (const QString &line : lines(run.out)) {
        if (!line.startsWith(QLatin1String("Summary:")))
            QVERIFY2(line.startsWith(QLatin1String("localization.txt:")), qPrintable(line));
    }
    QVERIFY2(lines(run.out).constLast().contains(summary), run.out);

    // The same text on standard input gives the same findings.
    const ToolRun piped = runTool({"check", "-"}, dir.path(), content);
    QCOMPARE(piped.exitCode, exitCode);
    QCOMPARE(findingsOf(piped.out), findings);
}

void CliTest::checkAcceptsWhatBuildWrote_data()
{
    QTest::addColumn<QStringList>("buildArguments");
    QTest::addColumn<int>("builds");

    QTest::newRow("built-in") << QStringList{"build", "--localization"} << 1;
    QTest::newRow("built-in, max") << QStringList{"build", "--localization", "--max"} << 1;
    QTest::newRow("with added words")
        << QStringList{"build", "--localization", "--max", "--add", "words.txt"} << 1;
    QTest::newRow("two builds repeat every entry")
        << QStringList{"build", "--localization", "--max", "--add", "words.txt"} << 2;
}

void CliTest::checkAcceptsWhatBuildWrote()
{
    QFETCH(QStringList, buildArguments);
    QFETCH(int, builds);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")), kGoshWords));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("localization.txt")),
                           "// game text\r\nmenu_title \"Play\"\r\n"));
    for (int i = 0; i < builds; ++i)
        QCOMPARE(runTool(buildArguments, dir.path()).exitCode, 0);

    SortedTextList words = builtInWordList();
    if (buildArguments.contains(QLatin1String("--add"))) {
        for (const QString &word : kGoshList)
            words.addItem(word);
    }
    const qsizetype entries =
        variantsOf(words, buildArguments.contains(QLatin1String("--max"))).count();

    const ToolRun run = runTool({"check", "localization.txt"}, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QStringList findings = findingsOf(run.out);
    QCOMPARE(findings.size(), (builds - 1) * entries);
    QCOMPARE(findings.filter(QLatin1String(":warning")).size(), findings.size());
    QVERIFY2(lines(run.out).constLast().contains(
                 QStringLiteral("entries %1, dangerous 0, malformed 0, repeated %2")
                     .arg(builds * entries)
                     .arg((builds - 1) * entries)),
             run.out);
}

void CliTest::checkUnreadableFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("missing file") << QStringList{"missing.txt"} << QStringList{};
    QTest::newRow("directory") << QStringList{"folder"} << QStringList{};
    QTest::newRow("readable files are still checked")
        << QStringList{"danger.txt", "missing.txt", "danger.txt"}
        << QStringList{"1:danger", "1:danger"};
}

void CliTest::checkUnreadableFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, findings);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("danger.txt")), "{ \"a\" \"zz\" }\r\n"));

    const ToolRun run = runTool(QStringList{"check"} + files, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(findingsOf(run.out), findings);
    QVERIFY2(
        run.err.startsWith("vantro-filter: " +
                           files.filter(QRegularExpression("missing|folder")).first().toUtf8()),
        run.err);
    QVERIFY2(lines(run.out).constLast().contains(QLatin1String("unreadable 1")), run.out);
}

void CliTest::listPrintsTheBuiltInWordList()
{
    QTemporaryDir dir;
    const ToolRun run = runTool({"list"}, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QStringList printed = QString::fromUtf8(run.out).split(u'\n');
    QCOMPARE(printed.constLast(), QString()); // every line ends with LF
    const QStringList words = printed.first(printed.size() - 1);

    const auto table = builtInWordTable();
    const qsizetype nonEmptyRows =
        std::count_if(table.begin(), table.end(), [](const char *row) { return *row != '\0'; });
    QCOMPARE(words.size(), nonEmptyRows);
    QCOMPARE(words, builtInWordList().items());
    for (const QString &word : words)
        QCOMPARE(word, word.toLower());
}

void CliTest::expand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("sample");

    QTest::newRow("gosh") << QStringList{"expand", "gosh"} << QStringList{"gosh"} << false << 9
                          << "Gosh.\tU0ltc";
    QTest::newRow("gosh, max") << QStringList{"expand", "--max", "gosh"} << QStringList{"gosh"}
                               << true << 18 << "_GOSH\taU5LT";
    QTest::newRow("typed in capitals")
        << QStringList{"expand", "GoSh"} << QStringList{"gosh"} << false << 9 << "GOSH\tU5LT";
    QTest::newRow("one letter") << QStringList{"expand", "a", "--max"} << QStringList{"a"} << true
                                << 12 << "_A\taZ";
    QTest::newRow("digits") << QStringList{"expand", "42"} << QStringList{"42"} << false << 3
                            << "42.\t42c";
    QTest::newRow("two words") << QStringList{"expand", "your mom", "bs"}
                               << QStringList{"your mom", "bs"} << false << 18
                               << "Your mom\tF0jm o0o";
    QTest::newRow("outside ASCII")
        << QStringList{"expand", "CAFÉ"} << QStringList{"café"} << false << 9 << "Café\t7zvé";
}

void CliTest::expand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, words);
    QFETCH(bool, maxUsage);
    QFETCH(int, count);
    QFETCH(QString, sample);

    QTemporaryDir dir;
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QStringList printed = lines(run.out);
    QCOMPARE(printed.size(), count);
    QVERIFY2(printed.contains(sample), run.out);

    QStringList expected;
    const SortedTextList variants = variantsOf(listOf(words), maxUsage);
    for (const QString &variant : variants.items())
        expected.append(variant + u'\t' + makeReplacement(variant));
    QCOMPARE(printed, expected);
}

QTEST_GUILESS_MAIN(CliTest)

#include "tst_cli.moc"
