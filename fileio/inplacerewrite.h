#pragma once

#include "common/result.h"

#include <QByteArrayView>
#include <QString>

namespace vantro {

// Rewrites a regular file in place, creating it when absent: the same file, truncated, with its
// owner, mode and hard links kept, so that a read-only directory does no harm. Links in the
// folders on the way are followed by the link rule (see WritePlace). A symbolic link,
// a FIFO, a device or anything else that is not a regular file in its place is refused (Refused:
// ""PATH" is KIND, not a regular file.", the cause its kind: "a symbolic link") and left
// untouched. A failed write leaves the file empty, never with a torn line (Failed: "Cannot write
// "PATH": REASON", followed by ". The file was left empty." when it was emptied).
Result<void> rewriteInPlace(const QString &path, QByteArrayView bytes);

} // namespace vantro
