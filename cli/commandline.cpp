#include "cli/commandline.h"

#include "cli/command.h"
#include "cli/processconsole.h"
#include "cli/tr.h"
#include "common/showntext.h"
#include "common/suggestion.h"
#include "common/translations.h"

#include <optional>

namespace vantro::cli {

namespace {

QList<Command> allCommands()
{
    return {buildCommand(), checkCommand(),  tidyCommand(),
            listCommand(),  expandCommand(), explainCommand()};
}

const Command *findCommand(const QList<Command> &commands, const QString &name)
{
    for (const Command &command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString programName()
{
    return QCoreApplication::applicationName();
}

// Where the details are: the manual page, and --help behind -h.
QString moreHelp(const QString &helpCommand, bool full)
{
    return full ? Tr::tr("The details: man %1").arg(programName())
                : Tr::tr("More: \"%1 --help\" and \"man %2\".").arg(helpCommand, programName());
}

// The help of the program itself: its usage, its commands and its own options.
QString programHelp(const QList<Command> &commands, const QList<QCommandLineOption> &options,
                    bool full)
{
    QString text = Tr::tr("Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]").arg(programName()) + u'\n' +
                   wrapped(Tr::tr("Builds the chat word filter of a game server without a "
                                  "window, and checks and tidies the server's localization "
                                  "files.")) +
                   QLatin1String("\n\n") + Tr::tr("Commands:") + u'\n';
    // A summary longer than its line, as a translation may be, goes on under itself.
    const QString indent(10, u' ');
    for (const Command &command : commands)
        text += QLatin1String("  ") + command.name.leftJustified(8) +
                wrapped(command.summary, 79 - indent.size()).replace(u'\n', u'\n' + indent) + u'\n';
    text +=
        u'\n' + Tr::tr("Options:") + u'\n' + optionTable(options, !full) + u'\n' +
        wrapped(Tr::tr("Run \"%1 COMMAND -h\" for the options of a command.").arg(programName())) +
        u'\n' + wrapped(moreHelp(programName(), true)) + u'\n';
    return text;
}

// The help of one command: -h gives its usage, its summary and a line per option; --help adds
// its description and the options' whole descriptions.
QString commandHelp(const Command &command, const CommandOptions &options,
                    const QList<QCommandLineOption> &common, bool full)
{
    const QString usage = QStringLiteral("%1 %2 [OPTIONS]").arg(programName(), command.name) +
                          (options.arguments().isEmpty() ? QString() : u' ' + options.arguments());
    QString text = Tr::tr("Usage: %1").arg(usage) + u'\n' + wrapped(command.summary) + u'\n';
    if (full && !command.description.isEmpty())
        text += u'\n' + wrapped(command.description) + u'\n';
    text += u'\n' + Tr::tr("Options:") + u'\n' + optionTable(options.options() + common, !full) +
            u'\n' + wrapped(moreHelp(programName() + u' ' + command.name, full)) + u'\n';
    return text;
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
    console.writeError(Tr::tr("Try \"%1 -h\" for more information.").arg(help) + u'\n');
    return ExitStatus::Usage;
}

namespace {

ExitStatus runCommand(Console &console, const QStringList &arguments)
{
    const QList<Command> commands = allCommands();

    // -h (and -?) give the short help, --help the whole; --help-all is taken as --help.
    const QCommandLineOption shortHelp({QStringLiteral("h"), QStringLiteral("?")},
                                       Tr::tr("Print a short help and exit."));
    const QCommandLineOption fullHelp(QStringLiteral("help"),
                                      Tr::tr("Print the whole help and exit."));
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Tr::tr("Print the program's name and version and exit."));
    const QList<QCommandLineOption> common = {shortHelp, fullHelp, helpAll};

    QCommandLineParser parser;
    parser.addOptions(common);
    parser.addOption(version);
    const auto helpAsked = [&]() -> std::optional<bool> { // true: the whole help
        if (parser.isSet(fullHelp) || parser.isSet(helpAll))
            return true;
        if (parser.isSet(shortHelp))
            return false;
        return std::nullopt;
    };

    // The first pass only finds the command: the options of the command are not known yet, so
    // errors are left for the second pass.
    const bool parsed = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (!parsed)
            return usageError(console, {},
                              commandLineError(parser, arguments, common + QList{version}));
        if (parser.isSet(version)) {
            writeVersion(console);
            return ExitStatus::Success;
        }
        if (const auto full = helpAsked()) {
            console.writeOut(programHelp(commands, common + QList{version}, *full));
            return ExitStatus::Success;
        }
        return usageError(console, {}, Tr::tr("No command given."));
    }

    const Command *command = findCommand(commands, positional.first());
    if (!command) {
        QStringList names;
        for (const Command &known : commands)
            names.append(known.name);
        const QString typed = shownText(positional.first());
        const QString meant = closestName(positional.first(), names);
        return usageError(
            console, {},
            meant.isEmpty()
                ? Tr::tr("Unknown command \"%1\".").arg(typed)
                : Tr::tr("Unknown command \"%1\"; did you mean \"%2\"?").arg(typed, meant));
    }

    CommandOptions options;
    command->addArguments(options);
    options.addTo(parser);
    if (!parser.parse(arguments))
        return usageError(
            console, command->name,
            commandLineError(parser, arguments, options.options() + common + QList{version}));
    if (parser.isSet(version)) {
        writeVersion(console);
        return ExitStatus::Success;
    }
    if (const auto full = helpAsked()) {
        console.writeOut(commandHelp(*command, options, common, *full));
        return ExitStatus::Success;
    }
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
