#pragma once

#include "common/result.h"

#include <QByteArrayView>
#include <QString>

namespace vantro {

// What taking the filter out of a file removed.
struct FilterRemoval
{
    qsizetype entries = 0;    // filter entries (see isFilterEntry)
    qsizetype emptyLines = 0; // the empty lines that opened blocks of which every entry went
};

// Takes every filter entry out of the server's file at path, with the empty line that opened a
// block when every entry of that block goes, and appends newBlock (a Build's block, or nothing)
// at its end: one atomic replacement under the file's lock, every other line byte for byte. A
// missing file is created with newBlock alone. stopRequested, when given, is asked between the
// steps (Stopped: nothing changed).
Result<FilterRemoval> replaceFilterInFile(const QString &path, QByteArrayView newBlock,
                                          bool (*stopRequested)() = nullptr);

} // namespace vantro
