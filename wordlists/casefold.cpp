#include "wordlists/casefold.h"

#include "wordlists/windows1252.h"

#include <QChar>

namespace vantro {

namespace {

bool sameWidth(char32_t a, char32_t b)
{
    return QChar::requiresSurrogates(a) == QChar::requiresSurrogates(b);
}

template <typename Map> QString mapCodePoints(const QString &text, qsizetype limit, Map map)
{
    QString result = text;
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size && i < limit;) {
        const char16_t unit = out[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(out[i + 1])) {
            const char32_t mapped = map(QChar::surrogateToUcs4(unit, out[i + 1]));
            out[i] = QChar::highSurrogate(mapped);
            out[i + 1] = QChar::lowSurrogate(mapped);
            i += 2;
        } else {
            out[i] = static_cast<char16_t>(map(unit));
            ++i;
        }
    }
    return result;
}

} // namespace

char32_t lowerCodePoint(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    const char32_t lower = QChar::toLower(c);
    return sameWidth(c, lower) ? lower : c;
}

char32_t upperCodePoint(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
    // The letters of the code page take their languages' capitals: "ä" "Ä", "é" "É", "ÿ" "Ÿ".
    // The German sharp s has no single capital that the code page holds (its simple upper case is
    // itself), so "ß" stays as it is; so does the micro sign, whose capital is the Greek "Μ".
    const char32_t upper = QChar::toUpper(c);
    if (!sameWidth(c, upper))
        return c;
    if (isWindows1252(c) && !isWindows1252(upper))
        return c;
    return upper;
}

QString lowerCaseForm(const QString &text)
{
    return mapCodePoints(text, text.size(), lowerCodePoint);
}

QString upperCaseForm(const QString &text)
{
    return mapCodePoints(text, text.size(), upperCodePoint);
}

QString capitalisedForm(const QString &text)
{
    // A limit of one unit still maps a whole surrogate pair when the text starts with one.
    return mapCodePoints(text, 1, upperCodePoint);
}

} // namespace vantro
