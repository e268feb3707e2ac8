#include "childprocess.h"
#include "startupfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantro;

namespace {

} // namespace

class TestStartupFiles : public QObject
{
    Q_OBJECT

private slots:
    void badWordFileIsRewritten_data();
    void badWordFileIsRewritten();
    void unwritableBadWordFileIsReported();
    void failedRewriteKeepsTheOldFile();
    void instructionsText();
};

void TestStartupFiles::badWordFileIsRewritten_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("other content") << QByteArray(5000, 'z');
}

void TestStartupFiles::badWordFileIsRewritten()
{
    QFETCH(QByteArray, before);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    if (!before.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const QByteArray expected = "//The following lines are part of the word filter\r\n\r\n";
    QCOMPARE(expected.size(), 53);
    for (int start = 0; start < 2; ++start) {
        QCOMPARE(rewriteBadWordFile(dir.path()), std::nullopt);
        QCOMPARE(fileBytes(path), expected);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"badword.txt"});
}

void TestStartupFiles::unwritableBadWordFileIsReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("badword.txt")));
    const auto error = rewriteBadWordFile(dir.path());
    QVERIFY(error);
    QVERIFY2(error->contains(dir.filePath(QStringLiteral("badword.txt"))), qPrintable(*error));

    const auto missing = rewriteBadWordFile(dir.filePath(QStringLiteral("no/such/dir")));
    QVERIFY(missing);
}

void TestStartupFiles::failedRewriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    // No file may grow beyond 10 bytes: the new content cannot be written.
    const int status =
        runWithFileSizeLimit(10, [&] { return rewriteBadWordFile(dir.path()) ? 0 : 1; });
    QCOMPARE(status, 0);
    QCOMPARE(fileBytes(path), QByteArray("kept"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"badword.txt"});
}

void TestStartupFiles::instructionsText()
{
    const QString &text = vantro::instructionsText();
    QCOMPARE(text.size(), 815);
    QVERIFY(text.startsWith(QStringLiteral("Instructions\r\n\r\n")));
    QVERIFY(text.endsWith(QStringLiteral("localization entries.\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 19); // 18 lines, each ended by CR LF
    for (const int empty : {2, 7, 13, 16})
        QVERIFY(lines.at(empty - 1).isEmpty());
    QVERIFY(lines.at(2).endsWith(QStringLiteral("entries ")));
    QVERIFY(lines.at(4).endsWith(QStringLiteral("your ")));
    QCOMPARE(
        lines.at(10),
        QStringLiteral("called badnames.txt. You can then edit it further then cut and paste"));
    QCOMPARE(text.count(QLatin1Char('\r')), 18);
    QCOMPARE(text.count(QLatin1Char('\n')), 18);
}

QTEST_APPLESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
