#include "childprocess.h"
#include "cipher.h"
#include "filterentry.h"
#include "filterwriter.h"
#include "testfiles.h"
#include "variants.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantro;

namespace {

SortedTextList variantsOf(const QStringList &words, bool maxUsage = false)
{
    return buildVariantList(SortedTextList::fromUnsorted(words), maxUsage);
}

} // namespace

class TestFilterWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void entryLine_data();
    void entryLine();
    void targetFileNames_data();
    void targetFileNames();
    void blockIsAppended_data();
    void blockIsAppended();
    void emptyListWritesOnlyTheLineEnd();
    void everyStepIsReported();
    void handlerStopsTheWalkAfterWholeLines();
    void unopenableTargetWritesNothing();
    void unsafeVariantWritesNothing();
    void fullDeviceReportsTheReason();
    void failedWriteCutsTheFileBack_data();
    void failedWriteCutsTheFileBack();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFilterWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFilterWriter::entryLine_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("gosh") << "gosh"
                          << "u0lt"
                          << QByteArray::fromHex("7B2022676F736822202275306C7422207D0D0A");
    QTest::newRow("Gosh.") << "Gosh."
                           << "U0ltc" << QByteArray("{ \"Gosh.\" \"U0ltc\" }\r\n");
    QTest::newRow("GOSH!") << "GOSH!"
                           << "U5LT!" << QByteArray("{ \"GOSH!\" \"U5LT!\" }\r\n");
}

void TestFilterWriter::entryLine()
{
    QFETCH(QString, variant);
    QFETCH(QString, replacement);
    QFETCH(QByteArray, bytes);
    const QString line = formatFilterEntry(variant, replacement);
    QCOMPARE(line.toLatin1(), bytes);
    QCOMPARE(line.size(), 2 * variant.size() + 11);
}

void TestFilterWriter::targetFileNames_data()
{
    QTest::addColumn<FilterTarget>("target");
    QTest::addColumn<QString>("name");
    QTest::newRow("localization") << FilterTarget::Localization << "localization.txt";
    QTest::newRow("badnames") << FilterTarget::BadNames << "badnames.txt";
}

void TestFilterWriter::targetFileNames()
{
    QFETCH(FilterTarget, target);
    QFETCH(QString, name);
    QCOMPARE(filterTargetFileName(target), name);
    QCOMPARE(filterTargetPath(QStringLiteral("/srv/game"), target), "/srv/game/" + name);
    QCOMPARE(filterTargetPath(QStringLiteral("/"), target), "/" + name);
}

void TestFilterWriter::blockIsAppended_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");

    QTest::newRow("created when absent") << false << QByteArray();
    QTest::newRow("last line without line end") << true << QByteArray("abc");
    QTest::newRow("last line with line end") << true << QByteArray("abc\r\n");
}

void TestFilterWriter::blockIsAppended()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    if (exists)
        QVERIFY(writeFileBytes(path, before));

    const SortedTextList variants = variantsOf({QString::fromUtf8("caf\u00e9"), "gosh"});
    QByteArray block = "\r\n";
    for (const QString &variant : variants.items())
        block += formatFilterEntry(variant, makeReplacement(variant)).toLatin1();

    const FilterWriteResult first = writeFilterFile(path, variants);
    QCOMPARE(first.status, FilterWriteResult::Status::Written);
    QCOMPARE(first.entriesWritten, 18);
    QCOMPARE(fileBytes(path), before + block);
    QVERIFY(fileBytes(path).contains("{ \"CAF\xc9\" \"7ZV\xc9\" }\r\n"));

    // A second Build appends a second block behind the first.
    QVERIFY(!writeFilterFile(path, variants).failed());
    QCOMPARE(fileBytes(path), before + block + block);
}

void TestFilterWriter::emptyListWritesOnlyTheLineEnd()
{
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    int steps = 0;
    const FilterWriteResult result =
        writeFilterFile(path, SortedTextList(), [&](const FilterStep &) { return ++steps > 0; });
    QVERIFY(!result.failed());
    QCOMPARE(steps, 0);
    QCOMPARE(fileBytes(path), QByteArray("\r\n"));
}

void TestFilterWriter::everyStepIsReported()
{
    // An empty variant takes a step of its own but gets no entry line.
    const SortedTextList variants = SortedTextList::fromUnsorted({"", "a", "b"});
    QList<std::tuple<qsizetype, qsizetype, QString, bool>> steps;
    QStringList entriesInFile;
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const FilterWriteResult result = writeFilterFile(path, variants, [&](const FilterStep &step) {
        steps.append({step.position, step.count, step.variant, step.written});
        // The entry of a step is in the file by the time the step is reported.
        const QByteArray line =
            formatFilterEntry(step.variant, makeReplacement(step.variant)).toLatin1();
        if (step.written && fileBytes(path).endsWith(line))
            entriesInFile << step.variant;
        return true;
    });
    QCOMPARE(entriesInFile, QStringList({"a", "b"}));
    QCOMPARE(result.entriesWritten, 2);
    QCOMPARE(steps.size(), 3);
    QCOMPARE(steps.at(0), std::make_tuple(qsizetype(0), qsizetype(3), QString(), false));
    QCOMPARE(steps.at(2), std::make_tuple(qsizetype(2), qsizetype(3), QStringLiteral("b"), true));
}

void TestFilterWriter::handlerStopsTheWalkAfterWholeLines()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const SortedTextList variants = variantsOf({"gosh"});
    const FilterWriteResult result =
        writeFilterFile(path, variants, [](const FilterStep &step) { return step.position < 2; });
    QCOMPARE(result.status, FilterWriteResult::Status::Stopped);
    QCOMPARE(result.entriesWritten, 3);
    QCOMPARE(fileBytes(path), QByteArray("\r\n{ \"GOSH\" \"U5LT\" }\r\n{ \"Gosh\" \"U0lt\" }\r\n"
                                         "{ \"gosh\" \"u0lt\" }\r\n"));
}

void TestFilterWriter::unopenableTargetWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("badnames.txt")));
    int steps = 0;
    const FilterWriteResult result =
        writeFilterFile(path, variantsOf({"gosh"}), [&](const FilterStep &) { return ++steps; });
    QVERIFY(result.failed());
    QCOMPARE(steps, 0);
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
    QVERIFY(QFileInfo(path).isDir());
}

void TestFilterWriter::unsafeVariantWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    for (const QString &word :
         {QStringLiteral("a\"b"), QStringLiteral("tab\t"), QString::fromUtf8("\u03a9mega")}) {
        const FilterWriteResult result = writeFilterFile(path, variantsOf({"fine", word}));
        QVERIFY(result.failed());
        QVERIFY2(result.error.contains(word, Qt::CaseInsensitive), qPrintable(result.error));
        QVERIFY(!QFile::exists(path));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writeFilterBlock(buffer, variantsOf({word})).failed());
        QCOMPARE(buffer.data(), QByteArray());
    }
}

void TestFilterWriter::fullDeviceReportsTheReason()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
    const FilterWriteResult result = writeFilterFile(path, variantsOf({"gosh"}));
    QVERIFY(result.failed());
    QCOMPARE(result.entriesWritten, 0);
    QVERIFY2(result.error.contains(QStringLiteral("No space left on device")),
             qPrintable(result.error));
}

void TestFilterWriter::failedWriteCutsTheFileBack_data()
{
    QTest::addColumn<bool>("reportSteps");
    QTest::newRow("headless, lines gathered") << false;
    QTest::newRow("every step reported, a write per line") << true;
}

void TestFilterWriter::failedWriteCutsTheFileBack()
{
    QFETCH(bool, reportSteps);
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    QByteArray before = "// earlier content\r\n";
    before += QByteArray(4000, 'x');
    QVERIFY(writeFileBytes(path, before));

    // The limit falls in the middle of an entry line of the block.
    const SortedTextList variants = variantsOf({"gosh", "heck", "darn", "frick"}, true);
    const int status = runWithFileSizeLimit(before.size() + 500, [&] {
        int steps = 0;
        const FilterStepHandler handler = [&](const FilterStep &) { return ++steps > 0; };
        const FilterWriteResult result =
            writeFilterFile(path, variants, reportSteps ? handler : FilterStepHandler());
        const bool stoppedMidway = !reportSteps || (steps > 0 && steps < variants.count());
        return result.failed() && result.error.contains(path) && stoppedMidway ? 0 : 1;
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileBytes(path), before);

    // Without the limit the same block goes in whole.
    QVERIFY(!writeFilterFile(path, variants).failed());
    QVERIFY(fileBytes(path).size() > before.size() + 500);
}

QTEST_APPLESS_MAIN(TestFilterWriter)
#include "tst_filterwriter.moc"
