// The figures of the English built-in word list that the product promises: its size, lengths,
// word counts and character classes, and the sizes of the lists loaded from it; and the rules
// every English entry keeps. Every language's list is stored in list order, each entry with a
// category, and makes only safe filter entries in both variant sets; forms that Italian,
// Portuguese and Dutch players type are entries, in the category a native speaker expects.

#include "builder/cipher.h"
#include "builder/entryformat.h"
#include "builder/variants.h"
#include "entryfiles/entrycheck.h"
#include "entryfiles/entryline.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/builtinwords.h"
#include "wordlists/listorder.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QBuffer>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>

using namespace vantro;

namespace {

// The characters that may occur beside the lower-case letters.
const QString kOtherCharacters = QStringLiteral(" -_$.'@0*%&|()\u2019");

const QStringList &builtInTexts()
{
    static const QStringList texts = [] {
        QStringList result;
        for (const char *entry : builtInWordTable())
            result.append(QString::fromUtf8(entry));
        return result;
    }();
    return texts;
}

qsizetype wordCount(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts).size();
}

qsizetype entryLength(const QString &text)
{
    return text.size();
}

bool isLowerLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

// A figure of the English list, computed from its entries.
using Figure = std::function<qsizetype(const QStringList &)>;

// The number of entries for which the test holds.
Figure entriesWhere(std::function<bool(const QString &)> holds)
{
    return [holds](const QStringList &texts) {
        return qsizetype(std::ranges::count_if(texts, holds));
    };
}

using EntryRule = bool (*)(const QString &);

bool hasNoOuterSpace(const QString &text)
{
    return !text.startsWith(u' ') && !text.endsWith(u' ');
}

bool hasLowerLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isLowerLetter);
}

bool hasOnlyKnownCharacters(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return isLowerLetter(c) || kOtherCharacters.contains(c); });
}

bool hasAtMostOneDoubleGap(const QString &text)
{
    return !text.contains(QStringLiteral("   ")) && text.count(QStringLiteral("  ")) <= 1;
}

// Every entry goes into the filter files as it is, so each must be writable there.
bool isWritableInFilterEntry(const QString &text)
{
    return checkWord(text).hasValue();
}

// The six categories, three severities and seven languages, listed here rather than taken from
// the header.
const char *const kCategoryCodes[] = {"slur", "sexual", "profanity", "insult", "drug", "other"};
const char *const kLanguageCodes[] = {"en", "de", "fr", "es", "it", "pt", "nl"};
const char *const kSeverityCodes[] = {"mild", "strong", "severe"};
constexpr int kCategoryCount = int(std::size(kCategoryCodes));
constexpr int kLanguageCount = int(std::size(kLanguageCodes));

WordLanguage languageAt(int index)
{
    return static_cast<WordLanguage>(index);
}

QStringList textsOf(std::span<const BuiltInWord> words)
{
    QStringList texts;
    for (const BuiltInWord &word : words)
        texts.append(QString::fromUtf8(word.text));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Figure)
Q_DECLARE_METATYPE(EntryRule)

class TestBuiltInWords : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void everyEntryKeepsRule_data();
    void everyEntryKeepsRule();
    void mostEntriesAreSevenToElevenLong();
    void startUpWordListEqualsSourceList();

    void codes_data();
    void codes();
    void everyLanguageList_data();
    void everyLanguageList();
    void categoriesInUse_data();
    void categoriesInUse();
    void englishEntryCategory_data();
    void englishEntryCategory();
    void chosenWord_data();
    void chosenWord();
    void sourceListOfChoice_data();
    void sourceListOfChoice();
    void variantsMakeSafeEntries_data();
    void variantsMakeSafeEntries();
    void italianPortugueseDutchEntries_data();
    void italianPortugueseDutchEntries();
};

void TestBuiltInWords::figures_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("entries") << Figure([](const QStringList &texts) { return texts.size(); })
                             << qsizetype(1187);
    QTest::newRow("shortest entry length") << Figure([](const QStringList &texts) {
        return entryLength(std::ranges::min(texts, {}, entryLength));
    }) << qsizetype(2);
    QTest::newRow("longest entry length") << Figure([](const QStringList &texts) {
        return entryLength(std::ranges::max(texts, {}, entryLength));
    }) << qsizetype(22);

    // Entries of the given number of words, 4 standing for four or more.
    const auto ofWords = [](qsizetype words) {
        return entriesWhere([words](const QString &text) {
            return std::min(wordCount(text), qsizetype(4)) == words;
        });
    };
    QTest::newRow("single words") << ofWords(1) << qsizetype(799);
    QTest::newRow("entries of two words") << ofWords(2) << qsizetype(367);
    QTest::newRow("entries of three words") << ofWords(3) << qsizetype(21);
    QTest::newRow("entries of more than three words") << ofWords(4) << qsizetype(0);

    QTest::newRow("entries with a gap two spaces wide")
        << entriesWhere([](const QString &text) { return text.contains(QStringLiteral("  ")); })
        << qsizetype(2);
    QTest::newRow("entries with both \"(\" and \")\"") << entriesWhere([](const QString &text) {
        return text.contains(u'(') && text.contains(u')');
    }) << qsizetype(1);
    const std::pair<char16_t, qsizetype> characters[] = {
        {u' ', 388}, {u'-', 135}, {u'_', 123},    {u'$', 8}, {u'.', 6}, {u'\'', 4},
        {u'@', 3},   {u'0', 3},   {u'*', 2},      {u'%', 1}, {u'&', 1}, {u'|', 1},
        {u'(', 1},   {u')', 1},   {u'\u2019', 1}, {u'1', 0}, {u'2', 0}, {u'3', 0},
        {u'4', 0},   {u'5', 0},   {u'6', 0},      {u'7', 0}, {u'8', 0}, {u'9', 0}};
    for (const auto &[character, expected] : characters) {
        QTest::addRow("entries with \"%s\"", QString(QChar(character)).toUtf8().constData())
            << entriesWhere(
                   [c = QChar(character)](const QString &text) { return text.contains(c); })
            << expected;
    }

    QTest::newRow("source list items")
        << Figure([](const QStringList &) { return builtInSourceList().count(); })
        << qsizetype(1187);
    QTest::newRow("word list items") << Figure([](const QStringList &) {
        return wordListFromSource(builtInSourceList()).count();
    }) << qsizetype(1187);
}

void TestBuiltInWords::figures()
{
    QFETCH(Figure, figure);
    QFETCH(qsizetype, expected);

    QCOMPARE(figure(builtInTexts()), expected);
}

void TestBuiltInWords::everyEntryKeepsRule_data()
{
    QTest::addColumn<EntryRule>("rule");

    // Being lower case, without outer spaces, distinct and writable into a filter entry is
    // checked for every language below; the length range by the figures above.
    QTest::newRow("a lower-case letter") << EntryRule(hasLowerLetter);
    QTest::newRow("only lower-case letters and the listed characters")
        << EntryRule(hasOnlyKnownCharacters);
    QTest::newRow("no gap wider than two spaces, at most one double gap")
        << EntryRule(hasAtMostOneDoubleGap);
}

void TestBuiltInWords::everyEntryKeepsRule()
{
    QFETCH(EntryRule, rule);

    QStringList breaking;
    for (const QString &text : builtInTexts()) {
        if (!rule(text))
            breaking.append(text);
    }
    QVERIFY2(breaking.isEmpty(),
             qPrintable(QStringLiteral("%1 entries break it, first \"%2\"")
                            .arg(QString::number(breaking.size()), breaking.value(0))));
}

void TestBuiltInWords::mostEntriesAreSevenToElevenLong()
{
    const QStringList &texts = builtInTexts();
    const qsizetype common = std::count_if(texts.begin(), texts.end(), [](const QString &text) {
        return text.size() >= 7 && text.size() <= 11;
    });
    QVERIFY2(common * 2 > texts.size(),
             qPrintable(QStringLiteral("entries of 7 to 11 characters: %1 of %2, not a majority")
                            .arg(QString::number(common), QString::number(texts.size()))));
}

void TestBuiltInWords::startUpWordListEqualsSourceList()
{
    const SortedTextList source = builtInSourceList();
    QCOMPARE(wordListFromSource(source).items(), source.items());
    // The table is stored in list order, so loading it keeps the table's own order.
    QCOMPARE(source.items(), builtInTexts());
}

void TestBuiltInWords::codes_data()
{
    QTest::addColumn<bool>("isLanguage");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index"); // the enumerator's value; -1 for no enumerator

    for (int i = 0; i < kCategoryCount; ++i)
        QTest::addRow("category %s", kCategoryCodes[i])
            << false << QString::fromLatin1(kCategoryCodes[i]) << i;
    for (int i = 0; i < kLanguageCount; ++i)
        QTest::addRow("language %s", kLanguageCodes[i])
            << true << QString::fromLatin1(kLanguageCodes[i]) << i;
    QTest::newRow("category in capitals") << false << QStringLiteral("SEXUAL") << 1;
    QTest::newRow("language in capitals") << true << QStringLiteral("DE") << 1;
    QTest::newRow("empty category") << false << QString() << -1;
    QTest::newRow("plural category") << false << QStringLiteral("slurs") << -1;
    QTest::newRow("category with a space") << false << QStringLiteral(" drug") << -1;
    QTest::newRow("language as a category") << false << QStringLiteral("en") << -1;
    QTest::newRow("empty language") << true << QString() << -1;
    QTest::newRow("language name") << true << QStringLiteral("english") << -1;
    QTest::newRow("language without a list") << true << QStringLiteral("sv") << -1;
    QTest::newRow("category as a language") << true << QStringLiteral("other") << -1;
}

void TestBuiltInWords::codes()
{
    QFETCH(bool, isLanguage);
    QFETCH(QString, code);
    QFETCH(int, index);

    if (isLanguage) {
        const std::optional<WordLanguage> language = wordLanguageFromCode(code);
        QCOMPARE(language.has_value(), index >= 0);
        if (language) {
            QCOMPARE(int(*language), index);
            QCOMPARE(wordLanguageCode(*language), code.toLower());
            QCOMPARE(wordLanguageCodes().indexOf(code.toLower()), index);
        }
        QCOMPARE(wordLanguageCodes().size(), kLanguageCount);
    } else {
        const std::optional<WordCategory> category = wordCategoryFromCode(code);
        QCOMPARE(category.has_value(), index >= 0);
        if (category) {
            QCOMPARE(int(*category), index);
            QCOMPARE(wordCategoryCode(*category), code.toLower());
            QCOMPARE(wordCategoryCodes().indexOf(code.toLower()), index);
        }
        QCOMPARE(wordCategoryCodes().size(), kCategoryCount);
    }
}

void TestBuiltInWords::everyLanguageList_data()
{
    QTest::addColumn<int>("language");

    for (int i = 0; i < kLanguageCount; ++i)
        QTest::newRow(kLanguageCodes[i]) << i;
}

void TestBuiltInWords::everyLanguageList()
{
    QFETCH(int, language);

    const std::span<const BuiltInWord> words = builtInWords(languageAt(language));
    const QStringList texts = textsOf(words);
    // English's exact size is one of the figures above.
    QVERIFY2(texts.size() >= 200 && texts.size() <= 5000,
             qPrintable(QStringLiteral("%1 entries, expected 200 to 5000").arg(texts.size())));

    QSet<QString> seen;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString &text = texts.at(i);
        const auto category = static_cast<unsigned>(words[std::size_t(i)].category);
        QVERIFY2(category < unsigned(kCategoryCount),
                 qPrintable(QStringLiteral("\"%1\" has no category (%2)")
                                .arg(text, QString::number(category))));
        QVERIFY2(!text.isEmpty() && hasNoOuterSpace(text) && text == text.toLower(),
                 qPrintable(
                     QStringLiteral("\"%1\" is empty, has an outer space or a capital").arg(text)));
        QVERIFY2(isWritableInFilterEntry(text) && encodeWindows1252(text).has_value(),
                 qPrintable(QStringLiteral("\"%1\" cannot go into a filter entry").arg(text)));
        QVERIFY2(!seen.contains(text.toLower()),
                 qPrintable(QStringLiteral("\"%1\" is there twice").arg(text)));
        seen.insert(text.toLower());
        if (i > 0) {
            QVERIFY2(compareListOrder(texts.at(i - 1), text) < 0,
                     qPrintable(QStringLiteral("\"%1\" and \"%2\" out of list order")
                                    .arg(texts.at(i - 1), text)));
        }
    }
}

void TestBuiltInWords::categoriesInUse_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("category");
    QTest::addColumn<qsizetype>("fewest");

    // Every language has every category but the last, "other"; most English entries are sexual
    // or insults.
    const qsizetype englishFewest[] = {100, 300, 100, 300, 5};
    for (int l = 0; l < kLanguageCount; ++l) {
        for (int c = 0; c < kCategoryCount - 1; ++c)
            QTest::addRow("%s %s", kLanguageCodes[l], kCategoryCodes[c])
                << l << c << (l == 0 ? englishFewest[c] : qsizetype(10));
    }
}

void TestBuiltInWords::categoriesInUse()
{
    QFETCH(int, language);
    QFETCH(int, category);
    QFETCH(qsizetype, fewest);

    const std::span<const BuiltInWord> words = builtInWords(languageAt(language));
    const qsizetype actual = std::count_if(words.begin(), words.end(), [&](const BuiltInWord &w) {
        return int(w.category) == category;
    });
    QVERIFY2(actual >= fewest,
             qPrintable(QStringLiteral("%1 entries, expected %2 or more")
                            .arg(QString::number(actual), QString::number(fewest))));
}

void TestBuiltInWords::englishEntryCategory_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("category");

    // Forms that players type, and entries whose category a server owner would look for there.
    const std::pair<const char *, const char *> entries[] = {
        {"bs", "profanity"},       {"mother fucker", "insult"}, {"motherfucker", "insult"},
        {"mofo", "insult"},        {"cunt", "insult"},          {"fags", "slur"},
        {"hoes", "insult"},        {"fuckers", "insult"},       {"motherfuckers", "insult"},
        {"cocksuckers", "insult"}, {"trannies", "slur"},        {"cucks", "insult"},
        {"thots", "insult"},       {"chinks", "slur"},          {"spics", "slur"},
        {"kikes", "slur"},         {"coons", "slur"},           {"skanks", "insult"},
        {"nonce", "insult"},       {"troon", "slur"},           {"sh*t", "profanity"},
        {"f_ck", "profanity"},     {"fuck u", "profanity"},     {"gas the jews", "slur"}};
    for (const auto &[text, category] : entries)
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(category);
}

void TestBuiltInWords::englishEntryCategory()
{
    QFETCH(QString, text);
    QFETCH(QString, category);

    const std::span<const BuiltInWord> words = builtInWords(WordLanguage::en);
    const auto found = std::ranges::find_if(
        words, [&](const BuiltInWord &word) { return QString::fromUtf8(word.text) == text; });
    QVERIFY2(found != words.end(), qPrintable(QStringLiteral("\"%1\" is no entry").arg(text)));
    QCOMPARE(wordCategoryCode(found->category), category);
}

// On made-up entries: the lists need not hold an ambiguous entry of every severity.
void TestBuiltInWords::chosenWord_data()
{
    QTest::addColumn<int>("severity");
    QTest::addColumn<bool>("ambiguous");
    QTest::addColumn<int>("leastSeverity");
    QTest::addColumn<bool>("noAmbiguous");
    QTest::addColumn<bool>("chosen");

    QTest::newRow("mild, strong and worse") << 0 << false << 1 << false << false;
    QTest::newRow("ambiguous, kept") << 2 << true << 0 << false << true;
    QTest::newRow("ambiguous, left out") << 2 << true << 0 << true << false;
}

void TestBuiltInWords::chosenWord()
{
    QFETCH(int, severity);
    QFETCH(bool, ambiguous);
    QFETCH(int, leastSeverity);
    QFETCH(bool, noAmbiguous);
    QFETCH(bool, chosen);

    const BuiltInWord word{"gosh", WordCategory::insult, WordSeverity(severity), ambiguous};
    const std::array categories = {WordCategory::insult};
    QCOMPARE(isChosenWord(word, categories, WordSeverity(leastSeverity), noAmbiguous), chosen);
}

void TestBuiltInWords::sourceListOfChoice_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<int>("leastSeverity"); // an index of kSeverityCodes
    QTest::addColumn<bool>("noAmbiguous");

    const QStringList every = {QStringLiteral("slur"),      QStringLiteral("sexual"),
                               QStringLiteral("profanity"), QStringLiteral("insult"),
                               QStringLiteral("drug"),      QStringLiteral("other")};
    QTest::newRow("German slurs") << QStringList{QStringLiteral("de")}
                                  << QStringList{QStringLiteral("slur")} << 0 << false;
    QTest::newRow("French and Dutch, sexual and drug")
        << QStringList{QStringLiteral("fr"), QStringLiteral("nl")}
        << QStringList{QStringLiteral("sexual"), QStringLiteral("drug")} << 0 << false;
    QTest::newRow("every language, every category")
        << QStringList{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                       QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pt"),
                       QStringLiteral("nl")}
        << every << 0 << false;
    QTest::newRow("Spanish named twice, strong insults")
        << QStringList{QStringLiteral("es"), QStringLiteral("es")}
        << QStringList{QStringLiteral("insult")} << 1 << false;
    QTest::newRow("no language") << QStringList() << every << 0 << false;
    QTest::newRow("no category") << QStringList{QStringLiteral("it")} << QStringList() << 0
                                 << false;
    // Every language at every level, with and without its ambiguous entries.
    for (int l = 0; l < kLanguageCount; ++l) {
        for (int level = 0; level < int(std::size(kSeverityCodes)); ++level) {
            for (const bool noAmbiguous : {false, true}) {
                QTest::addRow("%s, %s and worse%s", kLanguageCodes[l], kSeverityCodes[level],
                              noAmbiguous ? ", no ambiguous" : "")
                    << QStringList{QString::fromLatin1(kLanguageCodes[l])} << every << level
                    << noAmbiguous;
            }
        }
    }
}

void TestBuiltInWords::sourceListOfChoice()
{
    QFETCH(QStringList, languages);
    QFETCH(QStringList, categories);
    QFETCH(int, leastSeverity);
    QFETCH(bool, noAmbiguous);

    BuiltInChoice choice{{}, {}, WordSeverity(leastSeverity), noAmbiguous};
    for (const QString &code : languages)
        choice.languages.append(*wordLanguageFromCode(code));
    for (const QString &code : categories)
        choice.categories.append(*wordCategoryFromCode(code));

    // The model: the distinct texts of the chosen tables' entries whose category code is chosen,
    // at least as severe, and not ambiguous when those are left out.
    QSet<QString> expected;
    for (const WordLanguage language : std::as_const(choice.languages)) {
        for (const BuiltInWord &word : builtInWords(language)) {
            if (categories.contains(wordCategoryCode(word.category)) &&
                int(word.severity) >= leastSeverity && !(noAmbiguous && word.ambiguous))
                expected.insert(QString::fromUtf8(word.text));
        }
    }

    const SortedTextList source = builtInSourceList(choice);
    QCOMPARE(source.count(), expected.size());
    QCOMPARE(QSet<QString>(source.items().begin(), source.items().end()), expected);
    for (qsizetype i = 1; i < source.count(); ++i)
        QVERIFY(compareListOrder(source.at(i - 1), source.at(i)) < 0);
    if (choice == BuiltInChoice{})
        QCOMPARE(source, builtInSourceList());
}

void TestBuiltInWords::variantsMakeSafeEntries_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("maxUsage");

    for (int l = 0; l < kLanguageCount; ++l) {
        QTest::addRow("%s, 9 variants", kLanguageCodes[l]) << l << false;
        QTest::addRow("%s, 18 variants", kLanguageCodes[l]) << l << true;
    }
}

void TestBuiltInWords::variantsMakeSafeEntries()
{
    QFETCH(int, language);
    QFETCH(bool, maxUsage);

    const std::array<WordLanguage, 1> languages = {languageAt(language)};
    const std::array<WordCategory, 6> categories = {
        WordCategory::slur,   WordCategory::sexual, WordCategory::profanity,
        WordCategory::insult, WordCategory::drug,   WordCategory::other,
    };
    const SortedTextList source = builtInSourceList(languages, categories);
    const SortedTextList variants = buildVariantList(source, maxUsage);
    QVERIFY(variants.count() > source.count());
    const Result<void> writable = checkWritableVariants(variants);
    QVERIFY2(writable, qPrintable(writable.message()));

    QByteArray bytes;
    for (const QString &variant : variants.items()) {
        QCOMPARE(makeReplacement(variant).size(), variant.size());
        appendFilterEntryBytes(bytes, variant);
    }

    // Each line read back is an entry of the variant, its replacement no longer than it.
    const QStringList lines = decodeWindows1252(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), variants.count() + 1); // behind the last line end, nothing
    for (qsizetype i = 0; i < variants.count(); ++i) {
        const EntryLine entry = parseEntryLine(lines.at(i));
        QVERIFY2(entry.kind == EntryLine::Kind::Entry, qPrintable(lines.at(i)));
        QCOMPARE(entry.text.toString(), variants.at(i));
        QCOMPARE(entry.replacement.size(), entry.text.size());
    }

    // check, as vantro-filter check reads the file, finds nothing to report.
    EntryChecker checker([](const EntryFinding &finding) {
        QFAIL(qPrintable(finding.message)); // NOLINT: a finding fails the test
    });
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(readEntryFile(buffer, checker).hasValue());
    QCOMPARE(checker.counts().entries, variants.count());
}

void TestBuiltInWords::italianPortugueseDutchEntries_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("category");

    // Forms that players type, and one category for the forms of one word.
    const char *const rows[][3] = {{"it", "diocan", "profanity"},
                                   {"it", "cazzone", "insult"},
                                   {"it", "cagacazzi", "insult"},
                                   {"it", "fregna", "sexual"},
                                   {"it", "che palle", "profanity"},
                                   {"it", "segaiolo", "insult"},
                                   {"pt", "foder", "profanity"},
                                   {"pt", "fuder", "profanity"},
                                   {"pt", "tnc", "profanity"},
                                   {"pt", "veado", "slur"},
                                   {"pt", "viados", "slur"},
                                   {"pt", "arrombados", "insult"},
                                   {"pt", "otários", "insult"},
                                   {"pt", "otarios", "insult"},
                                   {"pt", "filhos da puta", "insult"},
                                   {"nl", "fokking", "profanity"},
                                   {"nl", "downie", "slur"},
                                   {"nl", "kankerhomo", "slur"},
                                   {"nl", "sloerie", "insult"},
                                   {"nl", "teven", "insult"},
                                   {"nl", "ik neuk je moeder", "insult"}};
    for (const auto &[language, text, category] : rows) {
        QTest::addRow("%s %s", language, text)
            << QString::fromLatin1(language) << QString::fromUtf8(text)
            << QString::fromLatin1(category);
    }
}

void TestBuiltInWords::italianPortugueseDutchEntries()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(QString, category);

    const std::span<const BuiltInWord> words = builtInWords(*wordLanguageFromCode(language));
    const auto word = std::ranges::find_if(
        words, [&](const BuiltInWord &w) { return QString::fromUtf8(w.text) == text; });
    QVERIFY2(word != words.end(), qPrintable(text));
    QCOMPARE(wordCategoryCode(word->category), category);
}

QTEST_GUILESS_MAIN(TestBuiltInWords)
#include "tst_builtinwords.moc"
