#include "wordinput.h"

#include "inputfile.h"

#include "builtinwords.h"
#include "wordfile.h"

#include "clitext.h"

namespace vantro::cli {

namespace {

void addWordFile(Console &console, const QString &fileName, WordListInput &input,
                 QStringList &words)
{
    const QString shownName = inputDisplayName(fileName);
    InputFile in(console, fileName);
    QString error;
    if (!in.open(error)) {
        input.unreadable.append(Cli::tr("%1: %2").arg(shownName, error));
        return;
    }
    const WordFileRead read = readWordFile(in.device());
    if (!read.file) {
        input.unreadable.append(Cli::tr("%1: %2").arg(shownName, read.error));
        return;
    }
    for (const WordFileProblem &problem : read.file->problems)
        input.refused.append({shownName, problem.line, problem.message});
    for (const WordFileWord &word : read.file->words)
        words.append(word.text);
}

} // namespace

WordListInput wordListFrom(Console &console, const QStringList &replacingFiles,
                           const QStringList &addingFiles)
{
    WordListInput input;
    QStringList words;
    if (replacingFiles.isEmpty())
        words = wordListFromSource(builtInSourceList()).items();
    for (const QString &fileName : replacingFiles)
        addWordFile(console, fileName, input, words);
    for (const QString &fileName : addingFiles)
        addWordFile(console, fileName, input, words);
    // One sort for all of them: inserting word by word takes time quadratic in the words.
    input.words = SortedTextList::fromUnsorted(std::move(words));
    return input;
}

} // namespace vantro::cli
