// badword.txt as start-up leaves it: rewritten in place, never through a link or into anything
// but a regular file, and failures reported, also by the window program itself.
#include "app/startupfiles.h"
#include "childprocess.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vantro;

namespace {

const QByteArray kHeader = "//The following lines are part of the word filter\r\n\r\n";

struct stat statusOf(const QString &path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

// The directory's entries with their kinds and contents, to show what a refusal left.
QStringList describe(const QString &directory)
{
    QStringList entries;
    const QDir dir(directory);
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        const QFileInfo info(path);
        if (info.isSymLink())
            entries << name + QStringLiteral(" -> ") + info.symLinkTarget();
        else if (S_ISFIFO(statusOf(path).st_mode))
            entries << name + QStringLiteral(" (fifo)");
        else
            entries << name + QStringLiteral(": ") + QString::fromLatin1(fileBytes(path));
    }
    return entries;
}

// What stands at badword.txt's place instead of a regular file.
enum class StandIn
{
    LinkToFile,
    DanglingLink,
    Fifo,
    FifoWithReader,
    Directory,
    FolderLinkOfNobody, // the directory named through a link of another account
};

} // namespace

class TestStartupFiles : public QObject
{
    Q_OBJECT

private slots:
    void rewrittenInPlace_data();
    void rewrittenInPlace();
    void readOnlyDirectory();
    void refused_data();
    void refused();
    void missingDirectoryIsReported();
    void windowProgramFailsToStart_data();
    void windowProgramFailsToStart();
};

void TestStartupFiles::rewrittenInPlace_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<bool>("hardLinked");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("other content") << QByteArray(5000, 'z') << false;
    QTest::newRow("hard link, owner and mode") << QByteArray("old") << true;
}

void TestStartupFiles::rewrittenInPlace()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, hardLinked);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    const QString other = dir.filePath(QStringLiteral("other name.txt"));
    if (!before.isEmpty())
        QVERIFY(writeFileBytes(path, before));
    if (hardLinked) {
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0604), 0);
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    const struct stat old = statusOf(path);

    QCOMPARE(kHeader.size(), 53);
    for (int start = 0; start < 2; ++start) {
        QVERIFY(rewriteBadWordFile(dir.path()).hasValue());
        QCOMPARE(fileBytes(path), kHeader);
    }
    if (hardLinked) {
        const struct stat now = statusOf(path);
        QCOMPARE(now.st_ino, old.st_ino);
        QCOMPARE(now.st_nlink, nlink_t(2));
        QCOMPARE(now.st_mode, old.st_mode);
        QCOMPARE(now.st_uid, old.st_uid);
        QCOMPARE(now.st_gid, old.st_gid);
        QCOMPARE(fileBytes(other), kHeader);
    } else {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"badword.txt"});
    }
}

void TestStartupFiles::readOnlyDirectory()
{
    // A directory that the program cannot write to, holding a badword.txt that it can. As root,
    // whom no permission stops, the rewrite runs in a child that has become an ordinary user.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    QVERIFY(writeFileBytes(path, "old"));
    const QByteArray encodedDir = QFile::encodeName(dir.path());
    const bool asRoot = ::geteuid() == 0;
    if (asRoot)
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(encodedDir.constData(), 0555), 0);

    const ChildOutcome child = runInChild([&] {
        if (asRoot && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return QStringLiteral("could not become an ordinary user");
        const Result<void> rewritten = rewriteBadWordFile(dir.path());
        return rewritten ? QString() : rewritten.message();
    });
    QCOMPARE(::chmod(encodedDir.constData(), 0700), 0);
    QVERIFY2(child.passed(), child.text());
    QCOMPARE(fileBytes(path), kHeader);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"badword.txt"});
}

void TestStartupFiles::refused_data()
{
    QTest::addColumn<StandIn>("standIn");
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link to a file") << StandIn::LinkToFile << "a symbolic link";
    QTest::newRow("dangling symbolic link") << StandIn::DanglingLink << "a symbolic link";
    QTest::newRow("FIFO without a reader") << StandIn::Fifo << "a FIFO (named pipe)";
    QTest::newRow("FIFO with a reader") << StandIn::FifoWithReader << "a FIFO (named pipe)";
    QTest::newRow("directory") << StandIn::Directory << "a directory";
    QTest::newRow("directory through a link of another account")
        << StandIn::FolderLinkOfNobody << "is a symbolic link of nobody, another account";
}

void TestStartupFiles::refused()
{
    QFETCH(StandIn, standIn);
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    const QByteArray encodedPath = QFile::encodeName(path);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
    const QString outside = dir.filePath(QStringLiteral("elsewhere/server.txt"));
    const QString via = dir.filePath(QStringLiteral("via"));
    int reader = -1;
    switch (standIn) {
    case StandIn::LinkToFile:
        QVERIFY(writeFileBytes(outside, "not for start-up"));
        QVERIFY(QFile::link(outside, path));
        break;
    case StandIn::DanglingLink:
        QVERIFY(QFile::link(outside, path));
        break;
    case StandIn::Fifo:
    case StandIn::FifoWithReader:
        QCOMPARE(::mkfifo(encodedPath.constData(), 0644), 0);
        if (standIn == StandIn::FifoWithReader)
            reader = ::open(encodedPath.constData(), O_RDONLY | O_NONBLOCK);
        break;
    case StandIn::Directory:
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("badword.txt")));
        break;
    case StandIn::FolderLinkOfNobody:
        if (::geteuid() != 0)
            QSKIP("Needs root to give a link to another account.");
        QVERIFY(QFile::link(QStringLiteral("elsewhere"), via));
        QCOMPARE(::lchown(QFile::encodeName(via).constData(), 65534, 65534), 0);
        break;
    }
    const QStringList before = describe(dir.path());
    const QStringList beforeElsewhere = describe(dir.filePath(QStringLiteral("elsewhere")));

    const bool throughLink = standIn == StandIn::FolderLinkOfNobody;
    const auto error = rewriteBadWordFile(throughLink ? via : dir.path());
    char unread[64];
    const ssize_t received = reader >= 0 ? ::read(reader, unread, sizeof unread) : 0;
    if (reader >= 0)
        ::close(reader);
    QVERIFY(!error);
    QVERIFY2(error.message().contains(throughLink ? via : path) && error.message().contains(kind),
             qPrintable(error.message()));
    QVERIFY(received <= 0);
    QCOMPARE(describe(dir.path()), before);
    QCOMPARE(describe(dir.filePath(QStringLiteral("elsewhere"))), beforeElsewhere);
}

void TestStartupFiles::missingDirectoryIsReported()
{
    // A full disk is met by the real program below, with the signal as a shell leaves it.
    QTemporaryDir dir;
    QVERIFY(!rewriteBadWordFile(dir.filePath(QStringLiteral("no/such/dir"))));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no"))));
}

void TestStartupFiles::windowProgramFailsToStart_data()
{
    QTest::addColumn<bool>("sizeLimited"); // else badword.txt is a symbolic link
    QTest::addColumn<QString>("reason");
    QTest::newRow("file size limit below the header") << true << "File too large";
    QTest::newRow("badword.txt a symbolic link") << false << "a symbolic link";
}

void TestStartupFiles::windowProgramFailsToStart()
{
    // The real program, with the file-size signal at its default as a shell leaves it.
    QFETCH(bool, sizeLimited);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("badword.txt"));
    QProcess program;
    program.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    if (sizeLimited) {
        program.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{20, 20};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    } else {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("target.txt")), path));
    }
    program.start(QStringLiteral(VANTRO_APP_PATH), QStringList());
    QVERIFY(program.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(err.contains(QStringLiteral("badword.txt")) && err.contains(reason), qPrintable(err));
    if (sizeLimited)
        QCOMPARE(fileBytes(path), QByteArray());
    else
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("target.txt"))));
}

QTEST_APPLESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
