#include "childprocess.h"
#include "cipher.h"
#include "filterentry.h"
#include "filterfilewriter.h"
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
    void entryByEntry();
    void droppedWriterLeavesWholeLines();
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
    QVERIFY(first.written);
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
    const FilterWriteResult result = writeFilterFile(path, SortedTextList());
    QVERIFY(result.written);
    QCOMPARE(result.entriesWritten, 0);
    QCOMPARE(fileBytes(path), QByteArray("\r\n"));
}

void TestFilterWriter::entryByEntry()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    QVERIFY(writeFileBytes(path, "abc"));
    FilterFileWriter writer(path);
    QVERIFY(writer.open());
    QCOMPARE(fileBytes(path), QByteArray("abc\r\n"));

    // Each line is in the file as soon as its call returns; an empty variant adds nothing.
    QByteArray expected = "abc\r\n";
    for (const QString &variant : {QStringLiteral("a"), QString(), QStringLiteral("Gosh.")}) {
        QVERIFY(writer.writeEntry(variant));
        if (!variant.isEmpty())
            expected += formatFilterEntry(variant, makeReplacement(variant)).toLatin1();
        QCOMPARE(fileBytes(path), expected);
    }
    QVERIFY(writer.finish());
    QCOMPARE(writer.entriesWritten(), 2);
    QCOMPARE(fileBytes(path), QByteArray("abc\r\n{ \"a\" \"z\" }\r\n{ \"Gosh.\" \"U0ltc\" }\r\n"));

    // The same variants in one go give the same bytes.
    QVERIFY(writeFileBytes(path, "abc"));
    QVERIFY(writeFilterFile(path, SortedTextList::fromUnsorted({"a", "", "Gosh."})).written);
    QCOMPARE(fileBytes(path), expected);
}

void TestFilterWriter::droppedWriterLeavesWholeLines()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    {
        FilterFileWriter writer(path);
        QVERIFY(writer.open());
        for (const char *variant : {"GOSH", "Gosh", "gosh"})
            QVERIFY(writer.writeEntry(QLatin1String(variant)));
    }
    QCOMPARE(fileBytes(path), QByteArray("\r\n{ \"GOSH\" \"U5LT\" }\r\n{ \"Gosh\" \"U0lt\" }\r\n"
                                         "{ \"gosh\" \"u0lt\" }\r\n"));
}

void TestFilterWriter::unopenableTargetWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("badnames.txt")));
    const FilterWriteResult result = writeFilterFile(path, variantsOf({"gosh"}));
    QVERIFY(result.failed());
    QVERIFY2(result.error.contains(path), qPrintable(result.error));
    FilterFileWriter writer(path);
    QVERIFY(!writer.open());
    QVERIFY2(writer.error().contains(path), qPrintable(writer.error()));
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

        // Entry by entry, the refused variant fails its call and adds nothing.
        FilterFileWriter writer(path);
        QVERIFY(writer.open());
        QVERIFY(!writer.writeEntry(word));
        QVERIFY2(writer.error().contains(word), qPrintable(writer.error()));
        writer.rollBack();
        QCOMPARE(fileBytes(path), QByteArray());
        QFile::remove(path);
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
    QTest::addColumn<bool>("entryByEntry");
    QTest::newRow("in one go, lines gathered") << false;
    QTest::newRow("entry by entry, a write per line") << true;
}

void TestFilterWriter::failedWriteCutsTheFileBack()
{
    QFETCH(bool, entryByEntry);
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    QByteArray before = "// earlier content\r\n";
    before += QByteArray(4000, 'x');
    QVERIFY(writeFileBytes(path, before));

    // The limit falls in the middle of an entry line of the block.
    const SortedTextList variants = variantsOf({"gosh", "heck", "darn", "frick"}, true);
    const int status = runWithFileSizeLimit(before.size() + 500, [&] {
        if (!entryByEntry) {
            const FilterWriteResult result = writeFilterFile(path, variants);
            return result.failed() && result.error.contains(path) ? 0 : 1;
        }
        FilterFileWriter writer(path);
        if (!writer.open())
            return 1;
        qsizetype written = 0;
        while (written < variants.count() && writer.writeEntry(variants.at(written)))
            ++written;
        const bool stoppedMidway = written > 0 && written < variants.count();
        writer.rollBack();
        return stoppedMidway && writer.error().contains(path) &&
                       writer.error().contains(QStringLiteral("left as it was"))
                   ? 0
                   : 1;
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileBytes(path), before);

    // Without the limit the same block goes in whole.
    QVERIFY(!writeFilterFile(path, variants).failed());
    QVERIFY(fileBytes(path).size() > before.size() + 500);
}

QTEST_APPLESS_MAIN(TestFilterWriter)
#include "tst_filterwriter.moc"
