// The built-in word list keeps the figures that the product promises: its size, lengths, word
// counts and character classes, its order and its distinctness. Every failure says which figure
// is off and by how much, so that an edit of the table that breaks one is caught at once. Every
// language's list is stored in list order, each entry with a category, and makes only safe
// filter entries in both variant sets.

#include "builder/cipher.h"
#include "builder/entryformat.h"
#include "builder/variants.h"
#include "entryfiles/entrycheck.h"
#include "entryfiles/entryline.h"
#include "wordlists/builtinwords.h"
#include "wordlists/listorder.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QBuffer>
#include <QHash>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace vantro;

namespace {

constexpr qsizetype kEntryCount = 1187;
constexpr qsizetype kShortest = 2;
constexpr qsizetype kLongest = 22;

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

// "what: actual, expected E (N too few)", or an empty text when the figure is right.
QString figureMismatch(const QString &what, qsizetype actual, qsizetype expected)
{
    if (actual == expected)
        return {};
    const qsizetype difference = actual > expected ? actual - expected : expected - actual;
    return QStringLiteral("%1: %2, expected %3 (%4 %5)")
        .arg(what)
        .arg(actual)
        .arg(expected)
        .arg(difference)
        .arg(actual < expected ? QStringLiteral("too few") : QStringLiteral("too many"));
}

qsizetype wordCount(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts).size();
}

bool isLowerLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

using EntryRule = bool (*)(const QString &);

bool isNotEmpty(const QString &text)
{
    return !text.isEmpty();
}

bool hasNoUpperCase(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isUpper(); });
}

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

bool hasAllowedLength(const QString &text)
{
    return text.size() >= kShortest && text.size() <= kLongest;
}

bool hasAtMostOneDoubleGap(const QString &text)
{
    return !text.contains(QStringLiteral("   ")) && text.count(QStringLiteral("  ")) <= 1;
}

// Every entry goes into the filter files as it is, so each must be writable there.
bool isWritableInFilterEntry(const QString &text)
{
    return !findWordProblem(text).has_value();
}

// The six categories and seven languages, counted here rather than taken from the header.
constexpr int kCategoryCount = 6;
constexpr int kLanguageCount = 7;

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

Q_DECLARE_METATYPE(EntryRule)

class TestBuiltInWords : public QObject
{
    Q_OBJECT

private slots:
    void entryCount();
    void everyEntryKeepsRule_data();
    void everyEntryKeepsRule();
    void lengthsSpanTheRange();
    void mostEntriesAreSevenToElevenLong();
    void wordCounts_data();
    void wordCounts();
    void doubleGaps();
    void entriesWithCharacter_data();
    void entriesWithCharacter();
    void parenthesesShareOneEntry();
    void tableIsInListOrder();
    void entriesAreDistinctIgnoringCase();
    void startUpWordListEqualsSourceList();

    void codes_data();
    void codes();
    void everyLanguageList_data();
    void everyLanguageList();
    void categoriesInUse_data();
    void categoriesInUse();
    void sourceListOfLanguagesAndCategories_data();
    void sourceListOfLanguagesAndCategories();
    void variantsMakeSafeEntries_data();
    void variantsMakeSafeEntries();
};

void TestBuiltInWords::entryCount()
{
    const QString mismatch =
        figureMismatch(QStringLiteral("entries"), builtInTexts().size(), kEntryCount);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::everyEntryKeepsRule_data()
{
    QTest::addColumn<EntryRule>("rule");

    QTest::newRow("not empty") << EntryRule(isNotEmpty);
    QTest::newRow("no upper-case letter") << EntryRule(hasNoUpperCase);
    QTest::newRow("no leading or trailing space") << EntryRule(hasNoOuterSpace);
    QTest::newRow("a lower-case letter") << EntryRule(hasLowerLetter);
    QTest::newRow("only lower-case letters and the listed characters")
        << EntryRule(hasOnlyKnownCharacters);
    QTest::newRow("2 to 22 characters") << EntryRule(hasAllowedLength);
    QTest::newRow("no gap wider than two spaces, at most one double gap")
        << EntryRule(hasAtMostOneDoubleGap);
    QTest::newRow("writable into a filter entry") << EntryRule(isWritableInFilterEntry);
}

void TestBuiltInWords::everyEntryKeepsRule()
{
    QFETCH(EntryRule, rule);

    QStringList breaking;
    for (const QString &text : builtInTexts()) {
        if (!rule(text))
            breaking.append(text);
    }
    QVERIFY2(breaking.isEmpty(), qPrintable(QStringLiteral("%1 entries break it, first \"%2\"")
                                                .arg(breaking.size())
                                                .arg(breaking.value(0))));
}

void TestBuiltInWords::lengthsSpanTheRange()
{
    const QStringList &texts = builtInTexts();
    QVERIFY(!texts.isEmpty());
    const auto bySize = [](const QString &a, const QString &b) { return a.size() < b.size(); };
    const auto [shortest, longest] = std::minmax_element(texts.begin(), texts.end(), bySize);

    QString mismatch =
        figureMismatch(QStringLiteral("shortest entry length"), shortest->size(), kShortest);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    mismatch = figureMismatch(QStringLiteral("longest entry length"), longest->size(), kLongest);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::mostEntriesAreSevenToElevenLong()
{
    const QStringList &texts = builtInTexts();
    const qsizetype common = std::count_if(texts.begin(), texts.end(), [](const QString &text) {
        return text.size() >= 7 && text.size() <= 11;
    });
    QVERIFY2(common * 2 > texts.size(),
             qPrintable(QStringLiteral("entries of 7 to 11 characters: %1 of %2, not a majority")
                            .arg(common)
                            .arg(texts.size())));
}

void TestBuiltInWords::wordCounts_data()
{
    QTest::addColumn<qsizetype>("fewestWords");
    QTest::addColumn<qsizetype>("mostWords");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("single words") << qsizetype(1) << qsizetype(1) << qsizetype(799);
    QTest::newRow("entries of two words") << qsizetype(2) << qsizetype(2) << qsizetype(367);
    QTest::newRow("entries of three words") << qsizetype(3) << qsizetype(3) << qsizetype(21);
    QTest::newRow("entries of more than three words")
        << qsizetype(4) << qsizetype(kLongest) << qsizetype(0);
}

void TestBuiltInWords::wordCounts()
{
    QFETCH(qsizetype, fewestWords);
    QFETCH(qsizetype, mostWords);
    QFETCH(qsizetype, expected);

    const QStringList &texts = builtInTexts();
    const qsizetype actual = std::count_if(texts.begin(), texts.end(), [&](const QString &text) {
        const qsizetype words = wordCount(text);
        return words >= fewestWords && words <= mostWords;
    });
    const QString mismatch =
        figureMismatch(QString::fromUtf8(QTest::currentDataTag()), actual, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::doubleGaps()
{
    const QStringList &texts = builtInTexts();
    const qsizetype actual = std::count_if(texts.begin(), texts.end(), [](const QString &text) {
        return text.contains(QStringLiteral("  "));
    });
    const QString mismatch =
        figureMismatch(QStringLiteral("entries with a gap two spaces wide"), actual, 2);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::entriesWithCharacter_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("entries with a space") << QChar(u' ') << qsizetype(388);
    QTest::newRow("entries with a hyphen") << QChar(u'-') << qsizetype(135);
    QTest::newRow("entries with an underscore") << QChar(u'_') << qsizetype(123);
    QTest::newRow("entries with a dollar sign") << QChar(u'$') << qsizetype(8);
    QTest::newRow("entries with a full stop") << QChar(u'.') << qsizetype(6);
    QTest::newRow("entries with an apostrophe") << QChar(u'\'') << qsizetype(4);
    QTest::newRow("entries with an at sign") << QChar(u'@') << qsizetype(3);
    QTest::newRow("entries with the digit 0") << QChar(u'0') << qsizetype(3);
    QTest::newRow("entries with an asterisk") << QChar(u'*') << qsizetype(2);
    QTest::newRow("entries with a percent sign") << QChar(u'%') << qsizetype(1);
    QTest::newRow("entries with an ampersand") << QChar(u'&') << qsizetype(1);
    QTest::newRow("entries with a vertical bar") << QChar(u'|') << qsizetype(1);
    QTest::newRow("entries with an opening parenthesis") << QChar(u'(') << qsizetype(1);
    QTest::newRow("entries with a closing parenthesis") << QChar(u')') << qsizetype(1);
    QTest::newRow("entries with a right single quotation mark") << QChar(u'\u2019') << qsizetype(1);
    for (char digit = '1'; digit <= '9'; ++digit) {
        QTest::addRow("entries with the digit %c", digit) << QChar(digit) << qsizetype(0);
    }
}

void TestBuiltInWords::entriesWithCharacter()
{
    QFETCH(QChar, character);
    QFETCH(qsizetype, expected);

    const QStringList &texts = builtInTexts();
    const qsizetype actual = std::count_if(
        texts.begin(), texts.end(), [&](const QString &text) { return text.contains(character); });
    const QString mismatch =
        figureMismatch(QString::fromUtf8(QTest::currentDataTag()), actual, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::parenthesesShareOneEntry()
{
    const QStringList &texts = builtInTexts();
    const qsizetype actual = std::count_if(texts.begin(), texts.end(), [](const QString &text) {
        return text.contains(u'(') && text.contains(u')');
    });
    const QString mismatch =
        figureMismatch(QStringLiteral("entries with both \"(\" and \")\""), actual, 1);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestBuiltInWords::tableIsInListOrder()
{
    const QStringList &texts = builtInTexts();
    for (qsizetype i = 1; i < texts.size(); ++i) {
        QVERIFY2(compareListOrder(texts.at(i - 1), texts.at(i)) < 0,
                 qPrintable(QStringLiteral("entries %1 and %2 out of list order: \"%3\", \"%4\"")
                                .arg(i - 1)
                                .arg(i)
                                .arg(texts.at(i - 1), texts.at(i))));
    }
}

void TestBuiltInWords::entriesAreDistinctIgnoringCase()
{
    QHash<QString, QString> byFoldedText;
    QStringList duplicates;
    for (const QString &text : builtInTexts()) {
        const QString folded = text.toCaseFolded();
        const auto earlier = byFoldedText.constFind(folded);
        if (earlier != byFoldedText.cend())
            duplicates.append(QStringLiteral("\"%1\" and \"%2\"").arg(earlier.value(), text));
        else
            byFoldedText.insert(folded, text);
    }
    QVERIFY2(duplicates.isEmpty(),
             qPrintable(QStringLiteral("%1 entries repeat another regardless of case, first %2")
                            .arg(duplicates.size())
                            .arg(duplicates.value(0))));
}

void TestBuiltInWords::startUpWordListEqualsSourceList()
{
    const SortedTextList source = builtInSourceList();
    const SortedTextList words = wordListFromSource(source);

    QString mismatch =
        figureMismatch(QStringLiteral("source list items"), source.count(), kEntryCount);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    mismatch = figureMismatch(QStringLiteral("word list items"), words.count(), source.count());
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    for (qsizetype i = 0; i < source.count(); ++i) {
        QVERIFY2(words.at(i) == source.at(i),
                 qPrintable(QStringLiteral("item %1: word list \"%2\", source list \"%3\"")
                                .arg(i)
                                .arg(words.at(i), source.at(i))));
        QVERIFY2(!words.at(i).isEmpty(), qPrintable(QStringLiteral("item %1 is empty").arg(i)));
    }
    // The table is stored in list order, so loading it keeps the table's own order.
    QCOMPARE(source.items(), builtInTexts());
}

void TestBuiltInWords::codes_data()
{
    QTest::addColumn<bool>("isLanguage");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index"); // the enumerator's value; -1 for no enumerator

    const char *categories[] = {"slur", "sexual", "profanity", "insult", "drug", "other"};
    for (int i = 0; i < kCategoryCount; ++i)
        QTest::addRow("category %s", categories[i])
            << false << QString::fromLatin1(categories[i]) << i;
    const char *languages[] = {"en", "de", "fr", "es", "it", "pt", "nl"};
    for (int i = 0; i < kLanguageCount; ++i)
        QTest::addRow("language %s", languages[i])
            << true << QString::fromLatin1(languages[i]) << i;
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
    QTest::addColumn<qsizetype>("fewest");
    QTest::addColumn<qsizetype>("most");

    QTest::newRow("en") << 0 << kEntryCount << kEntryCount;
    const char *others[] = {"de", "fr", "es", "it", "pt", "nl"};
    for (int i = 1; i < kLanguageCount; ++i)
        QTest::newRow(others[i - 1]) << i << qsizetype(200) << qsizetype(5000);
}

void TestBuiltInWords::everyLanguageList()
{
    QFETCH(int, language);
    QFETCH(qsizetype, fewest);
    QFETCH(qsizetype, most);

    const std::span<const BuiltInWord> words = builtInWords(languageAt(language));
    const QStringList texts = textsOf(words);
    QVERIFY2(texts.size() >= fewest && texts.size() <= most,
             qPrintable(QStringLiteral("%1 entries, expected %2 to %3")
                            .arg(texts.size())
                            .arg(fewest)
                            .arg(most)));

    QSet<QString> seen;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString &text = texts.at(i);
        const auto category = static_cast<unsigned>(words[std::size_t(i)].category);
        QVERIFY2(category < unsigned(kCategoryCount),
                 qPrintable(QStringLiteral("\"%1\" has no category (%2)").arg(text).arg(category)));
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

    // English has every category, most of its entries sexual or insults; the other languages
    // have every category but the harmless one.
    const qsizetype englishFewest[] = {100, 300, 100, 300, 5, 5};
    const char *categories[] = {"slur", "sexual", "profanity", "insult", "drug", "other"};
    for (int c = 0; c < kCategoryCount; ++c)
        QTest::addRow("en %s", categories[c]) << 0 << c << englishFewest[c];
    const char *languages[] = {"en", "de", "fr", "es", "it", "pt", "nl"};
    for (int l = 1; l < kLanguageCount; ++l) {
        for (int c = 0; c < kCategoryCount - 1; ++c)
            QTest::addRow("%s %s", languages[l], categories[c]) << l << c << qsizetype(10);
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
             qPrintable(QStringLiteral("%1 entries, expected %2 or more").arg(actual).arg(fewest)));
}

void TestBuiltInWords::sourceListOfLanguagesAndCategories_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("categories");

    const QStringList every = {QStringLiteral("slur"),      QStringLiteral("sexual"),
                               QStringLiteral("profanity"), QStringLiteral("insult"),
                               QStringLiteral("drug"),      QStringLiteral("other")};
    QTest::newRow("English, every category") << QStringList{QStringLiteral("en")} << every;
    QTest::newRow("German slurs") << QStringList{QStringLiteral("de")}
                                  << QStringList{QStringLiteral("slur")};
    QTest::newRow("French and Dutch, sexual and drug")
        << QStringList{QStringLiteral("fr"), QStringLiteral("nl")}
        << QStringList{QStringLiteral("sexual"), QStringLiteral("drug")};
    QTest::newRow("every language, every category")
        << QStringList{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                       QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pt"),
                       QStringLiteral("nl")}
        << every;
    QTest::newRow("Spanish named twice") << QStringList{QStringLiteral("es"), QStringLiteral("es")}
                                         << QStringList{QStringLiteral("insult")};
    QTest::newRow("no language") << QStringList() << every;
    QTest::newRow("no category") << QStringList{QStringLiteral("it")} << QStringList();
}

void TestBuiltInWords::sourceListOfLanguagesAndCategories()
{
    QFETCH(QStringList, languages);
    QFETCH(QStringList, categories);

    std::vector<WordLanguage> chosenLanguages;
    for (const QString &code : languages)
        chosenLanguages.push_back(*wordLanguageFromCode(code));
    std::vector<WordCategory> chosenCategories;
    for (const QString &code : categories)
        chosenCategories.push_back(*wordCategoryFromCode(code));

    // The model: the distinct texts of the chosen tables' entries whose category code is chosen.
    QSet<QString> expected;
    for (const WordLanguage language : chosenLanguages) {
        for (const BuiltInWord &word : builtInWords(language)) {
            if (categories.contains(wordCategoryCode(word.category)))
                expected.insert(QString::fromUtf8(word.text));
        }
    }

    const SortedTextList source = builtInSourceList(chosenLanguages, chosenCategories);
    QCOMPARE(source.count(), expected.size());
    QCOMPARE(QSet<QString>(source.items().begin(), source.items().end()), expected);
    for (qsizetype i = 1; i < source.count(); ++i)
        QVERIFY(compareListOrder(source.at(i - 1), source.at(i)) < 0);
    if (languages == QStringList{QStringLiteral("en")} && categories.size() == kCategoryCount)
        QCOMPARE(source, builtInSourceList());
}

void TestBuiltInWords::variantsMakeSafeEntries_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("maxUsage");

    const char *languages[] = {"en", "de", "fr", "es", "it", "pt", "nl"};
    for (int l = 0; l < kLanguageCount; ++l) {
        QTest::addRow("%s, 9 variants", languages[l]) << l << false;
        QTest::addRow("%s, 18 variants", languages[l]) << l << true;
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

QTEST_GUILESS_MAIN(TestBuiltInWords)
#include "tst_builtinwords.moc"
