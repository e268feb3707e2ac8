#pragma once

#include "fileio/result.h"

#include <QByteArrayView>
#include <QString>

namespace vantro {

// Replaces the content of an existing regular file in one step: the new bytes go into a new file
// beside it, which then takes the old one's name, so a full disk or a killed process leaves the
// old file as it was. The new file keeps the old one's permission bits, and its owner and group
// where the process may set them. A symbolic link stays a link: the file it leads to is
// replaced. Fails with a message naming the file and the system's reason; the old file is then
// unchanged.
Result<void> replaceFileContent(const QString &path, QByteArrayView bytes);

} // namespace vantro
