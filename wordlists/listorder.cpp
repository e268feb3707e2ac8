#include "wordlists/listorder.h"

#include "wordlists/casefold.h"

#include <QChar>

namespace vantro {

namespace {

// Walks a text as the first step of the order sees it: lower-cased code points, with hyphens and
// apostrophes left out.
class OrderCursor
{
public:
    explicit OrderCursor(const QString &text)
        : m_data(reinterpret_cast<const char16_t *>(text.utf16())), m_size(text.size())
    {
    }

    // The next code point, or -1 at the end.
    qint64 next()
    {
        while (m_pos < m_size) {
            char32_t c = m_data[m_pos++];
            if (QChar::isHighSurrogate(c) && m_pos < m_size && QChar::isLowSurrogate(m_data[m_pos]))
                c = QChar::surrogateToUcs4(char16_t(c), m_data[m_pos++]);
            if (c == u'-' || c == u'\'')
                continue;
            return lowerCodePoint(c);
        }
        return -1;
    }

private:
    const char16_t *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

bool isLetterOrDigit(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return QChar::isLetter(c) || QChar::isDigit(c);
}

// Rank within the first step: every other character before every letter or digit.
qint64 rank(char32_t c)
{
    return isLetterOrDigit(c) ? qint64(c) + 0x110000 : qint64(c);
}

} // namespace

void appendOrderKey(const QString &text, std::string &key)
{
    // Each character becomes a token whose first byte gives its group, so tokens compare as the
    // characters do: other ASCII characters as themselves (0x00 to 0x7F), other characters as
    // 0x80 and three code bytes, ASCII letters and digits as 0x90 and up, and the remaining
    // letters and digits as 0xE0 and three code bytes.
    OrderCursor cursor(text);
    for (qint64 next = cursor.next(); next >= 0; next = cursor.next()) {
        const auto c = char32_t(next);
        const bool alphanumeric = isLetterOrDigit(c);
        if (c < 0x80) {
            key.push_back(char(alphanumeric ? 0x90 + (c - 0x30) : c));
        } else {
            key.push_back(char(alphanumeric ? 0xE0 : 0x80));
            key.push_back(char((c >> 16) & 0xFF));
            key.push_back(char((c >> 8) & 0xFF));
            key.push_back(char(c & 0xFF));
        }
    }
}

int compareListOrder(const QString &a, const QString &b)
{
    OrderCursor ca(a);
    OrderCursor cb(b);
    for (;;) {
        const qint64 x = ca.next();
        const qint64 y = cb.next();
        if (x < 0 || y < 0) {
            if (x != y)
                return x < 0 ? -1 : 1;
            break;
        }
        if (x != y)
            return rank(char32_t(x)) < rank(char32_t(y)) ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace vantro
