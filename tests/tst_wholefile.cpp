// Whole small files created or replaced in one step: the content, the permissions kept, nothing
// left beside the file, and the names that are refused.
#include "fileio/wholefile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class WholeFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void refuses_data();
    void refuses();
};

enum class Before
{
    Missing,
    ReadableByGroup, // mode 0640
};

void WholeFileTest::writes_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<unsigned>("mode");
    QTest::newRow("new file") << Before::Missing << 0644u; // 0666 under the umask 022
    QTest::newRow("replaced file keeps its mode") << Before::ReadableByGroup << 0640u;
}

void WholeFileTest::writes()
{
    QFETCH(Before, before);
    QFETCH(unsigned, mode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("profile.txt"));
    if (before == Before::ReadableByGroup) {
        QVERIFY(writeFileBytes(path, "old content that is longer\n"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    }
    const mode_t previous = ::umask(022);
    const vantro::Result<void> written = vantro::writeWholeFile(path, "new\n");
    ::umask(previous);
    QVERIFY2(written, qPrintable(written ? QString() : written.message()));
    QCOMPARE(fileBytes(path), QByteArray("new\n"));
    struct stat status
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("profile.txt")});
}

enum class Target
{
    Directory,
    SymbolicLink,
    MissingFolder,
};

void WholeFileTest::refuses_data()
{
    QTest::addColumn<Target>("target");
    QTest::newRow("directory") << Target::Directory;
    QTest::newRow("symbolic link") << Target::SymbolicLink;
    QTest::newRow("folder that does not exist") << Target::MissingFolder;
}

void WholeFileTest::refuses()
{
    QFETCH(Target, target);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString linked = dir.filePath(QStringLiteral("linked.txt"));
    QVERIFY(writeFileBytes(linked, "kept\n"));
    QString path = dir.filePath(QStringLiteral("target"));
    if (target == Target::Directory)
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
    else if (target == Target::SymbolicLink)
        QVERIFY(QFile::link(linked, path));
    else
        path = dir.filePath(QStringLiteral("missing/target"));
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    const vantro::Result<void> written = vantro::writeWholeFile(path, "new\n");
    QVERIFY(!written);
    QVERIFY2(written.message().contains(path), qPrintable(written.message()));
    QCOMPARE(fileBytes(linked), QByteArray("kept\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             before);
}

QTEST_APPLESS_MAIN(WholeFileTest)
#include "tst_wholefile.moc"
