#include "wordlists/windows1252.h"

#include <array>

namespace vantro {

namespace {

// Characters of the bytes 0x80 to 0x9F; zero where the byte has none.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

bool isWindows1252(char32_t c)
{
    return byteOf(c) >= 0;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    if (!appendWindows1252(bytes, text))
        return std::nullopt;
    return bytes;
}

bool appendWindows1252(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char *out = bytes.data() + start;
    for (const QChar unit : text) {
        // A surrogate is never in the code page, so code units suffice here.
        const char16_t c = unit.unicode();
        const int byte = c < 0x80 ? int(c) : byteOf(c);
        if (byte < 0) {
            bytes.resize(start);
            return false;
        }
        *out++ = static_cast<char>(byte);
    }
    return true;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    // Written through the data pointer: appending one character at a time costs several times as
    // much on the large localization files that are checked.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t mapped = (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : 0;
        *out++ = mapped != 0 ? mapped : char16_t(byte);
    }
    return text;
}

} // namespace vantro
