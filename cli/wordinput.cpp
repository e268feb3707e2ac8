#include "cli/wordinput.h"

#include "builder/wordlistsources.h"
#include "cli/namedinput.h"
#include "cli/tr.h"
#include "wordlists/builtinwords.h"

namespace vantro::cli {

namespace {

const QString kLanguage = QStringLiteral("language");
const QString kCategory = QStringLiteral("category");
const QString kWords = QStringLiteral("words");
const QString kAdd = QStringLiteral("add");
const QString kProfile = QStringLiteral("profile");
const QString kExcept = QStringLiteral("except");

} // namespace

void addBuiltInChoiceOptions(CommandOptions &options)
{
    const QString separator = QStringLiteral(", ");
    options.add({kLanguage,
                 Tr::tr("Languages of the built-in entries, comma-separated. The codes: %1. May be "
                        "given more than once; without it, English (en).")
                     .arg(wordLanguageCodes().join(separator)),
                 Tr::tr("LIST")});
    options.add(
        {kCategory,
         Tr::tr("Categories of the built-in entries, comma-separated. The codes: %1. May be "
                "given more than once; without it, every category.")
             .arg(wordCategoryCodes().join(separator)),
         Tr::tr("LIST")});
}

bool choosesBuiltIn(const QCommandLineParser &parser)
{
    return parser.isSet(kLanguage) || parser.isSet(kCategory);
}

BuiltInChoiceRead builtInChoiceOf(const QCommandLineParser &parser)
{
    return builtInChoiceFrom(parser.values(kLanguage), parser.values(kCategory));
}

WordListInput wordListFrom(Console &console, const WordSourceNames &names)
{
    const ComposedWordList composed = composeWordSources(
        names, [&console](const QString &name, const auto &read) -> Result<void> {
            NamedInput in(console, name);
            if (Result<void> opened = in.open(); !opened)
                return opened;
            read(in.device());
            return {};
        });
    WordListInput input;
    input.words = composed.words;
    for (const WordFileRefusals &file : composed.refused) {
        for (const WordFileProblem &problem : file.problems)
            input.refused.append({inputDisplayName(file.name), problem.line, problem.message});
    }
    for (const auto &[name, error] : composed.unreadable)
        input.unreadable.append(Tr::tr("%1: %2").arg(inputDisplayName(name), error.message));
    return input;
}

void addWordSourceOptions(CommandOptions &options)
{
    options.add({kWords,
                 Tr::tr("Take the words from FILE instead of the built-in lists. May be given more "
                        "than once."),
                 Tr::tr("FILE")});
    options.add({kAdd, Tr::tr("Add the words of FILE to the list. May be given more than once."),
                 Tr::tr("FILE")});
    options.add(
        {kProfile,
         Tr::tr("Apply the profile FILE: +WORD adds, -WORD takes out. Its lines WORD and +WORD "
                "add WORD, -WORD takes WORD out, lines starting with # are comments. May be given "
                "more than once."),
         Tr::tr("FILE")});
    options.add({kExcept,
                 Tr::tr("Take the words of FILE out of the list (an allow-list). They go as the "
                        "-WORD lines of a profile do. May be given more than once."),
                 Tr::tr("FILE")});
    addBuiltInChoiceOptions(options);
}

QString wordSourceUsageError(const QCommandLineParser &parser)
{
    const QStringList files = parser.values(kWords) + parser.values(kAdd) +
                              parser.values(kProfile) + parser.values(kExcept);
    if (files.count(QStringLiteral("-")) > 1)
        return Tr::tr("Standard input (\"-\") can be read only once.");
    // They choose built-in entries, of which --words takes none.
    if (parser.isSet(kWords) && choosesBuiltIn(parser))
        return Tr::tr("--words replaces the built-in list; --language and --category "
                      "do not go with it.");
    return {};
}

WordListInput wordListOf(Console &console, const QCommandLineParser &parser,
                         const BuiltInChoice &builtIn)
{
    return wordListFrom(console, {builtIn, parser.values(kWords), parser.values(kAdd),
                                  parser.values(kProfile), parser.values(kExcept)});
}

std::optional<ExitStatus> reportWordInput(Console &console, const WordListInput &input,
                                          bool skipRefused)
{
    for (const WordRefusal &refusal : input.refused) {
        const QString line = QString::number(refusal.line);
        console.reportError(skipRefused
                                ? Tr::tr("%1:%2: warning: %3 The word is left out.")
                                      .arg(refusal.file, line, refusal.reason)
                                : Tr::tr("%1:%2: %3").arg(refusal.file, line, refusal.reason));
    }
    for (const QString &error : input.unreadable)
        console.reportError(error);
    if (input.unreadable.isEmpty() && (input.refused.isEmpty() || skipRefused))
        return std::nullopt;
    return input.unreadable.isEmpty() ? ExitStatus::Failure : ExitStatus::Usage;
}

} // namespace vantro::cli
