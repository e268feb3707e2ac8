#include "builder/wordfile.h"

#include <QTest>

using namespace vantro;

class WordFileTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
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
    QTest::newRow("invalid UTF-8") << QByteArray("\xC3\n\xFF\nok\nt\xC3\xA9")
                                   << QStringList{"ok", "té"} << Lines{3, 4} << Lines{1, 2};
    QTest::newRow("lone CR is inside the word")
        << QByteArray("a\rb\n") << QStringList{} << Lines{} << Lines{1};
}

void WordFileTest::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QFETCH(QList<qsizetype>, wordLines);
    QFETCH(QList<qsizetype>, problemLines);

    const WordFile file = readWordFile(bytes);
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

QTEST_GUILESS_MAIN(WordFileTest)

#include "tst_wordfile.moc"
