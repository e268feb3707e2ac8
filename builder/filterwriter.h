#pragma once

#include "filterfilewriter.h"
#include "sortedtextlist.h"

#include <QIODevice>
#include <QString>

namespace vantro {

// The file a Build appends to: the game server's own localization file, or badnames.txt, from
// which the user copies the entries into it by hand.
enum class FilterTarget
{
    BadNames,
    Localization,
};

// "badnames.txt" or "localization.txt".
QString filterTargetFileName(FilterTarget target);

// That file directly in the given directory.
QString filterTargetPath(const QString &directory, FilterTarget target);

struct FilterWriteResult
{
    // The whole block is in the file; else error says why, and what of it is left.
    bool written = false;
    bool stopped = false; // the options' stopRequested() stopped it
    // The entries in the file: the whole block's, or after a failure those left behind.
    qsizetype entriesWritten = 0;
    QString path;
    QString error;

    bool failed() const { return !written; }
};

// Appends one block to an open device: CR LF, then one entry line per non-empty variant, in list
// order, in Windows-1252, gathered into writes of whole lines. A variant that cannot be written
// safely fails the block before anything is written. On a failed write the device is left as it
// is; the caller owns undoing it.
FilterWriteResult writeFilterBlock(QIODevice &out, const SortedTextList &variants);

// Appends the block to the file in one go, creating the file when absent (see FilterFileWriter).
// When the file cannot be opened or locked, nothing is written; when a write fails or the writer
// is stopped, the block is taken back as FilterFileWriter::rollBack() does.
FilterWriteResult writeFilterFile(const QString &path, const SortedTextList &variants,
                                  FilterWriterOptions options = {});

} // namespace vantro
