#pragma once

#include "cli/console.h"
#include "wordlists/sortedtextlist.h"

#include <QString>
#include <QStringList>

namespace vantro::cli {

// A line of a word file whose word was refused.
struct WordRefusal
{
    QString file; // as messages name it
    qsizetype line = 0;
    QString reason; // a whole sentence
};

struct WordListInput
{
    SortedTextList words;
    QList<WordRefusal> refused;
    QStringList unreadable; // "FILE: reason", one per word file that cannot be read
};

// The word list of a Build: the built-in list as every start makes it, or, when replacing files
// are given, the words of those files; then the words of the adding files.
WordListInput wordListFrom(Console &console, const QStringList &replacingFiles,
                           const QStringList &addingFiles);

} // namespace vantro::cli
