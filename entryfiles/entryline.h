#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vantro {

// A line of a localization file, read as a filter entry line { "text" "replacement" }.
struct EntryLine
{
    enum class Kind
    {
        Other,     // not an entry line: localization content, left alone
        Entry,     // a well-formed entry
        Malformed, // starts like an entry but does not parse
    };

    Kind kind = Kind::Other;
    // Entry only: the text the server replaces and its replacement, as views into the parsed
    // line, which must outlive them.
    QStringView text;
    QStringView replacement;
    QString problem; // Malformed only: a whole sentence
};

// A line whose first character other than spaces and tabs is "{" is an entry line; every other
// line is Other. An entry line holds, in this order, "{", a text in double quotes, a replacement
// in double quotes and "}", with any number of spaces and tabs (or none) between and around
// them, and nothing else. Nothing is escaped: a quoted text ends at the next double quote. The
// line is given without its line end.
EntryLine parseEntryLine(QStringView line);

// Whether the bytes of a line (without its line end) can be an entry line: its first character
// other than spaces and tabs is "{". The other lines need not be decoded.
bool mayBeEntryLine(QByteArrayView line);

} // namespace vantro
