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

// Every category and every language, in the order of their enums.
inline constexpr std::array kWordCategories = {
    WordCategory::slur,   WordCategory::sexual, WordCategory::profanity,
    WordCategory::insult, WordCategory::drug,   WordCategory::other,
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

// The code of a language as command lines write it: "en", "de", ... The enumerator's name; empty
// for a value that is no enumerator.
QString wordLanguageCode(WordLanguage language);
// The language of a code, in any letter case; nothing for an unknown code.
std::optional<WordLanguage> wordLanguageFromCode(QStringView code);
// Every language's code, in enum order.
QStringList wordLanguageCodes();

// One entry of a built-in word list: a lower-case UTF-8 text and its category.
struct BuiltInWord
{
    const char *text;
    WordCategory category;
};

// A language's built-in word list, stored in list order.
std::span<const BuiltInWord> builtInWords(WordLanguage language);

// The texts of the English built-in list, stored in list order: the list of every start.
std::span<const char *const> builtInWordTable();

// The source list as every start fills it: each entry of the English list added in table order.
SortedTextList builtInSourceList();

// The source list of the built-in entries of the given languages that have one of the given
// categories. A text that two languages share is held once. With English and every category it is
// builtInSourceList().
SortedTextList builtInSourceList(std::span<const WordLanguage> languages,
                                 std::span<const WordCategory> categories);

// The word list made from a source list: every non-empty item, lower-cased, in position order.
SortedTextList wordListFromSource(const SortedTextList &source);

} // namespace vantro
