// The main window driven as a user would: start-up, tab order, Add Word, removal and Undo, the
// word list's context menu, tool tip and dropped files, and Builds that write at their pace, fail,
// and are cut short by Exit.
#include "app/mainwindow.h"
#include "app/pacedbuild.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "builder/wordlistsources.h"
#include "childprocess.h"
#include "common/showntext.h"
#include "entrymodel.h"
#include "fileio/filesizesignal.h"
#include "fileio/linereader.h"
#include "testfiles.h"
#include "wordlists/builtinwords.h"
#include "wordlists/listorder.h"
#include "wordlists/sortedtextlist.h"
#include "wordlists/wordcheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using vantro::MainWindow;
using vantro::SortedTextList;

namespace {

using Entries = QList<std::pair<QByteArray, QByteArray>>;

QByteArray entryLines(const Entries &entries)
{
    QByteArray lines;
    for (const auto &[variant, replacement] : entries)
        lines += model::entryLine(QString::fromLatin1(variant), QString::fromLatin1(replacement));
    return lines;
}

QStringList variantsOf(const Entries &entries)
{
    QStringList variants;
    for (const auto &entry : entries)
        variants.append(QString::fromLatin1(entry.first));
    return variants;
}

// The basic variants of "gosh" in list order, with their replacements.
const Entries kGoshBasic = {
    {"GOSH", "U5LT"},   {"Gosh", "U0lt"},   {"gosh", "u0lt"},
    {"GOSH!", "U5LT!"}, {"Gosh!", "U0lt!"}, {"gosh!", "u0lt!"},
    {"GOSH.", "U5LTc"}, {"Gosh.", "U0ltc"}, {"gosh.", "u0ltc"},
};

const Entries kGoshMaxUsage = {
    {"_GOSH", "aU5LT"}, {"_Gosh", "aU0lt"}, {"_gosh", "au0lt"}, {"GOSH", "U5LT"},
    {"Gosh", "U0lt"},   {"gosh", "u0lt"},   {"GOSH!", "U5LT!"}, {"Gosh!", "U0lt!"},
    {"gosh!", "u0lt!"}, {"GOSH.", "U5LTc"}, {"Gosh.", "U0ltc"}, {"gosh.", "u0ltc"},
    {"GOSH?", "U5LT?"}, {"Gosh?", "U0lt?"}, {"gosh?", "u0lt?"}, {"GOSH_", "U5LTa"},
    {"Gosh_", "U0lta"}, {"gosh_", "u0lta"},
};

// What stands in a Build's way.
enum class Obstacle
{
    None,
    Directory,
    Locked,
    RemovedMidway,
};

// Runs the action from the pause that follows the Build's n-th entry.
void afterEntries(MainWindow *window, qsizetype n, std::function<void()> action)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        QObject::connect(window, &MainWindow::filterEntryWritten, window, [=](qsizetype written) {
            if (written != n)
                return;
            QObject::disconnect(*connection);
            QTimer::singleShot(0, window, action);
        });
}

// Presses Build and waits until the Build has ended.
bool pressBuild(MainWindow *window)
{
    QSignalSpy ended(window, &MainWindow::buildEnded);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    return !window->isBuilding() || ended.wait(20000);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpState();
    void controls_data();
    void captionsFitInEveryLanguage_data();
    void captionsFitInEveryLanguage();
    void controls();
    void instructionsText();
    void startUpFailureKeepsWindowHidden();
    void tabOrder();

    void addWord_data();
    void addWord();
    void addWordRefusesUnsafeText_data();
    void addWordRefusesUnsafeText();
    void removeSelectedWord_data();
    void removeSelectedWord();
    void clicksRemoveOneWordAtMost();
    void undoPutsRemovedWordsBack();
    void addWordsOfFile();
    void wordListMenuFiles_data();
    void wordListMenuFiles();
    void saveProfileKeepsItsFolder();
    void profileEdits_data();
    void profileEdits();
    void savedProfileKeepsItsLines_data();
    void savedProfileKeepsItsLines();
    void wordFilesOnlyFromRegularFiles();
    void droppedFileInFolderNamedInBytes();
    void wordListSummary_data();
    void wordListSummary();
    void menuCountsTheNextBuildsEntries_data();
    void menuCountsTheNextBuildsEntries();

    void build_data();
    void build();
    void buildIsPacedAndShowsProgress();
    void dialogDoesNotStallBuild();
    void buildToolTipNamesTarget();
    void secondBuildExpandsVariants();
    void buildKeepsEditsWithBuildDisabled();
    void buildEndNotice_data();
    void buildEndNotice();
    void backToTheWords();
    void failedBuild_data();
    void failedBuild();
    void buildReplacingPreviousFilter();
    void exitDuringBuild_data();
    void exitDuringBuild();
    void exitAsksToSaveProfileEdits_data();
    void exitAsksToSaveProfileEdits();
    void smallScreenScrollsToBuild_data();
    void smallScreenScrollsToBuild();

private:
    template <typename Control> Control *control(const char *name) const
    {
        auto *found = m_window->findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("The window has no control %s of the expected kind", name);
        return found;
    }
    std::unique_ptr<MainWindow> startedWindow();
    void triggerMenuItem(const char *text);
    bool dropFile(const QUrl &url);
    void setWords(const QStringList &words);
    QString startWithProfile(const QByteArray &file);
    bool answerExitQuestion(QMessageBox::StandardButton answer);
    int rowOf(const char *word) const
    {
        return static_cast<int>(m_window->wordList()->list().items().indexOf(QLatin1String(word)));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_warnings;
};

std::unique_ptr<MainWindow> MainWindowTest::startedWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->setWarningReporter([this](const QString &message) { m_warnings.append(message); });
    return window;
}

void MainWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_warnings.clear();
    m_window = startedWindow();
    QVERIFY(m_window->load());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    QVERIFY(QDir::setCurrent(m_previousDir));
    m_dir.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void MainWindowTest::triggerMenuItem(const char *text)
{
    for (QAction *item : control<QMenu>("wordListMenu")->actions()) {
        if (item->text() == QLatin1String(text))
            return item->trigger();
    }
    QFAIL(text);
}

// True when the list took the drop.
bool MainWindowTest::dropFile(const QUrl &url)
{
    QWidget *viewport = control<QListView>("text1")->viewport();
    QMimeData data;
    data.setUrls({url});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

void MainWindowTest::setWords(const QStringList &words)
{
    m_window->wordList()->setList(SortedTextList::fromUnsorted(words));
}

// Starts from "drat" and "gosh" with the profile file, as --profile gives it; returns its path.
QString MainWindowTest::startWithProfile(const QByteArray &file)
{
    const QString path = QDir::current().filePath(QStringLiteral("profile.txt"));
    if (!writeFileBytes(path, file))
        return {};
    vantro::ComposedWordList start;
    start.startWords = {"drat", "gosh"};
    const auto profile = vantro::readWordFile(file, vantro::WordFileKind::Profile);
    for (const vantro::WordFileWord &word : profile->words)
        start.additions.append(word.text);
    start.words = SortedTextList::fromUnsorted(start.startWords + start.additions);
    m_window->startWith(start, path, file);
    return path;
}

// Clicks the answer in the box that Exit opened; NoButton: true when there is no box.
bool MainWindowTest::answerExitQuestion(QMessageBox::StandardButton answer)
{
    auto *box = m_window->findChild<QMessageBox *>(QStringLiteral("unsavedProfileBox"));
    if (!box || !box->isVisible() || answer == QMessageBox::NoButton)
        return answer == QMessageBox::NoButton && !(box && box->isVisible());
    box->button(answer)->click();
    return true;
}

void MainWindowTest::startUpState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantro Bad Word Filter Tool"));
    QCOMPARE(m_window->size(), QSize(709, 635));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!m_window->windowIcon().isNull());

    // Every non-empty row of the built-in table, lower-cased, in list order.
    const auto table = vantro::builtInWordTable();
    const auto nonEmptyRows =
        std::count_if(table.begin(), table.end(), [](const char *row) { return *row != '\0'; });
    auto *text1 = control<QListView>("text1");
    QCOMPARE(text1->model()->rowCount(), static_cast<int>(nonEmptyRows));
    QCOMPARE(m_window->sourceList().count(), static_cast<qsizetype>(table.size()));
    const SortedTextList &shown = m_window->wordList()->list();
    for (qsizetype i = 0; i < shown.count(); ++i) {
        QCOMPARE(shown.at(i), shown.at(i).toLower());
        if (i > 0)
            QVERIFY(!vantro::listOrderLess(shown.at(i), shown.at(i - 1)));
    }
    QCOMPARE(m_window->variantList().count(), 0);

    QVERIFY(control<QLineEdit>("Text3")->text().isEmpty());
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());
    QVERIFY(!control<QCheckBox>("Check2")->isChecked());
    // Rewritten at start-up; its bytes are tested with the start-up files.
    QVERIFY(QFileInfo(QStringLiteral("badword.txt")).isFile());
    QVERIFY(m_warnings.isEmpty());
}

void MainWindowTest::controls_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<qreal>("timesPointSize"); // 0: the window's own font

    const auto row = [](const char *name, QRect geometry, const char *caption, bool shown,
                        qreal timesPointSize) {
        QTest::newRow(name) << geometry << QString::fromLatin1(caption) << shown << timesPointSize;
    };
    row("Check2", {24, 600, 177, 25}, "Write to default localization file ", true, 0);
    row("Check1", {240, 600, 337, 25},
        "Max usage, may cause server to take a little longer to load", true, 0);
    row("Command3", {48, 568, 137, 25}, "Add Word", true, 0);
    row("Text3", {8, 536, 225, 25}, "", true, 0);
    row("text1", {8, 40, 225, 433}, "", true, 0);
    row("Command2", {568, 600, 49, 25}, "Exit", true, 0);
    row("Text2", {248, 40, 441, 513}, "", true, 9.75);
    row("Command1", {632, 600, 57, 25}, "Build", true, 0);
    row("Label5", {296, 560, 361, 25}, "Processing Word", false, 12);
    row("Label4", {664, 560, 73, 17}, "0", false, 12);
    row("Label3", {8, 480, 225, 49},
        "Add any words that you would like. The localization is case sensitive and must match "
        "exactly. Press Build when done.",
        true, 9.75);
    row("Label1", {8, 16, 225, 17}, "List of Bad Words to Filter", true, 9.75);
}

void MainWindowTest::controls()
{
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, shown);
    QFETCH(qreal, timesPointSize);

    auto *widget = control<QWidget>(QTest::currentDataTag());
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), shown);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        // Only the hint is longer than its box is wide.
        QCOMPARE(label->wordWrap(), QByteArray(QTest::currentDataTag()) == "Label3");
    }
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget)) {
        QVERIFY(!edit->isReadOnly());
        QVERIFY(edit->verticalScrollBar()->isVisible());
    }
    if (timesPointSize > 0) {
        QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(widget->font().pointSizeF(), timesPointSize);
    } else {
        QCOMPARE(widget->font(), m_window->font());
    }
}

// The window's controls keep their sizes in every language: no caption may be cut off, nor the
// progress label of a Build of the whole built-in list.
void MainWindowTest::captionsFitInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "es", "fr", "it", "nl", "pt"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void MainWindowTest::captionsFitInEveryLanguage()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(language == "en" || translator.load(":/i18n/vantro_" + language + ".qm"));
    QCoreApplication::installTranslator(&translator);
    MainWindow window;
    window.findChild<QLabel *>("Label5")->setText(
        QCoreApplication::translate("vantro::MainWindow", "Processing Word %1 of %2")
            .arg(QStringLiteral("10668"), QStringLiteral("10668")));
    QCoreApplication::removeTranslator(&translator);

    QStringList cut;
    for (const char *name :
         {"Label1", "Label3", "Label5", "Check1", "Check2", "Command1", "Command2", "Command3"}) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(name));
        const QFontMetrics metrics(widget->font());
        const QRect room = widget->contentsRect();
        QString text;
        bool fits = true;
        if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            text = box->text();
            fits = box->sizeHint().width() <= box->width();
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            text = button->text();
            fits = metrics.horizontalAdvance(text) + 6 <= room.width();
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
            const QRect needed = metrics.boundingRect(room, flags | int(label->alignment()), text);
            fits = needed.width() <= room.width() && needed.height() <= room.height();
        }
        if (!fits)
            cut.append(QStringLiteral("%1: \"%2\"").arg(widget->objectName(), text));
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
}

void MainWindowTest::instructionsText()
{
    const QStringList expected = {
        "Instructions",
        "",
        "Because of an exploit to crash servers, none of the localization entries ",
        "cannot be longer than the one you are modifying. To help with this problem",
        "you may use this to taylor and build the word filter entries for your ",
        "localization file.",
        "",
        "First you can add words to the list at the bottom left, or double click on",
        "a word to remove it from the list. Next check whether you want to write to",
        "the default localization file. If not, the text will be placed in a file",
        "called badnames.txt. You can then edit it further then cut and paste",
        "the entries into you localization file.",
        "",
        "The other selectable option will add more variations to the words, but",
        "will also slow the boot of the server slightly.",
        "",
        "If you cut and paste your own entries, place it after all the other",
        "localization entries.",
        "", // every line ends with a line break
    };
    QCOMPARE(control<QPlainTextEdit>("Text2")->toPlainText().split(u'\n'), expected);
}

void MainWindowTest::startUpFailureKeepsWindowHidden()
{
    QVERIFY(QFile::remove(QStringLiteral("badword.txt")));
    QVERIFY(QDir().mkdir(QStringLiteral("badword.txt")));

    const auto window = startedWindow();
    QVERIFY(!window->load());
    QVERIFY(!window->isVisible());
    QCOMPARE(m_warnings.size(), 1);
    QVERIFY2(m_warnings.first().contains(QStringLiteral("badword.txt")),
             qPrintable(m_warnings.first()));
}

void MainWindowTest::tabOrder()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("Command1"));

    const QStringList expected = {"Text2",    "Command2", "text1",  "Text3",
                                  "Command3", "Check1",   "Check2", "Command1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void MainWindowTest::addWord_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QStringList>("expected");

    const QStringList words = {"alpha", "beta", "delta"};
    QTest::newRow("upper case lowered")
        << words << "GaMMa" << false << QStringList{"alpha", "beta", "delta", "gamma"};
    QTest::newRow("Enter does the same")
        << words << "Charlie" << true << QStringList{"alpha", "beta", "charlie", "delta"};
    QTest::newRow("empty text first")
        << words << "" << false << QStringList{"", "alpha", "beta", "delta"};
    QTest::newRow("duplicate beside its twin")
        << words << "Beta" << false << QStringList{"alpha", "beta", "beta", "delta"};
    QTest::newRow("spaces kept") << words << " Ab " << false
                                 << QStringList{" ab ", "alpha", "beta", "delta"};
}

void MainWindowTest::addWord()
{
    QFETCH(QStringList, words);
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QStringList, expected);
    setWords(words);

    auto *text3 = control<QLineEdit>("Text3");
    text3->setText(typed);
    if (pressEnter)
        QTest::keyClick(text3, Qt::Key_Return);
    else
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);

    QCOMPARE(m_window->wordList()->list().items(), expected);
    QVERIFY(text3->text().isEmpty());
    QCOMPARE(m_window->focusWidget(), text3);
    QVERIFY(m_warnings.isEmpty());
}

void MainWindowTest::addWordRefusesUnsafeText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named"); // the character the message names
    QTest::newRow("double quote") << QStringLiteral("Say \"hi") << QStringLiteral("(\")");
    QTest::newRow("control character") << QStringLiteral("tab\there") << QStringLiteral("U+0009");
    QTest::newRow("outside the code page")
        << QStringLiteral("caf\u0103") << QStringLiteral("\"\u0103\" (U+0103)");
    // Named as typed, not as the lower-case form that enters the list.
    QTest::newRow("upper case outside the code page")
        << QStringLiteral("\u03a9mega") << QStringLiteral("\"\u03a9\" (U+03A9)");
}

void MainWindowTest::addWordRefusesUnsafeText()
{
    QFETCH(QString, typed);
    QFETCH(QString, named);
    setWords({"alpha", "beta"});
    auto *text3 = control<QLineEdit>("Text3");
    text3->setText(typed);
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);

    QCOMPARE(m_window->wordList()->list().items(), QStringList({"alpha", "beta"}));
    QCOMPARE(text3->text(), typed);
    QCOMPARE(m_window->focusWidget(), text3);
    QCOMPARE(m_warnings.size(), 1);
    // The word as typed, with a control character shown rather than obeyed.
    QVERIFY2(m_warnings.first().startsWith('"' + vantro::shownText(typed) + '"') &&
                 m_warnings.first().contains(named),
             qPrintable(m_warnings.first()));
}

void MainWindowTest::removeSelectedWord_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("removed");

    const QStringList words = {"one", "three", "two", "zero"};
    QTest::newRow("click the third")
        << words << 2 << false << QStringList{"one", "three", "zero"} << "two";
    QTest::newRow("arrow onto the third")
        << words << 2 << true << QStringList{"one", "three", "zero"} << "two";
    QTest::newRow("click the first")
        << words << 0 << false << QStringList{"three", "two", "zero"} << "one";
    QTest::newRow("click the last one left")
        << QStringList{"only"} << 0 << false << QStringList{} << "only";
}

void MainWindowTest::removeSelectedWord()
{
    QFETCH(QStringList, words);
    QFETCH(int, row);
    QFETCH(bool, byKeyboard);
    QFETCH(QStringList, expected);
    QFETCH(QString, removed);
    setWords(words);

    auto *text1 = control<QListView>("text1");
    const QModelIndex index = text1->model()->index(row, 0);
    if (byKeyboard) {
        text1->setFocus();
        text1->selectionModel()->setCurrentIndex(text1->model()->index(row - 1, 0),
                                                 QItemSelectionModel::NoUpdate);
        QTest::keyClick(text1, Qt::Key_Down);
    } else {
        QTest::mouseClick(text1->viewport(), Qt::LeftButton, {}, text1->visualRect(index).center());
    }

    QCOMPARE(m_window->wordList()->list().items(), expected);
    QVERIFY(text1->selectionModel()->selectedIndexes().isEmpty());
    // Every removal is seen, until the next action.
    QCOMPARE(
        m_window->notice(),
        QStringLiteral("\"%1\" was removed from the word list; Ctrl+Z puts it back.").arg(removed));
    QVERIFY(control<QLabel>("noticeLabel")->isVisible());
    QTest::mouseClick(control<QLineEdit>("Text3"), Qt::LeftButton);
    QCOMPARE(m_window->notice(), QString());
    QVERIFY(!control<QLabel>("noticeLabel")->isVisible());
}

void MainWindowTest::clicksRemoveOneWordAtMost()
{
    setWords({"one", "three", "two", "zero"});
    auto *text1 = control<QListView>("text1");
    const QPoint onThree = text1->viewport()->mapTo(
        m_window.get(), text1->visualRect(text1->model()->index(1, 0)).center());
    // Through the window system, as a real double-click arrives: press, release, double-click
    // (the second press), release.
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, onThree);
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"one", "two", "zero"}));

    // A right-click opens the context menu and removes nothing.
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, onThree);
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"one", "two", "zero"}));
    auto *menu = control<QMenu>("wordListMenu");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().first()->text(),
             QStringLiteral("3 words; the next Build writes 27 entries"));
    menu->close();
}

void MainWindowTest::undoPutsRemovedWordsBack()
{
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList words = {"one", "three", "two", "zero"};
    setWords(words);
    auto *text1 = control<QListView>("text1");
    const auto clickRow = [text1](int row) {
        QTest::mouseClick(text1->viewport(), Qt::LeftButton, {},
                          text1->visualRect(text1->model()->index(row, 0)).center());
    };
    const auto undo = [text1] { QTest::keyClick(text1, Qt::Key_Z, Qt::ControlModifier); };
    clickRow(1);
    clickRow(0);
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"two", "zero"}));

    undo();
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"one", "two", "zero"}));
    QCOMPARE(m_window->notice(), QStringLiteral("\"one\" is back in the word list."));
    undo();
    QCOMPARE(m_window->wordList()->list().items(), words);
    undo(); // nothing more to put back
    QCOMPARE(m_window->wordList()->list().items(), words);

    // A Build starts the history afresh.
    setWords({"a"});
    clickRow(0);
    setWords({"a"});
    QVERIFY(pressBuild(m_window.get()));
    const QStringList built = m_window->wordList()->list().items();
    undo();
    QCOMPARE(m_window->wordList()->list().items(), built);
}

void MainWindowTest::addWordsOfFile()
{
    setWords({"alpha"});
    m_window->addWordsOfFile(
        QStringLiteral("mine.txt"),
        *vantro::readWordFile(QByteArray("Heck\r\n\nsay \"hi\n  Darn\nx\x01\n\xce\xa9\n")));
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"  darn", "alpha", "heck"}));
    // Every refused line in one message.
    QCOMPARE(m_warnings.size(), 1);
    const QString &message = m_warnings.first();
    QVERIFY2(message.contains(QStringLiteral("mine.txt")) &&
                 message.contains(QStringLiteral("3")) && message.contains(QStringLiteral("5")) &&
                 message.contains(QStringLiteral("\u03a9")),
             qPrintable(message));

    // Of many refused lines, a screenful and how many more.
    m_warnings.clear();
    m_window->addWordsOfFile(QStringLiteral("many.txt"),
                             *vantro::readWordFile(QByteArray("say \"hi\n").repeated(1001)));
    QCOMPARE(m_warnings.size(), 1);
    const QStringList lines = m_warnings.first().split(u'\n');
    QCOMPARE(lines.size(), 1 + 20 + 1);
    QVERIFY2(lines.at(20).startsWith(QStringLiteral("Line 20: ")), qPrintable(lines.at(20)));
    QCOMPARE(lines.last(), QStringLiteral("... and 981 more"));

    // Those of a file whose words are taken out were not taken out.
    m_warnings.clear();
    m_window->takeOutWordsOfFile(QStringLiteral("out.txt"),
                                 *vantro::readWordFile(QByteArray("alpha\nsay \"hi\n")));
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"  darn", "heck"}));
    QVERIFY2(m_warnings.value(0).startsWith(
                 QStringLiteral("These lines of \"out.txt\" were not taken out of the word list:\n"
                                "Line 2: ")),
             qPrintable(m_warnings.join(u'\n')));
}

// What the context menu's file actions and a dropped file do to the word list, and the profile
// that Save profile as... then writes.
enum class FileAction
{
    AddFromMenu,
    DropOnList,
    TakeOutFromMenu,
    OpenProfile,
};

void MainWindowTest::wordListMenuFiles_data()
{
    QTest::addColumn<FileAction>("action");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QByteArray>("profile"); // after its first line
    QTest::addColumn<QString>("notice");     // {file}: the file's path

    const QString added = "2 words added from \"{file}\"; 1 of them was in the list already.";
    QTest::newRow("Add words from a file...")
        << FileAction::AddFromMenu
        << QStringList{"alpha", "beta", "delta", "gamma", "gamma", "gamma"}
        << QByteArray("beta\ndelta\ngamma\n") << added;
    QTest::newRow("dropped word file")
        << FileAction::DropOnList
        << QStringList{"alpha", "beta", "delta", "gamma", "gamma", "gamma"}
        << QByteArray("beta\ndelta\ngamma\n") << added;
    QTest::newRow("Take out the words of a file...")
        << FileAction::TakeOutFromMenu << QStringList{"alpha", "beta"} << QByteArray()
        << "2 entries taken out of the word list (the words of \"{file}\"); Ctrl+Z puts them "
           "back.";
    // The opened profile's lines as they stand, then the edits they do not say.
    QTest::newRow("Open profile...")
        << FileAction::OpenProfile << QStringList{"beta", "gamma", "gamma", "zeta"}
        << QByteArray("+zeta\n-Alpha\n-hoee\nbeta\n")
        << "1 word added from \"{file}\"; 0 of them were in the list already. 1 entry taken "
           "out of the word list (the words of \"{file}\"); Ctrl+Z puts it back.";
}

void MainWindowTest::wordListMenuFiles()
{
    QFETCH(FileAction, action);
    QFETCH(QStringList, words);
    QFETCH(QByteArray, profile);
    QFETCH(QString, notice);
    vantro::ComposedWordList start;
    start.startWords = {"alpha", "gamma", "gamma"};
    start.additions = {"beta"};
    start.words = vantro::SortedTextList::fromUnsorted({"alpha", "beta", "gamma", "gamma"});
    m_window->startWith(start, QString());
    QVERIFY(writeFileBytes(QStringLiteral("words.txt"), "Delta\nGAMMA\n"));
    QVERIFY(writeFileBytes(QStringLiteral("profile.txt"), "# mine\n+zeta\n-Alpha\n-hoee\n"));
    const QString chosenFile =
        QDir::current().filePath(action == FileAction::OpenProfile ? "profile.txt" : "words.txt");
    QList<vantro::FileChoice> asked;
    QString answer = chosenFile;
    m_window->setFileChooser(
        [&](vantro::FileChoice choice, std::function<void(const QString &)> chosen) {
            asked.append(choice);
            chosen(answer);
        });
    switch (action) {
    case FileAction::AddFromMenu:
        triggerMenuItem("Add words from a file...");
        break;
    case FileAction::DropOnList:
        QVERIFY(dropFile(QUrl::fromLocalFile(chosenFile)));
        break;
    case FileAction::TakeOutFromMenu:
        triggerMenuItem("Take out the words of a file...");
        break;
    case FileAction::OpenProfile:
        triggerMenuItem("Open profile...");
        break;
    }
    QCOMPARE(m_window->wordList()->list().items(), words);
    // A "-WORD" line that takes out nothing is said.
    QCOMPARE(m_warnings, action == FileAction::OpenProfile
                             ? QStringList{chosenFile + ":4: warning: \"-hoee\" takes out "
                                                        "nothing: no entry is \"hoee\"."}
                             : QStringList());
    QCOMPARE(m_window->notice(), notice.replace(QStringLiteral("{file}"), chosenFile));

    // One Undo puts back everything the file took out.
    if (action == FileAction::TakeOutFromMenu) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->wordList()->list().items(),
                 QStringList({"alpha", "beta", "gamma", "gamma"}));
        QCOMPARE(m_window->notice(), QStringLiteral("2 entries are back in the word list."));
        return;
    }

    // The profile goes where the user says, or (after Open profile) to the profile opened.
    answer = QDir::current().filePath(QStringLiteral("saved.txt"));
    triggerMenuItem(action == FileAction::OpenProfile ? "Save profile" : "Save profile as...");
    const QString savedTo =
        action == FileAction::OpenProfile ? QStringLiteral("profile.txt") : answer;
    QCOMPARE(asked.size(), action == FileAction::AddFromMenu ? 2 : 1);
    const QByteArray text = fileBytes(savedTo);
    QVERIFY2(text.startsWith('#'), text.constData());
    QCOMPARE(text.mid(text.indexOf('\n') + 1), profile);
}

// Save profile writes into the folder the profile was opened from, and nowhere else: a folder
// put in another's place by a link since it was opened is refused, the more so a link of nobody.
void MainWindowTest::saveProfileKeepsItsFolder()
{
    const QString root = QDir::currentPath();
    QVERIFY(QDir().mkpath(QStringLiteral("own/sub")) && QDir().mkpath(QStringLiteral("secret")));
    QVERIFY(writeFileBytes(QStringLiteral("own/sub/profile.txt"), "opened\n"));
    QVERIFY(writeFileBytes(QStringLiteral("secret/profile.txt"), "secret\n"));
    vantro::ComposedWordList start;
    start.startWords = {"alpha"};
    start.words = vantro::SortedTextList::fromUnsorted({"alpha"});
    m_window->startWith(start, root + QStringLiteral("/own/sub/profile.txt"));
    m_window->addWordsOfFile(QStringLiteral("words.txt"), vantro::WordFile{{{1, "beta"}}, {}, {}});

    // The folder's owner moves it away and puts a link to another folder in its place.
    QVERIFY(QFile::rename(QStringLiteral("own/sub"), QStringLiteral("own/sub.old")));
    QVERIFY(QFile::link(QStringLiteral("../secret"), QStringLiteral("own/sub")));
    m_window->saveProfile();
    QStringList expected{
        QStringLiteral("The profile was not saved. \"%1/own/sub/profile.txt\" no longer leads to "
                       "the file that was opened: its folder \"%1/own/sub\" was moved or replaced "
                       "(by a symbolic link, say) since. Nothing was written; open the file again "
                       "to write it there.")
            .arg(root)};
    if (::geteuid() == 0 && ::lchown("own/sub", 65534, 65534) == 0) {
        m_window->saveProfile();
        expected << QStringLiteral("The profile was not saved. \"%1/own/sub\" is a symbolic link "
                                   "of nobody, another account: a link is followed only when it is "
                                   "this user's or root's. Run the program as nobody, or name the "
                                   "file the link leads to.")
                        .arg(root);
    }
    QCOMPARE(m_warnings, expected);
    QCOMPARE(fileBytes(QStringLiteral("secret/profile.txt")), QByteArray("secret\n"));
    QCOMPARE(fileBytes(QStringLiteral("own/sub.old/profile.txt")), QByteArray("opened\n"));
}

// The profile after a sequence of edits: "+WORD" added, "-WORD" one entry removed, "!WORD"
// every entry taken out. The window started from "old" and "old0".."old39", its profile adding
// "mine".
void MainWindowTest::profileEdits_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArray>("profile"); // after the comment line
    QTest::addColumn<bool>("holdsEmptyWord");

    QTest::newRow("added, removed and added again")
        << QStringList{"+a", "-a", "+a"} << QByteArray("mine\na\n") << false;
    QTest::newRow("removed and added again goes last")
        << QStringList{"+a", "-mine", "+mine"} << QByteArray("a\nmine\n") << false;
    QTest::newRow("the first of two entries goes")
        << QStringList{"+a", "+b", "+a", "-a"} << QByteArray("mine\nb\na\n") << false;
    QTest::newRow("every entry taken out, one added")
        << QStringList{"+a", "+a", "!a", "+a"} << QByteArray("mine\na\n") << false;
    QTest::newRow("a start word taken out and put back")
        << QStringList{"-old", "!x", "+old"} << QByteArray("mine\n-x\n") << false;
    QTest::newRow("the empty word") << QStringList{"+", "+e"} << QByteArray("mine\ne\n") << true;
    QTest::newRow("the empty word removed")
        << QStringList{"+", "-"} << QByteArray("mine\n") << false;
    // Most of many entries gone, in both lists.
    QStringList edits;
    QByteArray profile = "mine\n";
    for (int i = 0; i < 40; ++i)
        edits << QStringLiteral("+w%1").arg(i) << QStringLiteral("!old%1").arg(i);
    for (int i = 0; i < 30; ++i)
        edits << QStringLiteral("-w%1").arg(i) << QStringLiteral("+old%1").arg(i);
    for (int i = 30; i < 40; ++i)
        profile += "w" + QByteArray::number(i) + "\n";
    profile += "w0\n";
    for (int i = 30; i < 40; ++i)
        profile += "-old" + QByteArray::number(i) + "\n";
    QTest::newRow("most entries gone") << (edits << "+w0") << profile << false;
}

void MainWindowTest::profileEdits()
{
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, profile);
    QFETCH(bool, holdsEmptyWord);
    QStringList start{"old"};
    for (int i = 0; i < 40; ++i)
        start.append(QStringLiteral("old%1").arg(i));
    vantro::ProfileEdits profileEdits;
    profileEdits.start(start, {"mine"}, {});
    for (const QString &edit : std::as_const(edits)) {
        const QString word = edit.mid(1);
        if (edit.startsWith(u'+'))
            profileEdits.wordAdded(word);
        else if (edit.startsWith(u'-'))
            QVERIFY(profileEdits.wordRemoved(word, false));
        else
            profileEdits.wordTakenOut(word);
    }
    const QByteArray text = profileEdits.profileText();
    QCOMPARE(text.mid(text.indexOf('\n') + 1), profile);
    QCOMPARE(profileEdits.holdsEmptyWord(), holdsEmptyWord);
}

// Save profile after the window started with a profile (as --profile gives it) or opened one,
// and a sequence of edits: "+WORD" typed, "-WORD" selected (removed), "!WORD" taken out by a file,
// "z" Undo, "s" Save profile.
// The window starts from "drat" and "gosh".
void MainWindowTest::savedProfileKeepsItsLines_data()
{
    QTest::addColumn<bool>("atStartUp");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArray>("saved"); // empty: refused, the file left as it was

    const QByteArray handWritten = "# ours\r\n\r\n-gosh\r\n\xC5\xBCul\r\nHeck\r\n+-meh\r\n";
    QTest::newRow("comments, blank and refused lines, order, CR LF")
        << true << handWritten << QStringList{"+zap", "!drat", "s"}
        << handWritten + "zap\r\n-drat\r\n";
    QTest::newRow("opened: edits before it appended too")
        << false << handWritten << QStringList{"+zap", "s"} << handWritten + "zap\r\n";
    QTest::newRow("a word of the file taken out, then put back")
        << true << handWritten << QStringList{"!heck", "z", "s"} << handWritten;
    QTest::newRow("a line of an earlier save goes with its Undo")
        << true << QByteArray("# mine\nzip\n") << QStringList{"+zap", "s", "-zap", "s"}
        << QByteArray("# mine\nzip\n");
    QTest::newRow("a word the file takes out, added again")
        << true << QByteArray("-gosh\n# keep\n") << QStringList{"+gosh", "s"}
        << QByteArray("# keep\n");
    QTest::newRow("a last line without its end")
        << true << QByteArray("zip") << QStringList{"+zap", "s"} << QByteArray("zip\nzap\n");
    // A file that is not UTF-8 is not opened (see wordFileInAnotherEncoding); one whose line that
    // is not lies beyond what a line can hold is, and is not written to.
    QTest::newRow("not UTF-8 in a line too long to read, opened")
        << false << "# mine\n" + QByteArray(vantro::LineReader::kMaxLineBytes + 1, '\xE9') + '\n'
        << QStringList{"+zap", "s"} << QByteArray();
}

void MainWindowTest::savedProfileKeepsItsLines()
{
    QFETCH(bool, atStartUp);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, saved);
    const QString path = QDir::current().filePath(QStringLiteral("profile.txt"));
    QVERIFY(writeFileBytes(path, file));
    m_window->setFileChooser(
        [&](vantro::FileChoice, std::function<void(const QString &)> chosen) { chosen(path); });
    vantro::ComposedWordList start;
    start.startWords = {"drat", "gosh"};
    start.words = vantro::SortedTextList::fromUnsorted(start.startWords);
    if (atStartUp) {
        const vantro::WordFile profile = *vantro::readWordFile(file, vantro::WordFileKind::Profile);
        for (const vantro::WordFileWord &word : profile.words)
            start.additions.append(word.text);
        for (const vantro::WordFileWord &word : profile.removals)
            start.removals.append(word.text);
        start.words = vantro::composeWordList(start.startWords + start.additions, start.removals);
        m_window->startWith(start, path, file);
    } else {
        m_window->startWith(start, QString());
        if (edits.first().startsWith(u'+'))
            m_window->addWordsOfFile(QStringLiteral("w.txt"),
                                     *vantro::readWordFile(edits.takeFirst().mid(1).toUtf8()));
        triggerMenuItem("Open profile...");
    }
    m_warnings.clear();
    for (const QString &edit : std::as_const(edits)) {
        if (edit.startsWith(u'+')) {
            control<QLineEdit>("Text3")->setText(edit.mid(1));
            m_window->addWord();
        } else if (edit.startsWith(u'-')) {
            const auto row = m_window->wordList()->list().items().indexOf(edit.mid(1));
            control<QListView>("text1")->selectionModel()->select(
                m_window->wordList()->index(static_cast<int>(row)), QItemSelectionModel::Select);
        } else if (edit.startsWith(u'!')) {
            m_window->takeOutWordsOfFile(QStringLiteral("w.txt"),
                                         *vantro::readWordFile(edit.mid(1).toUtf8()));
        } else if (edit == u"z") {
            m_window->undoRemoval();
        } else {
            triggerMenuItem("Save profile");
        }
    }
    if (!saved.isEmpty()) {
        QVERIFY2(m_warnings.isEmpty(), qPrintable(m_warnings.join(u'\n')));
        QCOMPARE(fileBytes(path), saved);
        return;
    }
    QCOMPARE(fileBytes(path), file);
    QCOMPARE(m_warnings.size(), 1);
    QVERIFY2(m_warnings.first().contains(path) && m_warnings.first().contains("line 2") &&
                 m_warnings.first().contains("not UTF-8"),
             qPrintable(m_warnings.first()));
}

// A FIFO chosen in the context menu or dropped onto the list is refused at once, also while a
// program holds it open and writes to it: in a child that a hang would end.
void MainWindowTest::wordFilesOnlyFromRegularFiles()
{
    const QString fifo = QDir::current().filePath(QStringLiteral("words.fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    setWords({"alpha"});
    m_window->setFileChooser(
        [&](vantro::FileChoice, std::function<void(const QString &)> chosen) { chosen(fifo); });
    const ChildOutcome child = runInChild([&] {
        ::alarm(10); // a read that waits for the writer to finish would wait for ever
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
        if (writer < 0 || ::write(writer, "beta\n", 5) != 5)
            return QStringLiteral("cannot write to the FIFO");
        for (const char *item : {"Add words from a file...", "Take out the words of a file...",
                                 "Open profile...", ""}) {
            m_warnings.clear();
            if (*item)
                triggerMenuItem(item);
            else
                dropFile(QUrl::fromLocalFile(fifo));
            if (m_window->wordList()->list().items() != QStringList{"alpha"} ||
                m_warnings.size() != 1 || !m_warnings.first().contains(fifo) ||
                !m_warnings.first().contains(
                    QStringLiteral("a FIFO (named pipe), not a regular file")))
                return QString::fromUtf8(*item ? item : "dropped") + QStringLiteral(": ") +
                       m_warnings.join(u'\n');
        }
        return QString();
    });
    QVERIFY2(child.passed(), child.text());
}

// A file dropped from a folder whose name is not UTF-8 is read under its name's bytes.
void MainWindowTest::droppedFileInFolderNamedInBytes()
{
    const QByteArray folder = QFile::encodeName(QDir::currentPath()) + "/caf\xE9";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    // QFile takes names as UTF-8.
    const int fd = ::open((folder + "/add.txt").constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0 && ::write(fd, "beta\n", 5) == 5 && ::close(fd) == 0);
    setWords({"alpha"});
    dropFile(QUrl::fromEncoded("file://" + folder.toPercentEncoding("/") + "/add.txt"));
    ::unlink((folder + "/add.txt").constData()); // which QTemporaryDir could not name
    ::rmdir(folder.constData());
    QVERIFY2(m_warnings.isEmpty(), qPrintable(m_warnings.join(u'\n')));
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"alpha", "beta"}));
}

enum class BuildEnd
{
    None,
    Written,
    Failed,
};

void MainWindowTest::wordListSummary_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<BuildEnd>("buildEnd");
    QTest::addColumn<QString>("summary"); // {dir}: the working directory

    QTest::newRow("one word") << QStringList{"gosh"} << BuildEnd::None << "1 word";
    QTest::newRow("no words") << QStringList{} << BuildEnd::None << "0 words";
    QTest::newRow("after a Build")
        << QStringList{"gosh"} << BuildEnd::Written
        << "9 words\nLast Build: 9 entries appended to {dir}/badnames.txt";
    QTest::newRow("after a failed Build")
        << QStringList{"gosh", "heck"} << BuildEnd::Failed << "2 words\nLast Build failed: ";
}

void MainWindowTest::wordListSummary()
{
    QFETCH(QStringList, words);
    QFETCH(BuildEnd, buildEnd);
    QFETCH(QString, summary);
    summary.replace(QStringLiteral("{dir}"), QDir::currentPath());
    setWords(words);
    if (buildEnd == BuildEnd::Failed)
        QVERIFY(QDir().mkdir(QStringLiteral("badnames.txt")));
    if (buildEnd != BuildEnd::None) {
        using Clock = vantro::PaceClock::Clock;
        auto now = std::make_shared<Clock::time_point>();
        m_window->setPaceClock(
            {[now] { return *now += std::chrono::hours(1); }, [](Clock::time_point) {}});
        QVERIFY(pressBuild(m_window.get()));
    }

    const QString toolTip = control<QListView>("text1")->toolTip();
    QVERIFY2(toolTip.startsWith(summary), qPrintable(toolTip));
    const QList<QAction *> menu = control<QMenu>("wordListMenu")->actions();
    const QStringList lines = summary.split(u'\n');
    QCOMPARE(menu.at(0)->text(), lines.first());
    QVERIFY(!menu.at(0)->isEnabled());
    QCOMPARE(menu.at(1)->isVisible(), lines.size() > 1);
    if (lines.size() > 1)
        QVERIFY2(menu.at(1)->text().startsWith(lines.at(1)), qPrintable(menu.at(1)->text()));
}

void MainWindowTest::menuCountsTheNextBuildsEntries_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<QString>("countLine");

    QTest::newRow("one word") << QStringList{"gosh"} << false
                              << "1 word; the next Build writes 9 entries";
    QTest::newRow("max usage") << QStringList{"gosh", "heck"} << true
                               << "2 words; the next Build writes 36 entries";
    // "hoe." is a variant of "hoe" in each of its three case forms.
    QTest::newRow("shared variants count once")
        << QStringList{"hoe", "hoe."} << false << "2 words; the next Build writes 15 entries";
    QTest::newRow("no words") << QStringList{} << false
                              << "0 words; the next Build writes 0 entries";
    // Half as many again at most: g0sh, go5h, g05h and go$h.
    QTest::newRow("spellings") << QStringList{"gosh", "+spellings"} << false
                               << "1 word; the next Build writes 13 entries";
}

void MainWindowTest::menuCountsTheNextBuildsEntries()
{
    QFETCH(QStringList, words);
    QFETCH(bool, maxUsage);
    QFETCH(QString, countLine);
    m_window->setSpellings(words.removeAll(QStringLiteral("+spellings")) > 0);
    setWords(words);
    control<QCheckBox>("Check1")->setChecked(maxUsage);
    // Nothing is written to count them.
    const QStringList before = QDir().entryList(QDir::Files);

    auto *text1 = control<QListView>("text1");
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {},
                      text1->mapTo(m_window.get(), text1->rect().bottomLeft() + QPoint(5, -5)));
    auto *menu = control<QMenu>("wordListMenu");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().first()->text(), countLine);
    menu->close();
    QCOMPARE(QDir().entryList(QDir::Files), before);
}

void MainWindowTest::build_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("maxUsage");
    QTest::addColumn<bool>("defaultLocalization");
    QTest::addColumn<QByteArray>("before"); // the target's content; empty: absent
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("progress");

    QTest::newRow("badnames.txt created") << QStringList{"gosh"} << false << false << QByteArray()
                                          << kGoshBasic << "Processing Word 9 of 9";
    QTest::newRow("localization.txt after a line without end")
        << QStringList{"gosh"} << false << true << QByteArray("abc") << kGoshBasic
        << "Processing Word 9 of 9";
    QTest::newRow("max usage after a whole line")
        << QStringList{"gosh", ""} << true << false << QByteArray("x\r\n") << kGoshMaxUsage
        << "Processing Word 18 of 18";
    QTest::newRow("nothing to write")
        << QStringList{""} << false << false << QByteArray() << Entries{} << "Processing Word";
}

void MainWindowTest::build()
{
    QFETCH(QStringList, words);
    QFETCH(bool, maxUsage);
    QFETCH(bool, defaultLocalization);
    QFETCH(QByteArray, before);
    QFETCH(Entries, entries);
    QFETCH(QString, progress);

    const QString target = defaultLocalization ? "localization.txt" : "badnames.txt";
    const QString other = defaultLocalization ? "badnames.txt" : "localization.txt";
    if (!before.isEmpty())
        QVERIFY(writeFileBytes(target, before));
    setWords(words);
    control<QCheckBox>("Check1")->setChecked(maxUsage);
    control<QCheckBox>("Check2")->setChecked(defaultLocalization);

    QSignalSpy ended(m_window.get(), &MainWindow::buildEnded);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    // The press returns at once; the busy pointer shows until the Build has ended.
    QVERIFY(m_window->isBuilding());
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(ended.wait(10000));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    QCOMPARE(fileBytes(target), before + "\r\n" + entryLines(entries));
    QVERIFY(!QFile::exists(other));
    QCOMPARE(m_window->wordList()->list().items(), variantsOf(entries));
    QVERIFY(control<QLabel>("Label5")->isVisible());
    QCOMPARE(control<QLabel>("Label5")->text(), progress);
    QCOMPARE(control<QLabel>("Label4")->text(), QString::number(entries.size()));
    QVERIFY(!control<QLabel>("Label4")->isVisible());
    QVERIFY(!m_window->isBuilding());
    QVERIFY(m_warnings.isEmpty());
}

void MainWindowTest::buildIsPacedAndShowsProgress()
{
    // A clock that stands still unless the Build sleeps on it: every pause then shows in full in
    // the interval the next step is armed with and in the clock's readings at each entry.
    using Clock = vantro::PaceClock::Clock;
    auto now = std::make_shared<Clock::time_point>();
    m_window->setPaceClock(
        {[now] { return *now; }, [now](Clock::time_point until) { *now = std::max(*now, until); }});
    setWords({"gosh"});
    QList<Clock::time_point> writtenAt;
    QList<std::chrono::milliseconds> armed;
    QStringList shown;
    QList<bool> repainted;
    connect(m_window.get(), &MainWindow::filterEntryWritten, this, [&](qsizetype n) {
        writtenAt.append(*now);
        shown.append(control<QLabel>("Label5")->text() + '/' + control<QLabel>("Label4")->text());
        repainted.append(control<QLabel>("Label5")->updatesEnabled());
        // The word list fills as the Build goes, in groups.
        QVERIFY(m_window->wordList()->rowCount() > n - MainWindow::kEntriesShownTogether);
        QTimer::singleShot(0, this, [&] {
            if (const auto *build = m_window->runningBuild())
                armed.append(build->nextStepInterval());
        });
    });
    QVERIFY(pressBuild(m_window.get()));

    QCOMPARE(writtenAt.size(), 9);
    for (qsizetype i = 1; i < writtenAt.size(); ++i)
        QVERIFY(writtenAt.at(i) - writtenAt.at(i - 1) >= std::chrono::milliseconds(11));
    QCOMPARE(armed, QList<std::chrono::milliseconds>(9, std::chrono::milliseconds(10)));
    // Both the counter and the label follow every step; the label is repainted only at the
    // first, every eighth and the last.
    for (qsizetype n = 1; n <= shown.size(); ++n)
        QCOMPARE(shown.at(n - 1), QStringLiteral("Processing Word %1 of 9/%1").arg(n));
    QCOMPARE(repainted, QList<bool>({true, false, false, false, false, false, false, true, true}));
    QVERIFY(control<QLabel>("Label5")->updatesEnabled());
}

void MainWindowTest::dialogDoesNotStallBuild()
{
    // The real message box, opened by a refused word while the Build writes; it is closed only
    // once the Build has ended, which it must do beneath the box.
    m_window->setWarningReporter(vantro::messageBoxReporter(m_window.get()));
    setWords({"gosh"});
    bool endedBeneathBox = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (box && !m_window->isBuilding()) {
            endedBeneathBox = true;
            box->close();
        }
    });
    afterEntries(m_window.get(), 2, [&] {
        closer.start(5);
        control<QLineEdit>("Text3")->setText(QStringLiteral("a\"b"));
        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
    });
    QVERIFY(pressBuild(m_window.get()));
    QTRY_VERIFY(endedBeneathBox);
    QCOMPARE(fileBytes("badnames.txt"), "\r\n" + entryLines(kGoshBasic));
}

void MainWindowTest::buildToolTipNamesTarget()
{
    auto *build = control<QPushButton>("Command1");
    const auto pathOf = [](const char *name) {
        return QDir::toNativeSeparators(QDir::current().absoluteFilePath(QLatin1String(name)));
    };
    QVERIFY2(build->toolTip().contains(pathOf("badnames.txt")), qPrintable(build->toolTip()));
    control<QCheckBox>("Check2")->setChecked(true);
    QVERIFY2(build->toolTip().contains(pathOf("localization.txt")), qPrintable(build->toolTip()));
    control<QCheckBox>("Check2")->setChecked(false);
    QVERIFY2(build->toolTip().contains(pathOf("badnames.txt")), qPrintable(build->toolTip()));
}

void MainWindowTest::secondBuildExpandsVariants()
{
    setWords({"a"});
    QVERIFY(pressBuild(m_window.get()));
    const Entries first = {{"A", "Z"},   {"a", "z"},   {"A!", "Z!"},
                           {"a!", "z!"}, {"A.", "Zc"}, {"a.", "zc"}};
    QCOMPARE(m_window->wordList()->list().items(), variantsOf(first));

    QVERIFY(pressBuild(m_window.get()));
    const Entries second = {
        {"A", "Z"},     {"a", "z"},     {"A!", "Z!"},   {"a!", "z!"},   {"A!!", "Z!!"},
        {"a!!", "z!!"}, {"A!.", "Z!c"}, {"a!.", "z!c"}, {"A.", "Zc"},   {"a.", "zc"},
        {"A.!", "Zc!"}, {"a.!", "zc!"}, {"A..", "Zcc"}, {"a..", "zcc"},
    };
    QCOMPARE(fileBytes("badnames.txt"), "\r\n" + entryLines(first) + "\r\n" + entryLines(second));
    QCOMPARE(m_window->wordList()->list().items(), variantsOf(second));
    QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Processing Word 14 of 14"));
}

void MainWindowTest::buildKeepsEditsWithBuildDisabled()
{
    setWords({"darn", "frick", "gosh", "heck"}); // 36 entries; GOSH is among the first 32
    // By then the first entries' variants are in the word list.
    afterEntries(m_window.get(), MainWindow::kEntriesShownTogether, [this] {
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        control<QLineEdit>("Text3")->setText(QStringLiteral("Added"));
        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
        auto *text1 = control<QListView>("text1");
        QTest::mouseClick(text1->viewport(), Qt::LeftButton, {},
                          text1->visualRect(text1->model()->index(rowOf("GOSH"), 0)).center());
    });
    QVERIFY(pressBuild(m_window.get()));

    // One block only, whole; the word typed stays and the word clicked (GOSH) is gone.
    const QStringList variants = m_window->variantList().items();
    QCOMPARE(variants.size(), 36);
    QCOMPARE(fileBytes("badnames.txt"), model::block(variants));
    QStringList expected = variants;
    expected.removeOne(QStringLiteral("GOSH"));
    expected.append(QStringLiteral("added"));
    QCOMPARE(m_window->wordList()->list().items(), SortedTextList::fromUnsorted(expected).items());
    QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Processing Word 36 of 36"));
    QVERIFY(control<QPushButton>("Command1")->isEnabled());
    QVERIFY(m_warnings.isEmpty());
}

// A clock that stands still unless the Build sleeps on it: a Build takes exactly its pauses.
static void setPausesOnlyClock(MainWindow *window)
{
    using Clock = vantro::PaceClock::Clock;
    auto now = std::make_shared<Clock::time_point>();
    window->setPaceClock(
        {[now] { return *now; }, [now](Clock::time_point until) { *now = std::max(*now, until); }});
}

void MainWindowTest::buildEndNotice_data()
{
    QTest::addColumn<QByteArray>("before"); // of badnames.txt; empty: absent
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("notice"); // its start; {dir}: the working directory

    const QString variants = " The word list now shows the variants written; a second Build would "
                             "expand them again. Back to the words (Ctrl+R) brings back the words.";
    // Nine entries and a pause of 11 ms after each: 0.1 s.
    QTest::newRow("appended") << QByteArray() << false << Obstacle::None
                              << "Build done: 9 entries appended to {dir}/badnames.txt in 0.1 s." +
                                     variants;
    QTest::newRow("replacing") << "// own\r\n\r\n" + entryLines(kGoshBasic) << true
                               << Obstacle::None
                               << "Build done: 9 entries written to {dir}/badnames.txt, replacing "
                                  "9 earlier filter entries, in 0.1 s." +
                                      variants;
    QTest::newRow("failed") << QByteArray() << false << Obstacle::Directory
                            << "Build failed: \"{dir}/badnames.txt\" is a directory";
}

void MainWindowTest::buildEndNotice()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, replacing);
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, notice);
    notice.replace(QStringLiteral("{dir}"), QDir::currentPath());
    if (!before.isEmpty())
        QVERIFY(writeFileBytes(QStringLiteral("badnames.txt"), before));
    if (obstacle == Obstacle::Directory)
        QVERIFY(QDir().mkdir(QStringLiteral("badnames.txt")));
    setPausesOnlyClock(m_window.get());
    m_window->setReplacesPreviousFilter(replacing);
    setWords({"gosh"});

    // While the Build writes, its button is disabled and the notice waits for its end.
    auto *build = control<QPushButton>("Command1");
    QStringList during;
    afterEntries(m_window.get(), 1,
                 [&] { during << QVariant(build->isEnabled()).toString() << m_window->notice(); });
    QVERIFY(pressBuild(m_window.get()));
    const QStringList disabledWithoutNotice = {"false", ""};
    QCOMPARE(during, obstacle == Obstacle::None ? disabledWithoutNotice : QStringList());
    QVERIFY(build->isEnabled());

    QVERIFY2(m_window->notice().startsWith(notice), qPrintable(m_window->notice()));
    auto *label = control<QLabel>("noticeLabel");
    QVERIFY(label->isVisible());
    QVERIFY(control<QWidget>("Text2")->geometry().contains(label->geometry()));
    // The next action ends it.
    QTest::mouseClick(control<QLineEdit>("Text3"), Qt::LeftButton);
    QCOMPARE(m_window->notice(), QString());
}

void MainWindowTest::backToTheWords()
{
    // A profile's start: the words before the Build are the profile's.
    vantro::ComposedWordList start;
    start.startWords = {"gosh"};
    start.additions = {"heck"};
    start.words = SortedTextList::fromUnsorted({"gosh", "heck"});
    m_window->startWith(start, QString());
    setPausesOnlyClock(m_window.get());
    QVERIFY(pressBuild(m_window.get()));
    QCOMPARE(m_window->wordList()->rowCount(), 18);
    // A word added after the Build, and a second Build, which expands the variants again.
    control<QLineEdit>("Text3")->setText(QStringLiteral("Darn"));
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
    QVERIFY(pressBuild(m_window.get()));
    QVERIFY(m_window->wordList()->rowCount() > 27);
    // A file's words taken out of the variants and put back by Undo: back for the words too.
    m_window->takeOutWordsOfFile(QStringLiteral("out.txt"), *vantro::readWordFile("HECK\n"));
    m_window->undoRemoval();

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_R, Qt::ControlModifier);
    const QStringList words = {"darn", "gosh", "heck"};
    QCOMPARE(m_window->wordList()->list().items(), words);
    QCOMPARE(m_window->notice(),
             QStringLiteral("The word list holds the words again, as before the Build, with those "
                            "added since; the next Build expands them."));
    // The words stay the words; the next Build expands them.
    triggerMenuItem("Back to the words");
    QCOMPARE(m_window->wordList()->list().items(), words);
    QVERIFY(pressBuild(m_window.get()));
    QCOMPARE(m_window->variantList().count(), 27);
    // Taken out of the variants, a word stays out of the words, as the profile takes it out.
    m_window->takeOutWordsOfFile(QStringLiteral("out.txt"), *vantro::readWordFile("HECK\n"));
    triggerMenuItem("Back to the words");
    QCOMPARE(m_window->wordList()->list().items(), QStringList({"darn", "gosh"}));
}

void MainWindowTest::failedBuild_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<int>("fileSizeLimit");
    QTest::addColumn<QString>("reason");

    QTest::newRow("target is a directory") << Obstacle::Directory << 0 << "is a directory";
    // Room for the block's opening CR LF and three 19-byte lines: the fourth write fails, and
    // the file, which the Build created, goes again.
    QTest::newRow("disk full at the fourth entry")
        << Obstacle::None << 2 + 3 * 19 + 5 << "File too large";
    QTest::newRow("target locked by another Build")
        << Obstacle::Locked << 0 << "is locked by another program";
    QTest::newRow("target removed while the Build writes")
        << Obstacle::RemovedMidway << 0
        << "was removed while this Build wrote to it: this Build's empty line and 15 entries went "
           "into a file that no longer exists.";
}

void MainWindowTest::failedBuild()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(int, fileSizeLimit);
    QFETCH(QString, reason);

    const QStringList words = {"gosh", "", "Mixed Case"};
    setWords(words);
    if (obstacle == Obstacle::Directory)
        QVERIFY(QDir().mkdir(QStringLiteral("badnames.txt")));
    // Another Build holds the file's lock; the window does not wait for it.
    const QByteArray earlier = "// written by hand\r\n";
    QFile other(QStringLiteral("badnames.txt"));
    if (obstacle == Obstacle::Locked) {
        QVERIFY(writeFileBytes(other.fileName(), earlier));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(other.handle(), LOCK_EX | LOCK_NB), 0);
    }
    // Words added during the Build come back after it; those taken out come back with their Undo.
    afterEntries(m_window.get(), 1, [this] {
        control<QLineEdit>("Text3")->setText(QStringLiteral("Typed"));
        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
        m_window->addWordsOfFile(QStringLiteral("add.txt"), *vantro::readWordFile("a\nb\nb\n"));
        m_window->takeOutWordsOfFile(QStringLiteral("out.txt"), *vantro::readWordFile("B\n"));
        m_window->undoRemoval();
    });
    if (obstacle == Obstacle::RemovedMidway)
        afterEntries(m_window.get(), 2, [] { QFile::remove(QStringLiteral("badnames.txt")); });

    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    vantro::ignoreFileSizeSignal(); // as main() does, so that the limit fails a write
    if (fileSizeLimit > 0) {
        rlimit limited = previous;
        limited.rlim_cur = static_cast<rlim_t>(fileSizeLimit);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    const bool ended = pressBuild(m_window.get());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &previous), 0);
    QVERIFY(ended);

    QCOMPARE(m_warnings.size(), 1);
    QVERIFY2(m_warnings.first().contains(QStringLiteral("badnames.txt")) &&
                 m_warnings.first().contains(reason),
             qPrintable(m_warnings.first()));
    if (fileSizeLimit > 0 || obstacle == Obstacle::RemovedMidway)
        QVERIFY(!QFile::exists(QStringLiteral("badnames.txt")));
    if (obstacle == Obstacle::Locked)
        QCOMPARE(fileBytes("badnames.txt"), earlier);
    QStringList expected = words;
    if (fileSizeLimit > 0 || obstacle == Obstacle::RemovedMidway)
        expected.append({"typed", "a", "b", "b"});
    QCOMPARE(m_window->wordList()->list().items(), SortedTextList::fromUnsorted(expected).items());
    QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Build failed"));
    QVERIFY(!m_window->isBuilding());

    // Once the cause is gone, the next Build writes the whole block.
    other.close();
    QDir().rmdir(QStringLiteral("badnames.txt"));
    QFile::remove(QStringLiteral("badnames.txt"));
    setWords({"gosh"});
    QVERIFY(pressBuild(m_window.get()));
    QCOMPARE(fileBytes("badnames.txt"), "\r\n" + entryLines(kGoshBasic));
}

void MainWindowTest::buildReplacingPreviousFilter()
{
    const QByteArray own = "// the server's own line\r\n";
    QVERIFY(writeFileBytes(QStringLiteral("badnames.txt"), own));
    setWords({"gosh"});
    QVERIFY(pressBuild(m_window.get()));
    const QByteArray built = own + "\r\n" + entryLines(kGoshBasic);
    QCOMPARE(fileBytes("badnames.txt"), built);

    // The menu item takes the block out and appends the new one: the same bytes again.
    setWords({"gosh"});
    QSignalSpy ended(m_window.get(), &MainWindow::buildEnded);
    triggerMenuItem("Build, replacing the previous filter");
    if (m_window->isBuilding())
        QVERIFY(ended.wait(20000));
    QCOMPARE(m_warnings, QStringList());
    QCOMPARE(fileBytes("badnames.txt"), built);

    // The menu's check item adds the spellings players type, half as many entries again.
    triggerMenuItem("Build the spellings players type too");
    setWords({"gosh"});
    triggerMenuItem("Build, replacing the previous filter");
    if (m_window->isBuilding())
        QVERIFY(ended.wait(20000));
    const QByteArray spelled = fileBytes("badnames.txt");
    QVERIFY2(spelled.startsWith(own + "\r\n") &&
                 spelled.contains("\r\n{ \"g0sh\" \"u0lt\" }\r\n") &&
                 spelled.count('\n') == built.count('\n') + 4,
             spelled.constData());
}

void MainWindowTest::exitDuringBuild_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // to the question about a profile
    QTest::newRow("Exit button") << true << QMessageBox::NoButton;
    QTest::newRow("window closed") << false << QMessageBox::NoButton;
    QTest::newRow("profile edited, discarded") << true << QMessageBox::Discard;
    QTest::newRow("profile edited, stay: the Build goes on") << false << QMessageBox::Cancel;
}

void MainWindowTest::exitDuringBuild()
{
    QFETCH(bool, byExitButton);
    QFETCH(QMessageBox::StandardButton, answer);
    if (answer != QMessageBox::NoButton) {
        QVERIFY(!startWithProfile("zip\n").isEmpty());
        control<QLineEdit>("Text3")->setText(QStringLiteral("zap"));
        m_window->addWord();
    }
    setWords({"gosh"});
    afterEntries(m_window.get(), 3, [this, byExitButton, answer] {
        if (byExitButton)
            QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        else
            m_window->close();
        QVERIFY(answerExitQuestion(answer));
    });
    QVERIFY(pressBuild(m_window.get()));

    if (answer == QMessageBox::Cancel) {
        QCOMPARE(fileBytes("badnames.txt"), "\r\n" + entryLines(kGoshBasic));
        QVERIFY(m_window->isVisible());
        return;
    }
    // Stopped right after the third entry, every line whole; nothing was shown afterwards.
    QCOMPARE(fileBytes("badnames.txt"), "\r\n" + entryLines(kGoshBasic.first(3)));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Processing Word 3 of 9"));
    QVERIFY(m_warnings.isEmpty());
}

// Exit by the button, the close control or Ctrl+Q, after edits: "+WORD" typed, "-WORD" selected,
// "s" Save profile. The profile starts as "# mine\nzip\n" unless the row gives another.
void MainWindowTest::exitAsksToSaveProfileEdits_data()
{
    QTest::addColumn<QString>("exitBy");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: no question is asked
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("saved"); // the profile file afterwards

    const QByteArray mine = "# mine\nzip\n";
    const QStringList zap{"+zap"};
    QTest::newRow("no profile: at once")
        << "button" << false << mine << zap << QMessageBox::NoButton << true << mine;
    QTest::newRow("profile not edited")
        << "Ctrl+Q" << true << mine << QStringList() << QMessageBox::NoButton << true << mine;
    QTest::newRow("edit undone") << "close" << true << mine << QStringList{"+zap", "-zap"}
                                 << QMessageBox::NoButton << true << mine;
    QTest::newRow("edits saved") << "button" << true << mine << QStringList{"+zap", "s"}
                                 << QMessageBox::NoButton << true << mine + "zap\n";
    QTest::newRow("save") << "close" << true << mine << zap << QMessageBox::Save << true
                          << mine + "zap\n";
    QTest::newRow("discard") << "button" << true << mine << zap << QMessageBox::Discard << true
                             << mine;
    QTest::newRow("stay") << "Ctrl+Q" << true << mine << QStringList{"-zip"} << QMessageBox::Cancel
                          << false << mine;
    // "h": the profile gets a second name (a hard link), which Save profile refuses.
    QTest::newRow("saving fails: stays") << "button" << true << mine << QStringList{"+zap", "h"}
                                         << QMessageBox::Save << false << mine;
}

void MainWindowTest::exitAsksToSaveProfileEdits()
{
    QFETCH(QString, exitBy);
    QFETCH(bool, profile);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, edits);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, saved);
    const QString path = startWithProfile(file);
    QVERIFY(!path.isEmpty());
    if (!profile)
        m_window->startWith(vantro::ComposedWordList{}, QString());
    for (const QString &edit : std::as_const(edits)) {
        if (edit.startsWith(u'+')) {
            control<QLineEdit>("Text3")->setText(edit.mid(1));
            m_window->addWord();
        } else if (edit.startsWith(u'-')) {
            control<QListView>("text1")->selectionModel()->select(
                m_window->wordList()->index(rowOf(qPrintable(edit.mid(1)))),
                QItemSelectionModel::Select);
        } else if (edit == u"h") {
            QVERIFY(::link(QFile::encodeName(path).constData(),
                           QFile::encodeName(path + QStringLiteral(".2")).constData()) == 0);
        } else {
            triggerMenuItem("Save profile");
        }
    }
    if (exitBy == u"button") {
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    } else if (exitBy == u"close") {
        m_window->close();
    } else {
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
    }
    QVERIFY(answerExitQuestion(answer));
    QCOMPARE(!m_window->isVisible(), closed);
    QCOMPARE(fileBytes(path), saved);
    QCOMPARE(m_warnings.size(), closed ? 0 : qsizetype(answer == QMessageBox::Save));
}

void MainWindowTest::smallScreenScrollsToBuild_data()
{
    QTest::addColumn<QRect>("available"); // of the screen, in the window's pixels
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("sideways"); // with a horizontal scroll bar
    // 1280 x 1024 at twice the scale, with a panel at the top.
    QTest::newRow("scale factor 2") << QRect(0, 24, 640, 488) << 488 << true;
    // 1366 x 768 at 125 %, with a panel at the bottom: only the height is short.
    QTest::newRow("low laptop screen") << QRect(0, 0, 1093, 582) << 582 << false;
    QTest::newRow("screen large enough") << QRect(0, 0, 1920, 1040) << 635 << false;
}

void MainWindowTest::smallScreenScrollsToBuild()
{
    QFETCH(QRect, available);
    QFETCH(int, height);
    QFETCH(bool, sideways);
    m_window->fitToScreenArea(available);
    QApplication::processEvents(); // the resize, and the scroll area's layout after it
    QCOMPARE(m_window->height(), height);
    QVERIFY(available.contains(m_window->frameGeometry()));
    auto *scrollArea = m_window->findChild<QScrollArea *>();
    QCOMPARE(scrollArea->horizontalScrollBar()->isVisible(), sideways);

    // Build can be scrolled into the window, at its place in the content, and works there.
    auto *build = control<QPushButton>("Command1");
    QCOMPARE(build->geometry(), QRect(632, 600, 57, 25));
    scrollArea->ensureWidgetVisible(build);
    const QRect shown(build->mapTo(m_window.get(), QPoint(0, 0)), build->size());
    QVERIFY2(m_window->rect().contains(shown), qPrintable(QString::number(shown.bottom())));
    if (height == 635) {
        // Nothing to scroll: the window keeps the design's size, without scroll bars.
        QCOMPARE(m_window->size(), QSize(709, 635));
        QVERIFY(!scrollArea->verticalScrollBar()->isVisible());
        QCOMPARE(shown.topLeft(), QPoint(632, 600));
    }
    setWords({"gosh"});
    QTest::mouseClick(m_window->childAt(shown.center()), Qt::LeftButton);
    QVERIFY(m_window->isBuilding());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
