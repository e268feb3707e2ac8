// build: the window's Build without its pause, on the built-in list or on word files.
#include "builder/buildoptions.h"
#include "builder/entrycounts.h"
#include "builder/variants.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "common/showntext.h"
#include "entryfiles/buildwriter.h"
#include "fileio/path.h"
#include "fileio/stopsignals.h"

#include <chrono>
#include <optional>

namespace vantro::cli {

namespace {

using namespace optionname;

const QString kMax = QStringLiteral("max");
const QString kLocalization = QStringLiteral("localization");
const QString kStdout = QStringLiteral("stdout");
const QString kSkipRefused = QStringLiteral("skip-refused");
const QString kDryRun = QStringLiteral("dry-run");

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
    options.add(buildOption(kDir));
    options.add({kStdout, Tr::tr("Print the block instead of appending it to a file.")});
    options.add(
        {kSkipRefused, Tr::tr("Build without the refused words, listing them as warnings.")});
    options.add(buildOption(kMask));
    options.add(buildOption(kSpellings));
    options.add(buildOption(kReplace));
    options.add(buildOption(kForceEncoding));
    options.add({kDryRun, Tr::tr("Write nothing; print what the Build would write. The entries "
                                 "in all and per language, and what --spellings adds.")});
}

void reportWaiting(Console &console, const QString &path)
{
    console.reportError(Tr::tr("\"%1\" is locked by another program; waiting up to %n "
                               "seconds for it to let go.",
                               nullptr, int(kLockWait.count()))
                            .arg(shownPath(path)));
}

// What a replacing Build takes out of its target.
QString replacingMessage(const BuildOutcome &outcome)
{
    return Tr::tr(", replacing %n earlier filter entries", nullptr, int(outcome.removedEntries)) +
           Tr::tr(" and %n empty lines that opened their blocks.", nullptr,
                  int(outcome.removedEmptyLines));
}

// A replacing Build that leaves its target as it is says so in a line that scripts can look for.
QString upToDateMessage(const BuildPlan &plan, const BuildOutcome &outcome)
{
    return Tr::tr("%1 is up to date: its filter is the one this Build writes (%n entries).",
                  nullptr, int(outcome.entries))
        .arg(shownPath(plan.targetPath()));
}

// What a written Build says on standard error.
QString writtenMessage(const BuildPlan &plan, const BuildOutcome &written)
{
    const int entries = int(written.entries);
    if (plan.toStandardOutput)
        return Tr::tr("Wrote %n entries to standard output.", nullptr, entries);
    const QString target = shownPath(plan.targetPath());
    if (!plan.replacesPreviousFilter)
        return Tr::tr("Wrote %n entries to %1.", nullptr, entries).arg(target);
    if (written.upToDate)
        return upToDateMessage(plan, written);
    return Tr::tr("Wrote %n entries to %1", nullptr, entries).arg(target) +
           replacingMessage(written);
}

// What the Build would write, on standard output, and, replacing, whether it would change the
// file; nothing is opened for writing or locked.
ExitStatus reportDryRun(Console &console, const BuildPlan &plan, const WordOrigins &origins)
{
    QString change;
    if (plan.replacesPreviousFilter) {
        const Result<BuildOutcome> tried = BuildWriter(plan, {}).tryReplacing(plan.variants());
        if (!tried)
            return reportFailure(console, tried.error());
        change = tried->upToDate ? upToDateMessage(plan, *tried)
                                 : Tr::tr("Would change %1").arg(shownPath(plan.targetPath())) +
                                       replacingMessage(*tried);
        change += u'\n';
    }
    // What --spellings adds is said whether it was given or not: the user can tell whether it is
    // worth it.
    const EntryCounts counts = countEntries(plan.words, plan.maxUsage, origins);
    const int total = int(counts.total + (plan.spellings ? counts.spellings : 0));
    QString out = (plan.toStandardOutput
                       ? Tr::tr("Would write %n entries to standard output.", nullptr, total)
                       : Tr::tr("Would write %n entries to %1.", nullptr, total)
                             .arg(shownPath(plan.targetPath()))) +
                  u'\n';
    const auto line = [&out](const QString &what, qsizetype entries) {
        out += QStringLiteral("  %1: %2\n").arg(what, QString::number(entries));
    };
    for (const auto &[language, entries] : counts.languages)
        line(wordLanguageCode(language), entries);
    if (counts.yourWords > 0 || counts.languages.isEmpty())
        line(Tr::tr("your words"), counts.yourWords);
    line(plan.spellings ? Tr::tr("spellings (--spellings)") : Tr::tr("--spellings would add"),
         counts.spellings);
    console.writeOut(out + change);
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
    const Result<WordSourceNames> sources = wordSourceNamesOf(parser, WordSourceRules::Strict);
    if (!sources)
        return usageError(console, name, sources.message());

    // Every word is read and checked before anything is written.
    const WordListInput input = wordListFrom(console, *sources);
    if (const auto refused = reportWordInput(console, input, parser.isSet(kSkipRefused))) {
        console.reportError(Tr::tr("Nothing was written."));
        return *refused;
    }

    BuildPlan plan;
    plan.words = input.words;
    plan.toStandardOutput = toStandardOutput;
    if (sourceListFrom(plan.words).count() == 0) {
        console.reportError(Tr::tr("There are no words to build: the word list is empty. Nothing "
                                   "was written."));
        return ExitStatus::Failure;
    }
    plan.maxUsage = parser.isSet(kMax);
    plan.spellings = parser.isSet(kSpellings);
    plan.style = parser.isSet(kMask) ? ReplacementStyle::Mask : ReplacementStyle::Cipher;
    plan.replacesPreviousFilter = parser.isSet(kReplace);
    plan.target = parser.isSet(kLocalization) ? FilterTarget::Localization : FilterTarget::BadNames;
    if (!toStandardOutput) {
        plan.directory = parser.isSet(kDir) ? parser.value(kDir) : currentDirectory();
        if (const Result<void> usable = checkUsableDirectory(plan.directory); !usable) {
            console.reportError(usable.message() + u' ' + Tr::tr("Nothing was written."));
            return exitStatusOf(usable.error());
        }
    }

    if (parser.isSet(kDryRun))
        return reportDryRun(console, plan, WordOrigins(*sources, input.composed));

    BuildPolicy policy;
    policy.standardOutput = &console.output();
    policy.forceEncoding = parser.isSet(kForceEncoding);
    policy.warn = [&console](const QString &warning) {
        console.reportError(Tr::tr("warning: %1").arg(warning));
    };
    // SIGINT, SIGTERM and SIGHUP stop the writing of a file between two steps, and what was begun
    // is taken back. As long as another Build writes the file, this one waits for it.
    std::optional<StopSignals> stopSignals;
    if (!toStandardOutput)
        stopSignals.emplace();
    policy.lockWait.longest = kLockWait;
    policy.lockWait.waiting = [&console, &plan] { reportWaiting(console, plan.targetPath()); };
    policy.lockWait.stopRequested = &StopSignals::stopRequested;
    const Result<BuildOutcome> written = BuildWriter(plan, policy).write(plan.variants());
    if (!written) {
        if (plan.toStandardOutput) {
            console.reportError(
                Tr::tr("Writing to standard output failed: %1").arg(shownText(written.message())));
            return ExitStatus::Failure;
        }
        return reportFailure(console, written.error());
    }
    console.writeError(writtenMessage(plan, *written) + u'\n');
    return ExitStatus::Success;
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
        "goes whole, and the new block comes in, in one atomic step. When that would leave the "
        "file as it is (the same Build run again), it is left untouched, its modification time "
        "too, and build says that it \"is up to date\".\n"
        "\n"
        "With --dry-run, nothing is written and no file is locked: build prints the number "
        "of entries it would write, then the entries of each language's words (a word that two "
        "languages share counts in both) and of \"your words\", those that are no chosen "
        "built-in entry; with --replace, then \"Would change FILE\" or \"FILE is up to "
        "date\".\n"
        "\n"
        "Exit status: 0 written or up to date; 1 a word refused, no words, or the file cannot be "
        "written; 2 a wrong command line or an unreadable word file; 129, 130, 143 stopped by a "
        "signal, the block taken back.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
