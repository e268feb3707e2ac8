#pragma once

#include "builder/wordorigins.h"
#include "wordlists/sortedtextlist.h"

#include <QList>

#include <utility>

namespace vantro {

// What a Build of a word list would write, counted without writing it; the total without the
// spellings.
struct EntryCounts
{
    qsizetype total = 0;
    // The entries of the words of each chosen language, in enum order; a word that two languages
    // share counts in both.
    QList<std::pair<WordLanguage, qsizetype>> languages;
    qsizetype yourWords = 0; // the entries of the words that are no chosen built-in entry
    qsizetype spellings = 0; // what --spellings adds to the total (see spellingVariants())
};

EntryCounts countEntries(const SortedTextList &words, bool maxUsage, const WordOrigins &origins);

} // namespace vantro
