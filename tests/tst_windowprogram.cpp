// The window program's command line and start-up, run as a program: --help and --version without
// a display, --dir and --add, --language and --category, and the exit status of every start that
// fails.
#include "app/mainwindow.h"
#include "app/windowprogram.h"
#include "app/wordlistmodel.h"
#include "testfiles.h"

#include <QPushButton>
#include <QSignalSpy>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What a start of the window program in a child process left behind.
struct Start
{
    int status = -1;  // the exit status; -1 when the child did not exit
    QString reported; // the messages for the user, one a line; with "words: ..." once shown
    QString standardError;
};

} // namespace

class WindowProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void informationNeedsNoDisplay_data();
    void informationNeedsNoDisplay();
    void failedStart_data();
    void failedStart();
    void dirAndAdd();
    void buildsTheBlockOfTheCommandLineTool_data();
    void buildsTheBlockOfTheCommandLineTool();

private:
    // Runs the program as main() does once the application object exists, in a forked child that
    // starts in startDirectory. A window that opens reports its word list and quits at once; with
    // pressBuild, once Build has been pressed and the Build has ended.
    Start start(const QStringList &arguments, const QString &startDirectory,
                bool pressBuild = false);

    std::unique_ptr<QTemporaryDir> m_scratch; // the child's reports
    std::unique_ptr<QTemporaryDir> m_work;    // where the program is started or sent
};

void WindowProgramTest::init()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid() && m_work->isValid());
}

Start WindowProgramTest::start(const QStringList &arguments, const QString &startDirectory,
                               bool pressBuild)
{
    const QString reportedPath = m_scratch->filePath(QStringLiteral("reported.txt"));
    const QByteArray errorPath = QFile::encodeName(m_scratch->filePath(QStringLiteral("stderr")));
    const pid_t pid = fork();
    if (pid == 0) {
        const int errorFile = ::open(errorPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(errorFile, STDERR_FILENO);
        QDir::setCurrent(startDirectory);
        int argc = 1;
        char name[] = "vantro-filter-tool";
        char *argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QStringList reported;
        QTimer::singleShot(0, &app, [&reported, pressBuild] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *window = qobject_cast<vantro::MainWindow *>(widget);
                if (!window)
                    continue;
                reported.append("words: " + window->wordList()->list().items().join(u','));
                if (pressBuild) {
                    // A clock that runs an hour ahead at every reading: no pause is left to wait.
                    using Clock = vantro::PaceClock::Clock;
                    auto now = std::make_shared<Clock::time_point>();
                    window->setPaceClock({[now] { return *now += std::chrono::hours(1); },
                                          [](Clock::time_point) {}});
                    QSignalSpy ended(window, &vantro::MainWindow::buildEnded);
                    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")),
                                      Qt::LeftButton);
                    if (window->isBuilding() && !ended.wait(60000))
                        reported.append(QStringLiteral("The Build did not end."));
                }
            }
            QCoreApplication::quit();
        });
        const int status = vantro::runWindowProgram(
            QStringList(QString::fromLatin1(name)) + arguments,
            [&reported](const QString &message) { reported.append(message); });
        writeFileBytes(reportedPath, reported.join(u'\n').toUtf8());
        _exit(status);
    }
    Start result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.reported = QString::fromUtf8(fileBytes(reportedPath));
    result.standardError = QString::fromLocal8Bit(fileBytes(QFile::decodeName(errorPath)));
    return result;
}

void WindowProgramTest::informationNeedsNoDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed"); // on standard output with 0, else on standard error
    QTest::newRow("--help") << "--help" << 0 << "--add <FILE>";
    QTest::newRow("--version") << "--version" << 0 << "Vantro Bad Word Filter Tool 1.00\n";
    QTest::newRow("wrong command line")
        << "--bogus" << 2 << "vantro-filter-tool: Unknown option 'bogus'.\n";
    QTest::newRow("window system option")
        << "-reverse" << 1 << "vantro-filter-tool: There is no display";
}

void WindowProgramTest::informationNeedsNoDisplay()
{
    QFETCH(QString, option);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_work->path());
    program.start(QStringLiteral(VANTRO_TOOL_PATH), {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromLocal8Bit(status == 0 ? program.readAllStandardOutput()
                                                              : program.readAllStandardError());
    QVERIFY2(output.contains(printed), qPrintable(output));
    if (status != 0)
        QCOMPARE(output.count(u'\n'), 1);
    QCOMPARE(QDir(m_work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), {});
}

void WindowProgramTest::failedStart_data()
{
    QTest::addColumn<QStringList>("arguments"); // {work}: the work directory
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("named"); // in the message and on standard error

    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "frobnicate";
    QTest::newRow("stray argument") << QStringList{"words.txt"} << 2 << "words.txt";
    QTest::newRow("--dir that does not exist")
        << QStringList{"--dir", "{work}/missing"} << 2 << "{work}/missing";
    QTest::newRow("--dir that is a file")
        << QStringList{"--dir", "{work}/plain"} << 2 << "{work}/plain";
    QTest::newRow("--add file that cannot be read")
        << QStringList{"--add", "{work}/absent.txt"} << 2 << "{work}/absent.txt";
    QTest::newRow("unknown language")
        << QStringList{"--language", "en,xx"} << 2
        << "Unknown language \"xx\" in --language. The languages are: en, de, fr, es, it, pt, nl.";
    QTest::newRow("unknown category")
        << QStringList{"--category", "slur", "--category", "bogus"} << 2
        << "Unknown category \"bogus\" in --category. The categories are: slur, sexual, "
           "profanity, insult, drug, other.";
    QTest::newRow("badword.txt cannot be written")
        << QStringList{"--dir", "{work}/blocked"} << 1 << "badword.txt";
}

void WindowProgramTest::failedStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, named);
    QDir work(m_work->path());
    QVERIFY(writeFileBytes(work.filePath(QStringLiteral("plain")), "x"));
    QVERIFY(work.mkpath(QStringLiteral("blocked/badword.txt")));
    arguments.replaceInStrings(QStringLiteral("{work}"), m_work->path());
    named.replace(QStringLiteral("{work}"), m_work->path());
    const QStringList before = work.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const Start started = start(arguments, m_work->path());
    QCOMPARE(started.status, status);
    QVERIFY2(started.reported.contains(named) && !started.reported.contains("words:"),
             qPrintable(started.reported));
    QVERIFY2(started.standardError.contains(named), qPrintable(started.standardError));
    // One message, after the program's name.
    QVERIFY2(started.standardError.startsWith("vantro-filter-tool: ") &&
                 started.standardError.count(u'\n') == 1,
             qPrintable(started.standardError));
    // Nothing was written where the program started.
    QCOMPARE(work.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void WindowProgramTest::dirAndAdd()
{
    const QDir work(m_work->path());
    QVERIFY(work.mkdir(QStringLiteral("server")));
    const QString words = m_scratch->filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFileBytes(words, "Heck\n\nsay \"hi\nDarn\n"));

    const Start started =
        start({"--add", words, "--dir", work.filePath("server")}, m_scratch->path());
    QCOMPARE(started.status, 0);
    QVERIFY(QFileInfo(work.filePath(QStringLiteral("server/badword.txt"))).isFile());
    QVERIFY(!QFile::exists(m_scratch->filePath(QStringLiteral("badword.txt"))));
    // The refused line in one message; the other words in the list, lower-cased.
    const QStringList reported = started.reported.split(u'\n');
    QCOMPARE(reported.size(), 3);
    QVERIFY2(reported.at(0).contains(words) && reported.at(1).contains(QStringLiteral("3")),
             qPrintable(started.reported));
    QVERIFY(reported.at(2).startsWith(QStringLiteral("words: ")));
    const QStringList shown = reported.at(2).mid(7).split(u',');
    QVERIFY(shown.contains(QStringLiteral("heck")) && shown.contains(QStringLiteral("darn")));
}

void WindowProgramTest::buildsTheBlockOfTheCommandLineTool_data()
{
    QTest::addColumn<QStringList>("options"); // {words}: a word file

    QTest::newRow("German and English, slurs and sexual")
        << QStringList{"--language", "de,en", "--category", "slur,sexual"};
    QTest::newRow("slurs only, with the words of a file")
        << QStringList{"--category", "slur", "--add", "{words}"};
    QTest::newRow("options repeated, codes in capitals")
        << QStringList{"--language", "NL", "--language", "fr", "--category", "drug,Insult"};
}

void WindowProgramTest::buildsTheBlockOfTheCommandLineTool()
{
    QFETCH(QStringList, options);
    const QString words = m_scratch->filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFileBytes(words, "Heck\nDarn\n"));
    options.replaceInStrings(QStringLiteral("{words}"), words);
    const QDir work(m_work->path());
    QVERIFY(work.mkdir(QStringLiteral("window")) && work.mkdir(QStringLiteral("tool")));

    const Start started =
        start(options + QStringList{"--dir", work.filePath("window")}, m_scratch->path(), true);
    QCOMPARE(started.status, 0);
    QVERIFY2(started.reported.startsWith(QStringLiteral("words: ")) &&
                 !started.reported.contains(u'\n'),
             qPrintable(started.reported));

    QProcess tool;
    tool.start(QStringLiteral(VANTRO_CLI_PATH),
               QStringList{"build"} + options + QStringList{"--dir", work.filePath("tool")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);

    const QByteArray block = fileBytes(work.filePath(QStringLiteral("window/badnames.txt")));
    QVERIFY(block.startsWith("\r\n{ \""));
    QCOMPARE(block, fileBytes(work.filePath(QStringLiteral("tool/badnames.txt"))));
}

QTEST_APPLESS_MAIN(WindowProgramTest)
#include "tst_windowprogram.moc"
