// check: finds the entries of localization files that can crash the server.
#include "command.h"
#include "console.h"
#include "localizationcheck.h"
#include "wordinput.h"

#include "windows1252.h"

#include "clitext.h"

namespace vantro::cli {

namespace {

void addArguments(QCommandLineParser &parser)
{
    parser.addPositionalArgument(
        QStringLiteral("FILE"), Cli::tr("Localization files to check; \"-\" reads standard input."),
        QStringLiteral("FILE..."));
}

QString summary(qsizetype files, const CheckCounts &counts, qsizetype unreadable)
{
    QString text = Cli::tr("Summary: files %1, entries %2, dangerous %3, malformed %4, repeated %5")
                       .arg(files)
                       .arg(counts.entries)
                       .arg(counts.longer)
                       .arg(counts.malformed)
                       .arg(counts.repeated);
    if (unreadable > 0)
        text += Cli::tr(", unreadable %1").arg(unreadable);
    return text + QLatin1String(".\n");
}

ExitStatus run(const QCommandLineParser &, const QStringList &arguments)
{
    const QString name = QStringLiteral("check");
    if (arguments.isEmpty())
        return usageError(name, Cli::tr("No file to check given."));
    if (arguments.count(QStringLiteral("-")) > 1)
        return usageError(name, Cli::tr("Standard input (\"-\") can be read only once."));

    CheckCounts total;
    qsizetype unreadable = 0;
    for (const QString &fileName : arguments) {
        const QString shownName = inputDisplayName(fileName);
        QByteArray bytes;
        QString error;
        if (!readInput(fileName, bytes, error)) {
            reportError(shownName + QLatin1String(": ") + error);
            ++unreadable;
            continue;
        }
        const LocalizationCheck check = checkLocalizationText(decodeWindows1252(bytes));
        QString report;
        for (const CheckFinding &finding : check.findings)
            report +=
                QStringLiteral("%1:%2: %3\n").arg(shownName).arg(finding.line).arg(finding.message);
        writeOut(report);
        total += check.counts;
    }
    writeOut(summary(arguments.size() - unreadable, total, unreadable));

    if (unreadable > 0)
        return ExitStatus::Usage;
    if (total.longer > 0 || total.malformed > 0)
        return ExitStatus::Failure;
    return ExitStatus::Success;
}

} // namespace

Command checkCommand()
{
    Command command;
    command.name = QStringLiteral("check");
    command.summary =
        Cli::tr("Report the entries of localization files that can crash the server.");
    command.description = Cli::tr(
        "Reads localization files as the game server does (Windows-1252, LF or CR LF line "
        "ends) and looks at every entry line: a line whose first character other than "
        "spaces and tabs is \"{\". An entry line is { \"text\" \"replacement\" }, with any "
        "spaces and tabs, or none, around its parts; nothing is escaped. All other lines are "
        "localization content and are left alone.\n"
        "\n"
        "Reported on standard output as FILE:LINE: message, then one summary line:\n"
        "  danger   the replacement is longer than its text (the server can crash)\n"
        "  error    an entry line that does not parse (unbalanced double quotes, a missing\n"
        "           part, anything but blanks after the closing brace)\n"
        "  warning  the same text and replacement as an earlier entry of the same file\n"
        "           (repeated builds append repeated blocks)\n"
        "\n"
        "Exit status: 0 when no entry is dangerous or malformed (repeats alone are only a "
        "warning), 1 when one is, 2 when a file cannot be read (the other files are still "
        "checked) or the command line is wrong.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
