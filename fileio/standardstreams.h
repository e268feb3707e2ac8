#pragma once

#include <QIODevice>

#include <memory>

namespace vantro {

// Holds each closed standard descriptor (0, 1, 2) open on /dev/null, opened the wrong way round
// so that any use of it fails: otherwise the first file the program opens would take its number,
// and what it prints would go into that file.
void holdClosedStandardDescriptors();

// Standard output or standard error as a device that writes straight to the descriptor,
// unbuffered, so that every failed write shows with the system's reason (a full disk, a closed
// descriptor). QFile on a descriptor that is closed or refuses writes fails already at opening,
// and would then lose the reason.
std::unique_ptr<QIODevice> standardOutputDevice();
std::unique_ptr<QIODevice> standardErrorDevice();

} // namespace vantro
