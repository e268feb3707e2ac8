#include "wordlists/builtinchoice.h"

#include "wordlists/casefold.h"
#include "wordlists/tr.h"

#include <QHash>

#include <algorithm>

namespace vantro {

namespace {

// The codes of the values, split at commas, as their enum values in enum order, each once; or
// the error that names the first unknown code.
template <typename Value>
QString readCodes(const QStringList &values, std::optional<Value> (*fromCode)(QStringView),
                  const QString &unknown, const QStringList &codes, QList<Value> &read)
{
    if (values.isEmpty())
        return {};
    read.clear();
    for (const QString &value : values) {
        for (const QStringView code : QStringView(value).split(u',')) {
            const std::optional<Value> known = fromCode(code.trimmed());
            if (!known)
                return unknown.arg(code.toString(), codes.join(QLatin1String(", ")));
            if (!read.contains(*known))
                read.append(*known);
        }
    }
    std::sort(read.begin(), read.end());
    return {};
}

} // namespace

Result<BuiltInChoice> builtInChoiceFrom(const QStringList &languageValues,
                                        const QStringList &categoryValues,
                                        const QStringList &severityValues, bool noAmbiguous)
{
    using wordlists::Tr;
    BuiltInChoice choice;
    QString error = readCodes(languageValues, &wordLanguageFromCode,
                              Tr::tr("Unknown language \"%1\" in --language. The languages are: "
                                     "%2."),
                              wordLanguageCodes(), choice.languages);
    if (error.isEmpty())
        error = readCodes(categoryValues, &wordCategoryFromCode,
                          Tr::tr("Unknown category \"%1\" in --category. The categories "
                                 "are: %2."),
                          wordCategoryCodes(), choice.categories);
    for (const QString &value : severityValues) {
        const std::optional<WordSeverity> severity = wordSeverityFromCode(value.trimmed());
        choice.leastSeverity = severity.value_or(choice.leastSeverity);
        if (!severity && error.isEmpty())
            error = Tr::tr("Unknown severity \"%1\" in --severity. The severities are: %2.")
                        .arg(value, wordSeverityCodes().join(QLatin1String(", ")));
    }
    choice.noAmbiguous = noAmbiguous;
    if (!error.isEmpty())
        return Error{ErrorKind::Refused, error};
    return choice;
}

SortedTextList builtInSourceList(const BuiltInChoice &choice)
{
    return builtInSourceList(choice.languages, choice.categories, choice.leastSeverity,
                             choice.noAmbiguous);
}

QStringList builtInEntryLines(const BuiltInChoice &choice)
{
    // The tails of each text's lines, in language and list order, each once. A text is taken out
    // when its lines are made, so that they come once however often the word list holds it.
    QHash<QString, QStringList> tails;
    for (const WordLanguage language : choice.languages) {
        for (const BuiltInWord &word : builtInWords(language)) {
            if (!isChosenWord(word, choice.categories, choice.leastSeverity, choice.noAmbiguous))
                continue;
            const QString tail =
                u'\t' + wordLanguageCode(language) + u'\t' + wordCategoryCode(word.category) +
                u'\t' + wordSeverityCode(word.severity) + u'\t' +
                (word.ambiguous ? QStringLiteral("ambiguous") : QStringLiteral("-"));
            QStringList &ofText = tails[lowerCaseForm(QString::fromUtf8(word.text))];
            if (!ofText.contains(tail))
                ofText.append(tail);
        }
    }
    const SortedTextList words = wordListFromSource(builtInSourceList(choice));
    QStringList lines;
    for (const QString &text : words.items()) {
        for (const QString &tail : tails.take(text))
            lines.append(text + tail);
    }
    return lines;
}

} // namespace vantro
