// tidy: removes from a localization file the entries that repeated Builds have repeated.
#include "builder/wordfile.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/findingtext.h"
#include "cli/namedinput.h"
#include "cli/tr.h"
#include "common/showntext.h"
#include "entryfiles/entryrewrite.h"
#include "fileio/stopsignals.h"
#include "wordlists/casefold.h"

#include <algorithm>

namespace vantro::cli {

namespace {

const QString kDropDangerous = QStringLiteral("drop-dangerous");
const QString kDryRun = QStringLiteral("dry-run");
const QString kDropWord = QStringLiteral("drop-word");
const QString kDropWords = QStringLiteral("drop-words");
const QString kDropFilter = QStringLiteral("drop-filter");
constexpr qsizetype kReportBatch = 32 * 1024;

void addArguments(CommandOptions &options)
{
    options.add(
        {kDropDangerous, Tr::tr("Also remove entries longer than their text. Their replacement is "
                                "longer than their text, which can crash the server.")});
    options.add({kDropWord,
                 Tr::tr("Also remove the filter entries of WORD. They are those of its 18 "
                        "variants and its spellings (--spellings), whichever Build wrote them, "
                        "with the empty line of a block that goes whole. May be given more than "
                        "once."),
                 Tr::tr("WORD")});
    options.add({kDropWords,
                 Tr::tr("Also remove the filter entries of the words of FILE. Each word goes as "
                        "with --drop-word. May be given more than once."),
                 Tr::tr("FILE")});
    options.add(
        {kDropFilter, Tr::tr("Also remove every filter entry. The empty line of a block that goes "
                             "whole goes too: the file without this tool's filter.")});
    options.add({kDryRun, Tr::tr("Print what would be removed and change nothing. Each removal as "
                                 "FILE:LINE: message.")});
    options.setArguments(QStringLiteral("FILE"));
}

QString summary(const EntryTidy &tidy, bool dropsFilter, bool dryRun)
{
    QString counts =
        Tr::tr("Summary: repeats removed %1, dangerous removed %2")
            .arg(QString::number(tidy.removedRepeats), QString::number(tidy.removedDangerous));
    if (dropsFilter)
        counts +=
            Tr::tr(", filter entries removed %1, empty lines removed %2")
                .arg(QString::number(tidy.removedFilter), QString::number(tidy.removedEmptyLines));
    counts += Tr::tr(", lines kept %1").arg(QString::number(tidy.linesKept));
    if (dryRun)
        return counts + Tr::tr(" (dry run: nothing was changed).") + u'\n';
    return counts +
           (tidy.removedLines() == 0 ? Tr::tr(" (nothing to change).") : QStringLiteral(".")) +
           u'\n';
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("tidy");
    if (arguments.size() != 1)
        return usageError(console, name,
                          arguments.isEmpty() ? Tr::tr("No file to tidy given.")
                                              : Tr::tr("Only one file can be tidied at a time."));
    const QString &fileName = arguments.first();
    if (fileName == QLatin1String("-"))
        return usageError(console, name,
                          Tr::tr("tidy rewrites a file in place; standard input cannot be "
                                 "tidied."));

    const QStringList wordFiles = parser.values(kDropWords);
    if (wordFiles.count(QStringLiteral("-")) > 1)
        return usageError(console, name, Tr::tr("Standard input (\"-\") can be read only once."));

    // The words to drop are read and checked before the file is opened.
    EntryTidyOptions options;
    options.dropDangerous = parser.isSet(kDropDangerous);
    options.dropFilter = parser.isSet(kDropFilter);
    QStringList dropWords = parser.values(kDropWord);
    // Where each word of --drop-words came from, to name it when it removes nothing.
    QList<std::pair<QString, qsizetype>> dropWordLines(dropWords.size());
    bool refused = false;
    for (const QString &word : parser.values(kDropWord)) {
        const WordFile checked =
            readWordFile(word.toUtf8(), WordFileKind::TakeOut).value(); // UTF-8 by construction
        if (word.isEmpty() || !checked.problems.isEmpty() || checked.words.size() != 1) {
            console.reportError(
                Tr::tr("--drop-word \"%1\": %2")
                    .arg(shownText(word), checked.problems.isEmpty()
                                              ? Tr::tr("A word is one line of text.")
                                              : checked.problems.first().error.message));
            refused = true;
        }
    }
    for (const QString &wordFile : wordFiles) {
        const QString shownWordFile = inputDisplayName(wordFile);
        NamedInput words(console, wordFile);
        if (auto opened = words.open(); !opened) {
            console.reportError(Tr::tr("%1: %2").arg(shownWordFile, opened.message()));
            return ExitStatus::Usage;
        }
        const Result<WordFile> read = readWordFile(words.device(), WordFileKind::TakeOut, wordFile);
        if (!read) {
            console.reportError(Tr::tr("%1: %2").arg(shownWordFile, read.message()));
            if (read.kind() != ErrorKind::Refused) // else in another encoding, refused whole
                return ExitStatus::Usage;
            refused = true;
            continue;
        }
        for (const WordFileProblem &problem : read->problems) {
            console.reportError(
                Tr::tr("%1:%2: %3")
                    .arg(shownWordFile, QString::number(problem.line), problem.error.message));
            refused = true;
        }
        for (const WordFileWord &word : read->words) {
            dropWords.append(word.text);
            dropWordLines.append({shownWordFile, word.line});
        }
    }
    if (refused) {
        console.reportError(Tr::tr("Nothing was changed."));
        return ExitStatus::Failure;
    }
    options.dropFilterTexts = filterTextsOfWords(dropWords);

    const QString shownName = inputDisplayName(fileName);
    EntryRewriteOptions rewrite;
    rewrite.tidy = options;
    rewrite.dryRun = parser.isSet(kDryRun);
    // A dry run lists what goes as it is found, a batch at a time.
    QString report;
    if (rewrite.dryRun)
        rewrite.removedSink = [&](const EntryFinding &finding) {
            report += findingLine(shownName, finding, Tr::tr("would remove: "));
            if (report.size() >= kReportBatch) {
                console.writeOut(report);
                report.clear();
            }
        };
    rewrite.wouldStop = [&](const Error &error) {
        console.reportError(
            Tr::tr("warning: %1 Without --dry-run, tidy would change nothing.").arg(error.message));
    };
    // tidy does not wait for a Build that holds the file's lock. SIGINT, SIGTERM and SIGHUP stop
    // the replacement between two steps, and the new file is taken back.
    StopSignals stopSignals;
    rewrite.lockWait.stopRequested = &StopSignals::stopRequested;
    const Result<EntryTidy> tidied = rewriteEntryFile(fileName, rewrite);
    console.writeOut(report);
    if (!tidied)
        return reportFailure(console, tidied.error());
    const EntryTidy &tidy = *tidied;
    // A word to drop without a filter entry in the file is most likely a typo.
    for (qsizetype i = 0; i < dropWords.size(); ++i) {
        const QSet<QString> texts = filterTextsOfWords({dropWords[i]});
        if (std::ranges::any_of(
                texts, [&](const QString &t) { return tidy.namedFilterTexts.contains(t); }))
            continue;
        const QString word = shownText(lowerCaseForm(dropWords[i]));
        const QString nothing = Tr::tr("\"%1\" removes nothing: no filter entry of \"%1\" is in "
                                       "\"%2\".")
                                    .arg(word, shownName);
        const auto &[file, line] = dropWordLines[i];
        console.reportError(
            file.isEmpty()
                ? Tr::tr("warning: --drop-word %1").arg(nothing)
                : Tr::tr("%1:%2: warning: %3").arg(file, QString::number(line), nothing));
    }
    const bool dryRun = rewrite.dryRun;
    // Once the new file has taken the old one's place, a stop cannot leave it as it was: tidy
    // finishes and says so, and no later signal ends it with a stop's status.
    const bool replaced = !dryRun && tidy.removedLines() > 0;
    if (replaced)
        stopSignals.keepToTheEnd();
    console.writeOut(summary(tidy, options.dropsFilterEntries(), dryRun));
    if (replaced && StopSignals::stopRequested())
        console.reportError(
            Tr::tr("%1 came too late to leave \"%2\" as it was: it was replaced, and "
                   "tidy finished.")
                .arg(QLatin1String(StopSignals::signalName()), shownName));
    return ExitStatus::Success;
}

} // namespace

Command tidyCommand()
{
    Command command;
    command.name = QStringLiteral("tidy");
    command.summary = Tr::tr("Remove the repeated entries that repeated builds leave in a file.");
    command.description = Tr::tr(
        "Rewrites FILE without the entries that repeat an earlier entry exactly, as repeated "
        "Builds leave them, and without what the options add; every other line stays byte for "
        "byte. The file is replaced whole or not at all, keeps its permissions, owner, ACLs and "
        "extended attributes, and a symbolic link leads to the file replaced. A file with "
        "other names (hard links) or one the user may not write is refused when it needs a change "
        "(with --dry-run: a warning), and so is one a Build is writing to.\n"
        "\n"
        "Exit status: 0 done (also when nothing needed removing); 1 refused or cannot be "
        "replaced; 2 unreadable, a line too long to keep, or a wrong command line; 129, 130, "
        "143 stopped by a signal, the file as it was (a signal that comes once the file is "
        "replaced does not undo it: tidy says so and ends with 0).");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
