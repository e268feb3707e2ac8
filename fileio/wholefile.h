#pragma once

#include "common/result.h"

#include <QByteArrayView>
#include <QString>

namespace vantro {

// Creates the small file at path with the bytes, or replaces the content of the regular file
// that is there, in one step: the bytes go into a new file beside it, which takes the name by a
// rename through the directory's descriptor once it is complete and on disk. Readers see the old
// content or the new, never a part. A replaced file keeps its permission bits, and its owner and
// group where the process may set them. Refused when the name holds anything but a regular file
// (a symbolic link among them); on any failure the old file is as it was and no new file is left.
Result<void> writeWholeFile(const QString &path, QByteArrayView bytes);

} // namespace vantro
