// list: the built-in word list.
#include "cli/command.h"
#include "cli/tr.h"
#include "wordlists/builtinwords.h"
#include "wordlists/showntext.h"

namespace vantro::cli {

namespace {

void addArguments(QCommandLineParser &) {}

ExitStatus run(Console &console, const QCommandLineParser &, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(console, QStringLiteral("list"),
                          Tr::tr("Unexpected argument \"%1\".").arg(shownText(arguments.first())));
    const SortedTextList words = wordListFromSource(builtInSourceList());
    QByteArray out;
    for (const QString &word : words.items())
        out += word.toUtf8() + '\n';
    console.writeOut(out);
    return ExitStatus::Success;
}

} // namespace

Command listCommand()
{
    Command command;
    command.name = QStringLiteral("list");
    command.summary = Tr::tr("Print the built-in word list.");
    command.description =
        Tr::tr("Prints the built-in word list as every start of the window fills it and as build "
               "uses it without --words: lower-cased, in list order, one word a line, in UTF-8.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
