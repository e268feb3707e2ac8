// build: the window's Build without its pause, on the built-in list or on word files.
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "cli/command.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "entryfiles/encodingcheck.h"
#include "entryfiles/filterreplace.h"
#include "fileio/path.h"
#include "fileio/stopsignals.h"
#include "wordlists/showntext.h"

#include <QBuffer>
#include <QDir>

#include <chrono>
#include <thread>

namespace vantro::cli {

namespace {

const QString kMax = QStringLiteral("max");
const QString kLocalization = QStringLiteral("localization");
const QString kDir = QStringLiteral("dir");
const QString kStdout = QStringLiteral("stdout");
const QString kSkipRefused = QStringLiteral("skip-refused");
const QString kMask = QStringLiteral("mask");
const QString kReplace = QStringLiteral("replace");

// How long build waits at most for another Build of the same file to end.
constexpr std::chrono::seconds kLockWait{30};

void addArguments(QCommandLineParser &parser)
{
    addWordSourceOptions(parser);
    parser.addOption(
        {kMax, Tr::tr("Max usage: 18 variants of every word instead of 9 (\"?\" and \"_\" too).")});
    parser.addOption(
        {kLocalization, Tr::tr("Append to localization.txt instead of badnames.txt.")});
    parser.addOption(
        {kDir, Tr::tr("Write into DIR instead of the current directory."), Tr::tr("DIR")});
    parser.addOption({kStdout, Tr::tr("Print the block on standard output instead of appending it "
                                      "to a file.")});
    parser.addOption({kSkipRefused, Tr::tr("Leave out the words that are refused, listing each "
                                           "as a warning, and build the rest.")});
    parser.addOption({kMask, Tr::tr("Replace with stars (\"***\") instead of the cipher's "
                                    "gibberish (\"t0w\"); always as long as the text.")});
    parser.addOption(
        {kReplace,
         Tr::tr("Take every filter entry that a Build wrote before out of the file (with the empty "
                "line of a block that goes whole) and append the new block, in one atomic step. "
                "A filter entry is one whose replacement is the cipher or the mask of its text "
                "and differs from it.")});
}

void reportWaiting(Console &console, const QString &path)
{
    console.reportError(Tr::tr("\"%1\" is locked by another program; waiting up to %n "
                               "seconds for it to let go.",
                               nullptr, int(kLockWait.count()))
                            .arg(shownPath(path)));
}

ExitStatus writeToStandardOutput(Console &console, const SortedTextList &variants,
                                 ReplacementStyle style)
{
    const Result<qsizetype> written = writeFilterBlock(console.output(), variants, style);
    if (!written) {
        console.reportError(
            Tr::tr("Writing to standard output failed: %1").arg(shownText(written.message())));
        return ExitStatus::Failure;
    }
    console.writeError(Tr::tr("Wrote %n entries to standard output.", nullptr, int(*written)) +
                       u'\n');
    return ExitStatus::Success;
}

ExitStatus writeToFile(Console &console, const QString &directory, bool localization,
                       const SortedTextList &variants, ReplacementStyle style)
{
    const QString path = filterTargetPath(directory, localization ? FilterTarget::Localization
                                                                  : FilterTarget::BadNames);
    // From here on SIGINT, SIGTERM and SIGHUP stop the writing between two writes, and the block
    // is taken back.
    const StopSignals stopSignals;
    AppendOptions options;
    options.lockWait = kLockWait;
    options.waitingForLock = [&] { reportWaiting(console, path); };
    options.stopRequested = &StopSignals::stopRequested;
    const Result<qsizetype> written = writeFilterFile(path, variants, std::move(options), style);
    if (!written) {
        if (written.kind() == ErrorKind::Stopped)
            console.reportError(
                Tr::tr("Stopped by %1. %2")
                    .arg(QLatin1String(StopSignals::signalName()), written.message()));
        else
            console.reportError(written.message());
        return exitStatusOf(written.error());
    }
    console.writeError(
        Tr::tr("Wrote %n entries to %1.", nullptr, int(*written)).arg(shownPath(path)) + u'\n');
    return ExitStatus::Success;
}

ExitStatus replaceInFile(Console &console, const QString &directory, bool localization,
                         const SortedTextList &variants, ReplacementStyle style)
{
    const QString path = filterTargetPath(directory, localization ? FilterTarget::Localization
                                                                  : FilterTarget::BadNames);
    QByteArray block;
    QBuffer buffer(&block);
    buffer.open(QIODevice::WriteOnly);
    const Result<qsizetype> entries = writeFilterBlock(buffer, variants, style);
    buffer.close();
    if (!entries) {
        console.reportError(entries.message() + u' ' + Tr::tr("Nothing was changed."));
        return exitStatusOf(entries.error());
    }
    // From here on SIGINT, SIGTERM and SIGHUP stop the replacement between two steps, and the
    // new file is taken back.
    const StopSignals stopSignals;
    // As a Build that appends, it waits a while for another writer of the file to end.
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    Result<FilterRemoval> replaced = replaceFilterInFile(path, block, &StopSignals::stopRequested);
    for (bool waiting = false; !replaced && replaced.kind() == ErrorKind::Busy &&
                               std::chrono::steady_clock::now() < deadline &&
                               !StopSignals::stopRequested();) {
        if (!waiting)
            reportWaiting(console, path);
        waiting = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        replaced = replaceFilterInFile(path, block, &StopSignals::stopRequested);
    }
    if (!replaced) {
        if (replaced.kind() == ErrorKind::Stopped)
            console.reportError(
                Tr::tr("Stopped by %1. %2")
                    .arg(QLatin1String(StopSignals::signalName()), replaced.message()));
        else
            console.reportError(replaced.message() + u' ' + Tr::tr("Nothing was changed."));
        return exitStatusOf(replaced.error());
    }
    console.writeError(
        Tr::tr("Wrote %n entries to %1", nullptr, int(*entries)).arg(shownPath(path)) +
        Tr::tr(", replacing %n earlier filter entries", nullptr, int(replaced->entries)) +
        Tr::tr(" and %n empty lines that opened their blocks.", nullptr,
               int(replaced->emptyLines)) +
        u'\n');
    return ExitStatus::Success;
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("build");
    if (!arguments.isEmpty())
        return usageError(console, name,
                          Tr::tr("Unexpected argument \"%1\".").arg(shownText(arguments.first())));
    const bool toStandardOutput = parser.isSet(kStdout);
    if (toStandardOutput &&
        (parser.isSet(kDir) || parser.isSet(kLocalization) || parser.isSet(kReplace)))
        return usageError(console, name,
                          Tr::tr("--stdout writes no file; --dir, --localization and --replace "
                                 "do not go with it."));
    if (const QString error = wordSourceUsageError(parser); !error.isEmpty())
        return usageError(console, name, error);
    const BuiltInChoiceRead builtIn = builtInChoiceOf(parser);
    if (!builtIn.error.isEmpty())
        return usageError(console, name, builtIn.error);

    // Every word is read and checked before anything is written.
    const WordListInput input = wordListOf(console, parser, builtIn.choice);
    if (const auto refused = reportWordInput(console, input, parser.isSet(kSkipRefused))) {
        console.reportError(Tr::tr("Nothing was written."));
        return *refused;
    }

    const SortedTextList source = sourceListFrom(input.words);
    if (source.count() == 0) {
        console.reportError(Tr::tr("There are no words to build: the word list is empty. Nothing "
                                   "was written."));
        return ExitStatus::Failure;
    }
    const bool maxUsage = parser.isSet(kMax);
    const SortedTextList variants = buildVariantList(source, maxUsage);
    const ReplacementStyle style =
        parser.isSet(kMask) ? ReplacementStyle::Mask : ReplacementStyle::Cipher;
    if (toStandardOutput)
        return writeToStandardOutput(console, variants, style);
    const QString directory = parser.isSet(kDir) ? parser.value(kDir) : currentDirectory();
    if (const Result<void> usable = checkUsableDirectory(directory); !usable) {
        console.reportError(usable.message() + u' ' + Tr::tr("Nothing was written."));
        return exitStatusOf(usable.error());
    }
    const QString target =
        filterTargetPath(directory, parser.isSet(kLocalization) ? FilterTarget::Localization
                                                                : FilterTarget::BadNames);
    if (const QString warning = utf8TargetWarning(target); !warning.isEmpty())
        console.reportError(Tr::tr("warning: %1").arg(warning));
    if (parser.isSet(kReplace))
        return replaceInFile(console, directory, parser.isSet(kLocalization), variants, style);
    return writeToFile(console, directory, parser.isSet(kLocalization), variants, style);
}

} // namespace

Command buildCommand()
{
    Command command;
    command.name = QStringLiteral("build");
    command.summary = Tr::tr("Append the filter entries to badnames.txt or "
                             "localization.txt.");
    command.description = Tr::tr(
        "Builds the filter as the window's Build button does, without its pause, and appends "
        "the same bytes: an empty line, then one entry line { \"variant\" \"replacement\" } per "
        "variant, in Windows-1252 with CR LF line ends. The file is created when absent.\n"
        "\n"
        "The words are the built-in list, lower-cased as at every start, unless --words "
        "names word files. --language and --category choose its entries: English and every "
        "category by default, as in the window; --words replaces all of them, so it does not go "
        "with either. The words of --add files are always added. A word file is UTF-8 text with "
        "one word per line (LF or CR LF); "
        "empty lines and lines of only spaces and tabs are skipped, other lines are taken as "
        "they stand, lower-cased. \"-\" reads standard input. A word holding a double quote, "
        "a control character or a character that Windows-1252 cannot hold, or longer than 32767 "
        "characters, is refused with FILE:LINE and the reason, and then nothing is written; so "
        "is a line longer than 1048576 bytes, which is skipped unread. A FIFO is read once a "
        "program writes to it; when none does within 3 seconds, it cannot be read.\n"
        "\n"
        "A profile (--profile FILE, UTF-8 like a word file) says how the list differs: a line "
        "WORD or +WORD adds WORD, a line -WORD takes out every entry equal to WORD after "
        "lower-casing, a line starting with # is a comment, empty lines are skipped. --except FILE "
        "takes out the words of a word file (an allow-list). The list is the built-in list (or "
        "the --words files), then the --add files, then the profiles' additions, and every "
        "taking-out comes last: a word taken out stays out, also when something added it.\n"
        "\n"
        "With --mask the replacements are stars (\"***\") instead of the cipher's gibberish "
        "(\"t0w\"); either way a replacement is exactly as long as its text, because a longer "
        "one can crash the server.\n"
        "\n"
        "With --replace, build takes the filter that earlier Builds wrote out of the file and "
        "appends the new block, in one atomic replacement under the Builds' lock, as tidy "
        "replaces a file (it does not wait for a Build that holds the lock). A filter entry is "
        "one whose replacement is the cipher or the mask of its text and differs from it; the "
        "empty line that opened a block goes when every entry of that block goes. Every other "
        "line stays byte for byte, so an administrator's own entries stay unless they are "
        "exactly such entries. A missing file is created with the new block.\n"
        "\n"
        "A summary goes to standard error. With --skip-refused the refused words are listed as "
        "warnings and the others are built.\n"
        "\n"
        "The file must be a regular file, or a symbolic link to one; a FIFO, a device or a "
        "directory is refused. While it writes, build holds a lock on the file, as the window's "
        "Build and tidy do, so that two Builds never mix their blocks. When another Build holds "
        "it, build says so and waits up to 30 seconds; if the file is still being written then, "
        "it says \"... is being written by another Build. It was still being written after 30 "
        "seconds. Nothing was written.\" and exits with status 1.\n"
        "\n"
        "When a write fails (a full disk), or SIGINT, SIGTERM or SIGHUP arrives, the block is "
        "taken back: the file is cut back to where the block began, and a file that build "
        "created is removed, but only while the file still ends with exactly what build wrote. "
        "When another program changed or replaced it meanwhile, it is left alone, and the "
        "message says what of the block is left in it and from which byte on. Every write "
        "holds whole lines.\n"
        "\n"
        "Exit status: 0 when the block was written; 1 when a word was refused (without "
        "--skip-refused), the file cannot be opened or locked, or a write fails; 2 when a "
        "word file cannot be read or the command line is wrong; 130, 143 or 129 when stopped "
        "by SIGINT, SIGTERM or SIGHUP.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
