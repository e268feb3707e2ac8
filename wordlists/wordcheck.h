#pragma once

#include "common/showntext.h"

#include <QString>

#include <optional>

namespace vantro {

// Why a word cannot go into a filter entry: it holds a double quote (which would end the
// entry's quoted text early), a control character, or a character that the filter files' 8-bit
// code page cannot hold.
struct WordProblem
{
    qsizetype position = 0; // 1-based, counted in characters
    char32_t character = 0;
    QString message; // a whole sentence naming the character and its position
};

// The most characters a word can have: as many as the window's new-word box holds.
inline constexpr qsizetype kMaxWordLength = 32767;

// Nothing when the word is safe to write. The empty word is safe (it is never written).
std::optional<WordProblem> findWordProblem(const QString &word);

// A word typed by the user, as it enters the word list: lower-cased and checked.
struct NewWord
{
    QString text;
    std::optional<WordProblem> problem;
};

NewWord prepareNewWord(const QString &typed);

} // namespace vantro
