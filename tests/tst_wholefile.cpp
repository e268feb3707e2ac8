// Whole small files (profiles) created or replaced in one step: the content, the permissions and
// extended attributes kept, nothing left beside the file, and the files that are refused.
#include "childprocess.h"
#include "fileio/safepath.h"
#include "fileio/wholefile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

vantro::Result<void> writeWhole(const QString &path, const QByteArray &bytes)
{
    const vantro::Result<vantro::WritePlace> place = vantro::WritePlace::find(path);
    if (!place)
        return place.error();
    return vantro::writeWholeFile(*place, bytes);
}

} // namespace

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
    WithAttribute,   // an extended attribute of the user's
};

void WholeFileTest::writes_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<unsigned>("mode");
    QTest::newRow("new file") << Before::Missing << 0644u; // 0666 under the umask 022
    QTest::newRow("replaced file keeps its mode") << Before::ReadableByGroup << 0640u;
    QTest::newRow("replaced file keeps its attributes") << Before::WithAttribute << 0640u;
}

void WholeFileTest::writes()
{
    QFETCH(Before, before);
    QFETCH(unsigned, mode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("profile.txt"));
    const QByteArray name = QFile::encodeName(path);
    if (before != Before::Missing) {
        QVERIFY(writeFileBytes(path, "old content that is longer\n"));
        QCOMPARE(::chmod(name.constData(), 0640), 0);
    }
    if (before == Before::WithAttribute &&
        ::setxattr(name.constData(), "user.test", "kept", 4, 0) != 0)
        QSKIP("The temporary directory's file system takes no user extended attributes.");
    const mode_t previous = ::umask(022);
    const vantro::Result<void> written = writeWhole(path, "new\n");
    ::umask(previous);
    QVERIFY2(written, qPrintable(written ? QString() : written.message()));
    QCOMPARE(fileBytes(path), QByteArray("new\n"));
    struct stat status
    {
    };
    QCOMPARE(::stat(name.constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode);
    if (before == Before::WithAttribute) {
        char value[16] = {};
        QCOMPARE(::getxattr(name.constData(), "user.test", value, sizeof value), ssize_t(4));
        QCOMPARE(QByteArray(value), QByteArray("kept"));
    }
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("profile.txt")});
}

enum class Target
{
    Directory,
    MissingFolder,
    HardLink,
    Killed, // while the new content is written
};

void WholeFileTest::refuses_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("directory") << Target::Directory << "is a directory, not a regular file.";
    QTest::newRow("folder that does not exist")
        << Target::MissingFolder << "No such file or directory";
    QTest::newRow("hard link") << Target::HardLink
                               << "has 2 names (hard links); a new file in its place would leave "
                                  "the old content under the others.";
    QTest::newRow("killed") << Target::Killed << QString();
}

void WholeFileTest::refuses()
{
    QFETCH(Target, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString kept = dir.filePath(QStringLiteral("kept.txt"));
    QVERIFY(writeFileBytes(kept, "kept\n"));
    QString path = dir.filePath(QStringLiteral("target"));
    const QByteArray name = QFile::encodeName(path);
    switch (target) {
    case Target::Directory:
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
        break;
    case Target::MissingFolder:
        path = dir.filePath(QStringLiteral("missing/target"));
        break;
    case Target::HardLink:
        QCOMPARE(::link(QFile::encodeName(kept).constData(), name.constData()), 0);
        break;
    case Target::Killed:
        QVERIFY(QFile::rename(kept, path));
        break;
    }
    const QStringList before = namesIn(dir.path());

    const ChildOutcome child = runInChild([&] {
        if (target == Target::Killed) {
            // The size limit's signal kills the process in the middle of the write.
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{100, 100};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const vantro::Result<void> written = writeWhole(path, QByteArray(4096, 'x'));
        if (written)
            return QStringLiteral("written");
        return written.message().contains(path) && written.message().contains(reason)
                   ? QString()
                   : written.message();
    });
    if (target == Target::Killed)
        QCOMPARE(child.status, -1);
    else
        QVERIFY2(child.passed(), child.text());
    const QString file = QFileInfo::exists(kept) ? kept : path;
    QCOMPARE(fileBytes(file), QByteArray("kept\n"));
    QCOMPARE(namesIn(dir.path()), before);
}

QTEST_APPLESS_MAIN(WholeFileTest)
#include "tst_wholefile.moc"
