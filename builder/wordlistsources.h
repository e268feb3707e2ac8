#pragma once

#include "builder/wordfile.h"
#include "common/result.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace vantro {

// The word sources of a Build as a command line names them: the built-in entries chosen by
// --language, --category, --severity and --no-ambiguous, and the files of --words, --add, --profile
// and --except, each list in the order given. Both programs read them from their command lines in
// one place (see builder/buildoptions.h).
struct WordSourceNames
{
    BuiltInChoice builtIn;
    QStringList wordFiles;    // --words: their words replace the built-in entries
    QStringList addFiles;     // --add
    QStringList profileFiles; // --profile
    QStringList exceptFiles;  // --except

    friend bool operator==(const WordSourceNames &, const WordSourceNames &) = default;
};

// The refused lines of one word file, under the name it was given by.
struct WordFileRefusals
{
    QString name;
    QList<WordFileProblem> problems;
};

// Where a word file's words are in a composed list: the first and the number of them in its
// startWords (a profile's: in its additions).
struct WordFileWords
{
    QString name;
    bool profile = false;
    qsizetype first = 0;
    qsizetype count = 0;
};

// A profile's "-WORD" line or a word of an --except file that takes out nothing: no word of the
// list before the taking-out equals it after lower-casing (most likely a typo).
struct IdleTakeOut
{
    QString name; // the file
    qsizetype line = 0;
    QString word;
    bool profile = false;
};

// What the programs say of it, a whole sentence: "\"-hoee\" takes out nothing: no entry is
// \"hoee\"."
QString idleTakeOutMessage(const IdleTakeOut &takeOut);

// The word list of a Build, composed from its sources, with the pieces the window keeps to tell
// the user's edits from the start.
struct ComposedWordList
{
    SortedTextList words;   // the word list, in one sort
    QStringList startWords; // the built-in entries (or the --words files'), then the --add files'
    QStringList additions;  // the profiles' "WORD" and "+WORD" lines
    QStringList removals;   // the profiles' "-WORD" lines
    QStringList exceptions; // the --except files' words
    QList<WordFileRefusals> refused;             // the files with refused lines, in reading order
    QList<std::pair<QString, Error>> unreadable; // the files that could not be read, and why
    QList<WordFileWords> fileWords;  // the --words, --add and profile files, in reading order
    QList<IdleTakeOut> idleTakeOuts; // in reading order
};

// Opens the word file of that name, hands it to read and closes it again; fails (Unreadable)
// with why it cannot be opened. Each program opens names its own way ("-" is standard input for
// vantro-filter).
using WordFileOpener =
    std::function<Result<void>(const QString &name, const std::function<void(QIODevice &)> &read)>;

// Reads every word file of the sources, in the order --words, --add, --profile, --except, and
// composes the word list: the chosen built-in entries, lower-cased as every start makes them
// (unless --words files are given: then their words instead), then the words of the --add files
// and the profiles' additions; then every taking-out last: every word equal, after lower-casing,
// to a profile's "-WORD" or a word of an --except file is gone, also when something added it.
// A file that cannot be read adds nothing; its refused lines add nothing either. Every taking-out
// that takes out nothing is noted.
ComposedWordList composeWordSources(const WordSourceNames &names, const WordFileOpener &open);

} // namespace vantro
