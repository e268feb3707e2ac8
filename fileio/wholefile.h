#pragma once

#include "common/result.h"

#include <QByteArrayView>

namespace vantro {

class WritePlace;

// Creates the small file at the place with the bytes, or replaces the content of the regular
// file that is there, in one step, as tidy replaces a file (see FileReplacement): the bytes go
// into an unnamed file in the place's folder, which takes the name only once it is complete and
// on disk. Readers see the old content or the new, never a part, and no new file is left on a
// failure. A replaced file keeps its permission bits, ACLs and extended attributes, and its owner
// and group where the process may set them. Refused when the name holds anything but a regular
// file, when the file has other names (hard links) or when the user may not write to it.
Result<void> writeWholeFile(const WritePlace &place, QByteArrayView bytes);

} // namespace vantro
