#include "builder/variants.h"
#include "wordlists/casefold.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QTest>

using namespace vantro;

class TestWordCheck : public QObject
{
    Q_OBJECT

private slots:
    void refusesUnsafeCharacters_data();
    void refusesUnsafeCharacters();
    void newWordIsLowerCasedThenChecked();
    void caseFormsKeepTheLength_data();
    void caseFormsKeepTheLength();
    void codePageRoundTrip();
};

void TestWordCheck::refusesUnsafeCharacters_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("position");  // 0: accepted
    QTest::addColumn<QString>("named"); // a piece the message must hold

    QTest::newRow("plain word") << "gosh" << 0 << "";
    QTest::newRow("empty word") << "" << 0 << "";
    QTest::newRow("spaces and symbols") << " $h*t @ss_f.ce-x'(y)|%& " << 0 << "";
    QTest::newRow("euro and accents") << QString::fromUtf8("caf\u00e9 \u20ac \u2019") << 0 << "";
    QTest::newRow("double quote") << "ab\"cd" << 3 << "double quote";
    QTest::newRow("tab") << "ab\tc" << 3 << "U+0009";
    QTest::newRow("line feed first") << "\nabc" << 1 << "U+000A";
    QTest::newRow("delete") << "abc\x7f" << 4 << "U+007F";
    QTest::newRow("C1 control") << QString::fromUtf8("a\u0085") << 2 << "U+0085";
    QTest::newRow("undefined code page byte") << QString::fromUtf8("a\u0081") << 2 << "U+0081";
    QTest::newRow("greek omega") << QString::fromUtf8("x\u03a9") << 2 << "U+03A9";
    QTest::newRow("emoji, one character of two units")
        << QString::fromUtf8("ab\U0001F600") << 3 << "U+1F600";
    // A combining mark would join the quote before it; it stands on a dotted circle.
    QTest::newRow("combining mark stands alone")
        << QString::fromUtf8("e\u0301") << 2 << QString::fromUtf8("\"\u25cc\u0301\"");
    QTest::newRow("first problem is named") << "a\"\tb" << 2 << "double quote";
}

void TestWordCheck::refusesUnsafeCharacters()
{
    QFETCH(QString, word);
    QFETCH(int, position);
    QFETCH(QString, named);

    const Result<void> checked = checkWord(word);
    QCOMPARE(checked.hasValue(), position == 0);
    if (checked)
        return;
    QCOMPARE(checked.kind(), ErrorKind::Refused);
    QVERIFY2(checked.message().contains(named), qPrintable(checked.message()));
    QVERIFY2(checked.message().startsWith(QStringLiteral("Character %1").arg(position)),
             qPrintable(checked.message()));
}

void TestWordCheck::newWordIsLowerCasedThenChecked()
{
    const NewWord gosh = prepareNewWord(QStringLiteral("GoSH "));
    QCOMPARE(gosh.text, QStringLiteral("gosh "));
    QVERIFY(gosh.checked);

    const NewWord accented = prepareNewWord(QString::fromUtf8("\u00c0\u0160B"));
    QCOMPARE(accented.text, QString::fromUtf8("\u00e0\u0161b"));

    const NewWord quoted = prepareNewWord(QStringLiteral("A\"B"));
    QCOMPARE(quoted.text, QStringLiteral("a\"b"));
    QVERIFY(quoted.checked.message().startsWith(QStringLiteral("Character 2 is a double quote")));

    // A word to build must change under the filter's entries, which replace only the letters A to
    // Z and "$", ".", "-", "_": else it is refused, named as the entries would hold it.
    for (const char *typed : {"14-88", "\u00ffa"})
        QVERIFY(prepareWordToBuild(QString::fromUtf8(typed)).checked);
    const QString unchanged =
        QStringLiteral("The replacement of \"%1\" would equal it: a filter entry replaces only the "
                       "letters A to Z, "
                       "a to z and \"$\", \".\", \"-\" and \"_\", and it holds none of them.");
    for (const auto &[typed, named] : {std::pair{"1488", "1488"}, std::pair{"\u0178", "\u00ff"},
                                       std::pair{"\u00df !?", "\u00df !?"}}) {
        const NewWord word = prepareWordToBuild(QString::fromUtf8(typed));
        QCOMPARE(word.text, QString::fromUtf8(named));
        QCOMPARE(word.checked.message(), unchanged.arg(QString::fromUtf8(named)));
    }
}

void TestWordCheck::caseFormsKeepTheLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("capitalised");
    QTest::addColumn<QString>("lower");

    QTest::newRow("ascii") << "your mom"
                           << "YOUR MOM"
                           << "Your mom"
                           << "your mom";
    QTest::newRow("sharp s stays")
        << QString::fromUtf8("stra\u00dfe") << QString::fromUtf8("STRA\u00dfE")
        << QString::fromUtf8("Stra\u00dfe") << QString::fromUtf8("stra\u00dfe");
    QTest::newRow("micro sign stays, its capital is not in the code page")
        << QString::fromUtf8("\u00b5g") << QString::fromUtf8("\u00b5G")
        << QString::fromUtf8("\u00b5g") << QString::fromUtf8("\u00b5g");
    QTest::newRow("y with diaeresis") << QString::fromUtf8("\u00ff") << QString::fromUtf8("\u0178")
                                      << QString::fromUtf8("\u0178") << QString::fromUtf8("\u00ff");
    QTest::newRow("dotted capital I, whose lower case is two characters, stays")
        << QString::fromUtf8("\u0130x") << QString::fromUtf8("\u0130X")
        << QString::fromUtf8("\u0130x") << QString::fromUtf8("\u0130x");
    QTest::newRow("symbol first") << "$ex"
                                  << "$EX"
                                  << "$ex"
                                  << "$ex";
    QTest::newRow("digits") << "123"
                            << "123"
                            << "123"
                            << "123";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("non-BMP letter first")
        << QString::fromUtf8("\U00010428a") << QString::fromUtf8("\U00010400A")
        << QString::fromUtf8("\U00010400a") << QString::fromUtf8("\U00010428a");
}

void TestWordCheck::caseFormsKeepTheLength()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, capitalised);
    QFETCH(QString, lower);

    QCOMPARE(upperCaseForm(text), upper);
    QCOMPARE(capitalisedForm(text), capitalised);
    QCOMPARE(lowerCaseForm(text), lower);
    QCOMPARE(upperCaseForm(text).size(), text.size());
    QCOMPARE(lowerCaseForm(text).size(), text.size());
}

void TestWordCheck::codePageRoundTrip()
{
    const QString text = QString::fromUtf8("a\u20ac\u2019\u00e9\u0178\u00ff ~");
    const auto bytes = encodeWindows1252(text);
    QVERIFY(bytes);
    QCOMPARE(*bytes, QByteArray("a\x80\x92\xe9\x9f\xff ~"));
    QCOMPARE(decodeWindows1252(*bytes), text);
    QVERIFY(!encodeWindows1252(QString::fromUtf8("\u03a9")));

    // Every byte reads back as a character that writes back as the same byte.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = decodeWindows1252(all);
    QCOMPARE(decoded.size(), 256);
    for (int b = 0; b < 256; ++b) {
        const auto back = encodeWindows1252(decoded.mid(b, 1));
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            QVERIFY2(!back, qPrintable(QString::number(b, 16)));
        else
            QCOMPARE(back.value_or(QByteArray()), all.mid(b, 1));
    }
}

QTEST_APPLESS_MAIN(TestWordCheck)
#include "tst_wordcheck.moc"
