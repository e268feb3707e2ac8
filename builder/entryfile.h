#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <optional>

namespace vantro {

// A localization or badnames file as the game server reads it: Windows-1252 bytes, LF or CR LF
// line ends.
struct EntryFile
{
    QByteArray bytes;
    QString text; // one character per byte, so a position in the text is the same in the bytes
};

struct EntryFileRead
{
    std::optional<EntryFile> file;
    QString error; // when there is no file: the system's reason, a whole sentence
};

// Reads an entry file to its end from an open device. Every entry file is read through here.
EntryFileRead readEntryFile(QIODevice &device);

// What a look at every line of an entry file finds.
struct EntryFinding
{
    enum class Kind
    {
        ByteOrderMark, // the file starts with a UTF-8 byte-order mark, which the code page lacks
        Dangerous,     // the replacement is longer than its text: the entry can crash the server
        Malformed,     // a line starting with "{" that is no entry
        Repeated,      // the same text and replacement as an earlier entry
        Conflicting,   // the same text as an earlier entry, with another replacement
    };

    Kind kind = Kind::Malformed;
    qsizetype line = 0;        // 1-based
    qsizetype earlierLine = 0; // Repeated and Conflicting: the earlier entry's line
    qsizetype start = 0;       // the line's first byte
    qsizetype length = 0;      // the line's bytes, its line end included
    QString message;           // a whole sentence, without file name, line and severity
};

struct EntryCounts
{
    qsizetype entries = 0;
    qsizetype dangerous = 0;
    qsizetype malformed = 0;
    qsizetype repeated = 0;
    qsizetype conflicting = 0;

    EntryCounts &operator+=(const EntryCounts &other);
};

struct EntryFileCheck
{
    EntryCounts counts;
    QList<EntryFinding> findings; // in line order; several for one line in the order of Kind
    qsizetype lines = 0;
};

// Looks at every entry line of the file (see parseEntryLine()); other lines are localization
// content and left alone. Lengths are compared in characters. An entry is a repeat of the first
// earlier entry with its text and replacement; otherwise it conflicts with the first earlier
// entry of its text, if that has another replacement. A byte-order mark is reported, and the
// entry behind it is checked like any other.
EntryFileCheck checkEntryFile(const EntryFile &file);

} // namespace vantro
