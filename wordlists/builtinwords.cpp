#include "wordlists/builtinwords.h"

#include "wordlists/casefold.h"

#include <algorithm>
#include <vector>

namespace vantro {

namespace {

// The codes in enum order; the enums count from zero without gaps.
constexpr std::array<const char *, kWordCategories.size()> kCategoryCodes = {
    "slur", "sexual", "profanity", "insult", "drug", "other",
};
constexpr std::array<const char *, kWordSeverities.size()> kSeverityCodes = {
    "mild",
    "strong",
    "severe",
};
constexpr std::array<const char *, kWordLanguages.size()> kLanguageCodes = {
    "en", "de", "fr", "es", "it", "pt", "nl",
};

template <std::size_t N>
std::optional<std::size_t> indexOfCode(const std::array<const char *, N> &codes, QStringView code)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (code.compare(QLatin1StringView(codes[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

template <std::size_t N> QStringList allCodes(const std::array<const char *, N> &codes)
{
    QStringList result;
    for (const char *code : codes)
        result.append(QLatin1StringView(code));
    return result;
}

} // namespace

QString wordCategoryCode(WordCategory category)
{
    const auto index = std::size_t(category);
    return index < kCategoryCodes.size() ? QString(QLatin1StringView(kCategoryCodes[index]))
                                         : QString();
}

std::optional<WordCategory> wordCategoryFromCode(QStringView code)
{
    if (const auto index = indexOfCode(kCategoryCodes, code))
        return kWordCategories[*index];
    return std::nullopt;
}

QStringList wordCategoryCodes()
{
    return allCodes(kCategoryCodes);
}

QString wordSeverityCode(WordSeverity severity)
{
    const auto index = std::size_t(severity);
    return index < kSeverityCodes.size() ? QString(QLatin1StringView(kSeverityCodes[index]))
                                         : QString();
}

std::optional<WordSeverity> wordSeverityFromCode(QStringView code)
{
    if (const auto index = indexOfCode(kSeverityCodes, code))
        return kWordSeverities[*index];
    return std::nullopt;
}

QStringList wordSeverityCodes()
{
    return allCodes(kSeverityCodes);
}

QString wordLanguageCode(WordLanguage language)
{
    const auto index = std::size_t(language);
    return index < kLanguageCodes.size() ? QString(QLatin1StringView(kLanguageCodes[index]))
                                         : QString();
}

std::optional<WordLanguage> wordLanguageFromCode(QStringView code)
{
    if (const auto index = indexOfCode(kLanguageCodes, code))
        return kWordLanguages[*index];
    return std::nullopt;
}

QStringList wordLanguageCodes()
{
    return allCodes(kLanguageCodes);
}

std::span<const char *const> builtInWordTable()
{
    // The English texts alone, gathered once, for the callers that need no categories.
    static const std::vector<const char *> texts = [] {
        std::vector<const char *> result;
        for (const BuiltInWord &word : builtInWords(WordLanguage::en))
            result.push_back(word.text);
        return result;
    }();
    return texts;
}

SortedTextList builtInSourceList()
{
    SortedTextList source;
    for (const char *entry : builtInWordTable())
        source.addItem(QString::fromUtf8(entry));
    return source;
}

bool isChosenWord(const BuiltInWord &word, std::span<const WordCategory> categories,
                  WordSeverity leastSeverity, bool noAmbiguous)
{
    return std::find(categories.begin(), categories.end(), word.category) != categories.end() &&
           word.severity >= leastSeverity && !(noAmbiguous && word.ambiguous);
}

SortedTextList builtInSourceList(std::span<const WordLanguage> languages,
                                 std::span<const WordCategory> categories,
                                 WordSeverity leastSeverity, bool noAmbiguous)
{
    QStringList texts;
    for (const WordLanguage language : languages) {
        for (const BuiltInWord &word : builtInWords(language)) {
            if (isChosenWord(word, categories, leastSeverity, noAmbiguous))
                texts.append(QString::fromUtf8(word.text));
        }
    }
    // Identical texts stand together once sorted; a language named twice adds nothing either.
    SortedTextList source = SortedTextList::fromUnsorted(texts);
    source.removeEqualNeighbours();
    return source;
}

SortedTextList wordListFromSource(const SortedTextList &source)
{
    SortedTextList words;
    for (const QString &item : source.items()) {
        if (!item.isEmpty())
            words.addItem(lowerCaseForm(item));
    }
    return words;
}

} // namespace vantro
