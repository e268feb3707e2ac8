#pragma once

#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantro {

// One other way players type a word, with its rank: a Build with --spellings writes the forms of
// lower rank first, for every word, and stops at its budget.
struct SpellingForm
{
    QString text;
    int rank = 0;
};

// The other ways players type a word from the word list, most typed first: its phrase with Each
// Word Capitalised, its accents as plain letters or as "ae", "oe" and "ue" ("ß" as "ss", "œ" as
// "oe"), its apostrophes curly or straight; then the look-alike characters one substitution at a
// time (o→0, i→1, e→3, a→@, s→5), all five at once, the rarer ones (i→!, t→7, a→4, s→$, t→+);
// then the capitalised form of each of these, in the same order. Only forms that differ from the
// word, are no variant of it, keep two letters or more, are changed by the cipher and can go into
// an entry; each once.
QList<SpellingForm> spellingFormsOf(const QString &word);

// The texts that --spellings adds to a Build of the source list whose variants are given: the
// spelling forms of every word, by rank (within a rank, shorter words first), each once and none
// of the variants, as many as fit in half the variants' count.
QStringList spellingVariants(const SortedTextList &sourceList, const SortedTextList &variants);

} // namespace vantro
