#include "wordinput.h"

#include "inputfile.h"

#include "builtinwords.h"
#include "wordfile.h"

#include "clitext.h"

namespace vantro::cli {

namespace {

void addWordFile(Console &console, const QString &fileName, WordListInput &input)
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
        input.words.addItem(word.text);
}

} // namespace

WordListInput wordListFrom(Console &console, const QStringList &replacingFiles,
                           const QStringList &addingFiles)
{
    WordListInput input;
    if (replacingFiles.isEmpty())
        input.words = wordListFromSource(builtInSourceList());
    for (const QString &fileName : replacingFiles)
        addWordFile(console, fileName, input);
    for (const QString &fileName : addingFiles)
        addWordFile(console, fileName, input);
    return input;
}

} // namespace vantro::cli
