#include "builder/blockwriter.h"
#include "builder/filterfile.h"
#include "builder/variants.h"
#include "childprocess.h"
#include "common/showntext.h"
#include "common/translations.h"
#include "entryfiles/buildwriter.h"
#include "entrymodel.h"
#include "fileio/filereplace.h"
#include "testfiles.h"

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

// What stands at the target's place.
enum class Target
{
    Directory,
    Fifo,
    FifoWithReader,
    LinkToFifo,
    LinkToFile,
    DanglingLink,
};

// What another program does to the target while a Build writes to it.
enum class Change
{
    None,
    Append,
    Rewrite,
    Replace,
    Remove,
};

// What the other writer does on the waiting writer's first look.
enum class WhileWaiting
{
    Nothing,
    Release,
    ReplaceAndRelease,
    Stop,
};

// Our own holders of a filter file's lock: a Build's writer, and tidy.
enum class Holder
{
    Writer,
    Tidy,
};

} // namespace

class TestFilterWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
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
    void ourLocksExcludeEachOther_data();
    void ourLocksExcludeEachOther();
    void replacingBuildKeepsTheNewFileLocked_data();
    void replacingBuildKeepsTheNewFileLocked();
    void stopBetweenWritesTakesTheBlockBack();
    void entriesThatWentNowhereFailTheBuild_data();
    void entriesThatWentNowhereFailTheBuild();
    void takingBackKeepsTheLinkToACreatedFile();
    void endlessTargetIsRefusedUnread();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFilterWriter::init()
{
    vantro::installTranslations(); // the messages' counts in English
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
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
    QTest::newRow("last line ended by a lone CR, then LF") << true << QByteArray("abc\r");
}

void TestFilterWriter::blockIsAppended()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    const QByteArray ended = before.endsWith('\r') ? before + '\n' : before;

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    if (exists)
        QVERIFY(writeFileBytes(path, before));

    const SortedTextList variants = variantsOf({QString::fromUtf8("caf\u00e9"), "gosh"});
    const QByteArray block = model::block(variants.items());

    const Result<qsizetype> first = writeFilterFile(path, variants);
    QVERIFY2(first, qPrintable(first ? QString() : first.message()));
    QCOMPARE(*first, 18);
    QCOMPARE(fileBytes(path), ended + block);
    QVERIFY(fileBytes(path).contains("{ \"CAF\xc9\" \"7ZV\xc9\" }\r\n"));

    // A second Build appends a second block behind the first.
    QVERIFY(writeFilterFile(path, variants).hasValue());
    QCOMPARE(fileBytes(path), ended + block + block);
}

void TestFilterWriter::emptyListWritesOnlyTheLineEnd()
{
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    const Result<qsizetype> result = writeFilterFile(path, SortedTextList());
    QVERIFY(result);
    QCOMPARE(*result, 0);
    QCOMPARE(fileBytes(path), QByteArray("\r\n"));
}

void TestFilterWriter::entryByEntry()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    QVERIFY(writeFileBytes(path, "abc"));
    BlockWriter writer(path);
    QVERIFY(writer.open().hasValue());
    QCOMPARE(fileBytes(path), QByteArray("abc\r\n"));

    // Each line is in the file as soon as its call returns; an empty variant adds nothing.
    const QByteArray afterA = "abc\r\n{ \"a\" \"z\" }\r\n";
    const QByteArray expected = afterA + "{ \"b.\" \"xc\" }\r\n";
    QVERIFY(writer.writeEntry(QStringLiteral("a")).hasValue());
    QCOMPARE(fileBytes(path), afterA);
    QVERIFY(writer.writeEntry(QString()).hasValue());
    QCOMPARE(fileBytes(path), afterA);
    QVERIFY(writer.writeEntry(QStringLiteral("b.")).hasValue());
    QCOMPARE(fileBytes(path), expected);
    QVERIFY(writer.finish().hasValue());
    QCOMPARE(writer.entriesWritten(), 2);

    // The same variants in one go give the same bytes.
    QVERIFY(writeFileBytes(path, "abc"));
    QVERIFY(writeFilterFile(path, SortedTextList::fromUnsorted({"a", "", "b."})).hasValue());
    QCOMPARE(fileBytes(path), expected);
}

void TestFilterWriter::droppedWriterLeavesWholeLines()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    {
        BlockWriter writer(path);
        QVERIFY(writer.open().hasValue());
        for (const char *variant : {"GOSH", "Gosh", "gosh"})
            QVERIFY(writer.writeEntry(QLatin1String(variant)).hasValue());
    }
    QCOMPARE(fileBytes(path), model::block({"GOSH", "Gosh", "gosh"}));
}

void TestFilterWriter::targetsThatAreNoRegularFile_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("refusal"); // empty: the block is written

    const QString fifo = QStringLiteral("is a FIFO (named pipe), not a regular file");
    QTest::newRow("directory") << Target::Directory << "is a directory, not a regular file";
    QTest::newRow("FIFO without a reader") << Target::Fifo << fifo;
    QTest::newRow("FIFO with a reader") << Target::FifoWithReader << fifo;
    QTest::newRow("link to a FIFO") << Target::LinkToFifo << fifo;
    QTest::newRow("link to a regular file") << Target::LinkToFile << "";
    QTest::newRow("link to a file not yet there") << Target::DanglingLink << "";
}

void TestFilterWriter::targetsThatAreNoRegularFile()
{
    QFETCH(Target, target);
    QFETCH(QString, refusal);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QString real = m_dir->filePath(QStringLiteral("real.txt"));
    const QByteArray pathName = QFile::encodeName(path);
    int reader = -1;
    switch (target) {
    case Target::Directory:
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("badnames.txt")));
        break;
    case Target::FifoWithReader:
        QCOMPARE(::mkfifo(pathName.constData(), 0600), 0);
        QVERIFY((reader = ::open(pathName.constData(), O_RDONLY | O_NONBLOCK)) >= 0);
        break;
    case Target::Fifo:
        QCOMPARE(::mkfifo(pathName.constData(), 0600), 0);
        break;
    case Target::LinkToFifo:
        QCOMPARE(::mkfifo(QFile::encodeName(real).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));
        break;
    case Target::LinkToFile:
        QVERIFY(writeFileBytes(real, "abc\r\n"));
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));
        break;
    case Target::DanglingLink:
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));
        break;
    }

    // Refused at once, without blocking on the FIFO and without anything written.
    const Result<qsizetype> result = writeFilterFile(path, variantsOf({"gosh"}));
    if (reader >= 0) {
        char byte = 0;
        QCOMPARE(::read(reader, &byte, 1), 0);
        ::close(reader);
    }
    if (!refusal.isEmpty()) {
        QVERIFY(!result);
        QVERIFY2(result.message().contains(path) && result.message().contains(refusal),
                 qPrintable(result.message()));
        QVERIFY(!QFileInfo::exists(real) || !QFileInfo(real).isFile());
        return;
    }
    // Through a link, the file it leads to takes the block, and the link stays.
    QVERIFY2(result, qPrintable(result ? QString() : result.message()));
    QVERIFY(QFileInfo(path).isSymLink());
    const QByteArray before = target == Target::LinkToFile ? "abc\r\n" : "";
    QCOMPARE(fileBytes(real), before + model::block(variantsOf({"gosh"}).items()));
}

void TestFilterWriter::unsafeVariantWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    for (const QString &word :
         {QStringLiteral("a\"b"), QStringLiteral("tab\t"), QString::fromUtf8("\u03a9mega")}) {
        const Result<qsizetype> result = writeFilterFile(path, variantsOf({"fine", word}));
        QVERIFY(!result);
        QVERIFY2(result.message().contains(vantro::shownText(word), Qt::CaseInsensitive),
                 qPrintable(result.message()));
        QVERIFY(!QFile::exists(path));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(!writeFilterBlock(buffer, variantsOf({word})));
        QCOMPARE(buffer.data(), QByteArray());

        // Entry by entry, the refused variant fails its call and adds nothing.
        BlockWriter writer(path);
        QVERIFY(writer.open().hasValue());
        const Result<void> written = writer.writeEntry(word);
        QVERIFY(!written);
        QVERIFY2(written.message().contains(vantro::shownText(word)),
                 qPrintable(written.message()));
        (void)writer.rollBack(written.error());
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
    const ChildOutcome child = runWithFileSizeLimit(before.size() + 500, [&] {
        QString error;
        if (!entryByEntry) {
            const Result<qsizetype> result = writeFilterFile(path, variants);
            if (result)
                return QStringLiteral("the block went in whole");
            error = result.message();
        } else {
            BlockWriter writer(path);
            if (const Result<void> opened = writer.open(); !opened)
                return opened.message();
            qsizetype written = 0;
            Result<void> step;
            while (written < variants.count() && (step = writer.writeEntry(variants.at(written))))
                ++written;
            if (written == 0 || written == variants.count())
                return QStringLiteral("%1 of %2 entries written")
                    .arg(QString::number(written), QString::number(variants.count()));
            error = writer.rollBack(step.error()).message;
        }
        return error.contains(path) && error.contains(QStringLiteral("File too large")) &&
                       error.contains(outcome)
                   ? QString()
                   : error;
    });
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(QFile::exists(path), exists);
    QCOMPARE(fileBytes(path), before);

    // Without the limit the same block goes in whole.
    QVERIFY(writeFilterFile(path, variants).hasValue());
    QVERIFY(fileBytes(path).size() > before.size() + 500);
}

void TestFilterWriter::rollBackTakesBackOnlyItsOwnBytes_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("outcome"); // in the message

    QTest::newRow("unchanged") << true << Change::None
                               << "The file was left as it was before this Build.";
    QTest::newRow("created, unchanged")
        << false << Change::None << "The file, which this Build had created, was removed again.";
    QTest::newRow("line appended by hand")
        << true << Change::Append
        << "was changed by another program while this Build wrote to it, so it was not cut "
           "back; it may still hold this Build's empty line and 3 entries, from byte 7 on.";
    QTest::newRow("created, line appended by hand")
        << false << Change::Append
        << "it may still hold this Build's empty line and 3 entries, from "
           "byte 0 on.";
    QTest::newRow("rewritten, same size")
        << true << Change::Rewrite << "was changed by another program";
    QTest::newRow("replaced by a new file")
        << true << Change::Replace
        << "was replaced or removed while this Build wrote to it, so nothing was cut back: "
           "this Build's empty line and 3 entries went into the file that stood there before";
    QTest::newRow("removed") << true << Change::Remove
                             << "was replaced or removed while this Build wrote to it";
}

void TestFilterWriter::rollBackTakesBackOnlyItsOwnBytes()
{
    QFETCH(bool, exists);
    QFETCH(Change, change);
    QFETCH(QString, outcome);

    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QByteArray before = exists ? "abc\r\n\r\n" : "";
    if (exists)
        QVERIFY(writeFileBytes(path, before));
    BlockWriter writer(path);
    QVERIFY(writer.open().hasValue());
    for (const char *variant : {"GOSH", "Gosh", "gosh"})
        QVERIFY(writer.writeEntry(QLatin1String(variant)).hasValue());
    const QByteArray written = fileBytes(path);

    QByteArray after = before; // what the file holds once the writer has rolled back
    switch (change) {
    case Change::None:
        break;
    case Change::Append: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write("added by hand\r\n"), 15);
        after = written + "added by hand\r\n";
        break;
    }
    case Change::Rewrite: {
        QByteArray rewritten = written;
        rewritten.replace("GOSH", "HECK");
        QVERIFY(writeFileBytes(path, rewritten));
        after = rewritten;
        break;
    }
    case Change::Replace: {
        const QString other = m_dir->filePath(QStringLiteral("new.txt"));
        QVERIFY(writeFileBytes(other, "tidied\r\n"));
        QCOMPARE(
            ::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
        after = "tidied\r\n";
        break;
    }
    case Change::Remove:
        QVERIFY(QFile::remove(path));
        after.clear();
        break;
    }

    const Error rolledBack = writer.rollBack(Error{ErrorKind::Failed, QString()});
    QVERIFY2(rolledBack.message.contains(outcome), qPrintable(rolledBack.message));
    QCOMPARE(QFile::exists(path), change != Change::Remove && (exists || change != Change::None));
    QCOMPARE(fileBytes(path), after);
}

void TestFilterWriter::writersShareTheFilesLock_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<WhileWaiting>("whileWaiting");
    QTest::addColumn<QString>("refusal"); // empty: the block is written

    const QString busy = QStringLiteral("is locked by another program. Nothing was written.");
    QTest::newRow("no wait") << false << 0 << WhileWaiting::Nothing << busy;
    QTest::newRow("no wait, through a link") << true << 0 << WhileWaiting::Nothing << busy;
    QTest::newRow("waits until the other ends") << false << 60000 << WhileWaiting::Release << "";
    QTest::newRow("waits, the other replaced the file")
        << false << 60000 << WhileWaiting::ReplaceAndRelease << "";
    QTest::newRow("waits in vain")
        << false << 100 << WhileWaiting::Nothing << "still locked after 1 second.";
    QTest::newRow("stopped while waiting")
        << false << 60000 << WhileWaiting::Stop << "was stopped. Nothing was written.";
}

void TestFilterWriter::writersShareTheFilesLock()
{
    QFETCH(bool, throughLink);
    QFETCH(int, waitMs);
    QFETCH(WhileWaiting, whileWaiting);
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
    AppendOptions options;
    options.longest = std::chrono::milliseconds(waitMs);
    int waitings = 0;
    options.waiting = [&] { ++waitings; };
    options.stopRequested = [&] {
        if (other < 0 || waitings == 0)
            return false;
        if (whileWaiting == WhileWaiting::Stop)
            return true;
        if (whileWaiting == WhileWaiting::ReplaceAndRelease) {
            const QString tidied = m_dir->filePath(QStringLiteral("tidied.txt"));
            writeFileBytes(tidied, "tidied\r\n");
            ::rename(QFile::encodeName(tidied).constData(), QFile::encodeName(path).constData());
        }
        if (whileWaiting != WhileWaiting::Nothing) {
            ::close(other);
            other = -1;
        }
        return false;
    };

    const Result<qsizetype> result = writeFilterFile(path, variantsOf({"gosh"}), options);
    if (other >= 0)
        ::close(other);
    QCOMPARE(waitings, waitMs > 0 ? 1 : 0);
    if (!refusal.isEmpty()) {
        QVERIFY(!result);
        QVERIFY2(result.message().contains(path) && result.message().contains(refusal),
                 qPrintable(result.message()));
        QCOMPARE(fileBytes(held), before);
        return;
    }
    QVERIFY2(result, qPrintable(result ? QString() : result.message()));
    // Behind a replacement the block goes into the new file, not into the one replaced.
    const QByteArray start =
        whileWaiting == WhileWaiting::ReplaceAndRelease ? "tidied\r\n" : before;
    QCOMPARE(fileBytes(path), start + model::block(variantsOf({"gosh"}).items()));
}

void TestFilterWriter::ourLocksExcludeEachOther_data()
{
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<Holder>("other");
    QTest::newRow("two Builds") << Holder::Writer << Holder::Writer;
    QTest::newRow("tidy, then a Build") << Holder::Tidy << Holder::Writer;
    QTest::newRow("a Build, then tidy") << Holder::Writer << Holder::Tidy;
    QTest::newRow("two tidies") << Holder::Tidy << Holder::Tidy;
}

namespace {

// The lock that tidy takes: on the one descriptor it reads, through its replacement of the file.
struct TidyLock
{
    explicit TidyLock(const QString &path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~TidyLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Result<void> lock(const QString &path)
    {
        if (const Result<void> attached = replacement.attach(path, fd); !attached)
            return attached;
        LockWaiter atOnce({});
        return replacement.lock(atOnce);
    }

    int fd;
    FileReplacement replacement; // declared after fd, which it must not outlive
};

} // namespace

void TestFilterWriter::ourLocksExcludeEachOther()
{
    // Both in this process: the lock belongs to each open of the file, so the second open meets
    // the first one's lock as another program's would.
    QFETCH(Holder, holder);
    QFETCH(Holder, other);
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    QVERIFY(writeFileBytes(path, "abc\r\n"));

    BlockWriter holdingWriter(path);
    TidyLock holdingTidy(path);
    if (holder == Holder::Writer) {
        const Result<void> opened = holdingWriter.open();
        QVERIFY2(opened, qPrintable(opened.message()));
    } else {
        const Result<void> locked = holdingTidy.lock(path);
        QVERIFY2(locked, qPrintable(locked.message()));
    }
    const QByteArray held = fileBytes(path);

    if (other == Holder::Writer) {
        BlockWriter writer(path);
        const Result<void> opened = writer.open();
        QVERIFY(!opened);
        QCOMPARE(opened.kind(), ErrorKind::Busy);
        QVERIFY2(opened.message().contains(QLatin1String("is locked by another program")),
                 qPrintable(opened.message()));
    } else {
        TidyLock tidy(path);
        const Result<void> locked = tidy.lock(path);
        QVERIFY(!locked);
        QVERIFY2(locked.kind() == ErrorKind::Busy, qPrintable(locked.message()));
    }
    QCOMPARE(fileBytes(path), held);
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
        AppendOptions options;
        int asked = 0;
        options.stopRequested = [&] { return ++asked > 4; };
        const Result<qsizetype> result = writeFilterFile(path, variants, options);
        QVERIFY(!result);
        QCOMPARE(result.kind(), ErrorKind::Stopped);
        QCOMPARE(asked, 5);
        QVERIFY2(result.message().contains(QStringLiteral("was stopped")),
                 qPrintable(result.message()));
        QCOMPARE(QFile::exists(path), exists);
        QCOMPARE(fileBytes(path), QByteArray(exists ? "abc\r\n" : ""));
    }
}

// What happens to the file between the Build's last entry and its end.
enum class AtTheEnd
{
    Removed,
    Replaced,
    MovedAway,
};

void TestFilterWriter::entriesThatWentNowhereFailTheBuild_data()
{
    QTest::addColumn<AtTheEnd>("change");
    QTest::addColumn<QString>("message");

    QTest::newRow("removed") << AtTheEnd::Removed
                             << QStringLiteral("was removed while this Build wrote to it: this "
                                               "Build's empty line and 2 entries went into a file "
                                               "that no longer exists.");
    QTest::newRow("replaced") << AtTheEnd::Replaced
                              << QStringLiteral("was replaced by another program while this Build "
                                                "wrote to it: this Build's empty line and 2 "
                                                "entries went into the file that stood there "
                                                "before, which no longer exists.");
    QTest::newRow("moved away") << AtTheEnd::MovedAway
                                << QStringLiteral("was moved away or replaced while this Build "
                                                  "wrote to it: this Build's empty line and 2 "
                                                  "entries went into the file that stood there "
                                                  "before, which now has another name.");
}

void TestFilterWriter::entriesThatWentNowhereFailTheBuild()
{
    QFETCH(AtTheEnd, change);
    QFETCH(QString, message);
    const QString path = m_dir->filePath(QStringLiteral("badnames.txt"));
    BlockWriter writer(path);
    QVERIFY(writer.open().hasValue());
    QVERIFY(writer.writeEntry(QStringLiteral("heck")).hasValue());
    QVERIFY(writer.writeEntry(QStringLiteral("darn")).hasValue());
    const QString away = m_dir->filePath(QStringLiteral("away.txt"));
    if (change == AtTheEnd::MovedAway)
        QVERIFY(QFile::rename(path, away));
    else
        QVERIFY(QFile::remove(path));
    if (change != AtTheEnd::Removed)
        QVERIFY(writeFileBytes(path, "the server's own\r\n"));

    const Result<void> finished = writer.finish();
    QVERIFY(!finished);
    QCOMPARE(finished.kind(), ErrorKind::Failed);
    QVERIFY2(finished.message().contains(message), qPrintable(finished.message()));
    QCOMPARE(fileBytes(path),
             QByteArray(change == AtTheEnd::Removed ? "" : "the server's own\r\n"));
}

void TestFilterWriter::takingBackKeepsTheLinkToACreatedFile()
{
    // badnames.txt leads to the server's file, which does not exist yet: a Build that is stopped
    // removes the file it created, and the administrator's link stays for the next Build.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("server")));
    const QString link = m_dir->filePath(QStringLiteral("badnames.txt"));
    const QString target = m_dir->filePath(QStringLiteral("server/localization.txt"));
    QVERIFY(QFile::link(QStringLiteral("server/localization.txt"), link));

    AppendOptions options;
    int asked = 0;
    options.stopRequested = [&] { return ++asked > 2; };
    const Result<qsizetype> result = writeFilterFile(link, variantsOf({"gosh", "heck"}), options);
    QVERIFY(!result);
    QCOMPARE(result.kind(), ErrorKind::Stopped);
    QVERIFY2(result.message().contains(QStringLiteral("was removed again")),
             qPrintable(result.message()));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);

    // The next Build writes through the link into the server's file.
    QVERIFY(writeFilterFile(link, variantsOf({"gosh"})).hasValue());
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(fileBytes(target).startsWith("\r\n{ \"GOSH\" \"U5LT\" }\r\n"));
}

// A target that never ends (a link to /dev/zero, as a FIFO that is written for ever) is refused
// before anything reads it, the UTF-8 check included, by a Build in one go and a paced one: in a
// child that an alarm ends otherwise.
void TestFilterWriter::endlessTargetIsRefusedUnread()
{
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_dir->filePath("badnames.txt")));
    BuildPlan plan;
    plan.directory = m_dir->path();
    const ChildOutcome child = runInChild([&] {
        ::alarm(30);
        BuildPolicy policy;
        policy.warn = [](const QString &) {};
        BuildWriter whole(plan, policy);
        BuildWriter paced(plan, policy);
        for (const Result<void> &done :
             {Result<void>(whole.write(variantsOf({"gosh"})).error()), paced.begin()}) {
            if (done || done.kind() != ErrorKind::Refused ||
                !done.message().contains("is a character device, not a regular file"))
                return done ? QStringLiteral("written") : done.message();
        }
        return QString();
    });
    QVERIFY2(child.passed(), child.text());
}

QTEST_GUILESS_MAIN(TestFilterWriter)
#include "tst_filterwriter.moc"

void TestFilterWriter::replacingBuildKeepsTheNewFileLocked_data()
{
    QTest::addColumn<bool>("namedOnly"); // as on a file system without unnamed files
    QTest::newRow("unnamed new file") << false;
    QTest::newRow("named new file") << true;
}

// The window's replacing Build takes the old filter out and then writes entry by entry: from the
// replacement to the last entry no other writer may take the file's lock, and the entries go into
// the file that is at the path.
void TestFilterWriter::replacingBuildKeepsTheNewFileLocked()
{
    QFETCH(bool, namedOnly);
    const QString path = m_dir->filePath(QStringLiteral("localization.txt"));
    const QByteArray kept = "# ours\r\n{ \"gosh\" \"golly\" }\r\n";
    QVERIFY(writeFileBytes(path, kept + "\r\n{ \"drat\" \"9mzk\" }\r\n"));

    BuildPlan plan;
    plan.directory = m_dir->path();
    plan.target = FilterTarget::Localization;
    plan.replacesPreviousFilter = true;
    BuildPolicy policy;
    policy.replaceHooks.namedTemporaryOnly = namedOnly;
    BuildWriter writer(plan, policy);
    QVERIFY(writer.begin());
    QVERIFY(writer.tookOutPreviousFilter());
    QCOMPARE(fileBytes(path), kept + "\r\n");

    BlockWriter other(path);
    const Result<void> othersOpen = other.open();
    QVERIFY(!othersOpen);
    QCOMPARE(othersOpen.kind(), ErrorKind::Busy);

    QVERIFY(writer.writeEntry(QStringLiteral("gosh")));
    QVERIFY(writer.finish());
    QCOMPARE(fileBytes(path), kept + "\r\n{ \"gosh\" \"u0lt\" }\r\n");
    QVERIFY(other.open());
}
