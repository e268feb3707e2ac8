#pragma once

#include "common/result.h"

#include <QFile>
#include <QString>

namespace vantro {

// How long opening a FIFO waits for a program to write to it.
inline constexpr int kFifoWriterWaitSeconds = 3;

// What openInputFile() opens besides regular files.
enum class InputFiles
{
    FifosToo,    // a FIFO or a device too (vantro-filter reads from pipes on purpose)
    RegularOnly, // only a regular file: the window, whose event loop must not wait for a writer
};

// Opens a word file or an entry file for reading, as a QFile on its own descriptor; when it
// cannot be, fails (Unreadable) with why not, a whole sentence, and the system's reason as its
// cause where there is one. Opening never blocks: a FIFO is read once a program writes to it (or
// opens it and closes it again, which reads as an empty file); when no program does within
// kFifoWriterWaitSeconds, the FIFO is refused. A directory is refused. With RegularOnly, anything
// but a regular file is refused at once, a device before it is opened.
Result<void> openInputFile(QFile &file, const QString &path,
                           InputFiles accepted = InputFiles::FifosToo);

} // namespace vantro
