#include "common/showntext.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace vantro {

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

namespace {

// Characters that a terminal obeys or hides rather than shows: controls, format characters
// (direction overrides and isolates, zero-width characters, the byte-order mark, the soft
// hyphen), line and paragraph separators, and surrogates that form no character.
bool isHidden(char32_t c)
{
    if (isControlCharacter(c))
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
        return true;
    default:
        return false;
    }
}

QString escaped(char32_t c)
{
    const auto shortForm = [](uint byte) {
        return QLatin1String("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    };
    // A byte of a file name that is no UTF-8, held as a lone surrogate (see fileio/path.h), is
    // shown as the byte it is.
    if (c >= 0xDC80 && c <= 0xDCFF)
        return shortForm(uint(c - 0xDC00));
    // C0 and C1 controls and DEL take the short form; everything else its code point.
    if (c < 0xA0)
        return shortForm(uint(c));
    return QLatin1String("\\u{") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0') +
           u'}';
}

} // namespace

QString shownText(QStringView text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (isHidden(c))
            result += escaped(c);
        else
            result += text.sliced(i, units);
        i += units - 1;
    }
    return result;
}

QString shownCharacter(char32_t c)
{
    const QString shown = shownText(QChar::fromUcs4(c));
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return QChar(u'\u25CC') + shown;
    default:
        return shown;
    }
}

QString typedOption(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments.sliced(qMin(qsizetype(1), arguments.size()))) {
        if (argument == QLatin1String("--"))
            break;
        const QString option = argument.section(u'=', 0, 0);
        if (option == QLatin1String("--") + name || option == u'-' + name)
            return option;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString parserError(const QCommandLineParser &parser, const QStringList &arguments)
{
    // Qt quotes the names in its messages with single quotes ("Unknown option 'x'."), an unknown
    // option's without its dashes.
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const QStringList unknown = parser.unknownOptionNames();
    const QString text = parser.errorText();
    QString error;
    qsizetype end = 0;
    for (const QRegularExpressionMatch &match : quoted.globalMatch(text)) {
        const QString name = match.captured(1);
        error += text.sliced(end, match.capturedStart() - end) + u'"' +
                 (unknown.contains(name) ? typedOption(name, arguments) : name) + u'"';
        end = match.capturedEnd();
    }
    return shownText(error + text.sliced(end));
}

QString shellWord(const QString &text)
{
    const bool plain = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x80 && c.isLetterOrNumber()) ||
               QStringView(u"./_-+=:,@%").contains(c);
    });
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return shownText(u'\'' + quoted + u'\'');
}

QString shownPath(const QString &path)
{
    return shownText(QDir::toNativeSeparators(path));
}

} // namespace vantro
