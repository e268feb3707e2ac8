#pragma once

#include <QString>

#include <optional>

namespace vantro {

// The replacement of a variant: every character swapped through the fixed substitution table
// (letters, "$", ".", "-" and "_"), every other character copied. Always the variant's length.
QString makeReplacement(const QString &word);

// The mask of a variant: every character but the space becomes "*", so that nothing of the text
// shows. Always the variant's length: "Gosh!" gives "*****", "blöde kuh" gives "***** ***".
QString makeMask(const QString &word);

// What a filter entry replaces its text with: players see the cipher's gibberish or stars.
enum class ReplacementStyle
{
    Cipher,
    Mask,
};

QString makeReplacement(const QString &word, ReplacementStyle style);

// The style of an entry that a Build of this tool could have written: its replacement is the
// cipher's or the mask of its text, and differs from it; none for any other entry. The mask is
// today's or the one that earlier versions wrote, which starred only the characters of the table
// ("****!" for "Gosh!"). An entry whose text has no character of the table is nobody's filter: a
// Build refuses a word whose cipher would leave it unchanged.
std::optional<ReplacementStyle> filterStyleOf(QStringView text, QStringView replacement);

} // namespace vantro
