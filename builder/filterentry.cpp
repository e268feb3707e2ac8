#include "filterentry.h"

#include <QStringView>

#include <algorithm>

namespace vantro {

QString formatFilterEntry(const QString &variant, const QString &replacement)
{
    // Filled through the data pointer: the writer formats one line per variant, and appending
    // piece by piece costs several times as much.
    QString line(variant.size() + replacement.size() + 11, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(line.data());
    const auto put = [&out](QStringView text) {
        out = std::copy(text.utf16(), text.utf16() + text.size(), out);
    };
    put(u"{ \"");
    put(variant);
    put(u"\" \"");
    put(replacement);
    put(u"\" }\r\n");
    return line;
}

} // namespace vantro
