#pragma once

#include "wordlists/sortedtextlist.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace vantro {

// The kind of word a built-in entry is, so that a server can block some kinds and not others.
// Every entry has exactly one.
enum class WordCategory : unsigned char
{
    slur,      // attacks on a group: origin, colour, religion, sexuality, gender, disability
    sexual,    // sexual acts, anatomy, pornography
    profanity, // swearing and its disguises
    insult,    // insults aimed at a person
    drug,      // drugs and their use
    other,     // none of these
};

// How bad a built-in entry is, from the least; each entry has one, by default its category's
// (slurs severe; sexual terms, swearing and insults strong; drugs and the rest mild).
enum class WordSeverity : unsigned char
{
    mild,   // "damn", "crap": what many servers let through
    strong, // most swearing, sexual terms and insults
    severe, // slurs and the worst sexual insults
};

// The languages that have a built-in word list, by their ISO 639-1 codes.
enum class WordLanguage : unsigned char
{
    en, // English, the list of every start
    de, // German
    fr, // French
    es, // Spanish
    it, // Italian
    pt, // Portuguese
    nl, // Dutch
};

// Every category, severity and language, in the order of their enums.
inline constexpr std::array kWordCategories = {
    WordCategory::slur,   WordCategory::sexual, WordCategory::profanity,
    WordCategory::insult, WordCategory::drug,   WordCategory::other,
};
inline constexpr std::array kWordSeverities = {
    WordSeverity::mild,
    WordSeverity::strong,
    WordSeverity::severe,
};
inline constexpr std::array kWordLanguages = {
    WordLanguage::en, WordLanguage::de, WordLanguage::fr, WordLanguage::es,
    WordLanguage::it, WordLanguage::pt, WordLanguage::nl,
};

// The code of a category as command lines write it: "slur", "sexual", ... The enumerator's name;
// empty for a value that is no enumerator.
QString wordCategoryCode(WordCategory category);
// The category of a code, in any letter case; nothing for an unknown code.
std::optional<WordCategory> wordCategoryFromCode(QStringView code);
// Every category's code, in enum order.
QStringList wordCategoryCodes();

// The code of a severity as command lines write it: "mild", "strong", "severe". The enumerator's
// name; empty for a value that is no enumerator.
QString wordSeverityCode(WordSeverity severity);
// The severity of a code, in any letter case; nothing for an unknown code.
std::optional<WordSeverity> wordSeverityFromCode(QStringView code);
// Every severity's code, in enum order.
QStringList wordSeverityCodes();

// The code of a language as command lines write it: "en", "de", ... The enumerator's name; empty
// for a value that is no enumerator.
QString wordLanguageCode(WordLanguage language);
// The language of a code, in any letter case; nothing for an unknown code.
std::optional<WordLanguage> wordLanguageFromCode(QStringView code);
// Every language's code, in enum order.
QStringList wordLanguageCodes();

// One entry of a built-in word list: a lower-case UTF-8 text, its category and severity, and
// whether it has a common harmless meaning in one of the languages (English "hoe" is Dutch for
// "how"), which a server may want to let through.
struct BuiltInWord
{
    const char *text;
    WordCategory category;
    WordSeverity severity;
    bool ambiguous = false;
};

// A language's built-in word list, stored in list order.
std::span<const BuiltInWord> builtInWords(WordLanguage language);

// The texts of the English built-in list, stored in list order: the list of every start.
std::span<const char *const> builtInWordTable();

// The source list as every start fills it: each entry of the English list added in table order.
SortedTextList builtInSourceList();

// Whether the entry has one of the categories and at least the severity, and is not ambiguous
// when ambiguous entries are left out.
bool isChosenWord(const BuiltInWord &word, std::span<const WordCategory> categories,
                  WordSeverity leastSeverity = WordSeverity::mild, bool noAmbiguous = false);

// The source list of the chosen built-in entries (see isChosenWord) of the given languages. A text
// that two languages share is held once. With English and every category, severity and ambiguous
// entry it is builtInSourceList().
SortedTextList builtInSourceList(std::span<const WordLanguage> languages,
                                 std::span<const WordCategory> categories,
                                 WordSeverity leastSeverity = WordSeverity::mild,
                                 bool noAmbiguous = false);

// The word list made from a source list: every non-empty item, lower-cased, in position order.
SortedTextList wordListFromSource(const SortedTextList &source);

} // namespace vantro
