#pragma once

#include <QByteArrayView>
#include <QString>

namespace vantro {

class AppendFile;

// Whether a file that the server reads as Windows-1252 looks like it was saved as UTF-8: it has
// non-ASCII bytes, and all of them form valid UTF-8 sequences (which text in Windows-1252 almost
// never does). The tool appends Windows-1252 bytes, which such a file would then mix with UTF-8.
// A UTF-8 byte-order mark at the start of the first line is not counted: it is reported apart.
class EncodingCheck
{
public:
    // The file's next line, with its line end.
    void addLine(QByteArrayView line);
    bool looksLikeUtf8() const { return m_nonAscii > 0 && !m_invalid; }

private:
    qsizetype m_lines = 0;
    qsizetype m_nonAscii = 0; // bytes
    bool m_invalid = false;   // a byte that no valid UTF-8 sequence has there
};

// Whether a file open for appending looks like UTF-8, from a sample of what it held when it was
// opened: its first and last 64 KiB, read through its own descriptor, so that a file of any size
// costs the same. False when the file cannot be read back (opened for writing only) or the
// sample cannot be read.
bool fileLooksLikeUtf8(const AppendFile &file);

} // namespace vantro
