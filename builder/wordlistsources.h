#pragma once

#include "builder/wordfile.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QStringList>

namespace vantro {

// What a word file given to a Build does with its words.
enum class WordFileRole
{
    Replacing, // --words: its words replace the built-in list
    Adding,    // --add: its words are added
    Profile,   // --profile: its "WORD"/"+WORD" lines add, its "-WORD" lines take out
    Except,    // --except: its words are taken out
};

// How a file of that role is read: a profile as WordFileKind::Profile, the others as plain word
// files.
WordFileKind wordFileKindOf(WordFileRole role);

// The word sources of a Build as a command line names them: the built-in entries chosen by
// --language and --category, and the files of --words, --add, --profile and --except, each list
// in the order given. Both programs read them from their command lines in one place (see
// builder/buildoptions.h).
struct WordSourceNames
{
    BuiltInChoice builtIn;
    QStringList wordFiles;    // --words: their words replace the built-in entries
    QStringList addFiles;     // --add
    QStringList profileFiles; // --profile
    QStringList exceptFiles;  // --except

    friend bool operator==(const WordSourceNames &, const WordSourceNames &) = default;
};

struct WordSource
{
    WordFileRole role = WordFileRole::Adding;
    WordFile file; // as readWordFile(device, wordFileKindOf(role)) read it; problems are ignored
};

// The word list of vantro-filter build from its word files, through composeWordList(), which the
// window's start calls with the same pieces in the same order:
// builtInWords (the chosen built-in entries, lower-cased) unless a
// Replacing source is given, in which case the words of the Replacing sources instead; then the
// words of the Adding sources and the additions of the Profile sources; then every taking-out
// last: every word equal, after lower-casing, to a profile's "-WORD" or a word of an Except
// source is gone (also when something added it). Sorted as SortedTextList sorts.
SortedTextList composeBuildWordList(QStringList builtInWords, const QList<WordSource> &sources);

} // namespace vantro
