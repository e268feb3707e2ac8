#include "builder/cipher.h"

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
    void lengthNeverChanges();
};

void TestCipher::substitutionTable_data()
{
    QTest::addColumn<QChar>("input");
    QTest::addColumn<QChar>("output");

    // Row by row, as the table is published to administrators.
    const char *rows[][2] = {
        {"a", "z"}, {"b", "x"}, {"c", "8"}, {"d", "9"}, {"e", "w"}, {"f", "v"}, {"g", "u"},
        {"h", "t"}, {"i", "s"}, {"j", "2"}, {"k", "r"}, {"l", "q"}, {"m", "o"}, {"n", "p"},
        {"o", "0"}, {"p", "n"}, {"q", "1"}, {"r", "m"}, {"s", "l"}, {"t", "k"}, {"u", "j"},
        {"v", "i"}, {"w", "h"}, {"x", "g"}, {"y", "f"}, {"z", "e"}, {"$", "d"}, {".", "c"},
        {"-", "b"}, {"_", "a"}, {"A", "Z"}, {"B", "X"}, {"C", "7"}, {"D", "6"}, {"E", "W"},
        {"F", "V"}, {"G", "U"}, {"H", "T"}, {"I", "S"}, {"J", "4"}, {"K", "R"}, {"L", "Q"},
        {"M", "0"}, {"N", "P"}, {"O", "5"}, {"P", "N"}, {"Q", "2"}, {"R", "M"}, {"S", "L"},
        {"T", "K"}, {"U", "J"}, {"V", "I"}, {"W", "H"}, {"X", "G"}, {"Y", "F"}, {"Z", "E"},
    };
    QString inputs;
    for (const auto &row : rows) {
        QTest::newRow(row[0]) << QChar(row[0][0]) << QChar(row[1][0]);
        inputs += QChar(row[0][0]);
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

    QTest::newRow("gosh") << "gosh"
                          << "u0lt";
    QTest::newRow("Gosh") << "Gosh"
                          << "U0lt";
    QTest::newRow("GOSH") << "GOSH"
                          << "U5LT";
    QTest::newRow("gosh!") << "gosh!"
                           << "u0lt!";
    QTest::newRow("?gosh") << "?gosh"
                           << "?u0lt";
    QTest::newRow("gosh.") << "gosh."
                           << "u0ltc";
    QTest::newRow("Gosh.") << "Gosh."
                           << "U0ltc";
    QTest::newRow("GOSH!") << "GOSH!"
                           << "U5LT!";
    QTest::newRow("_gosh") << "_gosh"
                           << "au0lt";
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
