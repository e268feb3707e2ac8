#pragma once

#include <QByteArrayView>
#include <QString>

namespace vantro {

class AppendFile;

// Whether a file that the server reads as Windows-1252 looks like it was saved as UTF-8: it has
// non-ASCII bytes, and all of them form valid UTF-8 sequences (which text in Windows-1252 almost
// never does). The tool appends Windows-1252 bytes, which such a file would then mix with UTF-8.
// A file that has both, lines of UTF-8 and lines of Windows-1252, mixes them: a Build appended to
// UTF-8, or UTF-8 text was pasted into Windows-1252. A line is UTF-8 when it has non-ASCII bytes
// and they all form valid UTF-8 sequences, Windows-1252 when one of them does not.
// A UTF-8 byte-order mark at the start of the first line is not counted: it is reported apart.
class EncodingCheck
{
public:
    // The file's next line, with its line end.
    void addLine(QByteArrayView line);
    bool looksLikeUtf8() const { return m_firstUtf8Line > 0 && m_firstWindows1252Line == 0; }
    bool mixesEncodings() const { return m_firstUtf8Line > 0 && m_firstWindows1252Line > 0; }
    // The first line of each kind (1-based); 0 when there is none.
    qsizetype firstUtf8Line() const { return m_firstUtf8Line; }
    qsizetype firstWindows1252Line() const { return m_firstWindows1252Line; }

private:
    qsizetype m_lines = 0;
    qsizetype m_firstUtf8Line = 0;
    qsizetype m_firstWindows1252Line = 0;
};

// Whether a file open for appending looks like UTF-8, from a sample of what it held when it was
// opened: its first and last 64 KiB, read through its own descriptor, so that a file of any size
// costs the same. False when the file cannot be read back (opened for writing only) or the
// sample cannot be read.
bool fileLooksLikeUtf8(const AppendFile &file);

} // namespace vantro
