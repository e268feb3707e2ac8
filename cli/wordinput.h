#pragma once

#include "builder/wordlistsources.h"
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
    QStringList unreadable;    // "FILE: reason", one per word file that cannot be read
    QStringList refusedFiles;  // "FILE: reason", one per word file in another encoding than UTF-8
    ComposedWordList composed; // where the words came from
};

// The word list of a Build from its sources (see composeWordSources()), the files named as
// vantro-filter names them ("-" is standard input).
WordListInput wordListFrom(Console &console, const WordSourceNames &names);

// Adds --words, --add, --profile, --except, --language and --category (see
// builder/buildoptions.h).
void addWordSourceOptions(CommandOptions &options);

// Reports the refused words (as warnings when skipRefused), unreadable files and, as warnings, the
// takings-out that take out nothing; the exit status
// to end with when nothing may be written, or nothing when the list can be used.
std::optional<ExitStatus> reportWordInput(Console &console, const WordListInput &input,
                                          bool skipRefused);

} // namespace vantro::cli
