#include "showntext.h"

#include "wordcheck.h"

namespace vantro {

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
