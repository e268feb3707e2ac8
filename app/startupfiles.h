#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace vantro {

// The text of the instructions box: 18 lines, each ended by CR LF.
const QString &instructionsText();

// The bytes every start leaves in badword.txt: the word-filter header line and an empty line.
QByteArray badWordFileBytes();

// Rewrites badword.txt in the directory in place: the same file, truncated, with its owner, mode
// and hard links kept. A symbolic link, a FIFO, a device or anything else that is not a regular
// file in its place is refused and left untouched. A failed write leaves the file empty, never
// with a torn line. Fails with a message naming the file and the reason.
Result<void> rewriteBadWordFile(const QString &directory);

} // namespace vantro
