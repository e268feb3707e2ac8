// list: the built-in word list, or the entries of some of its languages and categories.
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "common/showntext.h"
#include "wordlists/builtinchoice.h"

namespace vantro::cli {

namespace {

const QString kLong = QStringLiteral("long");

void addArguments(CommandOptions &options)
{
    addWordSourceOptions(options);
    options.add({kLong, Tr::tr("Print each entry with its language and category, "
                               "tab-separated.")});
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("list");
    if (!arguments.isEmpty())
        return usageError(console, name,
                          Tr::tr("Unexpected argument \"%1\".").arg(shownText(arguments.first())));
    if (const QString error = wordSourceUsageError(parser); !error.isEmpty())
        return usageError(console, name, error);
    const bool wordFiles =
        parser.isSet(QStringLiteral("words")) || parser.isSet(QStringLiteral("add")) ||
        parser.isSet(QStringLiteral("profile")) || parser.isSet(QStringLiteral("except"));
    if (wordFiles && parser.isSet(kLong))
        return usageError(console, name,
                          Tr::tr("--long lists built-in entries; word files do not go with it."));
    const Result<BuiltInChoice> builtIn = builtInChoiceOf(parser);
    if (!builtIn)
        return usageError(console, name, builtIn.message());
    QStringList lines;
    if (parser.isSet(kLong)) {
        lines = builtInEntryLines(*builtIn);
    } else if (!wordFiles) {
        lines = wordListFromSource(builtInSourceList(*builtIn)).items();
    } else {
        const WordListInput input = wordListOf(console, parser, *builtIn);
        if (const auto refused = reportWordInput(console, input, false)) {
            console.reportError(Tr::tr("Nothing was printed."));
            return *refused;
        }
        lines = input.words.items();
    }
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + '\n';
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
               "uses it without --words: lower-cased, in list order, one word a line, in UTF-8. "
               "--language and --category choose its entries as they do for build and the window.\n"
               "\n"
               "With --words, --add, --profile or --except, it prints the word list that build "
               "would use with the same options (a refused word or unreadable file prints "
               "nothing and exits with status 1 or 2, as build does).\n"
               "\n"
               "With --long, each line holds an entry, its language and its category, separated by "
               "tabs; an entry that several languages or categories share has a line for each.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
