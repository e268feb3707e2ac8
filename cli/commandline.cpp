#include "cli/commandline.h"

#include "cli/command.h"
#include "cli/processconsole.h"
#include "cli/tr.h"
#include "wordlists/showntext.h"
#include "wordlists/translations.h"

#include <optional>

namespace vantro::cli {

namespace {

QList<Command> allCommands()
{
    return {buildCommand(), checkCommand(), tidyCommand(), listCommand(), expandCommand()};
}

const Command *findCommand(const QList<Command> &commands, const QString &name)
{
    for (const Command &command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString overview(const QList<Command> &commands)
{
    QString text =
        Tr::tr("Builds the word filter of the Vantro Bad Word Filter Tool without a window, "
               "and checks localization files for entries that can crash the server.") +
        QLatin1String("\n\n") + Tr::tr("Commands:") + QLatin1Char('\n');
    for (const Command &command : commands)
        text += QLatin1String("  ") + command.name.leftJustified(8) + command.summary + u'\n';
    text += u'\n' + Tr::tr("Run \"%1 COMMAND --help\" for the options of a command.")
                        .arg(QCoreApplication::applicationName());
    return text;
}

// The text broken into lines of at most the width at spaces, as the parser does with the option
// descriptions. Lines that start with a space are laid out already and kept as they are.
QString wrapped(const QString &text, qsizetype width = 79)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        if (paragraph.startsWith(u' ')) {
            lines.append(paragraph);
            continue;
        }
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines.append(line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

void writeVersion(Console &console)
{
    console.writeOut(QCoreApplication::applicationName() + u' ' +
                     QCoreApplication::applicationVersion() + u'\n');
}

} // namespace

ExitStatus usageError(Console &console, const QString &commandName, const QString &message)
{
    const QString program = QCoreApplication::applicationName();
    const QString help = commandName.isEmpty() ? program : program + u' ' + commandName;
    console.reportError(message);
    console.writeError(Tr::tr("Try \"%1 --help\" for more information.").arg(help) + u'\n');
    return ExitStatus::Usage;
}

namespace {

ExitStatus runCommand(Console &console, const QStringList &arguments)
{
    const QList<Command> commands = allCommands();

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    // Offered on every help screen beside --help; there are no further options to show.
    const QString helpAll = QStringLiteral("help-all");
    // -? as on Windows, where the parser offers it itself.
    QCommandLineOption questionMark(QStringLiteral("?"));
    questionMark.setFlags(QCommandLineOption::HiddenFromHelp);
#ifndef Q_OS_WIN
    parser.addOption(questionMark);
#endif
    const QCommandLineOption version = parser.addVersionOption();
    parser.setApplicationDescription(wrapped(overview(commands)));
    parser.addPositionalArgument(QStringLiteral("command"), Tr::tr("The command to run."),
                                 QStringLiteral("COMMAND [OPTIONS] [ARGUMENTS]"));

    // The first pass only finds the command: the options of the command are not known yet, so
    // errors are left for the second pass.
    // --version and --help answer at once, for the program or for the command.
    const auto answered = [&]() -> std::optional<ExitStatus> {
        if (parser.isSet(version))
            writeVersion(console);
        else if (parser.isSet(help) || parser.isSet(helpAll) || parser.isSet(questionMark))
            console.writeOut(parser.helpText());
        else
            return std::nullopt;
        return ExitStatus::Success;
    };

    const bool parsed = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (!parsed)
            return usageError(console, {}, parserError(parser));
        if (const auto status = answered())
            return *status;
        return usageError(console, {}, Tr::tr("No command given."));
    }

    const Command *command = findCommand(commands, positional.first());
    if (!command)
        return usageError(console, {},
                          Tr::tr("Unknown command \"%1\".").arg(shownText(positional.first())));

    parser.clearPositionalArguments();
    parser.setApplicationDescription(wrapped(command->description));
    parser.addPositionalArgument(command->name, command->summary);
    command->addArguments(parser);
    if (!parser.parse(arguments))
        return usageError(console, command->name, parserError(parser));
    if (const auto status = answered())
        return *status;
    QStringList commandArguments = parser.positionalArguments();
    commandArguments.removeFirst();
    return command->run(console, parser, commandArguments);
}

} // namespace

ExitStatus runCommandLine(Console &console, const QStringList &arguments)
{
    installTranslations();
    return console.finish(runCommand(console, arguments));
}

ExitStatus runCommandLine(const QStringList &arguments)
{
    ProcessConsole process;
    return runCommandLine(process.console(), arguments);
}

} // namespace vantro::cli
