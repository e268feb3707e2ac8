#pragma once

#include "common/result.h"
#include "wordlists/sortedtextlist.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

namespace vantro {

// One word of a word file as it enters the word list, with the line it stands on (1-based).
struct WordFileWord
{
    qsizetype line = 0;
    QString text;
};

// A line of a word file that holds no word the word list can take, and why (Refused).
struct WordFileProblem
{
    qsizetype line = 0;
    Error error;
};

struct WordFile
{
    QList<WordFileWord> words;
    QList<WordFileWord> removals;    // a profile's "-WORD" lines: the words it takes out
    QList<WordFileProblem> problems; // every refused line, in line order
};

// A plain word file holds one word a line. A profile says how a server's word list differs from
// the built-in list: "WORD" or "+WORD" adds WORD, "-WORD" takes it out, a line starting with "#"
// is a comment. "+" lets a word that starts with "-", "+" or "#" be added. The words of a file of
// words to take out are read as those of a plain one, but only what a filter entry can hold is
// checked: a word that the cipher leaves unchanged is refused as an addition, and may still be
// taken out (with the entries of its variants that the cipher changes).
enum class WordFileKind
{
    Words,
    Profile,
    TakeOut,
};

// The words of a word file: UTF-8 text (a leading byte-order mark is skipped), one word per line,
// LF or CR LF line ends. Lines that are empty or hold only spaces and tabs are skipped. Every
// other line is one word, taken as it stands (no trimming), lower-cased and checked as a word
// typed into the window is (see prepareWordToBuild()). A line longer than a word can be (see
// kMaxWordLength), or whose word is refused, becomes a problem instead of a word; a line far longer
// than that (see LineReader) is skipped unread, and the rest of the file is still read.
// A file that is not UTF-8 is refused whole (Refused), its first line that is not named, and so
// is one in UTF-16 (by its byte-order mark, or a NUL in every other byte of its first line), with
// the iconv line that converts it, which names the file by `name` (FILE when it is empty): nothing
// of a file in another encoding is taken.
Result<WordFile> readWordFile(QByteArrayView bytes, WordFileKind kind = WordFileKind::Words,
                              const QString &name = {});

// Reads a word file to its end from an open device, a line at a time; fails (Unreadable) with the
// system's reason, a whole sentence, when it cannot be read to its end. Every word file is read
// through here (and opened through openInputFile()).
Result<WordFile> readWordFile(QIODevice &device, WordFileKind kind = WordFileKind::Words,
                              const QString &name = {});

// The word list of a Build from its words (the built-in lists or the words of --words files, then
// those of --add files and the profile's additions), less every word that equals a taken-out word
// after lower-casing, in one sort.
SortedTextList composeWordList(QStringList words, const QStringList &removals);

} // namespace vantro
