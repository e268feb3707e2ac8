#pragma once

#include "entryfiles/entrycheck.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>

namespace vantro {

struct EntryTidy
{
    QByteArray bytes;            // the file without the removed lines
    QList<EntryFinding> removed; // without a sink: the findings that removed a line, in order
    qsizetype removedRepeats = 0;
    qsizetype removedDangerous = 0;
    qsizetype linesKept = 0;
    qsizetype overlongLine = 0; // the first line too long to be kept, if any: then tidy nothing
};

// The file without the entries that repeat an earlier entry exactly (the first of each stays)
// and, when asked, without the dangerous ones. Every other line stays byte for byte, its line
// end and a byte-order mark included. Read from an open device a line at a time; the finding
// that removes a line goes to the sink when one is given, to tidy.removed otherwise. Fails
// (Unreadable) with the system's reason, a whole sentence, when the file cannot be read to its
// end.
Result<void> tidyEntryFile(QIODevice &device, bool dropDangerous, EntryTidy &tidy,
                           const EntryFindingSink &removedSink = {});

} // namespace vantro
