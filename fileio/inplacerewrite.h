#pragma once

#include "common/result.h"

#include <QByteArrayView>
#include <QString>

namespace vantro {

// Rewrites a regular file in place, creating it when absent: the same file, truncated, with its
// owner, mode and hard links kept, so that a read-only directory does no harm. A symbolic link,
// a FIFO, a device or anything else that is not a regular file in its place is refused (Refused,
// the message naming its kind alone: "a symbolic link") and left untouched. A failed write
// leaves the file empty, never with a torn line (Failed, the message the system's reason,
// followed by emptied set to whether the file was emptied).
Result<void> rewriteInPlace(const QString &path, QByteArrayView bytes, bool &emptied);

} // namespace vantro
