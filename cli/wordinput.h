#pragma once

#include "cli/console.h"
#include "cli/exitstatus.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include "cli/commandoptions.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantro::cli {

// A line of a word file whose word was refused.
struct WordRefusal
{
    QString file; // as messages name it
    qsizetype line = 0;
    QString reason; // a whole sentence
};

struct WordListInput
{
    SortedTextList words;
    QList<WordRefusal> refused;
    QStringList unreadable; // "FILE: reason", one per word file that cannot be read
};

// Adds --language and --category, which choose the built-in entries, to a command's options.
void addBuiltInChoiceOptions(CommandOptions &options);
// Whether the command line gives --language or --category.
bool choosesBuiltIn(const QCommandLineParser &parser);
// The built-in entries that the command line's --language and --category choose.
Result<BuiltInChoice> builtInChoiceOf(const QCommandLineParser &parser);

// The word list of a Build: the chosen built-in entries, lower-cased as every start makes them,
// or, when replacing files are given, the words of those files; then the words of the adding
// files and the profiles' additions; less the profiles' taken-out words and the words of the
// except files (see composeBuildWordList()).
WordListInput wordListFrom(Console &console, const BuiltInChoice &builtIn,
                           const QStringList &replacingFiles, const QStringList &addingFiles,
                           const QStringList &profileFiles = {},
                           const QStringList &exceptFiles = {});

// Adds --words, --add, --profile and --except, with the built-in choice's options.
void addWordSourceOptions(CommandOptions &options);

// Why the word source options of the command line do not go together, or empty.
QString wordSourceUsageError(const QCommandLineParser &parser);

// The word list that the command line's word source options give.
WordListInput wordListOf(Console &console, const QCommandLineParser &parser,
                         const BuiltInChoice &builtIn);

// Reports the refused words (as warnings when skipRefused) and unreadable files; the exit status
// to end with when nothing may be written, or nothing when the list can be used.
std::optional<ExitStatus> reportWordInput(Console &console, const WordListInput &input,
                                          bool skipRefused);

} // namespace vantro::cli
