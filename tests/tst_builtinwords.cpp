// The built-in word list keeps the figures that the product promises: its size, lengths, word
// counts and character classes, its order and its distinctness. Every failure says which figure
// is off and by how much, so that an edit of the table that breaks one is caught at once.

#include "wordlists/builtinwords.h"
#include "wordlists/listorder.h"
#include "wordlists/wordcheck.h"

#include <QHash>
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

QTEST_GUILESS_MAIN(TestBuiltInWords)
#include "tst_builtinwords.moc"
