#include "entryfiles/encodingcheck.h"
#include "entryfiles/entryline.h"
#include "fileio/appendfile.h"
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
// kinds of bytes): a sample of its first and last 64 KiB, read through the open file.
void EntryLineTest::fileLooksLikeUtf8_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("utf8");
    const QByteArray many(100000, 'a');
    QTest::newRow("UTF-8") << QByteArray("menu \"Caf\xC3\xA9\"\r\n{ \"a\" \"z\" }\r\n") << true;
    QTest::newRow("Windows-1252") << QByteArray("menu \"Caf\xE9\"\r\n") << false;
    QTest::newRow("ASCII behind a byte-order mark")
        << QByteArray("\xEF\xBB\xBF{ \"a\" \"z\" }\r\n") << false;
    // Neither half of a character cut by a sample's edge counts as invalid.
    QTest::newRow("UTF-8 cut at both samples' inner edges")
        << "a" + QByteArray("\xC3\xA9").repeated(40000) + many.left(20000) +
               QByteArray("\xE2\x82\xAC").repeated(30000)
        << true;
    QTest::newRow("Windows-1252 in the last 64 KiB")
        << "Caf\xC3\xA9\r\n" + many + many + "Caf\xE9\r\n"
        << false;
    // Nor is the rest read: any target costs the same.
    QTest::newRow("Windows-1252 between the samples")
        << "Caf\xC3\xA9\r\n" + many + "Caf\xE9\r\n" + many << true;
}

void EntryLineTest::fileLooksLikeUtf8()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, utf8);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("localization.txt"));
    QVERIFY(writeFileBytes(path, content));
    AppendFile file(path);
    QVERIFY(file.open({}));
    QCOMPARE(vantro::fileLooksLikeUtf8(file), utf8);
}

QTEST_GUILESS_MAIN(EntryLineTest)

#include "tst_entryline.moc"
