#pragma once

#include "common/result.h"
#include "entryfiles/entryline.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace vantro {

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
        Overlong,      // a line too long to be held (see LineReader), skipped unread
        // Only tidying reports these two, for the lines it removes:
        Filter,       // a filter entry that a Build of this tool wrote (see tidyEntryFile())
        BlockOpening, // the empty line that opened a block of which every entry goes
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
    qsizetype malformed = 0; // overlong lines included
    qsizetype repeated = 0;
    qsizetype conflicting = 0;

    EntryCounts &operator+=(const EntryCounts &other);
};

using EntryFindingSink = std::function<void(const EntryFinding &)>;

// Looks at the lines of an entry file one by one, in order, and hands every finding to the sink
// as soon as it is found. Only entry lines (see parseEntryLine()) are looked at; other lines are
// localization content and left alone. Lengths are compared in characters. An entry is a repeat
// of the first earlier entry with its text and replacement; otherwise it conflicts with the first
// earlier entry of its text, if that has another replacement. A byte-order mark is reported, and
// the entry behind it is checked like any other. What it keeps to find repeats is the bytes of
// the distinct entries, compactly.
class EntryChecker
{
public:
    explicit EntryChecker(EntryFindingSink sink);
    ~EntryChecker();

    // The next line, with its line end; start is its first byte in the file. Gives the line read
    // as an entry line (Other for any other line), valid until the next line is checked: every
    // line is parsed here once, for whoever reads the file through the checker.
    const EntryLine &checkLine(QByteArrayView line, qsizetype start);
    // The next line was too long to be held and was skipped: reported as malformed.
    void skipOverlongLine(qsizetype start, qsizetype length, qsizetype maxLineBytes);

    const EntryCounts &counts() const;
    qsizetype lines() const;

private:
    class Tables;
    std::unique_ptr<Tables> m_tables;
};

// Reads an entry file from an open device a line at a time through the checker; afterLine, when
// given, then sees the line with its line end (empty for an overlong line), its number and the
// checker's reading of it as an entry line.
// Every entry file is read through here. Fails (Unreadable) with the system's reason, a whole
// sentence, when the file cannot be read to its end.
Result<void> readEntryFile(QIODevice &device, EntryChecker &checker,
                           const std::function<void(QByteArrayView line, qsizetype number,
                                                    const EntryLine &entry)> &afterLine = {});

} // namespace vantro
