#include "fileio/linereader.h"

#include <QFileDevice>

#include <cstring>

namespace vantro {

namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;

} // namespace

LineReader::LineReader(QIODevice &device, qsizetype maxLineBytes)
    : m_device(device), m_maxLineBytes(maxLineBytes)
{
}

bool LineReader::fill()
{
    if (m_atEnd || m_failed)
        return false;
    // Held bytes move to the front, so that the buffer never grows beyond one line and a chunk.
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_buffer.size() < m_end + kChunkBytes)
        m_buffer.resize(m_end + kChunkBytes);
    const qint64 count = m_device.read(m_buffer.data() + m_end, kChunkBytes);
    const auto *file = qobject_cast<const QFileDevice *>(&m_device);
    if (count < 0 || !m_device.isReadable() || (file && file->error() != QFileDevice::NoError)) {
        m_failed = true;
        m_error = m_device.errorString();
        return false;
    }
    if (count == 0) {
        m_atEnd = true;
        return false;
    }
    m_end += count;
    return true;
}

bool LineReader::skipRestOfLine()
{
    // Nothing of the line is held: every chunk is searched for the line end and dropped.
    m_skipping = false;
    for (;;) {
        const char *data = m_buffer.constData() + m_begin;
        const auto *lineEnd = static_cast<const char *>(std::memchr(data, '\n', m_end - m_begin));
        if (lineEnd) {
            const qsizetype skipped = lineEnd - data + 1;
            m_consumed += skipped;
            m_begin += skipped;
            m_searched = 0;
            return true;
        }
        m_consumed += m_end - m_begin;
        m_begin = m_end;
        m_searched = 0;
        if (!fill())
            return !m_failed;
    }
}

Result<LineReader::Step> LineReader::next()
{
    m_line = {};
    if (m_skipping && !skipRestOfLine())
        return Error{ErrorKind::Unreadable, m_error};
    for (;;) {
        const char *data = m_buffer.constData() + m_begin;
        const qsizetype held = m_end - m_begin;
        const auto *lineEnd = static_cast<const char *>(
            std::memchr(data + m_searched, '\n', size_t(held - m_searched)));
        if (lineEnd || (held > 0 && m_atEnd) || held > m_maxLineBytes) {
            ++m_lineNumber;
            m_lineStart = m_consumed;
            if (!lineEnd && held > m_maxLineBytes) {
                // Reported at once, and skipped at the next call: an endless line shows before
                // it ends, if ever.
                m_lineLength = held;
                m_consumed += held;
                m_begin = m_end;
                m_searched = 0;
                m_skipping = true;
                return Step::Overlong;
            }
            const qsizetype length = lineEnd ? lineEnd - data + 1 : held;
            if (length - (lineEnd ? 1 : 0) > m_maxLineBytes) {
                m_lineLength = length;
                m_begin += length;
                m_consumed += length;
                m_searched = 0;
                return Step::Overlong;
            }
            m_line = QByteArrayView(data, length);
            m_lineLength = length;
            m_begin += length;
            m_consumed += length;
            m_searched = 0;
            return Step::Line;
        }
        m_searched = held;
        if (!fill()) {
            if (m_failed)
                return Error{ErrorKind::Unreadable, m_error};
            if (m_end == m_begin)
                return Step::End;
        }
    }
}

} // namespace vantro
