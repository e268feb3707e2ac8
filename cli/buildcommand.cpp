// build: the window's Build without its pause, on the built-in list or on word files.
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "common/showntext.h"
#include "entryfiles/encodingcheck.h"
#include "entryfiles/filterreplace.h"
#include "fileio/path.h"
#include "fileio/stopsignals.h"

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

void addArguments(CommandOptions &options)
{
    addWordSourceOptions(options);
    options.add(
        {kMax,
         Tr::tr("Max usage: 18 variants of every word instead of 9. The \"?\" and \"_\" variants "
                "come in too.")});
    options.add({kLocalization, Tr::tr("Append to localization.txt instead of badnames.txt.")});
    options.add({kDir, Tr::tr("Write into DIR instead of the current directory."), Tr::tr("DIR")});
    options.add({kStdout, Tr::tr("Print the block instead of appending it to a file.")});
    options.add(
        {kSkipRefused, Tr::tr("Build without the refused words, listing them as warnings.")});
    options.add({kMask, Tr::tr("Replace with stars (\"***\"), not the cipher (\"t0w\"). Either way "
                               "a replacement is as long as its text.")});
    options.add(
        {kReplace,
         Tr::tr("Replace the filter that earlier Builds wrote. Its entries (those whose "
                "replacement is the cipher or the mask of their text) go out of the file, with the "
                "empty line of a block that goes whole, and the new block comes in, in one atomic "
                "step.")});
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

ExitStatus writeToFile(Console &console, const QString &path, const SortedTextList &variants,
                       ReplacementStyle style)
{
    // From here on SIGINT, SIGTERM and SIGHUP stop the writing between two writes, and the block
    // is taken back.
    const StopSignals stopSignals;
    AppendOptions options;
    options.lockWait = kLockWait;
    options.waitingForLock = [&] { reportWaiting(console, path); };
    options.stopRequested = &StopSignals::stopRequested;
    const Result<qsizetype> written = writeFilterFile(path, variants, std::move(options), style);
    if (!written)
        return reportFailure(console, written.error());
    console.writeError(
        Tr::tr("Wrote %n entries to %1.", nullptr, int(*written)).arg(shownPath(path)) + u'\n');
    return ExitStatus::Success;
}

ExitStatus replaceInFile(Console &console, const QString &path, const SortedTextList &variants,
                         ReplacementStyle style)
{
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
    if (!replaced)
        return reportFailure(console, replaced.error(), Tr::tr("Nothing was changed."));
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
    const Result<BuiltInChoice> builtIn = builtInChoiceOf(parser);
    if (!builtIn)
        return usageError(console, name, builtIn.message());

    // Every word is read and checked before anything is written.
    const WordListInput input = wordListOf(console, parser, *builtIn);
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
        return replaceInFile(console, target, variants, style);
    return writeToFile(console, target, variants, style);
}

} // namespace

Command buildCommand()
{
    Command command;
    command.name = QStringLiteral("build");
    command.summary = Tr::tr("Append the filter entries to badnames.txt or "
                             "localization.txt.");
    command.description = Tr::tr(
        "Builds the filter as the window's Build button does, without its pause: an empty "
        "line, then one entry line { \"variant\" \"replacement\" } per variant, appended to "
        "badnames.txt (the server does not read it) or, with --localization, to "
        "localization.txt.\n"
        "\n"
        "The words: the built-in list (or the --words files), then the --add files, then the "
        "profile's additions; every taking-out (a profile's -WORD lines, --except) comes last. "
        "Word files are UTF-8, one word per line, \"-\" for standard input. A refused word is "
        "named with FILE:LINE, and then nothing is written.\n"
        "\n"
        "A replacement always has its text's length: a longer one can crash the server. With "
        "--replace, the entries that earlier Builds wrote (those whose replacement is the cipher "
        "or the mask of their text) go out of the file, with the empty line of a block that "
        "goes whole, and the new block comes in, in one atomic step.\n"
        "\n"
        "Exit status: 0 written; 1 a word refused, no words, or the file cannot be written; 2 "
        "a wrong command line or an unreadable word file; 129, 130, 143 stopped by a signal, "
        "the block taken back.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
