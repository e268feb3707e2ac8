#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

namespace vantro {

// Reads an open device a line at a time, holding at most one line of bounded length: a longer
// line is skipped as it is read, so that an endless line (a device, a stream without line ends)
// costs no more memory than a long one.
class LineReader
{
public:
    // Far beyond any line of a word or localization file: the longest entry line holds two
    // texts of 32767 characters.
    static constexpr qsizetype kMaxLineBytes = 1024 * 1024;

    explicit LineReader(QIODevice &device, qsizetype maxLineBytes = kMaxLineBytes);

    enum class Step
    {
        Line,     // line() holds the next line
        Overlong, // the next line holds more than the bound before its line end; it is skipped
        End,      // the device is read to its end
    };

    // The next step; fails (Unreadable) with the device's reason when reading fails.
    Result<Step> next();

    // The line that next() returned, with the LF that ends it (the last line may lack it).
    QByteArrayView line() const { return m_line; }
    qsizetype lineNumber() const { return m_lineNumber; } // 1-based
    qint64 lineStart() const { return m_lineStart; }      // the line's first byte in the device
    // Its bytes, the line end included; of an overlong line, those read before it was reported.
    qint64 lineLength() const { return m_lineLength; }
    qsizetype maxLineBytes() const { return m_maxLineBytes; }

private:
    // Reads more bytes behind those held; false at the end or on a failure.
    bool fill();
    // Drops the rest of an overlong line; false when reading failed.
    bool skipRestOfLine();

    QIODevice &m_device;
    const qsizetype m_maxLineBytes;
    QByteArray m_buffer;
    qsizetype m_begin = 0; // the held bytes not yet handed out: [m_begin, m_end)
    qsizetype m_end = 0;
    qsizetype m_searched = 0; // held bytes from m_begin known to hold no LF
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_skipping = false; // the rest of an overlong line is still to be dropped
    QString m_error;

    QByteArrayView m_line;
    qsizetype m_lineNumber = 0;
    qint64 m_lineStart = 0;
    qint64 m_lineLength = 0;
    qint64 m_consumed = 0; // bytes handed out or skipped so far
};

} // namespace vantro
