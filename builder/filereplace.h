#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vantro {

// Replaces the content of an existing regular file in one step: the new bytes go into a new file
// beside it, which then takes the old one's name, so a full disk or a killed process leaves the
// old file as it was. The new file keeps the old one's permission bits, and its owner and group
// where the process may set them. A symbolic link stays a link: the file it leads to is
// replaced. Returns the error, naming the file and the system's reason, on failure; the old file
// is then unchanged.
std::optional<QString> replaceFileContent(const QString &path, QByteArrayView bytes);

} // namespace vantro
