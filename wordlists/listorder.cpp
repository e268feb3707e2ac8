#include "listorder.h"

#include "casefold.h"

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
