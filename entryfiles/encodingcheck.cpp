#include "entryfiles/encodingcheck.h"

#include "fileio/appendfile.h"

namespace vantro {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
constexpr qint64 kSampleBytes = 64 * 1024;

// The length of the valid UTF-8 sequence that starts at bytes[i], a non-ASCII byte; 0 when none
// does. Overlong forms, UTF-16 surrogates and code points beyond U+10FFFF are not valid.
qsizetype utf8SequenceAt(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    qsizetype length = 0;
    unsigned char secondLow = 0x80, secondHigh = 0xBF; // the range of the byte after the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0; // else overlong
        else if (lead == 0xED)
            secondHigh = 0x9F; // else a surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90; // else overlong
        else if (lead == 0xF4)
            secondHigh = 0x8F; // else beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > bytes.size() || byte(i + 1) < secondLow || byte(i + 1) > secondHigh)
        return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

void EncodingCheck::addLine(QByteArrayView line)
{
    if (m_lines++ == 0 && line.startsWith(kByteOrderMark))
        line = line.sliced(kByteOrderMark.size());
    if (mixesEncodings())
        return; // all there is to know
    // Line ends are ASCII, so no sequence goes on into the next line.
    bool utf8 = false;
    for (qsizetype i = 0; i < line.size();) {
        if (static_cast<unsigned char>(line[i]) < 0x80) {
            ++i;
            continue;
        }
        const qsizetype length = utf8SequenceAt(line, i);
        if (length == 0) {
            if (m_firstWindows1252Line == 0)
                m_firstWindows1252Line = m_lines;
            return;
        }
        utf8 = true;
        i += length;
    }
    if (utf8 && m_firstUtf8Line == 0)
        m_firstUtf8Line = m_lines;
}

bool fileLooksLikeUtf8(const AppendFile &file)
{
    const qint64 size = file.sizeAtOpen();
    if (!file.readable())
        return false;
    const auto read = [&](qint64 start, qint64 length, QByteArray &bytes) {
        return bool(file.readBack(start, length, [&](QByteArrayView chunk) { bytes += chunk; }));
    };
    EncodingCheck check;
    QByteArray head;
    if (size <= 2 * kSampleBytes) {
        if (!read(0, size, head))
            return false;
        check.addLine(head);
        return check.looksLikeUtf8();
    }
    QByteArray tail;
    if (!read(0, kSampleBytes, head) || !read(size - kSampleBytes, kSampleBytes, tail))
        return false;
    // The characters cut at the samples' inner edges are left out.
    qsizetype cut = 0;
    while (cut < 3 && (static_cast<unsigned char>(tail[cut]) & 0xC0) == 0x80)
        ++cut;
    for (qsizetype back = 1; back <= 3; ++back) {
        const auto byte = static_cast<unsigned char>(head[head.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (length > back)
            head.chop(back);
        break;
    }
    check.addLine(head);
    check.addLine(QByteArrayView(tail).sliced(cut));
    return check.looksLikeUtf8();
}

} // namespace vantro
