#include "childprocess.h"
#include "builder/cipher.h"
#include "builder/entryformat.h"
#include "builder/blockwriter.h"
#include "builder/filterfile.h"
#include "wordlists/showntext.h"
#include "testfiles.h"
#include "builder/variants.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void targetsThatAreNoRegularFile_data();
    void targetsThatAreNoRegularFile();
    void unsafeVariantWritesNothing();
    void failedWriteCutsTheFileBack_data();
    void failedWriteCutsTheFileBack();
    void rollBackTakesBackOnlyItsOwnBytes_data();
    void rollBackTakesBackOnlyItsOwnBytes();
    void writersShareTheFilesLock_data();
    void writersShareTheFilesLock();
    void stopBetweenWritesTakesTheBlockBack();

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

void TestFilterWriter::targetsThatAreNoRegularFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("refusal"); // empty: the block is written

    QTest::newRow("directory") << "directory"
                               << "is a directory, not a regular file";
    QTest::newRow("FIFO without a reader") << "fifo"
                                           << "is a FIFO (named pipe), not a regular file";
    QTest::newRow("FIFO with a reader") << "fifo with reader"
                                        << "is a FIFO (named pipe), not a regular file";
    QTest::newRow("link to a FIFO") << "link to fifo"
                                    << "is a FIFO (named pipe), not a regular file";
    QTest::newRow("link to a regular file") << "link to file"
                                            << "";
    QTest::newRow("link to a file not yet there") << "dangling link"
                                                  << "";
}

void TestFilterWriter::targetsThatAreNoRegularFile()
{
    QFETCH(QString, setup);
    QFETCH(QString, refusal);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QString real = m_dir->filePath(QStringLiteral("real.txt"));
    const QByteArray realName = QFile::encodeName(real);
    int reader = -1;
    if (setup == QLatin1String("directory"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("badnames.txt")));
    if (setup.startsWith(QLatin1String("fifo")))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (setup == QLatin1String("fifo with reader"))
        QVERIFY((reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK)) >= 0);
    if (setup == QLatin1String("link to fifo"))
        QCOMPARE(::mkfifo(realName.constData(), 0600), 0);
    if (setup == QLatin1String("link to file"))
        QVERIFY(writeFileBytes(real, "abc\r\n"));
    if (setup.startsWith(QLatin1String("link")) || setup == QLatin1String("dangling link"))
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));

    // Refused at once, without blocking on the FIFO and without anything written.
    const FilterWriteResult result = writeFilterFile(path, variantsOf({"gosh"}));
    if (reader >= 0) {
        char byte = 0;
        QCOMPARE(::read(reader, &byte, 1), 0);
        ::close(reader);
    }
    if (!refusal.isEmpty()) {
        QVERIFY(result.failed());
        QVERIFY2(result.error.contains(path) && result.error.contains(refusal),
                 qPrintable(result.error));
        QVERIFY(!QFileInfo::exists(real) || !QFileInfo(real).isFile());
        return;
    }
    // Through a link, the file it leads to takes the block, and the link stays.
    QVERIFY2(result.written, qPrintable(result.error));
    QVERIFY(QFileInfo(path).isSymLink());
    const QByteArray before = setup == QLatin1String("link to file") ? "abc\r\n" : "";
    QVERIFY(fileBytes(real).startsWith(before + "\r\n{ \"GOSH\" \"U5LT\" }\r\n"));
    QVERIFY(fileBytes(real).endsWith("{ \"gosh.\" \"u0ltc\" }\r\n"));
}

void TestFilterWriter::unsafeVariantWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    for (const QString &word :
         {QStringLiteral("a\"b"), QStringLiteral("tab\t"), QString::fromUtf8("\u03a9mega")}) {
        const FilterWriteResult result = writeFilterFile(path, variantsOf({"fine", word}));
        QVERIFY(result.failed());
        QVERIFY2(result.error.contains(vantro::shownText(word), Qt::CaseInsensitive),
                 qPrintable(result.error));
        QVERIFY(!QFile::exists(path));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writeFilterBlock(buffer, variantsOf({word})).failed());
        QCOMPARE(buffer.data(), QByteArray());

        // Entry by entry, the refused variant fails its call and adds nothing.
        FilterFileWriter writer(path);
        QVERIFY(writer.open());
        QVERIFY(!writer.writeEntry(word));
        QVERIFY2(writer.error().contains(vantro::shownText(word)), qPrintable(writer.error()));
        writer.rollBack();
        QCOMPARE(fileBytes(path), QByteArray());
        QFile::remove(path);
    }
}

void TestFilterWriter::failedWriteCutsTheFileBack_data()
{
    QTest::addColumn<bool>("entryByEntry");
    QTest::addColumn<bool>("exists");
    QTest::newRow("in one go, lines gathered") << false << true;
    QTest::newRow("entry by entry, a write per line") << true << true;
    QTest::newRow("in one go, file created by the Build") << false << false;
    QTest::newRow("entry by entry, file created by the Build") << true << false;
}

void TestFilterWriter::failedWriteCutsTheFileBack()
{
    QFETCH(bool, entryByEntry);
    QFETCH(bool, exists);
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    QByteArray before;
    if (exists) {
        before = "// earlier content\r\n";
        before += QByteArray(4000, 'x');
        QVERIFY(writeFileBytes(path, before));
    }
    // The cut back file, or the created one removed again.
    const QString outcome = exists ? QStringLiteral("left as it was before this Build")
                                   : QStringLiteral("which this Build had created, was removed");

    // The limit falls in the middle of an entry line of the block. The child ignores SIGXFSZ as
    // both programs do, so that the limit shows as a failed write.
    const SortedTextList variants = variantsOf({"gosh", "heck", "darn", "frick"}, true);
    const int status = runWithFileSizeLimit(before.size() + 500, [&] {
        QString error;
        if (!entryByEntry) {
            const FilterWriteResult result = writeFilterFile(path, variants);
            error = result.failed() ? result.error : QString();
        } else {
            FilterFileWriter writer(path);
            if (!writer.open())
                return 1;
            qsizetype written = 0;
            while (written < variants.count() && writer.writeEntry(variants.at(written)))
                ++written;
            if (written == 0 || written == variants.count())
                return 1;
            writer.rollBack();
            error = writer.error();
        }
        return error.contains(path) && error.contains(QStringLiteral("File too large")) &&
                       error.contains(outcome)
                   ? 0
                   : 1;
    });
    QCOMPARE(status, 0);
    QCOMPARE(QFile::exists(path), exists);
    QCOMPARE(fileBytes(path), before);

    // Without the limit the same block goes in whole.
    QVERIFY(!writeFilterFile(path, variants).failed());
    QVERIFY(fileBytes(path).size() > before.size() + 500);
}

void TestFilterWriter::rollBackTakesBackOnlyItsOwnBytes_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("change");  // what another program does while the Build writes
    QTest::addColumn<QString>("outcome"); // in the message

    QTest::newRow("unchanged") << true << ""
                               << "The file was left as it was before this Build.";
    QTest::newRow("created, unchanged")
        << false << ""
        << "The file, which this Build had created, was removed again.";
    QTest::newRow("line appended by hand")
        << true << "append"
        << "was changed by another program while this Build wrote to it, so it was not cut "
           "back; it may still hold this Build's empty line and 3 entries, from byte 7 on.";
    QTest::newRow("created, line appended by hand")
        << false << "append"
        << "it may still hold this Build's empty line and 3 entries, from "
           "byte 0 on.";
    QTest::newRow("rewritten, same size") << true << "rewrite"
                                          << "was changed by another program";
    QTest::newRow("replaced by a new file")
        << true << "replace"
        << "was replaced or removed while this Build wrote to it, so nothing was cut back: "
           "this Build's empty line and 3 entries went into the file that stood there before";
    QTest::newRow("removed") << true << "remove"
                             << "was replaced or removed while this Build wrote to it";
}

void TestFilterWriter::rollBackTakesBackOnlyItsOwnBytes()
{
    QFETCH(bool, exists);
    QFETCH(QString, change);
    QFETCH(QString, outcome);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QByteArray before = exists ? "abc\r\n\r\n" : "";
    if (exists)
        QVERIFY(writeFileBytes(path, before));
    FilterFileWriter writer(path);
    QVERIFY(writer.open());
    for (const char *variant : {"GOSH", "Gosh", "gosh"})
        QVERIFY(writer.writeEntry(QLatin1String(variant)));
    const QByteArray written = fileBytes(path);

    QByteArray after = before; // what the file holds once the writer has rolled back
    if (change == QLatin1String("append")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write("added by hand\r\n"), 15);
        after = written + "added by hand\r\n";
    } else if (change == QLatin1String("rewrite")) {
        QByteArray rewritten = written;
        rewritten.replace("GOSH", "HECK");
        QVERIFY(writeFileBytes(path, rewritten));
        after = rewritten;
    } else if (change == QLatin1String("replace")) {
        const QString other = m_dir->filePath(QStringLiteral("new.txt"));
        QVERIFY(writeFileBytes(other, "tidied\r\n"));
        QCOMPARE(
            ::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
        after = "tidied\r\n";
    } else if (change == QLatin1String("remove")) {
        QVERIFY(QFile::remove(path));
        after.clear();
    }

    writer.rollBack();
    QVERIFY2(writer.error().contains(outcome), qPrintable(writer.error()));
    QCOMPARE(QFile::exists(path),
             change != QLatin1String("remove") && (exists || !change.isEmpty()));
    QCOMPARE(fileBytes(path), after);
}

void TestFilterWriter::writersShareTheFilesLock_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<QString>("whileWaiting"); // what happens on the first look while it waits
    QTest::addColumn<QString>("refusal");      // empty: the block is written

    QTest::newRow("no wait") << false << 0 << ""
                             << "is being written by another Build. Nothing was written.";
    QTest::newRow("no wait, through a link")
        << true << 0 << ""
        << "is being written by another Build. Nothing was written.";
    QTest::newRow("waits until the other ends") << false << 60000 << "release"
                                                << "";
    QTest::newRow("waits, the other replaced the file") << false << 60000 << "replace and release"
                                                        << "";
    QTest::newRow("waits in vain") << false << 100 << ""
                                   << "still being written after 1 seconds";
    QTest::newRow("stopped while waiting") << false << 60000 << "stop"
                                           << "was stopped. Nothing was written.";
}

void TestFilterWriter::writersShareTheFilesLock()
{
    QFETCH(bool, throughLink);
    QFETCH(int, waitMs);
    QFETCH(QString, whileWaiting);
    QFETCH(QString, refusal);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QString real = m_dir->filePath(QStringLiteral("real.txt"));
    const QByteArray before = "abc\r\n";
    QVERIFY(writeFileBytes(real, before));
    if (throughLink)
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));
    else
        QVERIFY(QFile::rename(real, path));
    const QString held = throughLink ? real : path;

    // Another writer holds the file's lock until the waiting writer first looks again.
    int other = ::open(QFile::encodeName(held).constData(), O_RDONLY);
    QVERIFY(other >= 0);
    QCOMPARE(::flock(other, LOCK_EX | LOCK_NB), 0);
    FilterWriterOptions options;
    options.lockWait = std::chrono::milliseconds(waitMs);
    int waitings = 0;
    options.waitingForLock = [&] { ++waitings; };
    options.stopRequested = [&] {
        if (other < 0 || waitings == 0)
            return false;
        if (whileWaiting == QLatin1String("stop"))
            return true;
        if (whileWaiting == QLatin1String("replace and release")) {
            const QString tidied = m_dir->filePath(QStringLiteral("tidied.txt"));
            writeFileBytes(tidied, "tidied\r\n");
            ::rename(QFile::encodeName(tidied).constData(), QFile::encodeName(path).constData());
        }
        if (!whileWaiting.isEmpty()) {
            ::close(other);
            other = -1;
        }
        return false;
    };

    const FilterWriteResult result = writeFilterFile(path, variantsOf({"gosh"}), options);
    if (other >= 0)
        ::close(other);
    QCOMPARE(waitings, waitMs > 0 ? 1 : 0);
    if (!refusal.isEmpty()) {
        QVERIFY(result.failed());
        QVERIFY2(result.error.contains(path) && result.error.contains(refusal),
                 qPrintable(result.error));
        QCOMPARE(fileBytes(held), before);
        return;
    }
    QVERIFY2(result.written, qPrintable(result.error));
    // Behind a replacement the block goes into the new file, not into the one replaced.
    const QByteArray start =
        whileWaiting == QLatin1String("replace and release") ? "tidied\r\n" : before;
    QVERIFY(fileBytes(path).startsWith(start + "\r\n{ \"GOSH\" \"U5LT\" }\r\n"));
}

void TestFilterWriter::stopBetweenWritesTakesTheBlockBack()
{
    // Enough words for many writes; the stop comes after the third.
    QStringList words;
    for (int i = 0; i < 20000; ++i)
        words.append(QStringLiteral("word%1").arg(i));
    const SortedTextList variants = variantsOf(words);
    for (const bool exists : {true, false}) {
        const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
        QFile::remove(path);
        if (exists)
            QVERIFY(writeFileBytes(path, "abc\r\n"));
        FilterWriterOptions options;
        int asked = 0;
        options.stopRequested = [&] { return ++asked > 4; };
        const FilterWriteResult result = writeFilterFile(path, variants, options);
        QVERIFY(result.failed() && result.stopped);
        QCOMPARE(asked, 5);
        QVERIFY2(result.error.contains(QStringLiteral("was stopped")), qPrintable(result.error));
        QCOMPARE(QFile::exists(path), exists);
        QCOMPARE(fileBytes(path), QByteArray(exists ? "abc\r\n" : ""));
        QCOMPARE(result.entriesWritten, 0);
    }
}

QTEST_APPLESS_MAIN(TestFilterWriter)
#include "tst_filterwriter.moc"
