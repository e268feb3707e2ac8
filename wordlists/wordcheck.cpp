#include "wordlists/wordcheck.h"

#include "common/showntext.h"
#include "wordlists/casefold.h"
#include "wordlists/tr.h"
#include "wordlists/windows1252.h"

namespace vantro {

namespace {

QString codeName(char32_t c)
{
    return QLatin1String("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
}

QString describe(char32_t c, qsizetype position)
{
    if (c == u'"')
        return wordlists::Tr::tr(
                   "Character %1 is a double quote (\"), which would end the quoted text of the "
                   "filter entry early.")
            .arg(position);
    if (isControlCharacter(c))
        return wordlists::Tr::tr(
                   "Character %1 is a control character (%2), which a filter entry cannot hold.")
            .arg(QString::number(position), codeName(c));
    return wordlists::Tr::tr(
               "Character %1, \"%2\" (%3), cannot be written in the server's code page "
               "(Windows-1252).")
        .arg(QString::number(position), shownCharacter(c), codeName(c));
}

bool isRefused(char32_t c)
{
    if (c == u'"' || isControlCharacter(c))
        return true;
    return !isWindows1252(c);
}

} // namespace

Result<void> checkWord(const QString &word)
{
    const qsizetype size = word.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = word.at(i).unicode();
        if (!isRefused(c))
            continue;
        // Every character before the first refused one is a single code unit (the code page
        // holds no surrogate), so the index gives the character position.
        if (QChar::isHighSurrogate(c) && i + 1 < size && word.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(word.at(i), word.at(i + 1));
        return Error{ErrorKind::Refused, describe(c, i + 1)};
    }
    return {};
}

NewWord prepareNewWord(const QString &typed)
{
    // The text is checked as typed first, so that a refusal names the character the user typed
    // (an upper-case omega, not the lower-case one it becomes), then as it enters the list.
    NewWord word{lowerCaseForm(typed), checkWord(typed)};
    if (word.checked)
        word.checked = checkWord(word.text);
    return word;
}

} // namespace vantro
