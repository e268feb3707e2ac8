#pragma once

#include "entryfiles/encodingcheck.h"
#include "entryfiles/entrycheck.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vantro {

// What tidying removes.
struct EntryTidyOptions
{
    bool dropRepeats = true;    // the entries that repeat an earlier entry exactly
    bool dropDangerous = false; // the entries whose replacement is longer than their text
    bool dropFilter = false;    // every filter entry (see tidyEntryFile())
    // The filter entries whose text is one of these (see filterTextsOfWords()).
    QSet<QString> dropFilterTexts;

    // Whether filter entries go, and with them the empty lines that opened their blocks.
    bool dropsFilterEntries() const { return dropFilter || !dropFilterTexts.isEmpty(); }
};

// The texts of every variant of the words (all 18 forms of each, lower-cased first) and of every
// spelling form of them (see spellingFormsOf()), whose filter entries --drop-word takes out.
QSet<QString> filterTextsOfWords(const QStringList &words);

struct EntryTidy
{
    QByteArray bytes;            // the file without the removed lines
    QList<EntryFinding> removed; // without a sink: the findings that removed a line, in order
    qsizetype removedRepeats = 0;
    qsizetype removedDangerous = 0;
    qsizetype removedFilter = 0;     // filter entries removed as such (not as repeats)
    qsizetype removedEmptyLines = 0; // the empty lines that opened blocks that went whole
    qsizetype linesKept = 0;
    bool upToDate = false; // see EntryRewriteOptions::leaveIfUnchanged
    // The texts of options.dropFilterTexts that filter entries of the file have.
    QSet<QString> namedFilterTexts;

    qsizetype removedLines() const
    {
        return removedRepeats + removedDangerous + removedFilter + removedEmptyLines;
    }
};

// The most entries a block can have and still be taken for a Build's (see tidyEntryFile()): its
// star entries and their texts are held until its end is seen.
inline constexpr qsizetype kMaxBuildBlockEntries = 1000000;

// The file without the lines the options remove. An entry goes as a repeat first of all, then as
// a dangerous one, then as a filter entry. A block is an empty line (nothing but its line end)
// followed by entry lines up to the next line that is no entry line, or the end. A filter entry
// is one that a Build wrote: one whose replacement is the cipher of its text, anywhere in the
// file; one whose replacement is the mask (see filterStyleOf()) only inside a block that a Build
// wrote, where every entry that does not go anyway (as a repeat or a dangerous one) is a filter
// entry, every text of a star entry is a variant of a word whose 9 (or 18) variants all have star
// entries there, and there are at most kMaxBuildBlockEntries entries. Administrators write star
// entries of their own, alone or among their lines; those stay. When filter entries are dropped,
// a block's empty line goes when every entry of the block goes and at least one of them is a
// filter entry that the options drop. Plain tidying never removes an empty line.
// Every other line stays byte for byte, its line end and a byte-order mark included. Read from
// an open device a line at a time; the findings that remove lines go to the sink, in line order,
// when one is given, to tidy.removed otherwise; every line goes through the encoding check, when
// one is given. Fails (Unreadable) when the file cannot be read to its end ("NAME: " and the
// system's reason) or holds a line too long to be kept as it stands ("NAME:LINE: ...").
Result<void> tidyEntryFile(QIODevice &device, const EntryTidyOptions &options, EntryTidy &tidy,
                           const EntryFindingSink &removedSink = {}, const QString &shownName = {},
                           EncodingCheck *encoding = nullptr);

} // namespace vantro
