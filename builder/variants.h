#pragma once

#include "wordlists/sortedtextlist.h"
#include "wordlists/wordcheck.h"

#include <QStringList>

namespace vantro {

// The variants of one non-empty word, in the order of the variant rows: the plain (P),
// upper-case (U) and capitalised (C) forms, bare and with "!" or "." behind them; with Max usage
// also "?" and "_" behind and "_" in front. 9 texts, or 18 with Max usage.
QStringList expandWord(const QString &plain, bool maxUsage);

// A word typed by the user or read from a word file, as it enters a Build's word list: lower-cased
// and checked as prepareNewWord() does, and refused when the cipher would leave one of its
// variants unchanged (a word of digits, "ÿ"): its entry would replace a text with itself, which
// hides nothing and which no Build recognises as its own to replace.
NewWord prepareWordToBuild(const QString &typed);

// The non-empty items of a word list, unchanged: the source list of a Build.
SortedTextList sourceListFrom(const SortedTextList &wordList);

// Every variant of every non-empty source word, in list order, each text once; with spellings
// also the spelling forms that fit the budget (see spellingVariants()).
SortedTextList buildVariantList(const SortedTextList &sourceList, bool maxUsage,
                                bool spellings = false);

} // namespace vantro
