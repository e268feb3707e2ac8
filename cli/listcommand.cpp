// list: the built-in word list, or the entries of some of its languages and categories.
#include "builder/buildoptions.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "common/showntext.h"
#include "wordlists/builtinchoice.h"

namespace vantro::cli {

namespace {

const QString kLong = QStringLiteral("long");
const QString kCodes = QStringLiteral("codes");

void addArguments(CommandOptions &options)
{
    addWordSourceOptions(options);
    options.add({kLong, Tr::tr("Print each entry with its language, category, severity and "
                               "whether it is ambiguous, tab-separated.")});
    // For the bash completion, which offers the codes of --language, --category and --severity.
    QCommandLineOption codes(kCodes,
                             Tr::tr("Print the language, the category and the severity codes."));
    codes.setFlags(QCommandLineOption::HiddenFromHelp);
    options.add(codes);
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("list");
    if (!arguments.isEmpty())
        return usageError(console, name,
                          Tr::tr("Unexpected argument \"%1\".").arg(shownText(arguments.first())));
    if (parser.isSet(kCodes)) {
        const QString separator = QStringLiteral(" ");
        console.writeOut(QStringLiteral("languages %1\ncategories %2\nseverities %3\n")
                             .arg(wordLanguageCodes().join(separator),
                                  wordCategoryCodes().join(separator),
                                  wordSeverityCodes().join(separator)));
        return ExitStatus::Success;
    }
    const Result<WordSourceNames> sources = wordSourceNamesOf(parser, WordSourceRules::Strict);
    if (!sources)
        return usageError(console, name, sources.message());
    const bool wordFiles = !sources->wordFiles.isEmpty() || !sources->addFiles.isEmpty() ||
                           !sources->profileFiles.isEmpty() || !sources->exceptFiles.isEmpty();
    if (wordFiles && parser.isSet(kLong))
        return usageError(console, name,
                          Tr::tr("--long lists built-in entries; word files do not go with it."));
    QStringList lines;
    if (parser.isSet(kLong)) {
        lines = builtInEntryLines(sources->builtIn);
    } else if (!wordFiles) {
        lines = wordListFromSource(builtInSourceList(sources->builtIn)).items();
    } else {
        const WordListInput input = wordListFrom(console, *sources);
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
               "--language, --category, --severity and --no-ambiguous choose its entries as they "
               "do for build and the window.\n"
               "\n"
               "With --words, --add, --profile or --except, it prints the word list that build "
               "would use with the same options (a refused word or unreadable file prints "
               "nothing and exits with status 1 or 2, as build does).\n"
               "\n"
               "With --long, each line holds an entry, its language, its category, its severity "
               "(mild, strong or severe) and \"ambiguous\" when it has a common harmless meaning "
               "in one of the languages (\"-\" otherwise), separated by tabs; an entry that "
               "several languages or categories share has a line for each.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
