#pragma once

#include <QByteArrayView>
#include <QString>

namespace vantro {

// Pieces shared by the code that works on files through their descriptors: the filter writer,
// its lock, start-up's badword.txt and tidy's replacement.

// The system's reason for an errno value, as messages show outside text.
QString systemReason(int error);

// "a directory", "a FIFO (named pipe)", "a symbolic link", ... for a file that is not a regular
// file; empty for a regular file. The mode is a struct stat's st_mode.
QString nonRegularFileKind(unsigned mode);

// Writes all the bytes, going on after a write cut short or interrupted by a signal. Returns 0,
// or the errno of the write that failed (ENOSPC for one that wrote nothing); the bytes that went
// in are added to *written when given, also on failure.
int writeAll(int fd, QByteArrayView bytes, qsizetype *written = nullptr);

// Gives an unnamed file (opened with O_TMPFILE) the name in the folder, through its descriptor,
// or through /proc where the caller may not link descriptors. Returns 0, or the errno of the
// link that failed (EEXIST when the name is taken).
int linkUnnamedFile(int fd, int folder, const char *name);

} // namespace vantro
