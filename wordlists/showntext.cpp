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
            result += QLatin1String("\\x") +
                      QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            result += c;
    }
    return result;
}

} // namespace vantro
