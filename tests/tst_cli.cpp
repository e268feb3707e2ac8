// Drives the commands of vantro-filter in-process on temporary directories, and runs the program
// itself for what only a process shows: exit statuses, standard input, closed descriptors.
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "childprocess.h"
#include "cli/commandline.h"
#include "cli/console.h"
#include "entryfiles/buildwriter.h"
#include "entryfiles/entryrewrite.h"
#include "entrymodel.h"
#include "fileio/path.h"
#include "fileio/stopsignals.h"
#include "testfiles.h"
#include "wordlists/builtinwords.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace vantro;
using vantro::cli::Console;

namespace {

struct ToolRun
{
    bool finished = false; // ran to its end, neither crashed nor timed out
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A stream whose every write fails, as on a full disk.
class FullDevice : public QIODevice
{
public:
    FullDevice() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

enum class FailingStream
{
    None,
    Output,
    Error,
    OutputStops, // its first write raises SIGTERM
};

// Standard output whose first write raises a stop signal when armed.
class StoppingOutput : public QBuffer
{
public:
    explicit StoppingOutput(bool armed) : m_armed(armed) {}

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (std::exchange(m_armed, false))
            ::raise(SIGTERM);
        return QBuffer::writeData(data, length);
    }

private:
    bool m_armed;
};

// Runs the command line in this process, in the directory, on captured standard streams.
ToolRun runTool(const QStringList &arguments, const QString &workingDirectory,
                const QByteArray &input = {}, FailingStream failing = FailingStream::None)
{
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    StoppingOutput out(failing == FailingStream::OutputStops);
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    FullDevice full;
    Console console(in, failing == FailingStream::Output ? static_cast<QIODevice &>(full) : out,
                    failing == FailingStream::Error ? static_cast<QIODevice &>(full) : err);

    // By the names' bytes, which need not be UTF-8 (see fileio/path.h).
    const QString previous = currentDirectory();
    ToolRun run;
    if (!changeDirectory(workingDirectory))
        return run;
    const auto status =
        cli::runCommandLine(console, QStringList{QStringLiteral("vantro-filter")} + arguments);
    (void)changeDirectory(previous);
    run.finished = true;
    run.exitCode = int(status);
    run.out = out.data();
    run.err = err.data();
    return run;
}

// Runs the program as a process.
ToolRun runProcess(const QStringList &arguments, const QString &workingDirectory,
                   const QByteArray &input = {},
                   const std::function<void(QProcess &)> &prepare = {})
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
        else if (!info.isFile())
            entries.insert(name, "special file"); // a FIFO: reading it would block
        else
            entries.insert(name, fileBytes(info.filePath()));
    }
    return entries;
}

SortedTextList builtInWordList()
{
    return wordListFromSource(builtInSourceList());
}

// The codes of the command lines, in the order of the tables.
const QList<std::pair<QString, WordLanguage>> kLanguageCodes = {
    {"en", WordLanguage::en}, {"de", WordLanguage::de}, {"fr", WordLanguage::fr},
    {"es", WordLanguage::es}, {"it", WordLanguage::it}, {"pt", WordLanguage::pt},
    {"nl", WordLanguage::nl}};
const QList<std::pair<QString, WordCategory>> kCategoryCodes = {
    {"slur", WordCategory::slur},           {"sexual", WordCategory::sexual},
    {"profanity", WordCategory::profanity}, {"insult", WordCategory::insult},
    {"drug", WordCategory::drug},           {"other", WordCategory::other}};

const QStringList kSeverityCodes = {"mild", "strong", "severe"};

// The built-in entries of a choice, "LANGUAGES/CATEGORIES[/LEVEL[/no-ambiguous]]" as
// comma-separated codes (no categories: every one; no level: mild), straight from the tables:
// "text TAB language TAB category TAB severity TAB ambiguous-or-dash" lines in table order, each
// once.
QStringList modelEntryLines(const QString &choice)
{
    const QStringList languages = choice.section(u'/', 0, 0).split(u',');
    const QStringList categories = choice.section(u'/', 1, 1).split(u',', Qt::SkipEmptyParts);
    const qsizetype leastSeverity =
        std::max(kSeverityCodes.indexOf(choice.section(u'/', 2, 2)), qsizetype(0));
    const bool noAmbiguous = choice.section(u'/', 3, 3) == QLatin1String("no-ambiguous");
    QStringList lines;
    for (const auto &[language, languageValue] : kLanguageCodes) {
        if (!languages.contains(language))
            continue;
        for (const BuiltInWord &word : builtInWords(languageValue)) {
            if (int(word.severity) < leastSeverity || (noAmbiguous && word.ambiguous))
                continue;
            for (const auto &[category, categoryValue] : kCategoryCodes) {
                const QString line = QString::fromUtf8(word.text) + u'\t' + language + u'\t' +
                                     category + u'\t' + kSeverityCodes.at(int(word.severity)) +
                                     (word.ambiguous ? "\tambiguous" : "\t-");
                if (word.category == categoryValue &&
                    (categories.isEmpty() || categories.contains(category)) &&
                    !lines.contains(line))
                    lines.append(line);
            }
        }
    }
    return lines;
}

// The word list of the choice's entries: each text once, in list order.
SortedTextList modelWordList(const QString &choice)
{
    QStringList texts;
    for (const QString &line : modelEntryLines(choice)) {
        if (const QString text = line.section(u'\t', 0, 0); !texts.contains(text))
            texts.append(text);
    }
    return SortedTextList::fromUnsorted(texts);
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
        // Warnings by what they are: "conflicting", or a repeat ("warning"), and the line
        // they name ("@3").
        QString kind = parts[1];
        if (parts.size() > 2 && parts[2] == QLatin1String("conflicting"))
            kind = parts[2];
        const auto earlier = QRegularExpression(QStringLiteral("line (\\d+)\\.$")).match(line);
        if (earlier.hasMatch())
            kind += u'@' + earlier.captured(1);
        // A finding of the whole file has no line: "file:warning".
        const QString where =
            parts[0].contains(u':') ? parts[0].section(u':', -1) : QStringLiteral("file");
        findings.append(where + u':' + kind);
    }
    return findings;
}

// A line longer than the longest line that the commands read.
constexpr qsizetype kOverlong = 1024 * 1024 + 1;

const QByteArray kGoshWords = "Gosh\r\n\r\nyour MOM\n   \n\t\ncafé €uro\n";
const QStringList kGoshList = {QStringLiteral("gosh"), QStringLiteral("your mom"),
                               QStringLiteral("café €uro")};

// What stands in the way of a Build's write.
enum class Obstacle
{
    None,
    DirectoryTarget,
    DirectoryTargetInSub,
    FifoTarget,
    FullStandardOutput,
};

// Why tidy cannot replace the file.
enum class TidyObstacle
{
    FileSizeLimit,
    ReadOnlyDirectory,
    Locked,
};

// A command that meets a name that is no UTF-8.
enum class ByteNamed
{
    BuildInTheDirectory,
    BuildWithDir,
    BuildReplacing,
    Check,
    Tidy,
};

// Why a program must not write the file localization.txt or write through a link.
enum class Refusal
{
    HardLink,
    NotWritable,
    NotReadable,
    LinkOfNobody, // badnames.txt, a link to localization.txt
    FolderLink,   // "via", a link to the directory, of an account without a name
};

// What another account does in the file's directory while tidy works.
enum class TidyRace
{
    SymlinkInItsPlace,
    AnotherFileInItsPlace,
    NewFileRemoved,
};

// What rewrites a file while a program that takes no lock appends to it.
enum class Rewriter
{
    Tidy,
    BuildReplace,
    PacedBuild, // the window's replacing Build
};

// What the program meets as a process.
enum class ProcessSetup
{
    None,
    CloseStandardOutput,
    CloseBoth,
    FileSizeLimit,
};

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void namesAreBytes_data();
    void namesAreBytes();
    void initTestCase();
    void helpAndVersion_data();
    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void outputFailures_data();
    void outputFailures();
    void buildWritesTheWindowsBytes_data();
    void buildWritesTheWindowsBytes();
    void refusedWords_data();
    void wordFileInAnotherEncoding_data();
    void wordFileInAnotherEncoding();
    void buildRefusesAUtf8Target_data();
    void buildRefusesAUtf8Target();
    void refusedWords();
    void writeFailuresLeaveEverythingAsItWas_data();
    void writeFailuresLeaveEverythingAsItWas();
    void buildWaitsForTheLockAndStopsOnSignals_data();
    void buildWaitsForTheLockAndStopsOnSignals();
    void buildStoppedMidwayTakesItsBlockBack();
    void checkFindings_data();
    void checkFindings();
    void checkAcceptsWhatBuildWrote_data();
    void checkAcceptsWhatBuildWrote();
    void unreadableInputs_data();
    void unreadableInputs();
    void fifoInputsNeverBlock_data();
    void fifoInputsNeverBlock();
    void messagesShowOutsideTextVerbatim_data();
    void messagesShowOutsideTextVerbatim();
    void tidy_data();
    void tidy();
    void tidyKeepsModeAndOwner();
    void replacingBuildThroughALinkToNoFile();
    void tidyFailuresChangeNothing_data();
    void tidyFailuresChangeNothing();
    void refusesWhatItMustNotWrite_data();
    void refusesWhatItMustNotWrite();
    void tidyNeedsToReplaceOnlyWhatItChanges_data();
    void tidyNeedsToReplaceOnlyWhatItChanges();
    void typosAreSaid_data();
    void typosAreSaid();
    void tidyKeepsExtendedAttributes();
    void tidyLeavesAFileChangedUnderIt_data();
    void tidyLeavesAFileChangedUnderIt();
    void tidyStoppedLeavesNoNewFile_data();
    void tidyStoppedLeavesNoNewFile();
    void listPrintsTheBuiltInWordList();
    void listChosenEntries_data();
    void listChosenEntries();
    void expand_data();
    void expand();
    void explain_data();
    void explain();
    void buildDryRun_data();
    void buildDryRun();
    void endToEnd_data();
    void endToEnd();
    void profileOrder_data();
    void profileOrder();
    void replaceKeepsEveryOtherByte_data();
    void replaceKeepsEveryOtherByte();
    void replacingBuildRunAgainChangesNothing_data();
    void replacingBuildRunAgainChangesNothing();
    void tidyDropsFilterEntries_data();
    void tidyDropsFilterEntries();
    void linesAppendedWithoutTheLockAreKept_data();
    void linesAppendedWithoutTheLockAreKept();
    void tidyStoppedAfterTheReplacementSaysSo();
    void starEntriesOfTheAdministratorStay_data();
    void starEntriesOfTheAdministratorStay();
};

void CliTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("vantro-filter"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

void CliTest::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    // Every help option of every command; the program's own --help is run as a process below.
    const QStringList helpOptions = {"--help", "--help-all", "-h", "-?"};
    for (const QString &option : helpOptions) {
        if (option != QLatin1String("--help"))
            QTest::addRow("%s", qPrintable(option)) << QStringList{option} << "tidy";
        for (const char *command : {"build", "check", "tidy", "list", "expand", "explain"}) {
            QTest::addRow("%s %s", command, qPrintable(option))
                << QStringList{command, option} << command;
        }
    }
    QTest::newRow("build --help with other options")
        << QStringList{"build", "--max", "--help"} << "--skip-refused";
    QTest::newRow("check --help") << QStringList{"check", "--help"} << "--quiet";
    QTest::newRow("tidy --help") << QStringList{"tidy", "--help"} << "--drop-dangerous";
    QTest::newRow("build --version") << QStringList{"build", "--version"} << "1.00";
    QTest::newRow("build --help, languages")
        << QStringList{"build", "--help"} << "codes: en, de, fr, es, it, pt, nl.";
    // The short help is the usage, a sentence and one line per option; --help adds the prose.
    QTest::newRow("build -h, one line per option")
        << QStringList{"build", "-h"}
        << "  --replace         Replace the filter that earlier Builds wrote.\n";
    QTest::newRow("build --help, the rule of --replace")
        << QStringList{"build", "--help"} << "those whose replacement is the cipher or the mask";
    QTest::newRow("list --help, categories")
        << QStringList{"list", "--help"} << "slur, sexual, profanity, insult";
    QTest::newRow("list --codes, for the completion")
        << QStringList{"list", "--codes"}
        << "languages en de fr es it pt nl\ncategories slur sexual profanity insult drug other\n"
           "severities mild strong severe\n";
}

void CliTest::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir dir;

    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(out.contains(expected), run.out);
    QVERIFY(run.err.isEmpty());
    // Our own help, not Qt's: no boilerplate, no line wider than a terminal.
    for (const char *boilerplate : {"Displays", "--help-all", "Arguments:", "Qt specific"})
        QVERIFY2(!out.contains(QLatin1String(boilerplate)), run.out);
    for (const QString &line : out.split(u'\n'))
        QVERIFY2(line.size() <= 79, qPrintable(line));
    const bool shortHelp =
        arguments.contains(QLatin1String("-h")) || arguments.contains(QLatin1String("-?"));
    if (shortHelp && arguments.size() > 1)
        QVERIFY2(out.count(u'\n') <= 26, run.out);
    QVERIFY(snapshot(dir.path()).isEmpty());
}

void CliTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no command") << QStringList{} << "No command";
    // An unknown name as it was typed; a suggestion only for a name close to a known one.
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << "vantro-filter: Unknown command \"frobnicate\".\n";
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << "vantro-filter: Unknown option \"--bogus\".\n";
    QTest::newRow("unknown build option")
        << QStringList{"build", "--bogus"} << "vantro-filter: Unknown option \"--bogus\".\n";
    QTest::newRow("misspelt command")
        << QStringList{"biuld"} << "Unknown command \"biuld\"; did you mean \"build\"?\n";
    QTest::newRow("misspelt option")
        << QStringList{"build", "--langauge", "de"}
        << "Unknown option \"--langauge\"; did you mean \"--language\"?\n";
    QTest::newRow("begun option") << QStringList{"tidy", "--dry", "a.txt"}
                                  << "Unknown option \"--dry\"; did you mean \"--dry-run\"?\n";
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
    QTest::newRow("tidy without file") << QStringList{"tidy"} << "No file";
    QTest::newRow("tidy two files") << QStringList{"tidy", "a.txt", "b.txt"} << "one file";
    QTest::newRow("tidy standard input") << QStringList{"tidy", "-"} << "standard input";
    QTest::newRow("unknown command, verbatim") << QStringList{"f%1x"} << "\"f%1x\"";
    QTest::newRow("list, unknown language")
        << QStringList{"list", "--language", "de,xx"}
        << "Unknown language \"xx\" in --language. The languages are: en, de, fr, es, it, pt, nl.";
    QTest::newRow("list --long, unknown category")
        << QStringList{"list", "--long", "--category", "slur", "--category", "slurs"}
        << "Unknown category \"slurs\" in --category. The categories are: slur, sexual, "
           "profanity, insult, drug, other.";
    QTest::newRow("build, empty category")
        << QStringList{"build", "--category", "slur,"} << "Unknown category \"\"";
    QTest::newRow("build, --words with --language")
        << QStringList{"build", "--words", "w.txt", "--language", "de"} << "--words replaces";
    QTest::newRow("list, --words with --no-ambiguous")
        << QStringList{"list", "--words", "w.txt", "--no-ambiguous"} << "--words replaces";
    QTest::newRow("build, unknown severity")
        << QStringList{"build", "--severity", "strong", "--severity", "worst"}
        << "Unknown severity \"worst\" in --severity. The severities are: mild, strong, severe.";
    QTest::newRow("list, two severities") << QStringList{"list", "--severity", "strong,severe"}
                                          << "Unknown severity \"strong,severe\"";
}

void CliTest::outputFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("failing");

    const int out = int(FailingStream::Output);
    const int err = int(FailingStream::Error);
    const QByteArray entries = "{ \"a\" \"z\" }\r\n{ \"a\" \"z\" }\r\n";
    QTest::newRow("list") << QStringList{"list"} << QByteArray() << out;
    QTest::newRow("expand") << QStringList{"expand", "gosh"} << QByteArray() << out;
    QTest::newRow("check") << QStringList{"check", "-"} << entries << out;
    QTest::newRow("--help") << QStringList{"--help"} << QByteArray() << out;
    QTest::newRow("--version") << QStringList{"--version"} << QByteArray() << out;
    QTest::newRow("tidy --dry-run")
        << QStringList{"tidy", "--dry-run", "loc.txt"} << entries << out;
    QTest::newRow("build --stdout") << QStringList{"build", "--stdout"} << QByteArray() << out;
    QTest::newRow("build, summary on standard error")
        << QStringList{"build"} << QByteArray() << err;
    QTest::newRow("usage error on standard error")
        << QStringList{"list", "x"} << QByteArray() << err;
}

void CliTest::outputFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, failing);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("loc.txt")), input));
    const ToolRun run = runTool(arguments, dir.path(), input, FailingStream(failing));
    QCOMPARE(run.exitCode, 1);
    if (FailingStream(failing) == FailingStream::Output) {
        const QStringList reported = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.first().startsWith(QLatin1String("vantro-filter: ")), run.err);
        QVERIFY2(reported.first().contains(QLatin1String("standard output")), run.err);
        QVERIFY2(reported.first().contains(QLatin1String("No space left on device")), run.err);
    } else {
        QVERIFY2(run.out.isEmpty(), run.out);
    }
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
    QVERIFY2(err.contains(QLatin1String(" -h\" for more information.")), run.err);
    QVERIFY(run.out.isEmpty());
    QVERIFY(snapshot(dir.path()).isEmpty());
}

void CliTest::buildWritesTheWindowsBytes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("wordFile"); // words.txt, when not empty
    QTest::addColumn<QByteArray>("input");    // standard input
    QTest::addColumn<QStringList>("fileWords");
    // The built-in entries taken, "LANGUAGES/CATEGORIES" (no categories: every one); empty: none.
    QTest::addColumn<QString>("builtIn");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<QString>("target"); // empty: standard output
    QTest::addColumn<QByteArray>("existing");

    const QByteArray none;
    const QString badnames = QStringLiteral("badnames.txt");
    const QString localization = QStringLiteral("localization.txt");
    const QString english = QStringLiteral("en/");
    const QString noBuiltIn;

    QTest::newRow("built-in") << QStringList{"build"} << none << none << QStringList{} << english
                              << false << badnames << none;
    QTest::newRow("built-in, max") << QStringList{"build", "--max"} << none << none << QStringList{}
                                   << english << true << badnames << none;
    QTest::newRow("localization") << QStringList{"build", "--localization"} << none << none
                                  << QStringList{} << english << false << localization << none;
    QTest::newRow("appends behind a line without end")
        << QStringList{"build"} << none << none << QStringList{} << english << false << badnames
        << QByteArray("abc");
    // A UTF-8 file, forced, is warned of, and gets the block (in Windows-1252, as the server
    // reads).
    QTest::newRow("appends to a UTF-8 file, forced, with a warning")
        << QStringList{"build", "--words", "words.txt", "--localization", "--force-encoding"}
        << kGoshWords << none << kGoshList << noBuiltIn << false << localization
        << QByteArray("caf\xC3\xA9\r\n");
    QTest::newRow("--dir") << QStringList{"build", "--dir", "sub"} << none << none << QStringList{}
                           << english << false << "sub/badnames.txt" << none;
    QTest::newRow("--stdout") << QStringList{"build", "--stdout"} << none << none << QStringList{}
                              << english << false << QString() << none;
    QTest::newRow("--words") << QStringList{"build", "--words", "words.txt"} << kGoshWords << none
                             << kGoshList << noBuiltIn << false << badnames << none;
    QTest::newRow("--words, max, localization")
        << QStringList{"build", "--words", "words.txt", "--max", "--localization"} << kGoshWords
        << none << kGoshList << noBuiltIn << true << localization << none;
    QTest::newRow("--add") << QStringList{"build", "--add", "words.txt"} << kGoshWords << none
                           << kGoshList << english << false << badnames << none;
    QTest::newRow("--words from standard input")
        << QStringList{"build", "--words", "-", "--stdout"} << none << kGoshWords << kGoshList
        << noBuiltIn << false << QString() << none;
    QTest::newRow("--add from standard input, max")
        << QStringList{"build", "--max", "--add", "-"} << none << kGoshWords << kGoshList << english
        << true << badnames << none;
    QTest::newRow("byte-order mark")
        << QStringList{"build", "--words", "words.txt"} << QByteArray("\xEF\xBB\xBFgosh\n") << none
        << QStringList{"gosh"} << noBuiltIn << false << badnames << none;
    QTest::newRow("no words") << QStringList{"build", "--words", "words.txt", "--stdout"}
                              << QByteArray("\n\r\n") << none << QStringList{} << noBuiltIn << false
                              << QString() << none;
    QTest::newRow("German and English, slurs and sexual")
        << QStringList{"build", "--language", "de,en", "--category", "slur,sexual"} << none << none
        << QStringList{} << "de,en/slur,sexual" << false << badnames << none;
    QTest::newRow("slurs only, the words of a file kept")
        << QStringList{"build", "--category", "slur", "--add", "words.txt"} << kGoshWords << none
        << kGoshList << "en/slur" << false << badnames << none;
    QTest::newRow("options repeated, codes in capitals, max")
        << QStringList{"build", "--language", "NL",    "--language", "fr,nl",   "--category",
                       "Drug",  "--category", "other", "--max",      "--stdout"}
        << none << none << QStringList{} << "fr,nl/drug,other" << true << QString() << none;
    QTest::newRow("every language")
        << QStringList{"build", "--language", "en,de,fr,es,it,pt,nl", "--stdout"} << none << none
        << QStringList{} << "en,de,fr,es,it,pt,nl/" << false << QString() << none;
    QTest::newRow("severe, no ambiguous, the words of a file kept")
        << QStringList{"build",      "--severity", "SEVERE", "--no-ambiguous",
                       "--language", "de,en",      "--add",  "words.txt"}
        << kGoshWords << none << kGoshList << "de,en//severe/no-ambiguous" << false << badnames
        << none;
}

void CliTest::buildWritesTheWindowsBytes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, wordFile);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fileWords);
    QFETCH(QString, builtIn);
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

    SortedTextList words = builtIn.isEmpty() ? SortedTextList() : modelWordList(builtIn);
    for (const QString &word : fileWords)
        words.addItem(word);
    const QStringList variants = variantsOf(words, maxUsage).items();
    const QByteArray expected = existing + model::block(variants);
    const qsizetype entries = variants.size();

    const ToolRun run = runTool(arguments, dir.path(), input);
    QVERIFY(run.finished);
    if (entries == 0) {
        // No words: said, and nothing written, not even the block's empty line.
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, "vantro-filter: There are no words to build: the word list is empty. "
                          "Nothing was written.\n");
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(snapshot(dir.path()), expectedFiles);
        return;
    }
    QVERIFY2(run.exitCode == 0, run.err);
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.contains(QStringLiteral("Wrote %1 entries").arg(entries)), run.err);
    QCOMPARE(err.contains(QLatin1String("looks like UTF-8")), existing.contains("\xC3\xA9"));
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
    QTest::newRow("line numbers count blank and CR LF lines")
        << "--words" << QByteArray("one\r\n\r\n  \r\nth\"ree\r\n") << QList<int>{4}
        << "double quote";
    QTest::newRow("every refused line")
        << "--add" << QByteArray("a\"\nok\nb\x02\nc\n\x03") << QList<int>{1, 3, 5} << "";
    QTest::newRow("longer than the new-word box")
        << "--words" << QByteArray(32767, 'b') + '\n' + QByteArray(32768, 'a') + "\nok\n"
        << QList<int>{2} << "at most 32767 characters";
    QTest::newRow("words the cipher leaves unchanged")
        << "--words" << QByteArray("1488\nfine\n\xC3\xBF\n") << QList<int>{1, 3}
        << "The replacement of \"1488\" would equal it";
    QTest::newRow("overlong line skipped, the rest still read")
        << "--add" << QByteArray(kOverlong, 'x') + "\nok\nq\"\n" + QByteArray(kOverlong, 'y')
        << QList<int>{1, 3, 4} << "longer than 1048576 bytes";
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
        const QStringList reported = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(reported.filter(QRegularExpression(QStringLiteral("^vantro-filter: "))), reported);
        QStringList refused =
            reported.filter(QRegularExpression(QStringLiteral("^vantro-filter: words.txt:")));
        QCOMPARE(refused.size(), refusedLines.size());
        for (qsizetype i = 0; i < refused.size(); ++i)
            QVERIFY2(refused[i].startsWith(
                         QStringLiteral("vantro-filter: words.txt:%1: ").arg(refusedLines[i])),
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

    // --skip-refused lists the same lines as warnings and builds the other words, exactly as if
    // the file held only those.
    QList<QByteArray> kept = content.split('\n');
    for (qsizetype i = refusedLines.size() - 1; i >= 0; --i)
        kept.removeAt(refusedLines[i] - 1);
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("kept.txt")), kept.join('\n')));
    const ToolRun expected = runTool({"build", "--stdout", option, "kept.txt"}, dir.path());
    const ToolRun skipping =
        runTool({"build", "--stdout", "--skip-refused", option, "words.txt"}, dir.path());
    QCOMPARE(skipping.exitCode, expected.exitCode); // 1 when no word is left to build
    QCOMPARE(skipping.out, expected.out);
    const QStringList warnings = QString::fromUtf8(skipping.err)
                                     .split(u'\n')
                                     .filter(QRegularExpression("^vantro-filter: words.txt:"));
    QCOMPARE(warnings.size(), refusedLines.size());
    for (qsizetype i = 0; i < warnings.size(); ++i)
        QVERIFY2(warnings[i].startsWith(
                     QStringLiteral("vantro-filter: words.txt:%1: warning: ").arg(refusedLines[i])),
                 qPrintable(warnings[i]));
}

// A word file in another encoding is refused whole, in one message, by build (also with
// --skip-refused) and tidy --drop-words: UTF-16 with the iconv line, any other naming its first
// line that is not UTF-8.
void CliTest::wordFileInAnotherEncoding_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("said");

    const QString iconv = QStringLiteral(
        "iconv -f UTF-16 -t UTF-8 words.txt > words.txt.utf8\" and give words.txt.utf8");
    QTest::newRow("Latin-1 profile") << "--profile" << QByteArray("drat\n-gosh\ncaf\xE9\n\xFF\n")
                                     << "words.txt: Line 3 is not valid UTF-8";
    QTest::newRow("UTF-16 LE, byte-order mark")
        << "--words" << QByteArray("\xFF\xFEh\0o\0e\0\n\0d\0r\0a\0t\0\n\0", 20) << iconv;
    QTest::newRow("UTF-16 BE, byte-order mark")
        << "--add" << QByteArray("\xFE\xFF\0h\0o\0e\0\n\0d\0r\0a\0t\0\n", 20) << iconv;
    QTest::newRow("UTF-16 LE, no byte-order mark")
        << "--except" << QByteArray("h\0o\0e\0\r\0\n\0d\0r\0a\0t\0\r\0\n\0", 20) << iconv;
    QTest::newRow("UTF-16 BE, no byte-order mark")
        << "--profile" << QByteArray("\0h\0o\0e\0\n\0-\0d\0r\0a\0t\0\n", 20) << iconv;
}

void CliTest::wordFileInAnotherEncoding()
{
    QFETCH(QString, option);
    QFETCH(QByteArray, content);
    QFETCH(QString, said);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")), content));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("localization.txt")),
                           "{ \"hoe\" \"t0w\" }\r\n"));
    const auto before = snapshot(dir.path());
    for (const QStringList &arguments :
         {QStringList{"build", option, "words.txt"},
          QStringList{"build", "--skip-refused", option, "words.txt", "--stdout"},
          QStringList{"tidy", "--drop-words", "words.txt", "localization.txt"}}) {
        const ToolRun run = runTool(arguments, dir.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        const QStringList reported = QString::fromUtf8(run.err).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(reported.size(), 2); // the file's, and that nothing was written or changed
        QVERIFY2(reported.first().startsWith(QLatin1String("vantro-filter: words.txt: ")) &&
                     reported.first().contains(said),
                 run.err);
        QCOMPARE(snapshot(dir.path()), before);
    }
}

// A Build refuses to append to a file that looks like UTF-8, before anything is written, and
// names the iconv line that converts it; --force-encoding appends all the same, with a warning.
void CliTest::buildRefusesAUtf8Target_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("target");

    QTest::newRow("badnames.txt") << QStringList{"build", "--words", "words.txt"} << "badnames";
    QTest::newRow("localization.txt")
        << QStringList{"build", "--words", "words.txt", "--localization"} << "localization";
    QTest::newRow("replacing") << QStringList{"build", "--words", "words.txt", "--replace"}
                               << "badnames";
}

void CliTest::buildRefusesAUtf8Target()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, target);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")), "gosh\n"));
    const QByteArray existing = "menu \"Caf\xC3\xA9\"\r\n";
    const QString path = dir.filePath(target + QStringLiteral(".txt"));
    QVERIFY(writeFileBytes(path, existing));
    const auto before = snapshot(dir.path());

    const ToolRun refused = runTool(arguments, dir.path());
    QVERIFY(refused.finished);
    QCOMPARE(refused.exitCode, 1);
    const QString iconv = QStringLiteral("\"iconv -f UTF-8 -t WINDOWS-1252 %1.txt > %1.cp1252 && "
                                         "mv %1.cp1252 %1.txt\"")
                              .arg(target);
    QVERIFY2(refused.err.contains(iconv.toUtf8()) && refused.err.contains("--force-encoding") &&
                 refused.err.contains("Nothing was") && refused.err.count('\n') == 1,
             refused.err);
    QCOMPARE(snapshot(dir.path()), before);

    const ToolRun forced = runTool(arguments + QStringList{"--force-encoding"}, dir.path());
    QCOMPARE(forced.exitCode, 0);
    QVERIFY2(forced.err.startsWith("vantro-filter: warning: ") &&
                 forced.err.contains("looks like UTF-8"),
             forced.err);
    QCOMPARE(fileBytes(path), existing + model::block(variantsOf(listOf({"gosh"}), false).items()));
}

void CliTest::writeFailuresLeaveEverythingAsItWas_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("message");

    // A full disk is met by the writer's own tests and by the program as a process below.
    QTest::newRow("target is a directory")
        << QStringList{"build"} << Obstacle::DirectoryTarget << "badnames.txt";
    QTest::newRow("localization target is a directory")
        << QStringList{"build", "--localization", "--max"} << Obstacle::DirectoryTarget
        << "localization.txt";
    QTest::newRow("--dir holds a directory of the target's name")
        << QStringList{"build", "--dir", "sub"} << Obstacle::DirectoryTargetInSub << "badnames.txt";
    QTest::newRow("--dir does not exist")
        << QStringList{"build", "--dir", "missing"} << Obstacle::None
        << "The directory \"missing\" cannot be used: it does not exist. Nothing was written.";
    QTest::newRow("target is a FIFO") << QStringList{"build"} << Obstacle::FifoTarget
                                      << "is a FIFO (named pipe), not a regular file";
    QTest::newRow("standard output full")
        << QStringList{"build", "--stdout"} << Obstacle::FullStandardOutput << "standard output";
}

void CliTest::writeFailuresLeaveEverythingAsItWas()
{
    QFETCH(QStringList, arguments);
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QDir top(dir.path());
    const QString badnames = QStringLiteral("badnames.txt");
    const QString target = arguments.contains(QLatin1String("--localization"))
                               ? QStringLiteral("localization.txt")
                               : badnames;
    FailingStream failing = FailingStream::None;
    switch (obstacle) {
    case Obstacle::None:
        break;
    case Obstacle::DirectoryTarget:
        QVERIFY(top.mkpath(target));
        break;
    case Obstacle::DirectoryTargetInSub:
        QVERIFY(top.mkpath(QStringLiteral("sub/") + badnames));
        break;
    case Obstacle::FifoTarget:
        QCOMPARE(::mkfifo(QFile::encodeName(top.filePath(badnames)).constData(), 0600), 0);
        break;
    case Obstacle::FullStandardOutput:
        failing = FailingStream::Output;
        break;
    }
    const auto before = snapshot(dir.path());

    const ToolRun run = runTool(arguments, dir.path(), {}, failing);
    QVERIFY(run.finished);
    // A directory that is not there is a wrong command line, as in the window.
    QCOMPARE(run.exitCode, arguments.contains(QLatin1String("missing")) ? 2 : 1);
    const QString err = QString::fromUtf8(run.err);
    const QStringList reported = err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().startsWith(QLatin1String("vantro-filter: ")), run.err);
    QVERIFY2(reported.first().contains(message), run.err);
    QVERIFY2(!err.contains(QLatin1String("Wrote")), run.err);
    QCOMPARE(snapshot(dir.path()), before);
}

void CliTest::buildWaitsForTheLockAndStopsOnSignals_data()
{
    QTest::addColumn<int>("signal"); // 0: the lock is released instead
    QTest::addColumn<int>("exitCode");
    QTest::newRow("SIGINT while waiting") << SIGINT << 130;
    QTest::newRow("SIGTERM while waiting") << SIGTERM << 143;
    QTest::newRow("SIGHUP while waiting") << SIGHUP << 129;
    QTest::newRow("lock released") << 0 << 0;
}

void CliTest::buildWaitsForTheLockAndStopsOnSignals()
{
    QFETCH(int, signal);
    QFETCH(int, exitCode);

    // Another Build holds the lock of the file that the link leads to, and writes its block
    // while the program waits.
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.txt"));
    const QByteArray before = "{ \"earlier\" \"w9mqswm\" }\r\n";
    QVERIFY(writeFileBytes(real, before));
    QVERIFY(QFile::link(QStringLiteral("real.txt"), dir.filePath(QStringLiteral("badnames.txt"))));
    QFile other(real);
    QVERIFY(other.open(QIODevice::Append | QIODevice::Unbuffered));
    QCOMPARE(::flock(other.handle(), LOCK_EX | LOCK_NB), 0);

    QProcess process;
    process.setProgram(QStringLiteral(VANTRO_CLI_PATH));
    process.setArguments({"build", "--words", "-"});
    process.setWorkingDirectory(dir.path());
    process.setReadChannel(QProcess::StandardError);
    process.start();
    QVERIFY(process.waitForStarted());
    process.write("a\n");
    process.closeWriteChannel();
    QByteArray err;
    while (!err.contains("waiting up to 30 seconds") && process.waitForReadyRead(20000))
        err += process.readAllStandardError();
    QVERIFY2(err.startsWith("vantro-filter: \"" + QFile::encodeName(dir.path()) +
                            "/badnames.txt\" is locked by another program; waiting up to "
                            "30 seconds for it to let go.\n"),
             err);
    const QByteArray othersBlock = "\r\n{ \"other\" \"e9ctw\" }\r\n";
    QCOMPARE(other.write(othersBlock), othersBlock.size());
    if (signal != 0)
        QCOMPARE(::kill(pid_t(process.processId()), signal), 0);
    else
        other.close();

    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    err += process.readAllStandardError();
    if (signal != 0) {
        QVERIFY2(err.contains("Stopped by SIG") && err.contains("Nothing was written."), err);
        QCOMPARE(fileBytes(real), before + othersBlock);
    } else {
        // The blocks follow one another, never one inside the other.
        QCOMPARE(fileBytes(real),
                 before + othersBlock +
                     "\r\n{ \"A\" \"Z\" }\r\n{ \"a\" \"z\" }\r\n{ \"A!\" \"Z!\" }\r\n"
                     "{ \"a!\" \"z!\" }\r\n{ \"A.\" \"Zc\" }\r\n{ \"a.\" \"zc\" }\r\n");
    }
}

void CliTest::buildStoppedMidwayTakesItsBlockBack()
{
    // Words enough for a block of some megabytes; SIGTERM comes once the block has begun.
    QTemporaryDir dir;
    QStringList words;
    for (int i = 0; i < 40000; ++i)
        words.append(QStringLiteral("word%1").arg(i));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("words.txt")),
                           words.join(u'\n').toUtf8() + '\n'));
    const QString path = dir.filePath(QStringLiteral("badnames.txt"));
    const QByteArray before = "{ \"earlier\" \"w9mqswm\" }\r\n";
    QVERIFY(writeFileBytes(path, before));

    QProcess process;
    process.setProgram(QStringLiteral(VANTRO_CLI_PATH));
    process.setArguments({"build", "--words", "words.txt"});
    process.setWorkingDirectory(dir.path());
    process.start();
    QVERIFY(process.waitForStarted());
    while (QFileInfo(path).size() == before.size() && process.state() == QProcess::Running)
        QThread::usleep(100);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);

    // Stopped between two writes and cut back, or done before the signal came: never a part.
    const QByteArray err = process.readAllStandardError();
    if (process.exitCode() == 143) {
        QVERIFY2(err.contains("Stopped by SIGTERM") &&
                     err.contains("The file was left as it was before this Build."),
                 err);
        QCOMPARE(fileBytes(path), before);
    } else {
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(fileBytes(path), before + model::block(variantsOf(listOf(words), false).items()));
    }
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
                                << QStringList{"1:danger", "2:conflicting@1"} << "dangerous 1";
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
    QTest::newRow("repeats and conflicts are warnings")
        << QByteArray("{ \"a\" \"z\" }\r\n{ \"b\" \"x\" }\r\n{ \"a\" \"y\" }\r\n{\"a\" \"z\"}\r\n"
                      "{ \"a\" \"z\" }\r\n{ \"a\" \"y\" }\r\n{ \"b\" \"y\" }\r\n")
        << 0
        << QStringList{"3:conflicting@1", "4:warning@1", "5:warning@1", "6:warning@3",
                       "7:conflicting@2"}
        << "entries 7, dangerous 0, malformed 0, repeated 3, conflicting 2";
    QTest::newRow("everything at once")
        << QByteArray("{ \"ab\" \"abc\" }\n{ \"ab\" \"abc\" }\n{ \"x\n") << 1
        << QStringList{"1:danger", "2:danger", "2:warning@1", "3:error"}
        << "entries 2, dangerous 2, malformed 1, repeated 1";
    QTest::newRow("byte-order mark hides no entry")
        << QByteArray("\xEF\xBB\xBF{ \"gosh\" \"darn it\" }\r\n") << 1
        << QStringList{"1:warning", "1:danger"} << "entries 1, dangerous 1";
    QTest::newRow("byte-order mark before game text")
        << QByteArray("\xEF\xBB\xBFmenu \"Play\"\r\n{ \"a\" \"z\" }") << 0
        << QStringList{"1:warning"} << "entries 1, dangerous 0";
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList{} << "files 1, entries 0";
    // A file in UTF-8, which the server reads as Windows-1252, is named, once.
    QTest::newRow("UTF-8 of two, three and four bytes")
        << QByteArray(
               "menu \"Caf\xC3\xA9 \xE2\x82\xAC\"\r\n{ \"a\" \"z\" }\r\n\xF0\x9F\x98\x80\r\n")
        << 0 << QStringList{"file:warning"} << "entries 1, dangerous 0, malformed 0, repeated 0";
    QTest::newRow("UTF-8 behind a byte-order mark")
        << QByteArray("\xEF\xBB\xBF{ \"\xC3\xA9\" \"z\" }\r\n") << 0
        << QStringList{"1:warning", "file:warning"} << "entries 1, dangerous 0";
    QTest::newRow("overlong UTF-8 form") << QByteArray("{ \"\xC3\xA9\" \"\xC0\xAF\" }\r\n") << 0
                                         << QStringList{} << "entries 1, dangerous 0";
    QTest::newRow("UTF-16 surrogate in UTF-8 form")
        << QByteArray("{ \"\xC3\xA9\" \"\xED\xA0\x80\" }\r\n") << 1 << QStringList{"1:danger"}
        << "entries 1, dangerous 1";
    // A file that mixes UTF-8 with Windows-1252 is named at the later of the first line of each.
    QTest::newRow("UTF-8 sequence cut by the line end: mixed")
        << QByteArray("\xC3\xA9\r\n\xE2\x82\r\n\xAC\r\n") << 0 << QStringList{"2:warning@1"}
        << "entries 0";
    QTest::newRow("UTF-8, then a block of Windows-1252 appended")
        << QByteArray(
               "menu \"Caf\xC3\xA9\"\r\nplay \"\xC3\xBC\"\r\n\r\n{ \"caf\xE9\" \"8zv\xE9\" }\r\n"
               "{ \"\xE9\" \"z\" }\r\n")
        << 0 << QStringList{"4:warning@1"} << "entries 2, dangerous 0";
    QTest::newRow("Windows-1252, then UTF-8 pasted; a line of both is Windows-1252")
        << QByteArray("play\r\nmenu \"\xC3\xA9 caf\xE9\"\r\nok\r\nmenu \"\xC3\xA9t\xC3\xA9\"\r\n")
        << 0 << QStringList{"4:warning@2"} << "entries 0";
    // Lines beyond the bound are reported and skipped unread, the last one without a line end.
    QTest::newRow("overlong lines, the rest still checked")
        << QByteArray(kOverlong, '{') + "\r\n{ \"ab\" \"abc\" }\r\n" +
               QByteArray(2 * kOverlong, 'a')
        << 1 << QStringList{"1:error", "2:danger", "3:error"}
        << "entries 1, dangerous 1, malformed 2";
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

    // --quiet leaves out the warnings, and only them.
    const ToolRun quiet = runTool({"check", "--quiet", "localization.txt"}, dir.path());
    QCOMPARE(quiet.exitCode, exitCode);
    QCOMPARE(findingsOf(quiet.out), findings.filter(QRegularExpression(":(danger|error)$")));
    QCOMPARE(lines(quiet.out).constLast(), lines(run.out).constLast());
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
    QVERIFY2(
        lines(run.out).constLast().contains(
            QStringLiteral("entries %1, dangerous 0, malformed 0, repeated %2")
                .arg(QString::number(builds * entries), QString::number((builds - 1) * entries))),
        run.out);
}

void CliTest::unreadableInputs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("unreadable");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("check, missing file")
        << QStringList{"check", "missing.txt"} << "missing.txt" << QStringList{};
    QTest::newRow("check, directory")
        << QStringList{"check", "folder"} << "folder" << QStringList{};
    QTest::newRow("check, readable files are still checked")
        << QStringList{"check", "danger.txt", "missing.txt", "danger.txt"} << "missing.txt"
        << QStringList{"1:danger", "1:danger"};
    QTest::newRow("check, name verbatim")
        << QStringList{"check", "f%2.txt"} << "f%2.txt" << QStringList{};
    QTest::newRow("build --words")
        << QStringList{"build", "--words", "missing.txt"} << "missing.txt" << QStringList{};
    QTest::newRow("build --add, directory")
        << QStringList{"build", "--add", "folder", "--max"} << "folder" << QStringList{};
    QTest::newRow("build, name verbatim")
        << QStringList{"build", "--words", "w%2.txt"} << "w%2.txt" << QStringList{};
    QTest::newRow("tidy") << QStringList{"tidy", "missing.txt"} << "missing.txt" << QStringList{};
    QTest::newRow("tidy, directory")
        << QStringList{"tidy", "--dry-run", "folder"} << "folder" << QStringList{};
    QTest::newRow("tidy, a line too long to keep")
        << QStringList{"tidy", "overlong.txt"} << "overlong.txt:2" << QStringList{};
}

void CliTest::unreadableInputs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, unreadable);
    QFETCH(QStringList, findings);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("danger.txt")), "{ \"a\" \"zz\" }\r\n"));
    QVERIFY(
        writeFileBytes(dir.filePath(QStringLiteral("overlong.txt")),
                       "{ \"a\" \"z\" }\n" + QByteArray(kOverlong, ' ') + "\n{ \"a\" \"z\" }\n"));
    const auto before = snapshot(dir.path());

    // Every command gives the same status, and names the file first behind the program.
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith("vantro-filter: " + unreadable.toUtf8() + ": "), run.err);
    if (arguments.first() == QLatin1String("check")) {
        QCOMPARE(findingsOf(run.out), findings);
        QVERIFY2(lines(run.out).constLast().contains(QLatin1String("unreadable 1")), run.out);
    }
    QCOMPARE(snapshot(dir.path()), before);
}

void CliTest::fifoInputsNeverBlock_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("written"); // by a writer of the FIFO; none when null
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");

    const QString noWriter =
        QStringLiteral("fifo: Cannot read: it is a FIFO, and no program wrote");
    QTest::newRow("check, no writer")
        << QStringList{"check", "fifo"} << QByteArray() << 2 << noWriter;
    QTest::newRow("build --words, no writer")
        << QStringList{"build", "--words", "fifo"} << QByteArray() << 2 << noWriter;
    // A file to be replaced must be a regular one: refused at once.
    QTest::newRow("tidy, no writer") << QStringList{"tidy", "fifo"} << QByteArray() << 2
                                     << "fifo: It is a FIFO (named pipe), not a regular file.";
    QTest::newRow("check, a writer") << QStringList{"check", "fifo"}
                                     << QByteArray("{ \"a\" \"bb\" }\n") << 1 << "fifo:1: danger";
    QTest::newRow("build --add, a writer")
        << QStringList{"build", "--stdout", "--add", "fifo"} << QByteArray("Heck\n") << 0
        << "{ \"Heck.\" \"Tw8rc\" }";
}

void CliTest::fifoInputsNeverBlock()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, written);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    // The writer waits in open() for the program to open the FIFO for reading.
    pid_t writer = -1;
    if (!written.isNull()) {
        writer = ::fork();
        if (writer == 0) {
            const int fd = ::open(fifo.constData(), O_WRONLY);
            _exit(fd >= 0 &&
                          ::write(fd, written.constData(), size_t(written.size())) == written.size()
                      ? 0
                      : 1);
        }
        QVERIFY(writer > 0);
    }
    const ToolRun run = runProcess(arguments, dir.path());
    if (writer > 0) {
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    QVERIFY2(run.finished, "the program blocked on the FIFO");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.out + run.err).contains(expected), run.out + run.err);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("badnames.txt"))));
}

void CliTest::messagesShowOutsideTextVerbatim_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("content"); // of the file named last, unless empty
    QTest::addColumn<QString>("expected");

    QTest::newRow("entry texts") << QStringList{"check", "loc.txt"}
                                 << QByteArray("{ \"gosh\" \"%1 darn\" }\r\n")
                                 << "\"%1 darn\" (7 characters) is longer than its text \"gosh\"";
    QTest::newRow("conflicting texts")
        << QStringList{"check", "loc.txt"} << QByteArray("{ \"%1\" \"a\" }\n{ \"%1\" \"%2\" }\n")
        << "the text \"%1\" has the replacement \"%2\" here and \"a\" in the entry of line 1";
    QTest::newRow("control characters escaped")
        << QStringList{"check", "loc.txt"} << QByteArray("{ \"a\x1B\" \"zzz\" }\n")
        << "its text \"a\\x1B\" (2 characters)";
    QTest::newRow("word file name") << QStringList{"build", "--words", "r%1.txt"}
                                    << QByteArray("say \"hi\"\n") << "vantro-filter: r%1.txt:1: ";
    QTest::newRow("typed word") << QStringList{"expand", "a%1\""} << QByteArray()
                                << "The word \"a%1\"\" is refused: Character 4";
    // Format and separator characters would reorder or split the terminal's line.
    QTest::newRow("direction override and line separator")
        << QStringList{"expand", "a\u202Eb\u2028"} << QByteArray()
        << "The word \"a\\u{202E}b\\u{2028}\" is refused: Character 2, \"\\u{202E}\" (U+202E)";
    QTest::newRow("soft hyphen in an entry")
        << QStringList{"check", "loc.txt"} << QByteArray("{ \"a\xAD\" \"zzz\" }\n")
        << "its text \"a\\u{00AD}\" (2 characters)";
    QTest::newRow("byte-order mark inside a word")
        << QStringList{"build", "--words", "w.txt"} << QByteArray("ab\xEF\xBB\xBF\n")
        << "w.txt:1: Character 3, \"\\u{FEFF}\" (U+FEFF)";
    QTest::newRow("file name") << QStringList{"check", "\u202Egnp.txt\u2029"} << QByteArray()
                               << "vantro-filter: \\u{202E}gnp.txt\\u{2029}: Cannot open";
}

void CliTest::messagesShowOutsideTextVerbatim()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    if (!content.isEmpty())
        QVERIFY(writeFileBytes(dir.filePath(arguments.constLast()), content));
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY2(QString::fromUtf8(run.out + run.err).contains(expected), run.out + run.err);
}

void CliTest::tidy_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("tidied");
    QTest::addColumn<QString>("summary");

    const QByteArray game = "// game text\r\nmenu_title \"Play\"\r\n";
    const QByteArray block = "\r\n{ \"gosh\" \"u0lt\" }\r\n{ \"GOSH\" \"U5LT\" }\r\n";
    QTest::newRow("three builds") << QStringList{} << game + block + block + block
                                  << game + block + "\r\n\r\n"
                                  << "repeats removed 4, dangerous removed 0, lines kept 7";
    QTest::newRow("nothing to remove") << QStringList{} << game + block << game + block
                                       << "repeats removed 0, dangerous removed 0, lines kept 5";
    QTest::newRow("every other line byte for byte")
        << QStringList{}
        << QByteArray("\xEF\xBB\xBF{ \"caf\xE9\" \"8zv\xE9\" }\n"
                      "  text \x80 with \"quotes\"  \r\n"
                      "{ \"x\" \"longer\" }\r\n"
                      "{\t\"caf\xE9\"\t\"8zv\xE9\"}\r\n"
                      "{ \"caf\xE9\" \"other\" }\n"
                      "{ broken\r\n"
                      "{ broken\r\n"
                      "\r\n"
                      "{ \"x\" \"longer\" }\n"
                      "last line without end")
        << QByteArray("\xEF\xBB\xBF{ \"caf\xE9\" \"8zv\xE9\" }\n"
                      "  text \x80 with \"quotes\"  \r\n"
                      "{ \"x\" \"longer\" }\r\n"
                      "{ \"caf\xE9\" \"other\" }\n"
                      "{ broken\r\n"
                      "{ broken\r\n"
                      "\r\n"
                      "last line without end")
        << "repeats removed 2, dangerous removed 0, lines kept 8";
    QTest::newRow("last line a repeat without its line end")
        << QStringList{} << QByteArray("{ \"a\" \"z\" }\r\n{ \"a\" \"z\" }")
        << QByteArray("{ \"a\" \"z\" }\r\n")
        << "repeats removed 1, dangerous removed 0, lines kept 1";
    QTest::newRow("--drop-dangerous")
        << QStringList{"--drop-dangerous"}
        << QByteArray(
               "{ \"ab\" \"abc\" }\r\n{ \"a\" \"z\" }\r\n{ \"ab\" \"abc\" }\r\n{ \"b\" \"\" }\r\n")
        << QByteArray("{ \"a\" \"z\" }\r\n{ \"b\" \"\" }\r\n")
        << "repeats removed 1, dangerous removed 1, lines kept 2";
    // The mark stays when the entry behind it goes, and the line after it reads as before.
    QTest::newRow("--drop-dangerous, the first line behind a byte-order mark")
        << QStringList{"--drop-dangerous"}
        << QByteArray("\xEF\xBB\xBF{ \"a\" \"abc\" }\r\n\xEF\xBB\xBF{ \"a\" \"abc\" }\r\n")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF{ \"a\" \"abc\" }\r\n")
        << "repeats removed 0, dangerous removed 1, lines kept 1";
    QTest::newRow("--dry-run") << QStringList{"--dry-run", "--drop-dangerous"}
                               << QByteArray(
                                      "{ \"ab\" \"abc\" }\n{ \"a\" \"z\" }\n{ \"a\" \"z\" }\n")
                               << QByteArray()
                               << "repeats removed 1, dangerous removed 1, lines kept 1";
}

void CliTest::tidy()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, tidied);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    QVERIFY(writeFileBytes(path, content));
    const bool dryRun = options.contains(QLatin1String("--dry-run"));

    const ToolRun run =
        runTool(QStringList{"tidy"} + options + QStringList{"localization.txt"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err);
    const QStringList printed = lines(run.out);
    QVERIFY2(printed.constLast().startsWith(QStringLiteral("Summary: ") + summary), run.out);
    QCOMPARE(fileBytes(path), dryRun ? content : tidied);
    // Nothing beside the file: no new file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"localization.txt"});

    if (dryRun) {
        // What would go, line by line, is what check reports there.
        QCOMPARE(printed.size(), 3);
        QVERIFY2(printed[0].startsWith("localization.txt:1: would remove: danger: the replacement"),
                 qPrintable(printed[0]));
        QCOMPARE(printed[1],
                 "localization.txt:3: would remove: warning: repeats the entry of line 2.");
    } else {
        QCOMPARE(printed.size(), 1);
        // A second run finds nothing left to remove.
        const ToolRun again = runTool({"tidy", "localization.txt"}, dir.path());
        QVERIFY2(again.out.startsWith("Summary: repeats removed 0, dangerous removed 0"),
                 again.out);
    }
}

void CliTest::tidyKeepsModeAndOwner()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry));
    const QByteArray name = QFile::encodeName(path);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    // The server's account owns the file; as root, the tidied file must stay its own.
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(name.constData(), 4321, 4322), 0);
    struct stat before
    {
    };
    QCOMPARE(::stat(name.constData(), &before), 0);
    // Through a link, the file it leads to is tidied, and the link stays.
    QVERIFY(QFile::link(QStringLiteral("localization.txt"), dir.filePath(QStringLiteral("link"))));

    const ToolRun run = runTool({"tidy", "link"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fileBytes(path), entry);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link"))).isSymLink());
    struct stat after
    {
    };
    QCOMPARE(::stat(name.constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino); // replaced, not written over
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
}

void CliTest::tidyFailuresChangeNothing_data()
{
    QTest::addColumn<TidyObstacle>("obstacle");
    QTest::addColumn<QString>("reason");

    QTest::newRow("full disk") << TidyObstacle::FileSizeLimit
                               << "writing the new file failed: File too large";
    QTest::newRow("read-only directory")
        << TidyObstacle::ReadOnlyDirectory
        << "creating the new file beside it failed: Permission denied";
    // A Build appending while tidy reads would lose its entries to the replacement.
    QTest::newRow("a Build holds the file's lock")
        << TidyObstacle::Locked << "is locked by another program. Nothing was changed.";
}

void CliTest::tidyFailuresChangeNothing()
{
    QFETCH(TidyObstacle, obstacle);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/localization.txt");
    QByteArray content;
    for (int i = 0; i < 200; ++i)
        content += "{ \"word" + QByteArray::number(i % 100) + "\" \"zzzz\" }\r\n";
    QVERIFY(writeFileBytes(path, content));
    const bool readOnly = obstacle == TidyObstacle::ReadOnlyDirectory;
    if (readOnly) {
        // Root may write anywhere: the child gives up root to meet the directory's bits.
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(sub).constData(), 0555), 0);
        // The file itself is the user's: only the directory stands in the way.
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    QFile build(path);
    if (obstacle == TidyObstacle::Locked) {
        QVERIFY(build.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(build.handle(), LOCK_EX | LOCK_NB), 0);
    }
    const auto before = snapshot(dir.path());

    // With room for a quarter of the new file only, or no right to create one beside the old.
    const bool limited = obstacle == TidyObstacle::FileSizeLimit;
    const ChildOutcome child =
        runWithFileSizeLimit(limited ? rlim_t(content.size() / 4) : RLIM_INFINITY, [&] {
            if (readOnly && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return QStringLiteral("could not become an ordinary user");
            const ToolRun run = runTool({"tidy", "sub/localization.txt"}, dir.path());
            return run.exitCode == 1 && run.err.startsWith("vantro-filter: ") &&
                           run.err.contains("localization.txt") && run.err.contains(reason.toUtf8())
                       ? QString()
                       : QStringLiteral("exit status %1: %2")
                             .arg(QString::number(run.exitCode), QString::fromUtf8(run.err));
        });
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(snapshot(dir.path()), before);
    if (readOnly)
        QCOMPARE(::chmod(QFile::encodeName(sub).constData(), 0755), 0);
}

// build --replace through a link that leads nowhere yet creates the file, as plain build does.
void CliTest::replacingBuildThroughALinkToNoFile()
{
    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("words.txt"), "gosh\n"));
    QVERIFY(QFile::link("server.txt", dir.filePath("badnames.txt")));
    const ToolRun run = runTool({"build", "--words", "words.txt", "--replace"}, dir.path());
    QVERIFY2(run.exitCode == 0, run.err);
    QVERIFY(QFileInfo(dir.filePath("badnames.txt")).isSymLink());
    QVERIFY(fileBytes(dir.filePath("server.txt")).startsWith("\r\n{ \"GOSH\" "));
}

void CliTest::refusesWhatItMustNotWrite_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");

    const QStringList tidy{"tidy", "localization.txt"};
    // Another name of the file would keep every repeat.
    QTest::newRow("a second name (hard link)")
        << Refusal::HardLink << tidy << 1
        << "\"localization.txt\" has 2 names (hard links); a new file in its place would leave "
           "the old content under the others. Remove the other links and give it its one name, or "
           "work on a copy. Nothing was changed.";
    // The directory is the user's to write, the file is not: replacing it would give the file
    // to the user.
    QTest::newRow("a file the user may not write")
        << Refusal::NotWritable << tidy << 1
        << "\"localization.txt\" may not be written by this user (Permission denied); only a "
           "file that its user could write to is replaced. Nothing was changed.";
    QTest::newRow("build --replace of a file the user may not read")
        << Refusal::NotReadable
        << QStringList{"build", "--words", "words.txt", "--localization", "--replace", "--dir", "."}
        << 2 << "Cannot open \"./localization.txt\": Permission denied. Nothing was changed.";
    // A link planted by another account must not send root's writes outside the directory.
    const QString rule = QStringLiteral(
        "\"%1\" is a symbolic link of %2, another account: a link is followed only when it is this "
        "user's or root's. Run the program as %2, or name the file the link leads to. %3");
    const QString written = QStringLiteral("Nothing was written.");
    const QString changed = QStringLiteral("Nothing was changed.");
    QTest::newRow("build into a link")
        << Refusal::LinkOfNobody << QStringList{"build", "--dir", "."} << 1
        << rule.arg("./badnames.txt", "nobody", written);
    QTest::newRow("build --replace into a link")
        << Refusal::LinkOfNobody << QStringList{"build", "--replace", "--dir", "."} << 1
        << rule.arg("./badnames.txt", "nobody", changed);
    QTest::newRow("tidy of a link") << Refusal::LinkOfNobody << QStringList{"tidy", "badnames.txt"}
                                    << 1 << rule.arg("badnames.txt", "nobody", changed);
    QTest::newRow("build through a folder's link")
        << Refusal::FolderLink << QStringList{"build", "--dir", "via"} << 1
        << rule.arg("via", "user ID 4321", written);
}

void CliTest::refusesWhatItMustNotWrite()
{
    QFETCH(Refusal, refusal);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry) &&
            writeFileBytes(dir.filePath("words.txt"), "a\n"));
    const QByteArray name = QFile::encodeName(path);
    const bool asUser = refusal == Refusal::NotWritable || refusal == Refusal::NotReadable;
    if (refusal != Refusal::HardLink && ::geteuid() != 0)
        QSKIP("Needs root to give files to another user.");
    const auto plant = [&](const char *leadsTo, const char *link, uint owner) {
        const QByteArray linkName = QFile::encodeName(dir.filePath(link));
        return QFile::link(leadsTo, dir.filePath(link)) &&
               ::lchown(linkName.constData(), owner, owner) == 0;
    };
    switch (refusal) {
    case Refusal::HardLink:
        QCOMPARE(::link(name.constData(), QFile::encodeName(dir.filePath("other.txt")).constData()),
                 0);
        break;
    case Refusal::NotWritable:
    case Refusal::NotReadable:
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        QCOMPARE(::chmod(name.constData(), refusal == Refusal::NotWritable ? 0644 : 0), 0);
        break;
    case Refusal::LinkOfNobody:
        QVERIFY(plant("localization.txt", "badnames.txt", 65534));
        break;
    case Refusal::FolderLink:
        QVERIFY(plant(".", "via", 4321));
        break;
    }
    const auto before = snapshot(dir.path());
    struct stat old
    {
    };
    QCOMPARE(::stat(name.constData(), &old), 0);

    const ChildOutcome child = runInChild([&] {
        if (asUser && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return QStringLiteral("could not become an ordinary user");
        const ToolRun run = runTool(arguments, dir.path());
        const QByteArray expected = "vantro-filter: " + reason.toUtf8() + '\n';
        return run.exitCode == status && run.err == expected && run.out.isEmpty()
                   ? QString()
                   : QStringLiteral("exit status %1: %2")
                         .arg(QString::number(run.exitCode), QString::fromUtf8(run.err));
    });
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(snapshot(dir.path()), before);
    struct stat after
    {
    };
    QCOMPARE(::stat(name.constData(), &after), 0);
    QCOMPARE(after.st_ino, old.st_ino);
    QCOMPARE(after.st_uid, old.st_uid);
}

void CliTest::tidyNeedsToReplaceOnlyWhatItChanges_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // what a dry run warns of; empty: nothing

    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    const QString twoNames = QStringLiteral(
        "\"localization.txt\" has 2 names (hard links); a new file in its place would leave the "
        "old content under the others. Remove the other links and give it its one name, or work "
        "on a copy.");
    const QString notWritable = QStringLiteral(
        "\"localization.txt\" may not be written by this user (Permission denied); only a file "
        "that its user could write to is replaced.");
    QTest::newRow("a second name, nothing to change")
        << Refusal::HardLink << false << entry << QString();
    QTest::newRow("not writable, nothing to change")
        << Refusal::NotWritable << false << entry << QString();
    QTest::newRow("a second name, dry run")
        << Refusal::HardLink << true << entry + entry << twoNames;
    QTest::newRow("not writable, dry run")
        << Refusal::NotWritable << true << entry + entry << notWritable;
}

// A file that tidy may not replace is refused only when it would be changed (see
// refusesWhatItMustNotWrite); a dry run warns of the refusal to come.
void CliTest::tidyNeedsToReplaceOnlyWhatItChanges()
{
    QFETCH(Refusal, refusal);
    QFETCH(bool, dryRun);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    if (refusal == Refusal::NotWritable && ::geteuid() != 0)
        QSKIP("Needs root to give files to another user.");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    QVERIFY(writeFileBytes(path, content));
    const QByteArray name = QFile::encodeName(path);
    if (refusal == Refusal::HardLink)
        QCOMPARE(::link(name.constData(), QFile::encodeName(dir.filePath("other.txt")).constData()),
                 0);
    else
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);

    const ChildOutcome child = runInChild([&] {
        if (refusal == Refusal::NotWritable && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return QStringLiteral("could not become an ordinary user");
        const ToolRun run = runTool(dryRun ? QStringList{"tidy", "--dry-run", "localization.txt"}
                                           : QStringList{"tidy", "localization.txt"},
                                    dir.path());
        const QByteArray warning = reason.isEmpty()
                                       ? QByteArray()
                                       : "vantro-filter: warning: " + reason.toUtf8() +
                                             " Without --dry-run, tidy would change nothing.\n";
        const QByteArray said =
            dryRun ? "(dry run: nothing was changed).\n" : "lines kept 1 (nothing to change).\n";
        return run.exitCode == 0 && run.err == warning && run.out.endsWith(said)
                   ? QString()
                   : QStringLiteral("exit status %1: %2%3")
                         .arg(QString::number(run.exitCode), QString::fromUtf8(run.out),
                              QString::fromUtf8(run.err));
    });
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(fileBytes(path), content);
}

void CliTest::typosAreSaid_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("warnings");

    // profile.txt: "-HOE" takes out the built-in "hoe", "-hoee" nothing; except.txt likewise.
    const QStringList build{"build",       "--stdout", "--profile",
                            "profile.txt", "--except", "except.txt"};
    QTest::newRow("build") << build << 0
                           << QStringList{"profile.txt:3: warning: \"-hoee\" takes out nothing: no "
                                          "entry is \"hoee\".",
                                          "except.txt:2: warning: \"zzq\" takes out nothing: no "
                                          "entry is \"zzq\"."};
    // Said as the refused words are, and the exit status stays theirs.
    QTest::newRow("build, a word refused")
        << QStringList{"build", "--stdout", "--add", "refused.txt", "--profile", "profile.txt"} << 1
        << QStringList{
               "profile.txt:3: warning: \"-hoee\" takes out nothing: no entry is \"hoee\"."};
    const QString nothing =
        QStringLiteral("\"hoee\" removes nothing: no filter entry of \"hoee\" is in "
                       "\"localization.txt\".");
    QTest::newRow("tidy --drop-word")
        << QStringList{"tidy", "--drop-word", "HOEE", "--drop-word", "hoe", "localization.txt"} << 0
        << QStringList{"warning: --drop-word " + nothing};
    QTest::newRow("tidy --drop-words, dry run")
        << QStringList{"tidy", "--dry-run", "--drop-words", "except.txt", "localization.txt"} << 0
        << QStringList{"except.txt:2: warning: \"zzq\" removes nothing: no filter entry of "
                       "\"zzq\" is in \"localization.txt\"."};
}

void CliTest::typosAreSaid()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, warnings);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("profile.txt"), "# typos\n-HOE\n-hoee\n"));
    QVERIFY(writeFileBytes(dir.filePath("except.txt"), "hoe\nzzq\n"));
    QVERIFY(writeFileBytes(dir.filePath("refused.txt"), "\u0178\n"));
    QVERIFY(writeFileBytes(dir.filePath("localization.txt"), "\r\n{ \"hoe\" \"t0w\" }\r\n"));

    const ToolRun run = runTool(arguments, dir.path());
    QCOMPARE(run.exitCode, status);
    QStringList said;
    for (const QString &line : lines(run.err)) {
        if (line.contains(QLatin1String("warning: ")))
            said.append(line.sliced(QStringLiteral("vantro-filter: ").size()));
    }
    QCOMPARE(said, warnings);
}

void CliTest::tidyKeepsExtendedAttributes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry));
    const QByteArray name = QFile::encodeName(path);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    const QByteArray user = "a value\0with a zero byte";
    if (::setxattr(name.constData(), "user.test", user.constData(), size_t(user.size()), 0) != 0)
        QSKIP(qPrintable(QStringLiteral("The temporary directory's file system takes no user "
                                        "extended attributes: %1")
                             .arg(qt_error_string(errno))));
    // An access ACL as the kernel stores it: version 2, then (tag, permissions, id) entries:
    // the owner rw-, user 4321 r--, the group r--, the mask r--, others ---.
    const auto aclEntry = [](quint16 tag, quint16 permissions, quint32 id) {
        QByteArray bytes(8, '\0');
        qToLittleEndian(tag, bytes.data());
        qToLittleEndian(permissions, bytes.data() + 2);
        qToLittleEndian(id, bytes.data() + 4);
        return bytes;
    };
    QByteArray acl(4, '\0');
    qToLittleEndian(quint32(2), acl.data());
    acl += aclEntry(0x01, 6, quint32(-1)) + aclEntry(0x02, 4, 4321) +
           aclEntry(0x04, 4, quint32(-1)) + aclEntry(0x10, 4, quint32(-1)) +
           aclEntry(0x20, 0, quint32(-1));
    const bool withAcl = ::setxattr(name.constData(), "system.posix_acl_access", acl.constData(),
                                    size_t(acl.size()), 0) == 0;
    if (!withAcl)
        qWarning("No ACL: the file system takes none (%s)", qPrintable(qt_error_string(errno)));
    const auto attribute = [&](const char *key) {
        QByteArray value(4096, '\0');
        const ssize_t size = ::getxattr(name.constData(), key, value.data(), size_t(value.size()));
        return size < 0 ? QByteArray() : value.left(size);
    };
    struct stat before
    {
    };
    QCOMPARE(::stat(name.constData(), &before), 0);

    const ToolRun run = runTool({"tidy", "localization.txt"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fileBytes(path), entry);
    struct stat after
    {
    };
    QCOMPARE(::stat(name.constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(attribute("user.test"), user);
    if (withAcl)
        QCOMPARE(attribute("system.posix_acl_access"), acl);
}

void CliTest::tidyLeavesAFileChangedUnderIt_data()
{
    QTest::addColumn<TidyRace>("race");
    QTest::addColumn<ReplaceStep>("step");
    QTest::addColumn<QString>("reason");

    const QString replaced = QStringLiteral(
        "Cannot replace \"localization.txt\": another program renamed, removed or replaced it "
        "while it was tidied. Nothing was changed.");
    // The directory's owner renames the file away and puts a link to another file in its
    // place: root must not write over the link's target.
    QTest::newRow("a link in its place after reading")
        << TidyRace::SymlinkInItsPlace << ReplaceStep::Linked << replaced;
    // The file read and the file locked are one: another file put in its place between the
    // opening and the lock is not replaced with the first one's content.
    QTest::newRow("another file in its place before the lock")
        << TidyRace::AnotherFileInItsPlace << ReplaceStep::Locked << replaced;
    QTest::newRow("the new file removed before the rename")
        << TidyRace::NewFileRemoved << ReplaceStep::Linked
        << QStringLiteral("Cannot replace \"localization.txt\": renaming the new file to its "
                          "name failed: No such file or directory. The file was left as it was.");
}

void CliTest::tidyLeavesAFileChangedUnderIt()
{
    QFETCH(TidyRace, race);
    QFETCH(ReplaceStep, step);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QString moved = dir.filePath(QStringLiteral("moved.txt"));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    const QByteArray otherContent = "{ \"b\" \"y\" }\r\n{ \"b\" \"y\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry));
    QVERIFY(writeFileBytes(other, otherContent));

    EntryRewriteOptions tidy; // the steps of tidy's replacement, with the race in between
    tidy.hooks.reached = [&](ReplaceStep reached) {
        if (reached != step)
            return;
        switch (race) {
        case TidyRace::SymlinkInItsPlace:
            QFile::rename(path, moved);
            QFile::link(QStringLiteral("other.txt"), path);
            break;
        case TidyRace::AnotherFileInItsPlace:
            QFile::rename(path, moved);
            writeFileBytes(path, otherContent);
            break;
        case TidyRace::NewFileRemoved:
            for (const QString &name : namesIn(dir.path()))
                if (name.startsWith(QLatin1String(".localization.txt.")))
                    QFile::remove(dir.filePath(name));
            break;
        }
    };
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const Result<EntryTidy> run = rewriteEntryFile(QStringLiteral("localization.txt"), tidy);
    QDir::setCurrent(previous);
    QVERIFY(!run);
    QCOMPARE(run.kind(), ErrorKind::Failed);
    QCOMPARE(run.message(), reason);
    QCOMPARE(fileBytes(other), otherContent);
    switch (race) {
    case TidyRace::SymlinkInItsPlace:
        QCOMPARE(QFileInfo(path).symLinkTarget(), other);
        QCOMPARE(fileBytes(moved), entry + entry);
        QCOMPARE(namesIn(dir.path()), QStringList({"localization.txt", "moved.txt", "other.txt"}));
        break;
    case TidyRace::AnotherFileInItsPlace:
        QCOMPARE(fileBytes(path), otherContent);
        QCOMPARE(fileBytes(moved), entry + entry);
        QCOMPARE(namesIn(dir.path()), QStringList({"localization.txt", "moved.txt", "other.txt"}));
        break;
    case TidyRace::NewFileRemoved:
        QCOMPARE(fileBytes(path), entry + entry);
        QCOMPARE(namesIn(dir.path()), QStringList({"localization.txt", "other.txt"}));
        break;
    }
}

void CliTest::tidyStoppedLeavesNoNewFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("namedOnly"); // as on a file system without unnamed files

    for (const bool namedOnly : {false, true}) {
        const char *kind = namedOnly ? "named new file" : "unnamed new file";
        QTest::addRow("SIGINT, %s", kind) << int(SIGINT) << namedOnly;
        QTest::addRow("SIGTERM, %s", kind) << int(SIGTERM) << namedOnly;
        QTest::addRow("SIGHUP, %s", kind) << int(SIGHUP) << namedOnly;
        QTest::addRow("SIGKILL, %s", kind) << int(SIGKILL) << namedOnly;
    }
}

void CliTest::tidyStoppedLeavesNoNewFile()
{
    QFETCH(int, signal);
    QFETCH(bool, namedOnly);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry));
    const bool kill = signal == SIGKILL;

    {
        // A stop signal arrives once the new file has its temporary name; SIGKILL once it is
        // written.
        EntryRewriteOptions tidy;
        tidy.hooks.reached = [&](ReplaceStep reached) {
            if (reached == (kill ? ReplaceStep::Written : ReplaceStep::Linked))
                ::raise(signal);
        };
        tidy.hooks.namedTemporaryOnly = namedOnly;
        const ChildOutcome child = runInChild([&] {
            const StopSignals stopSignals;
            tidy.lockWait.stopRequested = &StopSignals::stopRequested;
            const Result<EntryTidy> run = rewriteEntryFile(path, tidy);
            return !run && run.kind() == ErrorKind::Stopped &&
                           StopSignals::exitStatus() == 128 + signal &&
                           run.message().endsWith("localization.txt\" was left as it was.")
                       ? QString()
                       : QStringLiteral("%1").arg(run ? QStringLiteral("tidied") : run.message());
        });
        if (kill)
            QCOMPARE(child.status, -1);
        else
            QVERIFY2(child.passed(), child.text());
    }
    QCOMPARE(fileBytes(path), entry + entry);
    QStringList names = namesIn(dir.path());
    // Only a named new file can outlive SIGKILL, and the next tidy of the file removes it.
    if (kill && namedOnly) {
        QCOMPARE(names.size(), 2);
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\.localization\\.txt\\.vantro-[A-Za-z0-9]{6}$"))
                .match(names.constFirst())
                .hasMatch(),
            qPrintable(names.constFirst()));
        EntryRewriteOptions named;
        named.hooks.namedTemporaryOnly = true;
        QVERIFY(rewriteEntryFile(path, named));
        QCOMPARE(fileBytes(path), entry);
        names = namesIn(dir.path());
    }
    QCOMPARE(names, QStringList{"localization.txt"});
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

void CliTest::listChosenEntries_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("choice"); // as modelEntryLines() takes it
    QTest::addColumn<bool>("longLines");
    QTest::addColumn<qsizetype>("lineCount"); // the entries of the tables; -1: the model's

    QTest::newRow("English slurs")
        << QStringList{"list", "--category", "slur"} << "en/slur" << false << qsizetype(174);
    QTest::newRow("German") << QStringList{"list", "--language", "de"} << "de/" << false
                            << qsizetype(313);
    QTest::newRow("long") << QStringList{"list", "--long"} << "en/" << true << qsizetype(1187);
    QTest::newRow("long, German and English slurs and sexual")
        << QStringList{"list",       "--long", "--language", "de,en",
                       "--category", "slur",   "--category", "sexual"}
        << "de,en/slur,sexual" << true << qsizetype(174 + 380 + 53 + 61);
    QTest::newRow("strong") << QStringList{"list", "--severity", "strong", "--language", "fr"}
                            << "fr//strong" << false << qsizetype(-1);
    QTest::newRow("long, every language, strong, no ambiguous")
        << QStringList{"list",
                       "--long",
                       "--no-ambiguous",
                       "--language",
                       "en,de,fr,es,it,pt,nl",
                       "--severity",
                       "Strong"}
        << "en,de,fr,es,it,pt,nl//strong/no-ambiguous" << true << qsizetype(-1);
}

void CliTest::listChosenEntries()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, choice);
    QFETCH(bool, longLines);
    QFETCH(qsizetype, lineCount);

    QTemporaryDir dir;
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.endsWith('\n'));
    const QStringList printed = lines(run.out);
    const QStringList entries = modelEntryLines(choice);
    if (lineCount >= 0)
        QCOMPARE(printed.size(), lineCount);
    const QStringList words = modelWordList(choice).items();
    if (!longLines) {
        QCOMPARE(printed, words);
        return;
    }
    // In word-list order, the lines of a text in the order of the tables.
    QStringList expected;
    for (const QString &word : words) {
        for (const QString &entry : entries) {
            if (entry.section(u'\t', 0, 0) == word)
                expected.append(entry);
        }
    }
    QCOMPARE(printed, expected);
}

void CliTest::expand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("variants"); // printed in this order, each with its replacement

    QTest::newRow("masked, max") << QStringList{"expand", "--mask", "a b", "--max"}
                                 << QStringList{"_A B", "_A b", "_a b", "A B",  "A b",  "a b",
                                                "A B!", "A b!", "a b!", "A B.", "A b.", "a b.",
                                                "A B?", "A b?", "a b?", "A B_", "A b_", "a b_"};
    QTest::newRow("one letter, max")
        << QStringList{"expand", "a", "--max"}
        << QStringList{"_A", "_a", "A", "a", "A!", "a!", "A.", "a.", "A?", "a?", "A_", "a_"};
    QTest::newRow("typed in capitals")
        << QStringList{"expand", "BS"}
        << QStringList{"BS", "Bs", "bs", "BS!", "Bs!", "bs!", "BS.", "Bs.", "bs."};
    QTest::newRow("two words in one list")
        << QStringList{"expand", "a", "42x"}
        << QStringList{"42X", "42x", "42X!", "42x!", "42X.", "42x.",
                       "A",   "a",   "A!",   "a!",   "A.",   "a."};
    QTest::newRow("outside ASCII")
        << QStringList{"expand", "CAFÉ"} << QStringList{"CAFÉ",  "Café",  "café",  "CAFÉ!", "Café!",
                                                        "café!", "CAFÉ.", "Café.", "café."};
    QTest::newRow("a word the cipher leaves unchanged: refused")
        << QStringList{"expand", "gosh", "\u0178"} << QStringList{};
}

void CliTest::expand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, variants);

    QTemporaryDir dir;
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, variants.isEmpty() ? 1 : 0);
    QVERIFY2(variants.size() || run.err.contains("\"\u0178\" is refused: The replacement of "
                                                 "\"\u00ff\" would equal it"),
             run.err);
    QStringList expected;
    // A mask stars every character but the space.
    const bool masked = arguments.contains(QLatin1String("--mask"));
    for (const QString &variant : variants)
        expected.append(variant + u'\t' +
                        (masked ? QString(variant).replace(QRegularExpression("[^ ]"), "*")
                                : model::replacement(variant)));
    QCOMPARE(lines(run.out), expected);
}

void CliTest::explain_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("wordFile"); // words.txt in the directory
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");

    const QString hoeOut = "    take it out: the line \"-hoe\" in a profile, or vantro-filter tidy "
                           "--drop-word hoe localization.txt\n";
    QTest::newRow("plain") << QStringList{"explain", "hoe"} << QByteArray() << 0
                           << "hoe\n  hoe (en, insult, strong, ambiguous): as typed: \"hoe\"\n" +
                                  hoeOut;
    QTest::newRow("capitals and punctuation")
        << QStringList{"explain", "HOE!"} << QByteArray() << 0
        << "HOE!\n  hoe (en, insult, strong, ambiguous): as typed: \"HOE!\"\n" + hoeOut;
    QTest::newRow("the cipher players see")
        << QStringList{"explain", "t0w", "T5Wc"} << QByteArray() << 0
        << "t0w\n  hoe (en, insult, strong, ambiguous): the cipher of \"hoe\"\n" + hoeOut +
               "T5Wc\n  hoe (en, insult, strong, ambiguous): the cipher of \"HOE.\"\n" + hoeOut;
    QTest::newRow("a spelling form, with --spellings")
        << QStringList{"explain", "--spellings", "sh1t"} << QByteArray() << 0
        << "sh1t\n  shit (en, profanity, strong): as typed: \"sh1t\"\n    take it out: the line "
           "\"-shit\" in a profile, or vantro-filter tidy --drop-word shit localization.txt\n";
    QTest::newRow("stars: every word of that length")
        << QStringList{"explain", "--words", "words.txt", "****"}
        << QByteArray("gosh\nmy gosh\ndrat\n") << 0
        << "****\n"
           "  drat (your words: words.txt): the mask (--mask) of \"drat\", \"DRAT\", \"Drat\"\n"
           "    take it out: the line \"-drat\" in a profile, or vantro-filter tidy --drop-word "
           "drat localization.txt\n"
           "  gosh (your words: words.txt): the mask (--mask) of \"gosh\", \"GOSH\", \"Gosh\"\n"
           "    take it out: the line \"-gosh\" in a profile, or vantro-filter tidy --drop-word "
           "gosh localization.txt\n";
    // 22 words of two letters: the first 20 are named.
    QByteArray many;
    QString manyOut = "**\n";
    for (char second = 'a'; second < 'a' + 22; ++second) {
        const QString word = QStringLiteral("q") + QChar(second);
        many += word.toLatin1() + '\n';
        if (second < 'a' + 20)
            manyOut += QStringLiteral("  %1 (your words: words.txt): the mask (--mask) of \"%1\", "
                                      "\"%2\", \"%3\"\n    take it out: the line \"-%1\" in a "
                                      "profile, or vantro-filter tidy --drop-word %1 "
                                      "localization.txt\n")
                           .arg(word, word.toUpper(), word.left(1).toUpper() + word.mid(1));
    }
    QTest::newRow("stars of more than 20 entries")
        << QStringList{"explain", "--words", "words.txt", "**"} << many << 0
        << manyOut + "  and 2 more entries\n";
    QTest::newRow("a word of --add, quoted for the shell")
        << QStringList{"explain", "--add", "words.txt", "Its'drat!"} << QByteArray("its'drat\n")
        << 0
        << "Its'drat!\n  its'drat (your words: words.txt): as typed: \"Its'drat!\"\n"
           "    take it out: the line \"-its'drat\" in a profile, or vantro-filter tidy "
           "--drop-word 'its'\\''drat' localization.txt\n";
    QTest::newRow("found nowhere") << QStringList{"explain", "xyzzy", "hoe"} << QByteArray() << 1
                                   << "xyzzy\n  no entry of the word list makes this text\nhoe\n"
                                      "  hoe (en, insult, strong, ambiguous): as typed: \"hoe\"\n" +
                                          hoeOut;
}

void CliTest::explain()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, wordFile);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("words.txt"), wordFile));
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(QString::fromUtf8(run.out), out);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, QByteArray());
}

void CliTest::buildDryRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // {dir}: the working directory

    QTest::newRow("built-in list and an --add file")
        << QStringList{"build", "--dry-run", "--add", "words.txt"} << 0
        << "Would write 10683 entries to {dir}/badnames.txt.\n  en: 10668\n  your words: 18\n"
           "  --spellings would add: 5341\n"; // the budget: half the entries
    // Four drug words are English and German: heroin, junkie, lsd, mdma.
    QTest::newRow("two languages, --localization, --spellings")
        << QStringList{"build",      "--dry-run", "--language",     "en,de",
                       "--category", "drug",      "--localization", "--spellings"}
        << 0
        << "Would write 351 entries to {dir}/localization.txt.\n  en: 81\n  de: 189\n"
           "  spellings (--spellings): 117\n";
    QTest::newRow("word file alone, max usage, standard output")
        << QStringList{"build", "--dry-run", "--words", "words.txt", "--max", "--stdout"} << 0
        << "Would write 51 entries to standard output.\n  your words: 51\n"
           // dr@t dra7 dr4t dra+, h0e ho3, h0e. ho3. (h03 keeps one letter), each Capitalised too
           "  --spellings would add: 16\n";
    QTest::newRow("a word refused")
        << QStringList{"build", "--dry-run", "--add", "bad.txt"} << 1 << "";
}

void CliTest::buildDryRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    QTemporaryDir dir;
    // "hoe" is a built-in entry; "hoe." shares three variants with it.
    QVERIFY(writeFileBytes(dir.filePath("words.txt"), "drat\nhoe\nhoe.\n"));
    QVERIFY(writeFileBytes(dir.filePath("bad.txt"), "\xff\n"));
    QVERIFY(writeFileBytes(dir.filePath("badnames.txt"), "x\r\n"));
    const QStringList before = namesIn(dir.path());
    const ToolRun run = runTool(arguments, dir.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.out), QString(out).replace("{dir}", dir.path()));
    QCOMPARE(namesIn(dir.path()), before);
    QCOMPARE(fileBytes(dir.filePath("badnames.txt")), QByteArray("x\r\n"));
}

void CliTest::endToEnd_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<ProcessSetup>("setup");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    // What the commands do is tested in this process above; here what only a process shows.
    const QByteArray none;
    const ProcessSetup plain = ProcessSetup::None;
    QTest::newRow("--version") << QStringList{"--version"} << none << plain << 0
                               << "vantro-filter 1.00\n"
                               << "";
    QTest::newRow("--help") << QStringList{"--help"} << none << plain << 0 << "tidy"
                            << "";
    QTest::newRow("wrong command line")
        << QStringList{"build", "--bogus"} << none << plain << 2 << ""
        << "vantro-filter: ";
    QTest::newRow("check finds danger on standard input")
        << QStringList{"check", "-"} << QByteArray("{ \"a\" \"zz\" }\n") << plain << 1
        << "(standard input):1: danger"
        << "";
    QTest::newRow("standard output closed")
        << QStringList{"list"} << none << ProcessSetup::CloseStandardOutput << 1 << ""
        << "vantro-filter: ";
    QTest::newRow("standard output and error closed")
        << QStringList{"--help"} << none << ProcessSetup::CloseBoth << 1 << ""
        << "";
    QTest::newRow("build under a file-size limit")
        << QStringList{"build", "--max"} << none << ProcessSetup::FileSizeLimit << 1 << ""
        << "vantro-filter: ";
}

void CliTest::endToEnd()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(ProcessSetup, setup);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QTemporaryDir dir;
    const bool sizeLimited = setup == ProcessSetup::FileSizeLimit;
    const QString badnames = dir.filePath(QStringLiteral("badnames.txt"));
    const QByteArray earlier = "{ \"earlier\" \"w9mqswm\" }\r\n";
    if (sizeLimited)
        QVERIFY(writeFileBytes(badnames, earlier));
    const auto prepare = [&](QProcess &process) {
        if (setup == ProcessSetup::CloseStandardOutput || setup == ProcessSetup::CloseBoth)
            process.setChildProcessModifier([both = setup == ProcessSetup::CloseBoth] {
                ::close(STDOUT_FILENO);
                if (both)
                    ::close(STDERR_FILENO);
            });
        // Room for the block's first lines only. The signal stays at its default, which kills
        // the process, so that only the program's own handling turns it into a failed write.
        if (sizeLimited)
            process.setChildProcessModifier([limit = rlim_t(earlier.size() + 100)] {
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit fileSize{limit, limit};
                setrlimit(RLIMIT_FSIZE, &fileSize);
            });
    };
    const ToolRun run = runProcess(arguments, dir.path(), input, prepare);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out);
    if (err.isEmpty())
        QVERIFY2(run.err.isEmpty(), run.err);
    else
        QVERIFY2(run.err.startsWith(err.toUtf8()), run.err);
    if (setup == ProcessSetup::CloseStandardOutput)
        QVERIFY2(run.err.contains("Bad file descriptor"), run.err);
    if (sizeLimited) {
        QVERIFY2(run.err.contains("File too large"), run.err);
        QCOMPARE(fileBytes(badnames), earlier); // no torn line
    } else if (!arguments.contains(QLatin1String("check"))) {
        QVERIFY(snapshot(dir.path()).isEmpty());
    }
}

void CliTest::namesAreBytes_data()
{
    QTest::addColumn<ByteNamed>("command");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("build in a directory d\\xFF")
        << ByteNamed::BuildInTheDirectory << QByteArray("Wrote 9 entries to ");
    QTest::newRow("build --dir d\\xFF")
        << ByteNamed::BuildWithDir << QByteArray("Wrote 9 entries to ");
    // The earlier block is taken out of the file that is there, not a new one appended.
    QTest::newRow("build --replace --dir d\\xFF")
        << ByteNamed::BuildReplacing << QByteArray("Wrote 9 entries to ");
    QTest::newRow("check loc\\xE9.txt") << ByteNamed::Check << QByteArray("entries 18,");
    QTest::newRow("tidy loc\\xE9.txt") << ByteNamed::Tidy << QByteArray("repeats removed 9,");
}

void CliTest::namesAreBytes()
{
    QFETCH(ByteNamed, command);
    QFETCH(QByteArray, message);

    // Beside "d\xFF" stands the directory that a lossy decoding would take it for.
    QTemporaryDir dir;
    const QByteArray top = QFile::encodeName(dir.path());
    const QByteArray named = top + "/d\xFF";
    const QByteArray lookalike = top + "/d\xEF\xBF\xBD";
    QCOMPARE(::mkdir(named.constData(), 0755), 0);
    QCOMPARE(::mkdir(lookalike.constData(), 0755), 0);
    const QByteArray words = top + "/w\xE9.txt";
    const QByteArray entries = top + "/loc\xE9.txt";
    // Written and read by their bytes, which QFile would take for UTF-8.
    const auto writeAt = [](const QByteArray &path, const QByteArray &bytes) {
        std::FILE *file = std::fopen(path.constData(), "wb");
        const bool written = file && std::fwrite(bytes.constData(), 1, size_t(bytes.size()),
                                                 file) == size_t(bytes.size());
        return file && std::fclose(file) == 0 && written;
    };
    const auto bytesAt = [](const QByteArray &path) {
        QByteArray bytes;
        if (std::FILE *file = std::fopen(path.constData(), "rb")) {
            char buffer[4096];
            for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                bytes.append(buffer, qsizetype(count));
            std::fclose(file);
        }
        return bytes;
    };
    QVERIFY(writeAt(words, "gosh\n"));
    const QByteArray block = model::block(
        {"GOSH", "Gosh", "gosh", "GOSH!", "Gosh!", "gosh!", "GOSH.", "Gosh.", "gosh."});
    QVERIFY(writeAt(entries, block + block));

    QStringList arguments;
    QString workingDirectory = dir.path();
    switch (command) {
    case ByteNamed::BuildInTheDirectory:
        workingDirectory = decodePath(named);
        arguments = {QStringLiteral("build"), QStringLiteral("--words"), decodePath(words)};
        break;
    case ByteNamed::BuildWithDir:
        arguments = {QStringLiteral("build"), QStringLiteral("--words"), decodePath(words),
                     QStringLiteral("--dir"), decodePath(named)};
        break;
    case ByteNamed::BuildReplacing:
        QVERIFY(writeAt(named + "/badnames.txt", "// ours\r\n" + block + block));
        arguments = {QStringLiteral("build"),   QStringLiteral("--replace"),
                     QStringLiteral("--words"), decodePath(words),
                     QStringLiteral("--dir"),   decodePath(named)};
        break;
    case ByteNamed::Check:
        arguments = {QStringLiteral("check"), decodePath(entries)};
        break;
    case ByteNamed::Tidy:
        arguments = {QStringLiteral("tidy"), decodePath(entries)};
        break;
    }
    const ToolRun run = runTool(arguments, workingDirectory);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY2((run.out + run.err).contains(message), (run.out + run.err).constData());

    switch (command) {
    case ByteNamed::BuildInTheDirectory:
    case ByteNamed::BuildWithDir:
        QCOMPARE(bytesAt(named + "/badnames.txt"), block);
        QVERIFY(bytesAt(lookalike + "/badnames.txt").isEmpty());
        // The name is shown with its byte, as other hidden characters are.
        QVERIFY2(run.err.contains("/d\\xFF/badnames.txt."), run.err.constData());
        break;
    case ByteNamed::BuildReplacing:
        QCOMPARE(bytesAt(named + "/badnames.txt"), "// ours\r\n" + block);
        break;
    case ByteNamed::Check:
        QCOMPARE(bytesAt(entries), block + block);
        break;
    case ByteNamed::Tidy:
        QCOMPARE(bytesAt(entries), block + "\r\n");
        break;
    }
    // QTemporaryDir cannot remove what it cannot name.
    for (const QByteArray &file :
         {named + "/badnames.txt", lookalike + "/badnames.txt", words, entries})
        ::unlink(file.constData());
    ::rmdir(named.constData());
    ::rmdir(lookalike.constData());
}

// A profile's additions come after the base list and the --add files, and every taking-out
// comes last; build and list see the same list.
void CliTest::profileOrder_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QStringList>("expected"); // the list; empty: refused

    const QStringList base = {"--words", "w.txt", "--add", "a.txt"}; // gosh, heck; golly
    QTest::newRow("added by --add, taken out by the profile")
        << base << QByteArray("-golly\n") << QStringList{"gosh", "heck"};
    QTest::newRow("taken out and added by the profile: out")
        << base << QByteArray("darn\n-darn\n+darn\n") << QStringList{"golly", "gosh", "heck"};
    QTest::newRow("-GOSH takes out gosh, comments and blank lines skipped")
        << base << QByteArray("# our server\r\n\r\n-GOSH\r\n+Drat\r\n")
        << QStringList{"drat", "golly", "heck"};
    QTest::newRow("--except after the profile's additions")
        << base + QStringList{"--except", "e.txt"} << QByteArray("drat\n")
        << QStringList{"golly", "gosh"};
    QTest::newRow("a refused line: FILE:LINE")
        << base << QByteArray("ok\nbad\"word\n") << QStringList{};
}

void CliTest::profileOrder()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, profile);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("w.txt"), "gosh\nheck\n"));
    QVERIFY(writeFileBytes(dir.filePath("a.txt"), "golly\n"));
    QVERIFY(writeFileBytes(dir.filePath("e.txt"), "HECK\ndrat\n"));
    QVERIFY(writeFileBytes(dir.filePath("p.txt"), profile));
    const QStringList all = options + QStringList{"--profile", "p.txt"};

    const ToolRun list = runTool(QStringList{"list"} + all, dir.path());
    const ToolRun build = runTool(QStringList{"build", "--stdout"} + all, dir.path());
    if (expected.isEmpty()) {
        QCOMPARE(list.exitCode, 1);
        QCOMPARE(build.exitCode, 1);
        QVERIFY2(build.err.startsWith("vantro-filter: p.txt:2: "), build.err);
        QVERIFY(build.out.isEmpty());
        return;
    }
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(lines(list.out), listOf(expected).items());
    QCOMPARE(build.exitCode, 0);
    QBuffer block;
    block.open(QIODevice::WriteOnly);
    QVERIFY(writeFilterBlock(block, variantsOf(listOf(expected), false)));
    QCOMPARE(build.out, block.data());
}

// --replace takes out exactly the filter entries, and the empty lines of blocks that go whole;
// the block it wrote itself, with the mask too.
void CliTest::replaceKeepsEveryOtherByte_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray game = "HELLO \"Welcome\"\r\n# the admin's own\r\n{ \"gosh\" \"golly\" }\r\n";
    const QByteArray cipherBlock = "\r\n{ \"Gosh\" \"U0lt\" }\r\n{ \"gosh\" \"u0lt\" }\r\n";
    const QByteArray maskBlock = "\r\n{ \"heck\" \"****\" }\r\n{ \"GOSH!\" \"****!\" }\r\n";
    // Another tool's entries: replacements that are neither our cipher nor our mask.
    const QByteArray otherBlock = "\r\n{ \"foo\" \"f*o\" }\r\n{ \"darn\" \"dang\" }\r\n";
    // A block of which one entry stays keeps its empty line.
    const QByteArray mixedBlock = "\r\n{ \"darn\" \"9zmp\" }\r\n{ \"fudge\" \"f***e\" }\r\n";
    const QByteArray tail = "BYE \"last line\"\r\n";
    const QByteArray content =
        game + cipherBlock + "MIDDLE\r\n" + maskBlock + otherBlock + mixedBlock + "\n" + tail;
    // Star entries that are not a Build's block (one that holds every variant of its words).
    const QByteArray kept = game + "MIDDLE\r\n" + maskBlock + otherBlock +
                            "\r\n{ \"fudge\" \"f***e\" }\r\n" + "\n" + tail;
    QTest::newRow("cipher") << QStringList{} << content << kept;
    QTest::newRow("mask, into localization.txt")
        << QStringList{"--mask", "--localization"} << content << kept;
    QTest::newRow("a missing file is created") << QStringList{} << QByteArray() << QByteArray();
    QTest::newRow("last line ended by a lone CR")
        << QStringList{} << QByteArray("HELLO\r") << QByteArray("HELLO\r\n");
}

void CliTest::replaceKeepsEveryOtherByte()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, kept);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("w.txt"), "drat\n"));
    const QString target = options.contains("--localization") ? "localization.txt" : "badnames.txt";
    if (!content.isEmpty())
        QVERIFY(writeFileBytes(dir.filePath(target), content));
    const QStringList build = QStringList{"build", "--words", "w.txt"} + options;
    QStringList toStandardOutput = build + QStringList{"--stdout"};
    toStandardOutput.removeAll("--localization");
    const ToolRun block = runTool(toStandardOutput, dir.path());
    QCOMPARE(block.exitCode, 0);

    ToolRun run = runTool(build + QStringList{"--replace"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fileBytes(dir.filePath(target)), kept + block.out);
    // Again: the block just written is the filter now, and is replaced by itself.
    run = runTool(build + QStringList{"--replace"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fileBytes(dir.filePath(target)), kept + block.out);
    QCOMPARE(namesIn(dir.path()), (QStringList{target, "w.txt"}));
    // Taking the filter out leaves the kept bytes alone.
    QCOMPARE(runTool({"tidy", "--drop-filter", target}, dir.path()).exitCode, 0);
    QCOMPARE(fileBytes(dir.filePath(target)), kept);
}

// What a configuration tool does on every run: copy the profile into place, build --replace with
// it. Run again on the file it wrote, the Build leaves it untouched and says so; a file changed
// meanwhile is rebuilt. --dry-run tells which, locking nothing.
void CliTest::replacingBuildRunAgainChangesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("byHand"); // appended to the file between the two runs
    QTest::addColumn<QString>("change");    // what the dry run and the second run say

    const QString upToDate =
        "{file} is up to date: its filter is the one this Build writes (%1 entries).";
    // gosh and drat: 9 variants each, or 18.
    QTest::newRow("run again") << QStringList{} << QByteArray() << upToDate.arg(18);
    QTest::newRow("mask, max usage, run again")
        << QStringList{"--mask", "--max"} << QByteArray() << upToDate.arg(36);
    // The hand-made entry stays in the block, and so does its empty line.
    QTest::newRow("an entry appended by hand meanwhile")
        << QStringList{} << QByteArray("{ \"heck\" \"darn\" }\r\n")
        << "{changes}, replacing 18 earlier filter entries and 0 empty lines that opened their "
           "blocks.";
}

void CliTest::replacingBuildRunAgainChangesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, byHand);
    QFETCH(QString, change);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("game"));
    const QByteArray profile = "drat\n-heck\n";
    const QByteArray server = "HELLO \"Welcome\"\r\n{ \"gosh\" \"golly\" }\r\n";
    const QString target = dir.filePath("game/localization.txt");
    const QByteArray path = QFile::encodeName(target);
    QVERIFY(writeFileBytes(dir.filePath("w.txt"), "gosh\nheck\n"));
    QVERIFY(writeFileBytes(target, server));
    const QStringList build =
        QStringList{"build",          "--words",   "w.txt", "--profile", "game/p.txt",
                    "--localization", "--replace", "--dir", "game"} +
        options;
    const auto runBoth = [&] {
        return writeFileBytes(dir.filePath("game/p.txt"), profile) ? runTool(build, dir.path())
                                                                   : ToolRun();
    };
    QCOMPARE(runBoth().exitCode, 0);
    const QByteArray block =
        runTool(build.mid(0, 5) + options + QStringList{"--stdout"}, dir.path()).out;
    QVERIFY(block.startsWith("\r\n{ "));
    QCOMPARE(fileBytes(target), server + block);
    QFile file(target);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(byHand), byHand.size());
    file.flush();
    // An old modification time, which any write would change.
    const timespec times[2] = {{0, UTIME_OMIT}, {978307200, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    struct stat before = {};
    QCOMPARE(::stat(path.constData(), &before), 0);
    const QByteArray written = fileBytes(target);
    const QString shown = change.replace("{file}", "game/localization.txt")
                              .replace("{changes}", "Would change game/localization.txt");

    // The dry run, with the file locked by another writer.
    QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);
    const ToolRun dryRun = runTool(build + QStringList{"--dry-run"}, dir.path());
    QCOMPARE(dryRun.exitCode, 0);
    QVERIFY2(dryRun.out.endsWith((shown + u'\n').toUtf8()), dryRun.out);
    file.close();

    const ToolRun again = runBoth();
    QCOMPARE(again.exitCode, 0);
    struct stat after = {};
    QCOMPARE(::stat(path.constData(), &after), 0);
    if (byHand.isEmpty()) {
        QCOMPARE(QString::fromUtf8(again.err), shown + u'\n');
        QCOMPARE(fileBytes(target), written);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    } else {
        QCOMPARE(QString::fromUtf8(again.err),
                 QString(shown).replace("Would change", "Wrote 18 entries to") + u'\n');
        QCOMPARE(fileBytes(target), server + "\r\n" + byHand + block);
        QVERIFY(after.st_mtim.tv_sec != before.st_mtim.tv_sec);
    }
}

// --drop-word takes exactly the filter entries of the word's variants and spellings; --drop-filter
// every filter entry; a dry run changes nothing.
void CliTest::tidyDropsFilterEntries_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("tidied");
    QTest::addColumn<QString>("summary");

    // The lone star entry of line 5 is no Build's: it stays, and so does its empty line.
    const QByteArray ours = "# ours\r\n{ \"gosh\" \"golly\" }\r\n\r\n{ \"gosh\" \"****\" }\r\n";
    QTest::newRow("--drop-word gosh")
        << QStringList{"--drop-word", "GOSH"}
        << ours + "\r\n{ \"goshawk\" \"u0ltzhr\" }\r\n\r\n{ \"heck\" \"tw8r\" }\r\n"
        << "repeats removed 1, dangerous removed 0, filter entries removed 3, empty lines "
           "removed 1, lines kept 8";
    QTest::newRow("--drop-words FILE")
        << QStringList{"--drop-words", "drop.txt"} << ours + "\r\n{ \"goshawk\" \"u0ltzhr\" }\r\n"
        << "repeats removed 1, dangerous removed 0, filter entries removed 4, empty lines "
           "removed 2, lines kept 6";
    QTest::newRow("--drop-filter")
        << QStringList{"--drop-filter"} << ours
        << "repeats removed 1, dangerous removed 0, filter entries removed 5, empty lines "
           "removed 3, lines kept 4";
    QTest::newRow("dry run") << QStringList{"--drop-filter", "--dry-run"} << QByteArray()
                             << "repeats removed 1, dangerous removed 0, filter entries removed "
                                "5, empty lines removed 3, lines kept 4 (dry run";
}

void CliTest::tidyDropsFilterEntries()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, tidied);
    QFETCH(QString, summary);

    const QByteArray content = "# ours\r\n{ \"gosh\" \"golly\" }\r\n"
                               "\r\n{ \"Gosh\" \"U0lt\" }\r\n{ \"g0sh\" \"u0lt\" }\r\n"
                               "{ \"gosh\" \"****\" }\r\n"
                               "\r\n{ \"goshawk\" \"u0ltzhr\" }\r\n"
                               "\r\n{ \"heck\" \"tw8r\" }\r\n"
                               "\r\n{ \"GOSH!\" \"U5LT!\" }\r\n{ \"gosh\" \"****\" }\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath("localization.txt");
    QVERIFY(writeFileBytes(path, content));
    QVERIFY(writeFileBytes(dir.filePath("drop.txt"), "gosh\nHECK\n"));

    const ToolRun run =
        runTool(QStringList{"tidy"} + options + QStringList{"localization.txt"}, dir.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err);
    const QStringList printed = lines(run.out);
    QVERIFY2(printed.constLast().startsWith("Summary: " + summary), run.out);
    if (options.contains("--dry-run")) {
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(printed.size(), 10);
        QCOMPARE(printed[0], "localization.txt:4: would remove: filter: the filter entry of "
                             "\"Gosh\" (replaced with \"U0lt\").");
        QCOMPARE(printed[2], "localization.txt:7: would remove: filter: the empty line that "
                             "opened a block of which every entry goes.");
    } else {
        QCOMPARE(fileBytes(path), tidied);
    }
}

void CliTest::linesAppendedWithoutTheLockAreKept_data()
{
    QTest::addColumn<Rewriter>("rewriter");
    QTest::addColumn<ReplaceStep>("step");
    QTest::addColumn<bool>("always"); // else only while the file is read the first time

    QTest::newRow("tidy, once") << Rewriter::Tidy << ReplaceStep::Written << false;
    QTest::newRow("tidy, always") << Rewriter::Tidy << ReplaceStep::Linked << true;
    QTest::newRow("build --replace, once")
        << Rewriter::BuildReplace << ReplaceStep::Linked << false;
    QTest::newRow("build --replace, always")
        << Rewriter::BuildReplace << ReplaceStep::Written << true;
    QTest::newRow("paced replacing Build, once")
        << Rewriter::PacedBuild << ReplaceStep::Written << false;
    QTest::newRow("paced replacing Build, always")
        << Rewriter::PacedBuild << ReplaceStep::Linked << true;
}

// A program that appends without taking the lock ("echo >>", an editor saving in place) while
// the file is rewritten: its lines are read again and kept, or the file is left as it was.
void CliTest::linesAppendedWithoutTheLockAreKept()
{
    QFETCH(Rewriter, rewriter);
    QFETCH(ReplaceStep, step);
    QFETCH(bool, always);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"gosh\" \"golly\" }\r\n"; // not a filter entry
    QVERIFY(writeFileBytes(path, entry + entry));
    QByteArray appended;
    int appends = 0;
    ReplaceHooks hooks;
    hooks.reached = [&](ReplaceStep reached) {
        if (reached != step || (!always && appends > 0))
            return;
        const QByteArray line =
            "{ \"admin" + QByteArray::number(++appends) + "\" \"appended\" }\r\n";
        QFile file(path);
        if (file.open(QIODevice::Append) && file.write(line) == line.size())
            appended += line;
    };

    const SortedTextList variants =
        buildVariantList(SortedTextList::fromUnsorted({QStringLiteral("gosh")}), false);
    BuildPlan plan;
    plan.directory = dir.path();
    plan.target = FilterTarget::Localization;
    plan.replacesPreviousFilter = true;
    BuildPolicy policy;
    policy.replaceHooks = hooks;
    BuildWriter writer(plan, policy);
    EntryRewriteOptions tidy;
    tidy.hooks = hooks;
    Result<void> done;
    if (rewriter == Rewriter::Tidy) {
        const Result<EntryTidy> run = rewriteEntryFile(path, tidy);
        done = run ? Result<void>() : run.error();
    } else if (rewriter == Rewriter::BuildReplace) {
        const Result<BuildOutcome> run = writer.write(variants);
        done = run ? Result<void>() : run.error();
    } else if ((done = writer.begin())) {
        done = writer.finish();
    }
    // Tidy takes out the repeated line; a Build appends its block, paced with no variant.
    const QByteArray expected = rewriter == Rewriter::Tidy ? entry + appended
                                : rewriter == Rewriter::BuildReplace
                                    ? entry + entry + appended + model::block(variants.items())
                                    : entry + entry + appended + "\r\n";
    if (!always) {
        QVERIFY2(done, qPrintable(done ? QString() : done.message()));
        QCOMPARE(appends, 1);
        QCOMPARE(fileBytes(path), expected);
    } else {
        QVERIFY(!done);
        QCOMPARE(done.kind(), ErrorKind::Failed);
        QVERIFY2(done.message().contains(QLatin1String(
                     "localization.txt\" changed while it was being tidied; left as it was.")),
                 qPrintable(done.message()));
        QCOMPARE(appends, 5);
        QCOMPARE(fileBytes(path), entry + entry + appended);
    }
    QCOMPARE(namesIn(dir.path()), QStringList{"localization.txt"});
}

// A stop that comes once tidy has replaced the file cannot leave it as it was: tidy finishes,
// says so and ends with 0, also when another signal comes after it is done.
void CliTest::tidyStoppedAfterTheReplacementSaysSo()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    const QByteArray entry = "{ \"a\" \"z\" }\r\n";
    QVERIFY(writeFileBytes(path, entry + entry));
    // The stop comes as tidy writes its summary, once the file is replaced.
    const ChildOutcome child = runInChild([&] {
        const ToolRun run =
            runTool({"tidy", "localization.txt"}, dir.path(), {}, FailingStream::OutputStops);
        if (run.exitCode != 0 || !run.out.startsWith("Summary: repeats removed 1") ||
            !run.err.contains("SIGTERM came too late to leave \"localization.txt\" as it was: it "
                              "was replaced, and tidy finished."))
            return QStringLiteral("status %1: %2%3")
                .arg(QString::number(run.exitCode), QString::fromUtf8(run.out),
                     QString::fromUtf8(run.err));
        ::raise(SIGTERM); // after the command, as the process ends
        return QString();
    });
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(fileBytes(path), entry);
}

// A star entry is the filter's only in a block that a Build wrote, with every variant of its
// words; the administrator's own stay, wherever they are.
void CliTest::starEntriesOfTheAdministratorStay_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("withoutFilter"); // after --drop-filter; --replace adds its block
    QTest::addColumn<QByteArray>("withoutNoob");   // after --drop-word noob

    const QByteArray game = "HELLO \"Welcome\"\r\n";
    const QByteArray own = game + "{ \"idiot\" \"*****\" }\r\n{ \"shit\" \"****\" }\r\n\r\n"
                                  "{ \"gosh\" \"golly\" }\r\n{ \"dumb\" \"****\" }\r\n"
                                  "\r\n{ \"noob\" \"****\" }\r\n";
    QTest::newRow("star entries among the administrator's own lines") << own << own << own;
    // Masks star every character but spaces; those of earlier versions only the cipher's.
    const auto masked = [](const QStringList &words, bool maxUsage, model::Mask mask,
                           const QString &spelling = {}) {
        SortedTextList variants = variantsOf(listOf(words), maxUsage);
        if (!spelling.isEmpty())
            variants.addItem(spelling);
        return model::block(variants.items(), mask);
    };
    for (const model::Mask mask : {model::Mask::Stars, model::Mask::Earlier}) {
        for (const bool maxUsage : {false, true})
            QTest::addRow("a Build's block, %d variants a word, %s", maxUsage ? 18 : 9,
                          mask == model::Mask::Stars ? "masks" : "earlier masks")
                << game + masked({"noob", "idiot"}, maxUsage, mask) + "BYE\r\n"
                << game + "BYE\r\n"
                << game + masked({"idiot"}, maxUsage, mask) + "BYE\r\n";
    }
    // With --spellings a block holds spelling forms of its words too, as many as fit.
    QTest::newRow("a Build's block with a spelling form")
        << game + masked({"noob", "idiot"}, false, model::Mask::Stars, "1d1ot") + "BYE\r\n"
        << game + "BYE\r\n"
        << game + masked({"idiot"}, false, model::Mask::Stars, "1d1ot") + "BYE\r\n";
}

void CliTest::starEntriesOfTheAdministratorStay()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, withoutFilter);
    QFETCH(QByteArray, withoutNoob);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("w.txt"), "drat\n"));
    const ToolRun block = runTool({"build", "--words", "w.txt", "--stdout"}, dir.path());
    QCOMPARE(block.exitCode, 0);
    const QList<std::pair<QStringList, QByteArray>> runs = {
        {{"tidy", "--drop-filter", "badnames.txt"}, withoutFilter},
        {{"tidy", "--drop-word", "noob", "badnames.txt"}, withoutNoob},
        {{"build", "--words", "w.txt", "--replace"}, withoutFilter + block.out}};
    for (const auto &[arguments, expected] : runs) {
        QVERIFY(writeFileBytes(dir.filePath("badnames.txt"), content));
        const ToolRun run = runTool(arguments, dir.path());
        QVERIFY2(run.exitCode == 0, run.err);
        QCOMPARE(fileBytes(dir.filePath("badnames.txt")), expected);
    }
}

QTEST_GUILESS_MAIN(CliTest)

#include "tst_cli.moc"
