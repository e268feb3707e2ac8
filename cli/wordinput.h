#pragma once

#include "cli/console.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

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
void addBuiltInChoiceOptions(QCommandLineParser &parser);
// Whether the command line gives --language or --category.
bool choosesBuiltIn(const QCommandLineParser &parser);
// The built-in entries that the command line's --language and --category choose.
BuiltInChoiceRead builtInChoiceOf(const QCommandLineParser &parser);

// The word list of a Build: the chosen built-in entries, lower-cased as every start makes them,
// or, when replacing files are given, the words of those files; then the words of the adding
// files.
WordListInput wordListFrom(Console &console, const BuiltInChoice &builtIn,
                           const QStringList &replacingFiles, const QStringList &addingFiles);

} // namespace vantro::cli
