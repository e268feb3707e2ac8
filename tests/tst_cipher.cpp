#include "builder/cipher.h"
#include "entrymodel.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vantro;

class TestCipher : public QObject
{
    Q_OBJECT

private slots:
    void substitutionTable_data();
    void substitutionTable();
    void words_data();
    void words();
    void masks_data();
    void masks();
    void filterEntries_data();
    void filterEntries();
    void lengthNeverChanges();
};

void TestCipher::substitutionTable_data()
{
    QTest::addColumn<QChar>("input");
    QTest::addColumn<QChar>("output");

    QString inputs;
    for (const auto &[input, output] : model::kCipherTable) {
        QTest::addRow("%c", input) << QChar(input) << QChar(output);
        inputs += QChar(input);
    }
    // Every other printable ASCII character is copied.
    for (char c = ' '; c <= '~'; ++c) {
        if (!inputs.contains(QChar(c)))
            QTest::addRow("copied %c", c) << QChar(c) << QChar(c);
    }
}

void TestCipher::substitutionTable()
{
    QFETCH(QChar, input);
    QFETCH(QChar, output);
    QCOMPARE(makeReplacement(QString(input)), QString(output));
}

void TestCipher::words_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("replacement");

    QTest::newRow("big loser") << "big loser"
                               << "xsu q0lwm";
    QTest::newRow("dam-it") << "dam-it"
                            << "9zobsk";
    QTest::newRow("stupid") << "stupid"
                            << "lkjns9";
    QTest::newRow("STUPID") << "STUPID"
                            << "LKJNS6";
    QTest::newRow("Mom") << "Mom"
                         << "00o";
    QTest::newRow("outputs are not mapped again") << "az"
                                                  << "ze";
    QTest::newRow("$5.00") << "$5.00"
                           << "d5c00";
    QTest::newRow("non-ascii copied")
        << QString::fromUtf8("caf\u00e9") << QString::fromUtf8("8zv\u00e9");
    QTest::newRow("no table input") << "12 !?@"
                                    << "12 !?@";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCipher::words()
{
    QFETCH(QString, word);
    QFETCH(QString, replacement);
    QCOMPARE(makeReplacement(word), replacement);
}

void TestCipher::masks_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("mask");

    QTest::newRow("punctuation masked") << "Gosh!"
                                        << "*****";
    QTest::newRow("space kept") << "your mom"
                                << "**** ***";
    QTest::newRow("table symbols masked") << "_a$$-hole."
                                          << "**********";
    QTest::newRow("digits and ? masked") << "c0ck?"
                                         << "*****";
    QTest::newRow("look-alikes masked") << "sh!t sh1t"
                                        << "**** ****";
    QTest::newRow("accents masked") << QString::fromUtf8("blöde kuh") << "***** ***";
}

void TestCipher::masks()
{
    QFETCH(QString, word);
    QFETCH(QString, mask);
    QCOMPARE(makeMask(word), mask);
    QCOMPARE(makeReplacement(word, ReplacementStyle::Mask), mask);
}

void TestCipher::filterEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("filter");

    QTest::newRow("the cipher's") << "Gosh."
                                  << "U0ltc" << true;
    QTest::newRow("the mask's") << "Gosh!"
                                << "*****" << true;
    QTest::newRow("the earlier mask's")
        << QString::fromUtf8("blöde kuh!") << QString::fromUtf8("**ö** ***!") << true;
    QTest::newRow("half the mask, half the earlier")
        << QString::fromUtf8("blöde kuh!") << QString::fromUtf8("**ö** ****") << false;
    QTest::newRow("the space masked") << "your mom"
                                      << "********" << false;
    QTest::newRow("an administrator's own") << "Gosh."
                                            << "Golly" << false;
    QTest::newRow("half cipher, half mask") << "gosh"
                                            << "u0**" << false;
    QTest::newRow("maps to itself") << "12 !?"
                                    << "12 !?" << false;
    QTest::newRow("longer replacement") << "gosh"
                                        << "u0lt!" << false;
    QTest::newRow("game text with a table symbol") << "Hello"
                                                   << "Hello" << false;
}

void TestCipher::filterEntries()
{
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(bool, filter);
    QCOMPARE(filterStyleOf(text, replacement).has_value(), filter);
}

void TestCipher::lengthNeverChanges()
{
    QRandomGenerator random(1187);
    for (int i = 0; i < 2000; ++i) {
        QString word;
        const int length = random.bounded(40);
        for (int j = 0; j < length; ++j)
            word += QChar(char16_t(random.bounded(0x20, 0x3000)));
        const QString replacement = makeReplacement(word);
        QCOMPARE(replacement.size(), word.size());
        for (qsizetype j = 0; j < word.size(); ++j) {
            if (word.at(j).unicode() >= 0x80)
                QCOMPARE(replacement.at(j), word.at(j));
        }
    }
}

QTEST_APPLESS_MAIN(TestCipher)
#include "tst_cipher.moc"
