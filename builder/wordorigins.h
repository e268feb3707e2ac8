#pragma once

#include "builder/wordlistsources.h"
#include "wordlists/builtinwords.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantro {

// A built-in entry: its language and its row of that language's table.
struct BuiltInEntry
{
    WordLanguage language;
    const BuiltInWord *row;
};

// Where the words of a composed word list come from: the chosen built-in entries equal to a word,
// and the word files (--words, --add, profiles) that gave it.
class WordOrigins
{
public:
    WordOrigins(const WordSourceNames &names, const ComposedWordList &composed);

    // The chosen languages, in enum order; none when --words files replace the built-in entries.
    const QList<WordLanguage> &languages() const { return m_languages; }
    // The chosen built-in entries equal to the word, in language and table order.
    QList<BuiltInEntry> builtInEntries(const QString &word) const { return m_builtIn.value(word); }
    // The word files that gave the word, in reading order, each once.
    QStringList files(const QString &word) const;

private:
    QList<WordLanguage> m_languages;
    QHash<QString, QList<BuiltInEntry>> m_builtIn;
    QStringList m_startWords;
    QStringList m_additions;
    QList<WordFileWords> m_fileWords;
};

} // namespace vantro
