#pragma once

#include "entryfile.h"

#include <QByteArray>
#include <QList>

namespace vantro {

struct EntryTidy
{
    QByteArray bytes;            // the file without the removed lines
    QList<EntryFinding> removed; // the findings that removed a line, in line order
    qsizetype removedRepeats = 0;
    qsizetype removedDangerous = 0;
    qsizetype linesKept = 0;
};

// The file without the entries that repeat an earlier entry exactly (the first of each stays)
// and, when asked, without the dangerous ones. Every other line stays byte for byte, its line
// end and a byte-order mark included.
EntryTidy tidyEntryFile(const EntryFile &file, bool dropDangerous);

} // namespace vantro
