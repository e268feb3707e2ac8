#pragma once

#include "builder/blockwriter.h"
#include "wordlists/sortedtextlist.h"

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

// Appends one block to an open device: CR LF, then one entry line per non-empty variant, in list
// order, in Windows-1252, gathered into writes of whole lines. A variant that cannot be written
// safely fails the block (Refused) before anything is written. On a failed write the device is
// left as it is, and the error's message is the device's; the caller owns undoing it. Gives the
// number of entries written.
Result<qsizetype> writeFilterBlock(QIODevice &out, const SortedTextList &variants,
                                   ReplacementStyle style = ReplacementStyle::Cipher);

// Appends the block to the file in one go, creating the file when absent (see BlockWriter).
// When the file cannot be opened or locked, nothing is written; when a write fails or the writer
// is stopped, the block is taken back as BlockWriter::rollBack() does, and the message says what
// of it is left. opened sees the file as BlockWriter::open() shows it, and may refuse it. Gives the
// number of entries written.
Result<qsizetype>
writeFilterFile(const QString &path, const SortedTextList &variants, AppendOptions options = {},
                ReplacementStyle style = ReplacementStyle::Cipher,
                const std::function<Result<void>(const AppendFile &)> &opened = {});

} // namespace vantro
