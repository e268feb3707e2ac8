#include "entryfiles/encodingcheck.h"
#include "entryfiles/entryline.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantro;

class EntryLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void fileLooksLikeUtf8_data();
    void fileLooksLikeUtf8();
};

void EntryLineTest::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");

    const int other = int(EntryLine::Kind::Other);
    const int entry = int(EntryLine::Kind::Entry);
    const int malformed = int(EntryLine::Kind::Malformed);

    QTest::newRow("as written") << "{ \"gosh\" \"u0lt\" }" << entry << "gosh"
                                << "u0lt";
    QTest::newRow("no spaces") << "{\"gosh\"\"u0lt\"}" << entry << "gosh"
                               << "u0lt";
    QTest::newRow("tabs and indent") << "\t {\t\"a b\"\t \"z x\"\t}\t " << entry << "a b"
                                     << "z x";
    QTest::newRow("braces and blanks inside quotes") << "{ \" }{ \" \"  \" }" << entry << " }{ "
                                                     << "  ";
    QTest::newRow("empty texts") << "{ \"\" \"\" }" << entry << ""
                                 << "";
    QTest::newRow("plain text") << "menu \"Play\"" << other << ""
                                << "";
    QTest::newRow("brace later in the line") << "x { \"a\" \"b\" }" << other << ""
                                             << "";
    QTest::newRow("empty line") << "" << other << ""
                                << "";
    QTest::newRow("odd quotes") << "{ \"a\" \"b }" << malformed << ""
                                << "";
    QTest::newRow("one quote") << "{ \"a }" << malformed << ""
                               << "";
    QTest::newRow("unquoted") << "{ a b }" << malformed << ""
                              << "";
    QTest::newRow("replacement missing") << "{ \"a\" }" << malformed << ""
                                         << "";
    QTest::newRow("replacement unquoted") << "{ \"a\" b \"\" }" << malformed << ""
                                          << "";
    QTest::newRow("brace missing") << "{ \"a\" \"b\"" << malformed << ""
                                   << "";
    QTest::newRow("third text") << "{ \"a\" \"b\" \"c\" }" << malformed << ""
                                << "";
    QTest::newRow("junk before brace") << "{ \"a\" \"b\" x }" << malformed << ""
                                       << "";
    QTest::newRow("junk after brace") << "{ \"a\" \"b\" } //" << malformed << ""
                                      << "";
    QTest::newRow("second entry") << "{ \"a\" \"b\" }{ \"c\" \"d\" }" << malformed << ""
                                  << "";
}

void EntryLineTest::parse()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, replacement);

    const EntryLine parsed = parseEntryLine(line);
    QCOMPARE(int(parsed.kind), kind);
    QCOMPARE(parsed.text.toString(), text);
    QCOMPARE(parsed.replacement.toString(), replacement);
    QCOMPARE(parsed.problem.isEmpty(), kind != int(EntryLine::Kind::Malformed));
}

// What build asks before appending Windows-1252 entries to a file (check's findings cover the
// kinds of bytes).
void EntryLineTest::fileLooksLikeUtf8_data()
{
    QTest::addColumn<QByteArray>("content"); // none: no file
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("UTF-8") << QByteArray("menu \"Caf\xC3\xA9\"\r\n{ \"a\" \"z\" }\r\n") << true
                           << true;
    QTest::newRow("Windows-1252") << QByteArray("menu \"Caf\xE9\"\r\n") << true << false;
    QTest::newRow("ASCII behind a byte-order mark")
        << QByteArray("\xEF\xBB\xBF{ \"a\" \"z\" }\r\n") << true << false;
    QTest::newRow("no file") << QByteArray() << false << false;
}

void EntryLineTest::fileLooksLikeUtf8()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QFETCH(bool, utf8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    if (readable)
        QVERIFY(writeFileBytes(path, content));
    const Result<bool> looks = vantro::fileLooksLikeUtf8(path);
    QCOMPARE(bool(looks), readable);
    if (readable)
        QCOMPARE(*looks, utf8);
    else
        QCOMPARE(looks.kind(), ErrorKind::Unreadable);
}

QTEST_GUILESS_MAIN(EntryLineTest)

#include "tst_entryline.moc"
