#pragma once

#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantro {

// How a text seen in chat shows a variant: as typed, or as the players see the variant's entry
// (the cipher's gibberish, or the stars of --mask).
enum class ShownForm
{
    Typed,
    Cipher,
    Mask,
};

// A word of the list whose entries make a text.
struct ExplainedEntry
{
    QString word;
    ShownForm form;
    QStringList variants; // those of its variants that show as the text, in variant order
};

struct Explanation
{
    QString text;
    QList<ExplainedEntry> entries; // at most the limit, in word list order
    qsizetype moreEntries = 0;     // those beyond the limit
};

// For each text, the words of the list whose variants (9, or 18 with Max usage, and with
// spellings the forms that --spellings adds) show as it: as typed, as their cipher or as their
// mask. A word is named once for each way it shows the text.
QList<Explanation> explainTexts(const QStringList &texts, const SortedTextList &words,
                                bool maxUsage, bool spellings, qsizetype limit);

} // namespace vantro
