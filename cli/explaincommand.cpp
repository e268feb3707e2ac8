// explain: which entry of the word list makes a text seen in chat, and how to take it out.
#include "builder/buildoptions.h"
#include "builder/explain.h"
#include "builder/wordorigins.h"
#include "cli/command.h"
#include "cli/commandoptions.h"
#include "cli/tr.h"
#include "cli/wordinput.h"
#include "common/showntext.h"

#include <QRegularExpression>

namespace vantro::cli {

namespace {

const QString kMax = QStringLiteral("max");

// The entries named for one text at most; a text of stars alone is the mask of many.
constexpr qsizetype kMostEntries = 20;

void addArguments(CommandOptions &options)
{
    addWordSourceOptions(options);
    options.add({kMax, Tr::tr("Max usage: the 18 variants of every word, as build --max writes "
                              "them.")});
    options.add(buildOption(optionname::kSpellings));
    options.setArguments(QStringLiteral("TEXT..."));
}

// One built-in entry as the explanation names it: its language, category, severity, and its
// mark when it has a harmless meaning too.
QString builtInEntryDescription(const BuiltInEntry &entry)
{
    QStringList parts{wordLanguageCode(entry.language), wordCategoryCode(entry.row->category),
                      wordSeverityCode(entry.row->severity)};
    if (entry.row->ambiguous)
        parts.append(Tr::tr("ambiguous"));
    return parts.join(QLatin1String(", "));
}

// Where a word of the list comes from: its built-in entries, then the word files that gave it.
QString originOf(const QString &word, const WordOrigins &origins)
{
    QStringList parts;
    for (const BuiltInEntry &entry : origins.builtInEntries(word))
        parts.append(builtInEntryDescription(entry));
    const QStringList files = origins.files(word);
    if (!files.isEmpty())
        parts.append(Tr::tr("your words: %1").arg(files.join(QLatin1String(", "))));
    return parts.join(QLatin1String("; "));
}

// The word as a shell argument.
QString shellWord(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._][A-Za-z0-9._-]*$"));
    if (plain.match(word).hasMatch())
        return word;
    return u'\'' + QString(word).replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

QString entryLines(const ExplainedEntry &entry, const WordOrigins &origins)
{
    QStringList variants;
    for (const QString &variant : entry.variants)
        variants.append(u'"' + shownText(variant) + u'"');
    const QString shown = variants.join(QLatin1String(", "));
    QString how;
    switch (entry.form) {
    case ShownForm::Typed:
        how = Tr::tr("as typed: %1").arg(shown);
        break;
    case ShownForm::Cipher:
        how = Tr::tr("the cipher of %1").arg(shown);
        break;
    case ShownForm::Mask:
        how = Tr::tr("the mask (--mask) of %1").arg(shown);
        break;
    }
    const QString word = shownText(entry.word);
    return QStringLiteral("  %1 (%2): %3\n").arg(word, originOf(entry.word, origins), how) +
           QLatin1String("    ") +
           Tr::tr("take it out: the line \"-%1\" in a profile, or vantro-filter tidy "
                  "--drop-word %2 localization.txt")
               .arg(word, shellWord(entry.word)) +
           u'\n';
}

ExitStatus run(Console &console, const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString name = QStringLiteral("explain");
    if (arguments.isEmpty())
        return usageError(console, name, Tr::tr("No text given."));
    const Result<WordSourceNames> sources = wordSourceNamesOf(parser, WordSourceRules::Strict);
    if (!sources)
        return usageError(console, name, sources.message());
    const WordListInput input = wordListFrom(console, *sources);
    if (const auto refused = reportWordInput(console, input, false))
        return *refused;

    const WordOrigins origins(*sources, input.composed);
    bool allFound = true;
    QString out;
    for (const Explanation &explanation :
         explainTexts(arguments, input.words, parser.isSet(kMax),
                      parser.isSet(optionname::kSpellings), kMostEntries)) {
        out += shownText(explanation.text) + u'\n';
        for (const ExplainedEntry &entry : explanation.entries)
            out += entryLines(entry, origins);
        if (explanation.moreEntries > 0)
            out += QLatin1String("  ") +
                   Tr::tr("and %n more entries", nullptr, int(explanation.moreEntries)) + u'\n';
        if (explanation.entries.isEmpty()) {
            out +=
                QLatin1String("  ") + Tr::tr("no entry of the word list makes this text") + u'\n';
            allFound = false;
        }
    }
    console.writeOut(out);
    return allFound ? ExitStatus::Success : ExitStatus::Failure;
}

} // namespace

Command explainCommand()
{
    Command command;
    command.name = QStringLiteral("explain");
    command.summary = Tr::tr("Tell which entry makes a text seen in chat.");
    command.description = Tr::tr(
        "For every TEXT, the text typed (\"HOE!\") or what the players see of it (the cipher's "
        "\"T5W!\", the mask's \"****\"), prints the words of the word list that make it: each "
        "word with its language, category, severity and \"ambiguous\" when it has a harmless "
        "meaning too (\"your words\" and the file for a word of "
        "--words, --add or a profile), its variants that show as the text, and the line that "
        "takes it out. The word options are build's: the same options explain the same "
        "Build. A text that many entries make names the first 20 and counts the rest.\n"
        "\n"
        "Exit status: 0 every text found; 1 a text that no entry makes, or a word refused; 2 a "
        "wrong command line or an unreadable word file.");
    command.addArguments = addArguments;
    command.run = run;
    return command;
}

} // namespace vantro::cli
