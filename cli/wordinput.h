#pragma once

#include "sortedtextlist.h"

#include <QString>
#include <QStringList>

namespace vantro::cli {

// The name a word file or localization file goes by in messages: "-" is standard input.
QString inputDisplayName(const QString &fileName);

// The whole content of a file, or of standard input for "-". Fails with the system's reason.
bool readInput(const QString &fileName, QByteArray &bytes, QString &error);

struct WordListInput
{
    SortedTextList words;
    QStringList errors; // "FILE:LINE: reason" or "FILE: reason"; the list is unusable if any
};

// The word list of a Build: the built-in list as every start makes it, or, when replacing files
// are given, the words of those files; then the words of the adding files.
WordListInput wordListFrom(const QStringList &replacingFiles, const QStringList &addingFiles);

} // namespace vantro::cli
