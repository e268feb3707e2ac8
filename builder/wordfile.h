#pragma once

#include "fileio/result.h"

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

// A line of a word file that holds no word the word list can take, and why.
struct WordFileProblem
{
    qsizetype line = 0;
    QString message; // a whole sentence
};

struct WordFile
{
    QList<WordFileWord> words;
    QList<WordFileProblem> problems; // every refused line, in line order
};

// The words of a word file: UTF-8 text (a leading byte-order mark is skipped), one word per line,
// LF or CR LF line ends. Lines that are empty or hold only spaces and tabs are skipped. Every
// other line is one word, taken as it stands (no trimming), lower-cased and checked as a word
// typed into the window is. A line that is not valid UTF-8, longer than a word can be (see
// kMaxWordLength), or whose word is refused, becomes a problem instead of a word; a line far
// longer than that (see LineReader) is skipped unread, and the rest of the file is still read.
WordFile readWordFile(QByteArrayView bytes);

// Reads a word file to its end from an open device, a line at a time; fails (Unreadable) with the
// system's reason, a whole sentence, when it cannot be read to its end. Every word file is read
// through here (and opened through openInputFile()).
Result<WordFile> readWordFile(QIODevice &device);

} // namespace vantro
