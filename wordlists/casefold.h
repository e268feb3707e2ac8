#pragma once

#include <QString>

namespace vantro {

// Case mapping that never changes the length of a text: a character is replaced only by a single
// character of the same UTF-16 width, so a word and all its variants keep their lengths.
char32_t lowerCodePoint(char32_t c);
char32_t upperCodePoint(char32_t c);

// Every upper-case letter replaced by its lower-case letter; everything else unchanged.
QString lowerCaseForm(const QString &text);

// Every letter upper-cased. A letter whose upper case is more than one character (the German
// sharp s) or one that the filter files' 8-bit code page cannot hold (the micro sign) stays as it
// is, so that every variant of a writable word is writable too.
QString upperCaseForm(const QString &text);

// The first character upper-cased as upperCaseForm() would, the rest unchanged.
QString capitalisedForm(const QString &text);

} // namespace vantro
