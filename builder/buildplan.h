#pragma once

#include "builder/cipher.h"
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "wordlists/sortedtextlist.h"

#include <QString>

namespace vantro {

// What a Build is, whichever program runs it: the words, the variants made of them, the
// replacement, the target and whether the filter of earlier Builds goes first. Both programs
// make one and hand it to the one writer (entryfiles/buildwriter.h), so that they write the same
// bytes by construction.
struct BuildPlan
{
    SortedTextList words;   // the word list; its non-empty items are built
    bool maxUsage = false;  // 18 variants a word instead of 9
    bool spellings = false; // also the other ways players type the words, within a budget
    ReplacementStyle style = ReplacementStyle::Cipher;
    bool toStandardOutput = false; // else the target file in the directory
    QString directory;
    FilterTarget target = FilterTarget::BadNames;
    bool replacesPreviousFilter = false;

    QString targetPath() const { return filterTargetPath(directory, target); }
    // Every variant of every non-empty word (and its spelling forms), in list order, each once.
    SortedTextList variants() const
    {
        return buildVariantList(sourceListFrom(words), maxUsage, spellings);
    }
};

} // namespace vantro
