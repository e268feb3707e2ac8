#include "builder/wordfile.h"

#include <QTest>

using namespace vantro;

class WordFileTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refusedWhole_data();
    void refusedWhole();
};

void WordFileTest::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<qsizetype>>("wordLines");
    QTest::addColumn<QList<qsizetype>>("problemLines");

    using Lines = QList<qsizetype>;
    QTest::newRow("empty") << QByteArray() << QStringList{} << Lines{} << Lines{};
    QTest::newRow("LF, no final line end")
        << QByteArray("gosh\nbs") << QStringList{"gosh", "bs"} << Lines{1, 2} << Lines{};
    QTest::newRow("CR LF, blank lines skipped but counted")
        << QByteArray("\r\ngosh\r\n \t \r\n\r\nbs\r\n") << QStringList{"gosh", "bs"} << Lines{2, 5}
        << Lines{};
    QTest::newRow("lower-cased, not trimmed")
        << QByteArray("  Your MOM \nCAFÉ\n") << QStringList{"  your mom ", "café"} << Lines{1, 2}
        << Lines{};
    QTest::newRow("byte-order mark at the start only") << QByteArray("\xEF\xBB\xBF"
                                                                     "a\n\xEF\xBB\xBF"
                                                                     "b\n")
                                                       << QStringList{"a"} << Lines{1} << Lines{2};
    QTest::newRow("refused words")
        << QByteArray("a\"b\nok\nx\x7Fy\n\xCE\xA9\n\xE2\x82\xACx\n1488\n")
        << QStringList{"ok", "€x"} << Lines{2, 5} << Lines{1, 3, 4, 6};
    QTest::newRow("lone CR is inside the word")
        << QByteArray("a\rb\n") << QStringList{} << Lines{} << Lines{1};
}

void WordFileTest::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QFETCH(QList<qsizetype>, wordLines);
    QFETCH(QList<qsizetype>, problemLines);

    const WordFile file = readWordFile(bytes).value();
    QStringList readWords;
    QList<qsizetype> readLines;
    for (const WordFileWord &word : file.words) {
        readWords.append(word.text);
        readLines.append(word.line);
    }
    QCOMPARE(readWords, words);
    QCOMPARE(readLines, wordLines);

    QList<qsizetype> readProblemLines;
    for (const WordFileProblem &problem : file.problems) {
        readProblemLines.append(problem.line);
        QCOMPARE(problem.error.kind, ErrorKind::Refused);
        QVERIFY(problem.error.message.endsWith(u'.'));
    }
    QCOMPARE(readProblemLines, problemLines);
}

// A file in another encoding is refused whole, in one message: UTF-16 with the iconv line that
// converts it, any other with its first line that is not UTF-8; nothing of it is taken.
void WordFileTest::refusedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("said");

    const QStringList utf16{"UTF-16", "iconv -f UTF-16 -t UTF-8 FILE > FILE.utf8"};
    QTest::newRow("UTF-16 LE with its byte-order mark")
        << QByteArray("\xFF\xFEh\0o\0e\0\n\0d\0r\0a\0t\0\n\0", 20) << utf16;
    QTest::newRow("UTF-16 BE with its byte-order mark")
        << QByteArray("\xFE\xFF\0h\0o\0e\0\r\0\n", 12) << utf16;
    QTest::newRow("UTF-16 LE without, CR LF") << QByteArray("h\0o\0e\0\r\0\n\0x\0", 12) << utf16;
    QTest::newRow("UTF-16 BE without") << QByteArray("\0h\0o\0e\0\n\0x", 10) << utf16;
    QTest::newRow("Latin-1, the first bad line named")
        << QByteArray("ok\n# caf\xE9\n\xFF\n") << QStringList{"Line 2 ", "not valid UTF-8"};
    QTest::newRow("UTF-8 cut off at the line's end")
        << QByteArray("t\xC3\xA9\n\n\xC3\nok\n") << QStringList{"Line 3 ", "not valid UTF-8"};
}

void WordFileTest::refusedWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, said);

    for (const WordFileKind kind : {WordFileKind::Words, WordFileKind::Profile}) {
        const Result<WordFile> file = readWordFile(bytes, kind);
        QVERIFY(!file);
        QCOMPARE(file.kind(), ErrorKind::Refused);
        for (const QString &part : said)
            QVERIFY2(file.message().contains(part), qPrintable(file.message()));
    }
}

QTEST_GUILESS_MAIN(WordFileTest)

#include "tst_wordfile.moc"
