#pragma once

#include "common/result.h"
#include "wordlists/builtinwords.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantro {

// Which built-in entries start the word list: those of the languages that have one of the
// categories (both in enum order, each once) and at least the severity, less the ambiguous ones
// when they are left out. By default every entry of English, the list of every start.
struct BuiltInChoice
{
    QList<WordLanguage> languages{WordLanguage::en};
    QList<WordCategory> categories{kWordCategories.begin(), kWordCategories.end()};
    WordSeverity leastSeverity = WordSeverity::mild;
    bool noAmbiguous = false;

    friend bool operator==(const BuiltInChoice &, const BuiltInChoice &) = default;
};

// The choice of the values of the --language and --category options, each a comma-separated list
// of codes in any letter case and each option given any number of times, of --severity (one code;
// the last given counts) and of --no-ambiguous. An option not given keeps its default. An unknown
// code is refused, the message naming it and the valid codes.
Result<BuiltInChoice> builtInChoiceFrom(const QStringList &languageValues,
                                        const QStringList &categoryValues,
                                        const QStringList &severityValues = {},
                                        bool noAmbiguous = false);

// The source list of the chosen entries (see builtInSourceList).
SortedTextList builtInSourceList(const BuiltInChoice &choice);

// The chosen entries as "text TAB language TAB category TAB severity TAB ambiguous" lines (the
// last "ambiguous" or "-"), in the order of the word list made
// from them; a text that several languages or categories share has a line for each.
QStringList builtInEntryLines(const BuiltInChoice &choice);

} // namespace vantro
