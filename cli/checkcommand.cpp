// check: finds the entries of localization files that can crash the server.
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/findingtext.h"
#include "cli/namedinput.h"
#include "cli/tr.h"
#include "entryfiles/encodingcheck.h"
#include "entryfiles/entrycheck.h"
#include "fileio/linereader.h"

namespace vantro::cli {

namespace {

const QString kQuiet = QStringLiteral("quiet");
constexpr qsizetype kReportBatch = 32 * 1024;

void addArguments(CommandOptions &options)
{
    options.add(
        {kQuiet, Tr::tr("Print only the dangerous and malformed entries and the summary.")});
    options.setArguments(QStringLiteral("FILE..."));
}

QString summary(qsizetype files, const EntryCounts &counts, qsizetype unreadable)
{
    // Scripts read this line: it stays in English in every language.
    QString text = QStringLiteral("Summary: files %1, entries %2, dangerous %3, malformed %4, "
                                  "repeated %5, conflicting %6")
                       .arg(QString::number(files), QString::number(counts.entries),
                            QString::number(counts.dangerous), QString::number(counts.malformed),
                            QString::number(counts.repeated), QString::number(counts.conflicting));
    if (unreadable > 0)
        text += QStringLiteral(", unreadable %1").arg(QString::number(unreadable));
    return text + QLatin1String(".\n");
}

bool isShownWhenQuiet(EntryFinding::Kind kind)
{
    return kind == EntryFinding::Kind::Dangerous || kind == EntryFinding::Kind::Malformed ||
           kind == EntryFinding::Kind::Overlong;
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("check");
    if (arguments.isEmpty())
        return usageError(console, name, Tr::tr("No file to check given."));
    if (arguments.count(QStringLiteral("-")) > 1)
        return usageError(console, name, Tr::tr("Standard input (\"-\") can be read only once."));
    const bool quiet = parser.isSet(kQuiet);

    EntryCounts total;
    qsizetype unreadable = 0;
    for (const QString &fileName : arguments) {
        const QString shownName = inputDisplayName(fileName);
        NamedInput in(console, fileName);
        if (auto opened = in.open(); !opened) {
            console.reportError(Tr::tr("%1: %2").arg(shownName, opened.message()));
            ++unreadable;
            continue;
        }
        // Findings go out as they are found, a batch at a time: a file of millions of repeats
        // is never held as a report.
        QString report;
        EntryChecker checker([&](const EntryFinding &finding) {
            if (quiet && !isShownWhenQuiet(finding.kind))
                return;
            report += findingLine(shownName, finding);
            // An overlong line shows at once: it may be endless (a device, a stream).
            if (report.size() >= kReportBatch || finding.kind == EntryFinding::Kind::Overlong) {
                console.writeOut(report);
                report.clear();
            }
        });
        EncodingCheck encoding;
        const Result<void> read = readEntryFile(
            in.device(), checker, [&encoding](QByteArrayView line, qsizetype, const EntryLine &) {
                encoding.addLine(line);
            });
        if (read && !quiet && encoding.looksLikeUtf8())
            report += shownName + QLatin1String(": warning: ") +
                      Tr::tr("The file looks like UTF-8 (every non-ASCII character in it is "
                             "valid UTF-8), but the server reads it as Windows-1252: those "
                             "characters show garbled in the game, and entries that this tool "
                             "appends are in Windows-1252.") +
                      u'\n';
        // Named at the later of the two first lines, where the file became mixed.
        if (read && !quiet && encoding.mixesEncodings()) {
            const qsizetype utf8 = encoding.firstUtf8Line();
            const qsizetype windows = encoding.firstWindows1252Line();
            report += QStringLiteral("%1:%2: warning: ")
                          .arg(shownName, QString::number(std::max(utf8, windows))) +
                      (utf8 < windows
                           ? Tr::tr("The file mixes UTF-8 with Windows-1252 (the server reads it "
                                    "all as Windows-1252, so its UTF-8 shows garbled): this is "
                                    "its first line of Windows-1252, and its first line of UTF-8 "
                                    "is line %1.")
                           : Tr::tr("The file mixes UTF-8 with Windows-1252 (the server reads it "
                                    "all as Windows-1252, so its UTF-8 shows garbled): this is "
                                    "its first line of UTF-8, and its first line of Windows-1252 "
                                    "is line %1."))
                          .arg(QString::number(std::min(utf8, windows))) +
                      u'\n';
        }
        console.writeOut(report);
        if (!read) {
            console.reportError(Tr::tr("%1: %2").arg(shownName, read.message()));
            ++unreadable;
            continue;
        }
        total += checker.counts();
    }
    console.writeOut(summary(arguments.size() - unreadable, total, unreadable));

    if (unreadable > 0)
        return ExitStatus::Usage;
    if (total.dangerous > 0 || total.malformed > 0)
        return ExitStatus::Failure;
    return ExitStatus::Success;
}

} // namespace

Command checkCommand()
{
    Command command;
    command.name = QStringLiteral("check");
    command.summary = Tr::tr("Report the entries of localization files that can crash the server.");
    command.description =
        Tr::tr(
            "Reads localization files as the server does (Windows-1252) and looks at every entry "
            "line { \"text\" \"replacement\" }; other lines are left alone. Each finding goes "
            "to standard output as FILE:LINE: followed by its severity and message, then one "
            "summary line:\n"
            "  danger   a replacement longer than its text: it can crash the server\n"
            "  error    an entry line that does not parse, or a line of over %1 bytes\n"
            "  warning  a repeat or a conflict of an earlier entry, a byte-order mark, a\n"
            "           file that looks like UTF-8 or mixes UTF-8 with Windows-1252\n"
            "\n"
            "Exit status: 0 nothing dangerous or malformed (warnings do not count); 1 something "
            "is; 2 a file cannot be read (the others are still checked) or a wrong command line.")
            .arg(QString::number(LineReader::kMaxLineBytes));
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
