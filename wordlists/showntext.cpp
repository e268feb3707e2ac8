#include "showntext.h"

namespace vantro {

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

QString shownText(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (isControlCharacter(c.unicode()))
            result +=
                QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0')).toUpper();
        else
            result += c;
    }
    return result;
}

} // namespace vantro
