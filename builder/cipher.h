#pragma once

#include <QString>

#include <optional>

namespace vantro {

// The replacement of a variant: every character swapped through the fixed substitution table
// (letters, "$", ".", "-" and "_"), every other character copied. Always the variant's length.
QString makeReplacement(const QString &word);

// The mask of a variant: every character that the cipher would change becomes "*", every other
// character (spaces, digits, "!", "?", letters beyond the table) is copied. Always the variant's
// length: "Gosh!" gives "****!", "your mom" gives "**** ***".
QString makeMask(const QString &word);

// What a filter entry replaces its text with: players see the cipher's gibberish or stars.
enum class ReplacementStyle
{
    Cipher,
    Mask,
};

QString makeReplacement(const QString &word, ReplacementStyle style);

// The style of an entry that a Build of this tool could have written: its replacement is the
// cipher's or the mask of its text, and differs from it; none for any other entry. An entry whose
// text has no character of the table maps it to itself and is nobody's filter.
std::optional<ReplacementStyle> filterStyleOf(QStringView text, QStringView replacement);

} // namespace vantro
