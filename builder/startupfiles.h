#pragma once

#include <QString>

#include <optional>

namespace vantro {

// The text of the instructions box: 18 lines, each ended by CR LF.
const QString &instructionsText();

// The bytes every start leaves in badword.txt: the word-filter header line and an empty line.
QByteArray badWordFileBytes();

// Rewrites badword.txt in the directory. The new content replaces the old in one step, so a failed
// write leaves no half-written file. Returns the error, with the system's reason, on failure.
std::optional<QString> rewriteBadWordFile(const QString &directory);

} // namespace vantro
