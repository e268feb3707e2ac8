#include "cli/wordinput.h"

#include "builder/wordfile.h"
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

void addWordFile(Console &console, const QString &fileName, WordFileRole role, WordListInput &input,
                 QList<WordSource> &sources)
{
    const QString shownName = inputDisplayName(fileName);
    NamedInput in(console, fileName);
    if (auto opened = in.open(); !opened) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, opened.message()));
        return;
    }
    Result<WordFile> read = readWordFile(in.device(), wordFileKindOf(role));
    if (!read) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, read.message()));
        return;
    }
    for (const WordFileProblem &problem : read->problems)
        input.refused.append({shownName, problem.line, problem.error.message});
    sources.append({role, std::move(*read)});
}

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

Result<BuiltInChoice> builtInChoiceOf(const QCommandLineParser &parser)
{
    return builtInChoiceFrom(parser.values(kLanguage), parser.values(kCategory));
}

WordListInput wordListFrom(Console &console, const BuiltInChoice &builtIn,
                           const QStringList &replacingFiles, const QStringList &addingFiles,
                           const QStringList &profileFiles, const QStringList &exceptFiles)
{
    WordListInput input;
    QList<WordSource> sources;
    const std::pair<const QStringList &, WordFileRole> roles[] = {
        {replacingFiles, WordFileRole::Replacing},
        {addingFiles, WordFileRole::Adding},
        {profileFiles, WordFileRole::Profile},
        {exceptFiles, WordFileRole::Except},
    };
    for (const auto &[files, role] : roles) {
        for (const QString &fileName : files)
            addWordFile(console, fileName, role, input, sources);
    }
    QStringList builtInWords;
    if (replacingFiles.isEmpty())
        builtInWords = wordListFromSource(builtInSourceList(builtIn)).items();
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    input.words = composeBuildWordList(std::move(builtInWords), sources);
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
    return wordListFrom(console, builtIn, parser.values(kWords), parser.values(kAdd),
                        parser.values(kProfile), parser.values(kExcept));
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
