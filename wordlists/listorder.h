#pragma once

#include <QString>

#include <string>

namespace vantro {

// The order of every word list, which ignores letter case:
// 1. Compare the lower-case forms with every hyphen and apostrophe dropped, character by
//    character. Characters that are neither letters nor digits come before digits and letters;
//    within each of the two groups the lower character code comes first. A prefix comes first.
// 2. Of texts equal so far, the shorter comes first (the text without a hyphen or apostrophe
//    before the same text with one).
// 3. Texts still equal are ordered by their exact character codes, so the order is total and
//    identical texts always stand next to each other.
// Returns a negative number, zero or a positive number as a sorts before, with or after b.
int compareListOrder(const QString &a, const QString &b);

// Appends to the key a byte string whose plain byte order (as by memcmp, a prefix first) is the
// first step of the list order: texts whose keys are equal are equal under that step.
void appendOrderKey(const QString &text, std::string &key);

inline bool listOrderLess(const QString &a, const QString &b)
{
    return compareListOrder(a, b) < 0;
}

} // namespace vantro
