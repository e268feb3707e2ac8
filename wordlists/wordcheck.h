#pragma once

#include "common/result.h"

#include <QString>

namespace vantro {

// The most characters a word can have: as many as the window's new-word box holds.
inline constexpr qsizetype kMaxWordLength = 32767;

// Refuses a word that cannot go into a filter entry: one that holds a double quote (which would
// end the entry's quoted text early), a control character, or a character that the filter files'
// 8-bit code page cannot hold. The message names the first such character and its position
// (1-based, counted in characters). The empty word is safe (it is never written).
Result<void> checkWord(const QString &word);

// A word typed by the user, as it enters the word list: lower-cased and checked.
struct NewWord
{
    QString text;
    Result<void> checked;
};

NewWord prepareNewWord(const QString &typed);

} // namespace vantro
