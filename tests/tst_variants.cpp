#include "builder/spellings.h"
#include "builder/variants.h"
#include "wordlists/builtinwords.h"
#include "wordlists/listorder.h"

#include <QTest>

using namespace vantro;

class TestVariants : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void variantListKeepsEachTextOnce_data();
    void variantListKeepsEachTextOnce();
    void sourceListSkipsEmptyWords();
    void bulkBuildEqualsInsertingOneByOne();
    void largeListsAreNotCapped();
    void spellingForms_data();
    void spellingForms();
    void spellingsKeepTheBudget_data();
    void spellingsKeepTheBudget();
};

void TestVariants::rows_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<QStringList>("variants");

    QTest::newRow("max usage") << "bs" << true
                               << QStringList{"bs",  "bs!", "bs.", "BS",  "BS!", "BS.",
                                              "bs?", "BS?", "bs_", "BS_", "_bs", "_BS",
                                              "Bs",  "Bs!", "Bs.", "_Bs", "Bs?", "Bs_"};
    QTest::newRow("phrase capitalises only its first character")
        << "your mom" << false
        << QStringList{"your mom",  "your mom!", "your mom.", "YOUR MOM", "YOUR MOM!",
                       "YOUR MOM.", "Your mom",  "Your mom!", "Your mom."};
    QTest::newRow("symbol first: capitalised equals plain")
        << "$ex" << false
        << QStringList{"$ex", "$ex!", "$ex.", "$EX", "$EX!", "$EX.", "$ex", "$ex!", "$ex."};
    QTest::newRow("blanks only") << "  " << false << QStringList{"  ",  "  !", "  .", "  ", "  !",
                                                                 "  .", "  ",  "  !", "  ."};
}

void TestVariants::rows()
{
    QFETCH(QString, word);
    QFETCH(bool, maxUsage);
    QFETCH(QStringList, variants);
    QCOMPARE(expandWord(word, maxUsage), variants);
}

void TestVariants::variantListKeepsEachTextOnce_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<QStringList>("variants");

    QTest::newRow("one letter: upper and capitalised forms merge")
        << QStringList{"a"} << true
        << QStringList{"_A", "_a", "A", "a", "A!", "a!", "A.", "a.", "A?", "a?", "A_", "a_"};
    QTest::newRow("digits: three texts")
        << QStringList{"42"} << false << QStringList{"42", "42!", "42."};
    QTest::newRow("digits with max usage: six texts")
        << QStringList{"42"} << true << QStringList{"_42", "42", "42!", "42.", "42?", "42_"};
    QTest::newRow("a word twice gives its variants once")
        << QStringList{"ok", "ok"} << false
        << QStringList{"OK", "Ok", "ok", "OK!", "Ok!", "ok!", "OK.", "Ok.", "ok."};
}

void TestVariants::variantListKeepsEachTextOnce()
{
    QFETCH(QStringList, words);
    QFETCH(bool, maxUsage);
    QFETCH(QStringList, variants);

    SortedTextList source;
    for (const QString &word : words)
        source.addItem(word);
    QCOMPARE(buildVariantList(source, maxUsage).items(), variants);
}

void TestVariants::sourceListSkipsEmptyWords()
{
    SortedTextList wordList = SortedTextList::fromUnsorted({"", "gosh", "", " "});
    const SortedTextList source = sourceListFrom(wordList);
    QCOMPARE(source.items(), QStringList({" ", "gosh"}));

    QCOMPARE(buildVariantList(SortedTextList::fromUnsorted({"", ""}), true).count(), 0);
    QCOMPARE(buildVariantList(SortedTextList(), false).count(), 0);
}

void TestVariants::bulkBuildEqualsInsertingOneByOne()
{
    const QStringList words = {"ass",  "a$$",  "a-s-s", "as s",     "as_s", "bs",
                               "b.s.", "d'oh", "doh",   "f*ck",     "fu",   "fu-",
                               "_x",   "x_",   "mom",   "your mom", "é"};
    SortedTextList source;
    for (const QString &word : words)
        source.addItem(word);

    for (const bool maxUsage : {false, true}) {
        SortedTextList oneByOne;
        for (const QString &word : source.items()) {
            for (const QString &variant : expandWord(word, maxUsage))
                oneByOne.addItem(variant);
        }
        // Removal of equal neighbours the slow way: compare, remove, compare again.
        qsizetype position = 0;
        while (position + 1 < oneByOne.count()) {
            if (oneByOne.at(position) == oneByOne.at(position + 1))
                oneByOne.removeItem(position);
            else
                ++position;
        }
        QCOMPARE(buildVariantList(source, maxUsage).items(), oneByOne.items());
    }
}

void TestVariants::largeListsAreNotCapped()
{
    SortedTextList source;
    for (int i = 0; i < 4000; ++i)
        source.addItem(QStringLiteral("w%1x").arg(i));
    QCOMPARE(buildVariantList(source, false).count(), 36000);
    QCOMPARE(buildVariantList(source, true).count(), 72000);
}

void TestVariants::spellingForms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("forms");   // among the word's spelling forms
    QTest::addColumn<QStringList>("refused"); // never among them

    QTest::newRow("look-alikes one at a time, and the common ones at once")
        << "shit" << QStringList{"sh1t", "5hit", "sh!t", "shi7", "$hit", "shi+", "5h1t"}
        << QStringList{"shit", "Shit", "SHIT", "5h17"};
    QTest::newRow("two letters at least")
        << "ass" << QStringList{"@ss", "4ss"} << QStringList{"@55", "a55", "a$$"};
    QTest::newRow("every word of a phrase capitalised")
        << "heil hitler" << QStringList{"Heil Hitler", "h3il hitl3r", "he1l h1tler"}
        << QStringList{"Heil hitler"};
    QTest::newRow("umlauts plain or spelled out")
        << QString::fromUtf8("arschlöcher") << QStringList{"arschlocher", "arschloecher"}
        << QStringList{};
    QTest::newRow("sharp s and accents")
        << QString::fromUtf8("mißgeburt") << QStringList{"missgeburt"} << QStringList{};
    QTest::newRow("the other apostrophe")
        << "je m'en fous" << QStringList{QString::fromUtf8("je m’en fous"), "Je M'en Fous"}
        << QStringList{};
    QTest::newRow("oe for the ligature")
        << QString::fromUtf8("nique ta sœur") << QStringList{"nique ta soeur"} << QStringList{};
}

void TestVariants::spellingForms()
{
    QFETCH(QString, word);
    QFETCH(QStringList, forms);
    QFETCH(QStringList, refused);
    QStringList texts;
    for (const SpellingForm &form : spellingFormsOf(word))
        texts.append(form.text);
    for (const QString &form : forms)
        QVERIFY2(texts.contains(form),
                 qPrintable(form + QStringLiteral(" not in ") + texts.join(QStringLiteral(", "))));
    for (const QString &form : refused)
        QVERIFY2(!texts.contains(form), qPrintable(form));
}

// With --spellings a Build writes at most half as many entries again, and every entry it writes
// without.
void TestVariants::spellingsKeepTheBudget_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &code : wordLanguageCodes())
        QTest::newRow(qPrintable(code)) << code;
}

void TestVariants::spellingsKeepTheBudget()
{
    QFETCH(QString, language);
    SortedTextList source;
    for (const BuiltInWord &word : builtInWords(*wordLanguageFromCode(language)))
        source.addItem(QString::fromUtf8(word.text));
    for (const bool maxUsage : {false, true}) {
        const QStringList without = buildVariantList(source, maxUsage).items();
        const QStringList with = buildVariantList(source, maxUsage, true).items();
        QVERIFY2(with.size() * 2 <= without.size() * 3,
                 qPrintable(QStringLiteral("%1 / %2").arg(QString::number(with.size()),
                                                          QString::number(without.size()))));
        QVERIFY(with.size() > without.size());
        const QSet<QString> written(with.cbegin(), with.cend());
        QVERIFY(std::all_of(without.cbegin(), without.cend(),
                            [&](const QString &text) { return written.contains(text); }));
    }
}

QTEST_APPLESS_MAIN(TestVariants)
#include "tst_variants.moc"
