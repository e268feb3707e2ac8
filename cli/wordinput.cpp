#include "cli/wordinput.h"

#include "builder/wordfile.h"
#include "cli/namedinput.h"
#include "cli/tr.h"
#include "wordlists/builtinwords.h"

namespace vantro::cli {

namespace {

const QString kLanguage = QStringLiteral("language");
const QString kCategory = QStringLiteral("category");

void addWordFile(Console &console, const QString &fileName, WordListInput &input,
                 QStringList &words)
{
    const QString shownName = inputDisplayName(fileName);
    NamedInput in(console, fileName);
    if (auto opened = in.open(); !opened) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, opened.message()));
        return;
    }
    const Result<WordFile> read = readWordFile(in.device());
    if (!read) {
        input.unreadable.append(Tr::tr("%1: %2").arg(shownName, read.message()));
        return;
    }
    for (const WordFileProblem &problem : read->problems)
        input.refused.append({shownName, problem.line, problem.message});
    for (const WordFileWord &word : read->words)
        words.append(word.text);
}

} // namespace

void addBuiltInChoiceOptions(QCommandLineParser &parser)
{
    const QString separator = QStringLiteral(", ");
    parser.addOption(
        {kLanguage,
         Tr::tr("Take the built-in entries of the languages in LIST, comma-separated: %1. May be "
                "given more than once; without it, English (en).")
             .arg(wordLanguageCodes().join(separator)),
         Tr::tr("LIST")});
    parser.addOption(
        {kCategory,
         Tr::tr("Take only the built-in entries of the categories in LIST, comma-separated: %1. "
                "May be given more than once; without it, every category.")
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

WordListInput wordListFrom(Console &console, const BuiltInChoice &builtIn,
                           const QStringList &replacingFiles, const QStringList &addingFiles)
{
    WordListInput input;
    QStringList words;
    if (replacingFiles.isEmpty())
        words = wordListFromSource(builtInSourceList(builtIn)).items();
    for (const QString &fileName : replacingFiles)
        addWordFile(console, fileName, input, words);
    for (const QString &fileName : addingFiles)
        addWordFile(console, fileName, input, words);
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    input.words = SortedTextList::fromUnsorted(std::move(words));
    return input;
}

} // namespace vantro::cli
