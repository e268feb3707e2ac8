// The window program's command line and start-up, run as a program: --help and --version without
// a display, --dir and the word files (--words, --add, --profile, --except, named relative to the
// start directory), --language and --category, --mask and --replace, a saved profile's next start,
// and the exit status of every start that fails.
#include "app/mainwindow.h"
#include "app/windowprogram.h"
#include "app/wordlistmodel.h"
#include "fileio/path.h"
#include "testfiles.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
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
    void sharedOptionsHaveOneHelp_data();
    void sharedOptionsHaveOneHelp();
    void failedStart_data();
    void failedStart();
    void dirAndAdd();
    void namesAreBytes();
    void wordFilesRelativeToStart_data();
    void wordFilesRelativeToStart();
    void savedProfileReproducesEdits_data();
    void savedProfileReproducesEdits();
    void messagesOnStandardError();
    void maskAndReplace();
    void utf8TargetRefused();
    void buildsTheBlockOfTheCommandLineTool_data();
    void buildsTheBlockOfTheCommandLineTool();

private:
    // Runs the program as main() does once the application object exists, in a forked child that
    // starts in startDirectory. A window that opens reports its word list and quits at once; with
    // pressBuild, once Build has been pressed and the Build has ended.
    // act, when given, edits the window before its words are reported.
    Start start(const QStringList &arguments, const QString &startDirectory,
                bool pressBuild = false, const std::function<void(vantro::MainWindow *)> &act = {});

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
                               bool pressBuild,
                               const std::function<void(vantro::MainWindow *)> &act)
{
    const QString reportedPath = m_scratch->filePath(QStringLiteral("reported.txt"));
    const QByteArray errorPath = QFile::encodeName(m_scratch->filePath(QStringLiteral("stderr")));
    const pid_t pid = fork();
    if (pid == 0) {
        const int errorFile = ::open(errorPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(errorFile, STDERR_FILENO);
        (void)vantro::changeDirectory(startDirectory); // by its bytes, which need not be UTF-8
        int argc = 1;
        char name[] = "vantro-filter-tool";
        char *argv[] = {name, nullptr};
        QApplication app(argc, argv);
        QStringList reported;
        QTimer::singleShot(0, &app, [&reported, pressBuild, &act] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *window = qobject_cast<vantro::MainWindow *>(widget);
                if (!window)
                    continue;
                if (act)
                    act(window);
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
        << "--bogus" << 2 << "vantro-filter-tool: Unknown option \"--bogus\".\n";
    QTest::newRow("misspelt option") << "--spelings" << 2
                                     << "vantro-filter-tool: Unknown option \"--spelings\"; did "
                                        "you mean \"--spellings\"?\n";
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

// The description in the help's row of the option (as "--dir DIR"), with its wrapped lines.
QString helpRow(const QString &help, const QString &option)
{
    const QStringList lines = help.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QStringLiteral("  ") + option + u' '))
            continue;
        QString row = lines.at(i);
        while (++i < lines.size() && lines.at(i).startsWith(QLatin1String("   ")))
            row += u' ' + lines.at(i);
        return row.mid(option.size() + 2).simplified();
    }
    return {};
}

void WindowProgramTest::sharedOptionsHaveOneHelp_data()
{
    QTest::addColumn<QString>("option"); // as vantro-filter's help shows it
    for (const char *option :
         {"--words FILE", "--add FILE", "--profile FILE", "--except FILE", "--language LIST",
          "--category LIST", "--severity LEVEL", "--no-ambiguous", "--dir DIR", "--mask",
          "--spellings", "--replace", "--force-encoding"})
        QTest::newRow(option) << option;
}

void WindowProgramTest::sharedOptionsHaveOneHelp()
{
    QFETCH(QString, option);
    QProcess tool;
    QProcess window;
    tool.start(QStringLiteral(VANTRO_CLI_PATH), {"build", "--help"});
    window.start(QStringLiteral(VANTRO_TOOL_PATH), {"--help"});
    QVERIFY(tool.waitForFinished(10000) && window.waitForFinished(10000));
    const QString value = option.section(u' ', 1);
    QString rows[] = {
        helpRow(QString::fromLocal8Bit(tool.readAllStandardOutput()), option),
        helpRow(QString::fromLocal8Bit(window.readAllStandardOutput()),
                value.isEmpty() ? option : option.section(u' ', 0, 0) + " <" + value + u'>')};
    // Less the sentences that only one of the programs adds (to --profile).
    for (QString &row : rows) {
        row.remove(QLatin1String(" May be given more than once."));
        row.remove(QLatin1String(
            " Save profile (Ctrl+S) writes the window's edits back to the last FILE."));
    }
    QVERIFY(!rows[0].isEmpty());
    QCOMPARE(rows[0], rows[1]);
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
    // A word file in another encoding is refused whole, as vantro-filter refuses it.
    QTest::newRow("--profile in Latin-1")
        << QStringList{"--profile", "{work}/latin1.txt"} << 2
        << "latin1.txt\" cannot be read: Line 2 is not valid UTF-8";
    QTest::newRow("--add in UTF-16")
        << QStringList{"--add", "{work}/utf16.txt"} << 2
        << "utf16.txt\" cannot be read: The file is UTF-16, but word files and profiles are "
           "UTF-8; nothing of it was taken. Convert it with \"iconv -f UTF-16 -t UTF-8 "
           "{work}/utf16.txt > {work}/utf16.txt.utf8\"";
    QTest::newRow("unknown language")
        << QStringList{"--language", "en,xx"} << 2
        << "Unknown language \"xx\" in --language. The languages are: en, de, fr, es, it, pt, nl.";
    QTest::newRow("unknown category")
        << QStringList{"--category", "slur", "--category", "bogus"} << 2
        << "Unknown category \"bogus\" in --category. The categories are: slur, sexual, "
           "profanity, insult, drug, other.";
    QTest::newRow("unknown severity")
        << QStringList{"--severity", "bad"} << 2
        << "Unknown severity \"bad\" in --severity. The severities are: mild, strong, severe.";
    QTest::newRow("badword.txt cannot be written")
        << QStringList{"--dir", "{work}/blocked"} << 1 << "badword.txt";
    QTest::newRow("--dir through a link of another account")
        << QStringList{"--dir", "{work}/planted"} << 2
        << "\"{work}/planted\" is a symbolic link of user ID 4321, another account";
}

void WindowProgramTest::failedStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, named);
    QDir work(m_work->path());
    QVERIFY(writeFileBytes(work.filePath(QStringLiteral("plain")), "x"));
    QVERIFY(writeFileBytes(work.filePath(QStringLiteral("latin1.txt")), "drat\ncaf\xE9\n-gosh\n"));
    QVERIFY(writeFileBytes(work.filePath(QStringLiteral("utf16.txt")),
                           QByteArray("\xFF\xFEh\0o\0e\0\n\0d\0r\0a\0t\0\n\0", 20)));
    QVERIFY(work.mkpath(QStringLiteral("blocked/badword.txt")));
    QVERIFY(work.mkpath(QStringLiteral("elsewhere")));
    const QByteArray planted = QFile::encodeName(work.filePath(QStringLiteral("planted")));
    QVERIFY(::symlink("elsewhere", planted.constData()) == 0 &&
            ::lchown(planted.constData(), 4321, 4321) == 0);
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
    // Nothing was written where the program started, nor where a link leads.
    QCOMPARE(work.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(work.filePath(QStringLiteral("elsewhere"))).isEmpty(), true);
}

void WindowProgramTest::namesAreBytes()
{
    // Started in "d\xFF", beside the directory that a lossy decoding would take it for, with a
    // word file named "w\xE9.txt" there.
    const QByteArray top = QFile::encodeName(m_work->path());
    const QByteArray named = top + "/d\xFF";
    const QByteArray lookalike = top + "/d\xEF\xBF\xBD";
    QCOMPARE(::mkdir(named.constData(), 0755), 0);
    QCOMPARE(::mkdir(lookalike.constData(), 0755), 0);
    const auto exists = [](const QByteArray &path) {
        return ::access(path.constData(), F_OK) == 0;
    };
    {
        std::FILE *words = std::fopen((named + "/w\xE9.txt").constData(), "wb");
        QVERIFY(words);
        std::fputs("Heck\n", words);
        QCOMPARE(std::fclose(words), 0);
    }

    const Start started = start({QStringLiteral("--words"), vantro::decodePath("w\xE9.txt")},
                                vantro::decodePath(named), true);
    QCOMPARE(started.status, 0);
    QCOMPARE(started.reported, QStringLiteral("words: heck"));
    QVERIFY(exists(named + "/badword.txt") && exists(named + "/badnames.txt"));
    QVERIFY(!exists(lookalike + "/badword.txt") && !exists(lookalike + "/badnames.txt"));
    // QTemporaryDir cannot remove what it cannot name.
    for (const char *file : {"/badword.txt", "/badnames.txt", "/w\xE9.txt"})
        ::unlink((named + file).constData());
    ::rmdir(named.constData());
    ::rmdir(lookalike.constData());
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

void WindowProgramTest::wordFilesRelativeToStart_data()
{
    QTest::addColumn<QStringList>("options"); // file names relative to the start directory
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("warning"); // reported before the words; empty: none

    QTest::newRow("--words") << QStringList{"--words", "list.txt"} << "alpha,beta" << QString();
    QTest::newRow("--words twice, --add")
        << QStringList{"--words", "list.txt", "--add", "more.txt", "--words", "more.txt"}
        << "alpha,beta,gamma,gamma" << QString();
    QTest::newRow("--add joins the built-in entries")
        << QStringList{"--category", "drug", "--language", "fr", "--add", "more.txt"} << "*gamma*"
        << QString();
    QTest::newRow("--profile adds and takes out, also words of --add")
        << QStringList{"--words", "list.txt", "--add", "more.txt", "--profile", "profile.txt"}
        << "+delta,beta,delta" << QString();
    QTest::newRow("--profile twice, in order")
        << QStringList{"--words", "list.txt", "--profile", "profile.txt", "--profile", "out.txt"}
        << "+delta,beta,beta,delta,delta"
        << "profile.txt:6: warning: \"-gamma\" takes out nothing: no entry is \"gamma\".";
    QTest::newRow("--except after the profile")
        << QStringList{"--words", "list.txt", "--profile", "profile.txt", "--except", "out.txt"}
        << "+delta"
        << "profile.txt:6: warning: \"-gamma\" takes out nothing: no entry is \"gamma\".";
}

void WindowProgramTest::wordFilesRelativeToStart()
{
    QFETCH(QStringList, options);
    QFETCH(QString, words);
    QFETCH(QString, warning);
    const QDir scratch(m_scratch->path());
    QVERIFY(writeFileBytes(scratch.filePath("list.txt"), "Alpha\nbeta\n"));
    QVERIFY(writeFileBytes(scratch.filePath("more.txt"), "gamma\n"));
    QVERIFY(writeFileBytes(scratch.filePath("profile.txt"),
                           "# mine\n+delta\n\n++delta\n-ALPHA\n-Gamma\n"));
    QVERIFY(writeFileBytes(scratch.filePath("out.txt"), "delta\nbeta\n"));
    // The same names in the --dir directory hold other words.
    const QDir work(m_work->path());
    QVERIFY(work.mkdir(QStringLiteral("server")));
    for (const char *name : {"list.txt", "more.txt", "profile.txt", "out.txt"})
        QVERIFY(writeFileBytes(work.filePath(QStringLiteral("server/") + name), "wrong\n"));

    const Start started =
        start(options + QStringList{"--dir", work.filePath("server")}, m_scratch->path());
    QCOMPARE(started.status, 0);
    // A taking-out that takes out nothing is said, and the start goes on.
    const QString reported =
        warning.isEmpty() ? started.reported : started.reported.section(u'\n', 1);
    QVERIFY2(warning.isEmpty() || started.reported.startsWith(warning + u'\n'),
             qPrintable(started.reported));
    QVERIFY2(reported.startsWith(QStringLiteral("words: ")) && !reported.contains(u'\n'),
             qPrintable(started.reported));
    const QString shown = reported.mid(7);
    if (words.startsWith(u'*'))
        QVERIFY2(shown.split(u',').contains(words.mid(1).chopped(1)) && shown.size() > 100,
                 qPrintable(shown));
    else
        QCOMPARE(shown, words);
}

void WindowProgramTest::savedProfileReproducesEdits_data()
{
    QTest::addColumn<QStringList>("before"); // options before --profile profile.txt
    QTest::addColumn<QString>("words");      // after the edits
    QTest::newRow("one profile") << QStringList() << "five,four,three,two,-x";
    // The profile given first is part of the start: its lines are not saved into the last one.
    QTest::newRow("after a shared profile")
        << QStringList{"--profile", "shared.txt"} << "eight,five,four,two,-x";
}

void WindowProgramTest::savedProfileReproducesEdits()
{
    QFETCH(QStringList, before);
    QFETCH(QString, words);
    const QDir scratch(m_scratch->path());
    QVERIFY(writeFileBytes(scratch.filePath("list.txt"), "one\ntwo\nthree\n"));
    QVERIFY(writeFileBytes(scratch.filePath("shared.txt"), "eight\n-three\n"));
    const QString profile = scratch.filePath(QStringLiteral("profile.txt"));
    QVERIFY(writeFileBytes(profile, "four\nseven\n-two\n"));
    const QStringList options =
        QStringList{"--words", "list.txt"} + before + QStringList{"--profile", "profile.txt"};

    const Start edited = start(options, m_scratch->path(), false, [](vantro::MainWindow *window) {
        auto *list = window->findChild<QListView *>(QStringLiteral("text1"));
        auto *newWord = window->findChild<QLineEdit *>(QStringLiteral("Text3"));
        const auto add = [&](const char *word) {
            newWord->setText(QLatin1String(word));
            QTest::keyClick(newWord, Qt::Key_Return);
        };
        const auto remove = [&](const char *word) {
            const auto row = window->wordList()->list().items().indexOf(QLatin1String(word));
            list->setCurrentIndex(window->wordList()->index(static_cast<int>(row)));
        };
        add("five");
        add("six");
        add("two");    // taken out by the profile; back again
        remove("six"); // added and removed: neither
        remove("one");
        remove("seven"); // the profile's
        add("-x");
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qFatal("The window did not become active.");
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier); // Save profile
    });
    QCOMPARE(edited.status, 0);
    QCOMPARE(edited.reported, "words: " + words);
    QCOMPARE(fileBytes(scratch.filePath("shared.txt")), QByteArray("eight\n-three\n"));
    QVERIFY(!fileBytes(profile).contains("eight") && !fileBytes(profile).contains("three"));

    const Start again = start(options, m_scratch->path());
    QCOMPARE(again.reported, edited.reported);
}

// What the window tells the user in a box goes to standard error too, every line after the
// program's name: a word file's refused lines at start-up and a failed Build.
void WindowProgramTest::messagesOnStandardError()
{
    const QString words = m_scratch->filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFileBytes(words, "say \"hi\nheck\nsay \"ho\n"));
    QVERIFY(QDir(m_work->path()).mkdir(QStringLiteral("badnames.txt")));

    const Start started = start({"--add", words}, m_work->path(), true);
    QCOMPARE(started.status, 0);
    QStringList lines = started.standardError.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    QVERIFY2(lines.size() == 3, qPrintable(started.standardError));
    for (const QString &line : std::as_const(lines))
        QVERIFY2(line.startsWith("vantro-filter-tool: "), qPrintable(line));
    QVERIFY(lines.at(0).startsWith("vantro-filter-tool: " + words + ":1: "));
    QVERIFY(lines.at(1).startsWith("vantro-filter-tool: " + words + ":3: "));
    const QString failure = started.reported.split(u'\n').last();
    QVERIFY2(failure.contains("badnames.txt"), qPrintable(started.reported));
    QCOMPARE(lines.at(2), "vantro-filter-tool: " + failure);
}

void WindowProgramTest::maskAndReplace()
{
    const QDir scratch(m_scratch->path());
    QVERIFY(writeFileBytes(scratch.filePath("list.txt"), "gosh\n"));
    const QString target = m_work->filePath(QStringLiteral("badnames.txt"));
    const QByteArray serverLine = "// the server's own line\r\n";
    QVERIFY(writeFileBytes(target, serverLine));
    const QStringList options{"--words", "list.txt", "--dir", m_work->path()};

    QCOMPARE(start(options + QStringList{"--mask"}, m_scratch->path(), true).status, 0);
    const QByteArray masked = fileBytes(target);
    QVERIFY2(masked.startsWith(serverLine + "\r\n{ ") &&
                 masked.contains("{ \"gosh!\" \"*****\" }\r\n"),
             masked.constData());
    const QByteArray block = masked.mid(serverLine.size());

    // A Build with --replace takes the masked block out and appends its own.
    const Start replaced = start(options + QStringList{"--replace"}, m_scratch->path(), true);
    QCOMPARE(replaced.status, 0);
    const QByteArray ciphered = fileBytes(target);
    QVERIFY2(ciphered.startsWith(serverLine + "\r\n{ ") && !ciphered.contains("****") &&
                 ciphered.count('{') == block.count('{'),
             ciphered.constData());
    // Twice: the block of the first is replaced, not kept.
    QCOMPARE(start(options + QStringList{"--replace"}, m_scratch->path(), true).status, 0);
    QCOMPARE(fileBytes(target), ciphered);
}

// The window's Build refuses a target that looks like UTF-8, replacing or not, with the iconv line;
// with --force-encoding it appends, with a warning.
void WindowProgramTest::utf8TargetRefused()
{
    QVERIFY(writeFileBytes(m_scratch->filePath("list.txt"), "gosh\n"));
    const QString target = m_work->filePath(QStringLiteral("badnames.txt"));
    const QByteArray existing = "menu \"Caf\xC3\xA9\"\r\n";
    QVERIFY(writeFileBytes(target, existing));
    const QStringList options{"--words", "list.txt", "--dir", m_work->path()};
    for (const QStringList &more : {QStringList{}, QStringList{"--replace"}}) {
        const Start refused = start(options + more, m_scratch->path(), true);
        QCOMPARE(refused.status, 0);
        QVERIFY2(
            refused.reported.contains("\"iconv -f UTF-8 -t WINDOWS-1252 badnames.txt > "
                                      "badnames.cp1252 && mv badnames.cp1252 badnames.txt\"") &&
                refused.reported.contains("--force-encoding"),
            qPrintable(refused.reported));
        QCOMPARE(fileBytes(target), existing);
    }
    const Start forced = start(options + QStringList{"--force-encoding"}, m_scratch->path(), true);
    QCOMPARE(forced.status, 0);
    QVERIFY2(forced.reported.contains("looks like UTF-8") && !forced.reported.contains("iconv -f"),
             qPrintable(forced.reported));
    QVERIFY2(fileBytes(target).startsWith(existing + "\r\n{ \"GOSH\" "), fileBytes(target));
}

void WindowProgramTest::buildsTheBlockOfTheCommandLineTool_data()
{
    QTest::addColumn<QStringList>("options"); // {words}: a word file; {profile}, {except}

    QTest::newRow("German and English, slurs and sexual")
        << QStringList{"--language", "de,en", "--category", "slur,sexual"};
    QTest::newRow("slurs only, with the words of a file")
        << QStringList{"--category", "slur", "--add", "{words}"};
    QTest::newRow("options repeated, codes in capitals")
        << QStringList{"--language", "NL",     "--language",    "fr", "--category", "drug,Insult",
                       "--severity", "Strong", "--no-ambiguous"};
    QTest::newRow("a profile and an allow-list, as stars") << QStringList{
        "--profile", "{profile}", "--except", "{except}", "--add", "{words}", "--mask"};
    QTest::newRow("two profiles") << QStringList{"--add",    "{words}",   "--profile",
                                                 "{except}", "--profile", "{profile}"};
    QTest::newRow("the spellings players type, German")
        << QStringList{"--language", "de", "--spellings"};
}

void WindowProgramTest::buildsTheBlockOfTheCommandLineTool()
{
    QFETCH(QStringList, options);
    const QString words = m_scratch->filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFileBytes(words, "Heck\nDarn\n"));
    options.replaceInStrings(QStringLiteral("{words}"), words);
    // The profile takes out a built-in word and one of the word file, and adds its own.
    const QString profile = m_scratch->filePath(QStringLiteral("profile.txt"));
    QVERIFY(writeFileBytes(profile, "# our server\n-HOE\n-darn\n+golly gosh\nfrick\n"));
    options.replaceInStrings(QStringLiteral("{profile}"), profile);
    const QString except = m_scratch->filePath(QStringLiteral("except.txt"));
    QVERIFY(writeFileBytes(except, "Frick\nbastard\n"));
    options.replaceInStrings(QStringLiteral("{except}"), except);
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
