#include "filterentry.h"

namespace vantro {

QString FormatFilterEntry(const QString &variant, const QString &replacement)
{
    QString line;
    line.reserve(variant.size() + replacement.size() + 11);
    line += QLatin1String("{ \"");
    line += variant;
    line += QLatin1String("\" \"");
    line += replacement;
    line += QLatin1String("\" }\r\n");
    return line;
}

} // namespace vantro
