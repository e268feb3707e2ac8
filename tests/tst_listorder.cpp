#include "wordlists/listorder.h"
#include "wordlists/sortedtextlist.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vantro;

class TestListOrder : public QObject
{
    Q_OBJECT

private slots:
    void pairs_data();
    void pairs();
    void orderIsTotalAndConsistent();
    void addItemPlacesTexts_data();
    void addItemPlacesTexts();
    void bulkSortEqualsInsertion();
    void removeEqualNeighbours();
    void removeItem();
    void holdsMoreThan32767Items();
};

void TestListOrder::pairs_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("space before letters") << "go sh"
                                          << "gosh";
    QTest::newRow("underscore before letters") << "go_sh"
                                               << "gosh";
    QTest::newRow("hyphen dropped, shorter first") << "gosh"
                                                   << "go-sh";
    QTest::newRow("apostrophe dropped, shorter first") << "gosh"
                                                       << "gos'h";
    QTest::newRow("hyphen right behind its plain text") << "go-sh"
                                                        << "goshx";
    QTest::newRow("case ignored first") << "Apple"
                                        << "banana";
    QTest::newRow("upper before lower when equal otherwise") << "GOSH"
                                                             << "gosh";
    QTest::newRow("empty first") << ""
                                 << " ";
    QTest::newRow("prefix first") << "ass"
                                  << "asshole";
    QTest::newRow("digit before letter") << "9"
                                         << "a";
    QTest::newRow("symbol before digit") << "$"
                                         << "0";
    QTest::newRow("star before letter") << "*x"
                                        << "ax";
    QTest::newRow("at sign before letter") << "@ss"
                                           << "ass";
    QTest::newRow("leading space before letter") << " z"
                                                 << "a";
    QTest::newRow("symbols by code") << " "
                                     << "_";
    QTest::newRow("quotation mark is a symbol") << QString::fromUtf8("a\u2019b") << "aab";
    QTest::newRow("accented letter after z") << "z" << QString::fromUtf8("\u00e9");
    QTest::newRow("accented upper case folds") << QString::fromUtf8("\u00c9a") << "\u00e9b";
    QTest::newRow("only hyphens against empty") << ""
                                                << "-";
}

void TestListOrder::pairs()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY2(compareListOrder(before, after) < 0, qPrintable(before + " < " + after));
    QVERIFY2(compareListOrder(after, before) > 0, qPrintable(after + " > " + before));
}

void TestListOrder::orderIsTotalAndConsistent()
{
    const QStringList texts = {"",     " ",    "-",    "a",   "A",   "a-",  "-a",
                               "a'b",  "ab",   "a-b",  "A-b", "a b", "a_b", "$ab",
                               "0ab",  "aB",   "ab.",  "ab!", "AB",  "b",   "ab'",
                               "a--b", "a-'b", "a'-b", "Ab",  "ab ", "é",   "É"};
    for (const QString &x : texts) {
        QCOMPARE(compareListOrder(x, x), 0);
        for (const QString &y : texts) {
            const int xy = compareListOrder(x, y);
            QCOMPARE(xy<0, compareListOrder(y, x)> 0);
            if (x != y)
                QVERIFY2(xy != 0, qPrintable(x + " and " + y + " compare equal"));
            for (const QString &z : texts) {
                if (xy < 0 && compareListOrder(y, z) < 0)
                    QVERIFY2(compareListOrder(x, z) < 0, qPrintable(x + " < " + y + " < " + z));
            }
        }
    }
}

void TestListOrder::addItemPlacesTexts_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("position");

    const QStringList words = {"ass", "damn", "gosh", "heck"};
    QTest::newRow("hyphenated behind the plain text") << words << "da-mn" << 2;
    QTest::newRow("duplicate behind its twin") << words << "gosh" << 3;
    QTest::newRow("empty text at the start") << words << "" << 0;
    QTest::newRow("symbol start before every letter") << words << "$hit" << 0;
    QTest::newRow("underscore start before every letter") << words << "_z" << 0;
    QTest::newRow("at the end") << words << "zz" << 4;
    QTest::newRow("upper case beside its lower case") << words << "DAMN" << 1;
}

void TestListOrder::addItemPlacesTexts()
{
    QFETCH(QStringList, present);
    QFETCH(QString, added);
    QFETCH(int, position);

    SortedTextList list;
    for (const QString &text : present)
        list.addItem(text);
    QCOMPARE(list.insertPosition(added), position);
    QCOMPARE(list.addItem(added), position);
    QCOMPARE(list.at(position), added);
    QCOMPARE(list.count(), present.size() + 1);
}

void TestListOrder::bulkSortEqualsInsertion()
{
    // Random texts over an alphabet rich in the characters the order treats specially.
    QString alphabet = QString::fromUtf8("aAbB-' _$0.\u00e9\u00c9\u2019\u20ac\U0001F600\U00010400");
    alphabet += QChar(u'\0'); // also a NUL, and (from the pairs above) lone surrogates
    QRandomGenerator random(20261209);
    QStringList texts;
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = random.bounded(12);
        for (int j = 0; j < length; ++j)
            text += alphabet.at(random.bounded(alphabet.size()));
        texts << text;
    }

    SortedTextList inserted;
    for (const QString &text : texts)
        inserted.addItem(text);
    const SortedTextList bulk = SortedTextList::fromUnsorted(texts);
    QCOMPARE(bulk.items(), inserted.items());

    for (qsizetype i = 1; i < bulk.count(); ++i)
        QVERIFY(compareListOrder(bulk.at(i - 1), bulk.at(i)) <= 0);
    // Identical texts stand together: after removing neighbours every text is there once.
    SortedTextList unique = bulk;
    unique.removeEqualNeighbours();
    QCOMPARE(unique.count(), qsizetype(QSet<QString>(texts.begin(), texts.end()).size()));
}

void TestListOrder::removeEqualNeighbours()
{
    SortedTextList list = SortedTextList::fromUnsorted(
        {"gosh", "gosh", "gosh", "GOSH", "Gosh", "a", "b", "b", "", ""});
    list.removeEqualNeighbours();
    QCOMPARE(list.items(), QStringList({"", "a", "b", "GOSH", "Gosh", "gosh"}));
}

void TestListOrder::removeItem()
{
    SortedTextList list = SortedTextList::fromUnsorted({"a", "b", "c", "d"});
    list.removeItem(2);
    QCOMPARE(list.items(), QStringList({"a", "b", "d"}));
    list.removeItem(2);
    list.removeItem(0);
    list.removeItem(0);
    QCOMPARE(list.count(), 0);
}

void TestListOrder::holdsMoreThan32767Items()
{
    SortedTextList list;
    for (int i = 40000; i > 0; --i)
        list.addItem(QString::number(i).rightJustified(5, u'0'));
    QCOMPARE(list.count(), 40000);
    QCOMPARE(list.at(39999), QStringLiteral("40000"));
    QCOMPARE(list.insertPosition(QStringLiteral("35000")), 35000);
}

QTEST_APPLESS_MAIN(TestListOrder)
#include "tst_listorder.moc"
