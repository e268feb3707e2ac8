#pragma once

#include "app/filechooser.h"
#include "app/pacedbuild.h"
#include "app/profileedits.h"
#include "app/warningreporter.h"
#include "fileio/safepath.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QAction;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSystemTrayIcon;

namespace vantro {

class WordListModel;
struct WordFile;
struct ComposedWordList;
struct IdleTakeOut;
struct WordFileProblem;
enum class WordFileKind;

// Form1, the tool's one window: the word list with its editing controls, the instructions, the
// two Build options, the progress label and the Build and Exit buttons, at fixed places. Each
// control carries its design name as its object name.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // While a Build writes, the word list receives its variants in groups of this many entries
    // (about three times a second). The progress label's caption follows every step, but the
    // label is repainted only at every eighth step besides the first and the last (about eleven
    // times a second: a counter that still runs smoothly). Each repaint goes through the whole
    // window's drawing and out to the display; after every entry it would cost more processor
    // time than all the rest of the Build, and at thirty a second still a third of it.
    static constexpr qsizetype kEntriesShownTogether = 32;
    static constexpr qsizetype kStepsShownTogether = 8;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up, run once before the window is first shown: the chosen built-in words into the
    // lists, the instructions into their box, badword.txt rewritten in the current directory.
    // Returns false when badword.txt cannot be written; the reason has then been reported and
    // printed on standard error, and the window must not be shown.
    bool load(const BuiltInChoice &builtIn = {});
    // Replaces the word list that load() put there with the composed one; the user's edits count
    // from its start words and its profiles' additions and removals, and Save profile writes to
    // profilePath (empty: it asks for a name), keeping the lines of the profile's bytes.
    void startWith(const ComposedWordList &start, const QString &profilePath,
                   const QByteArray &profileBytes = {});

    // Starts a Build and returns at once; the event loop then writes one entry per pause. A
    // press while a Build runs is ignored.
    void build();
    // A Build that first takes every filter entry of earlier Builds out of its file, at once;
    // the paced Build then appends the new block.
    void buildReplacingPreviousFilter();
    // Makes every Build (the button's too) take the previous filter out first.
    void setReplacesPreviousFilter(bool replaces);
    // Makes Builds append also to a file that looks like UTF-8, with a warning, not refuse it.
    void setForceEncoding(bool force) { m_forceEncoding = force; }
    // Makes the next Builds also write the other ways players type the words (the context
    // menu's check item).
    void setSpellings(bool spellings);
    bool spellings() const;
    // Exit, the close control and Ctrl+Q: the window closes, a running Build ending with the
    // entries written so far. With a profile edited since it was opened or saved, a message box
    // (object name "unsavedProfileBox") first asks whether to save the edits, discard them or
    // stay; the event loop runs on, and a Build goes on writing, while it asks.
    void exitProgram();
    void addWord();
    void removeSelectedWord(); // the word that has just been selected
    // Puts the word removed last (or all the words of the file taken out last) back into the word
    // list; again, the removal before it, and so on back to the start or the last Build.
    void undoRemoval();
    // After a Build, gives the word list back its words: the list as the first of the Builds
    // since the last edit of the words found it, with the words the user added since.
    void backToTheWords();
    // Adds the words of a word file's text (as vantro-filter --add reads it); the refused lines
    // are listed in one message. The name is the file's, as the user gave it.
    void addWordsOfFile(const QString &fileName, const WordFile &file);
    // Takes every entry equal to a word of the file out of the word list.
    void takeOutWordsOfFile(const QString &fileName, const WordFile &file);
    // Applies a profile's additions and removals to the word list; its file becomes the one
    // Save profile writes, keeping the lines of its bytes.
    void applyProfile(const QString &fileName, const WordFile &profile, const QByteArray &bytes);
    // Lists the refused lines of a word file in one message: a screenful at most, every one of
    // them on standard error. They were not added, or (takingOut) not taken out.
    void reportRefusedLines(const QString &fileName, const QList<WordFileProblem> &problems,
                            bool takingOut = false);
    // Says which words to take out take out nothing (most likely typos), in one message and on
    // standard error; the work goes on.
    void reportIdleTakeOuts(const QList<IdleTakeOut> &takeOuts);

    // The word list's context menu: each asks for a file through the file chooser.
    void addWordsFromFile();
    void takeOutWordsFromFile();
    void openProfile();
    // Writes the user's edits since start, with those of the loaded profile, as a profile: to the
    // profile's file, or (without one, and for Save As) to a file the user chooses. A profile
    // file that is not UTF-8 is not written to.
    void saveProfile();
    void saveProfileAs();
    // Returns whether the profile was written; if not, the user has been told why.
    bool saveProfileTo(const QString &path);
    QString profilePath() const { return m_profilePath; }
    const ProfileEdits &profileEdits() const { return m_edits; }
    // The word list's tool tip: the number of words and what the last Build did.
    QString wordListSummary() const;
    // The notice over the bottom of the instructions box: what the latest action did (empty:
    // hidden). It stays until the user's next click or key press in the window.
    QString notice() const;

    // Replaces the message box through which failures and refusals reach the user.
    void setWarningReporter(WarningReporter reporter);
    // Replaces the clock that paces a Build.
    void setPaceClock(PaceClock clock);
    // Replaces the file dialogs through which the context menu asks for file names.
    void setFileChooser(FileChooser chooser);
    // What the entries of the next Builds replace their texts with: the cipher (at start) or
    // stars. The Build button's tool tip says which.
    void setReplacementStyle(ReplacementStyle style);
    ReplacementStyle replacementStyle() const { return m_replacementStyle; }

    WordListModel *wordList() const { return m_wordList; }
    const SortedTextList &sourceList() const { return m_sourceList; }
    const SortedTextList &variantList() const { return m_variantList; }
    bool isBuilding() const { return m_build != nullptr; }
    // The running Build, if any.
    const PacedBuild *runningBuild() const { return m_build; }
    // The file the next Build appends to.
    QString nextFilterTarget() const;
    // Sizes the window to fit the available area of a screen: the design's size when it fits,
    // else smaller, with the content scrolling. Run at every show, with the window's screen.
    void fitToScreenArea(const QRect &available);

signals:
    // A Build has written its n-th entry.
    void filterEntryWritten(qsizetype n);
    // A Build has ended, whether it wrote its block or failed.
    void buildEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The file Save profile writes, and its folder as found now (empty: none).
    void setProfilePath(const QString &path);
    void createControls();
    void createNotice();
    void placeContentInScrollArea();
    void setTabOrder();
    void connectHandlers();
    void updateBuildToolTip();
    void createWordListMenu();
    void showWordListMenu(const QPoint &position);
    void updateWordListSummary();
    bool dropWordFiles(QEvent *event);
    // Reads a regular file's words; a profile's bytes as well, for Save profile to keep.
    void readWordFileThen(const QString &path, WordFileKind kind,
                          const std::function<void(const WordFile &, const QByteArray &)> &use);
    void keepProfileLines(const QString &path, const QByteArray &bytes, const WordFile &profile);
    void startBuild(bool replacing);
    void askToSaveProfileThenClose();
    void recordAddedWord(const QString &word);

    void afterBuildStep(qsizetype step, const QString &variant, bool written);
    void endBuild();
    void showWrittenVariants();
    void recoverFromFailedBuild(const Error &error);
    void announceBuildEnd(const QString &outcome, const QString &notice);
    void showNotice(const QString &text);
    void notifyDesktop(const QString &text);

    QLabel *m_listHeading = nullptr;
    QListView *m_wordListView = nullptr;
    WordListModel *m_wordList = nullptr;
    QLabel *m_addWordHint = nullptr;
    QLineEdit *m_newWordBox = nullptr;
    QPushButton *m_addWordButton = nullptr;
    QPlainTextEdit *m_instructionsBox = nullptr;
    QLabel *m_progressCounter = nullptr;
    QLabel *m_progressLabel = nullptr;
    QCheckBox *m_localizationBox = nullptr;
    QCheckBox *m_maxUsageBox = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_buildButton = nullptr;
    QLabel *m_notice = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr; // made for the first desktop notification
    QPointer<QWidget> m_focusFromBuild; // where the focus went when the Build button was disabled
    PaceClock::Clock::time_point m_buildStart;
    QMenu *m_wordListMenu = nullptr;
    QAction *m_wordCountAction = nullptr;
    QAction *m_lastBuildAction = nullptr;

    SortedTextList m_sourceList;  // the source list of the last Build
    SortedTextList m_variantList; // the variant list of the last Build

    WarningReporter m_reporter;
    FileChooser m_fileChooser;
    ProfileEdits m_edits;
    QString m_profilePath;
    std::optional<WritePlace> m_profilePlace; // the profile's folder, as found when it was opened
    qsizetype m_profileLineNotUtf8 = 0;       // of the profile file: it is not written to (0: none)
    QString m_lastBuild;                      // what the last Build did; empty before the first
    bool m_replacesPreviousFilter = false;
    bool m_forceEncoding = false;
    QAction *m_spellingsAction = nullptr;       // the context menu's check item
    bool m_listHoldsVariants = false;           // a Build has put its variants into the word list
    bool m_listHeldVariantsBeforeBuild = false; // what a failed Build gives back
    PaceClock m_paceClock = PaceClock::steady();
    ReplacementStyle m_replacementStyle = ReplacementStyle::Cipher;
    QPointer<PacedBuild> m_build; // while a Build runs
    bool m_closeAnswered = false; // the user chose to close: the next close asks nothing
    qsizetype m_entriesWritten = 0;
    QStringList m_variantsToShow; // written, not yet in the word list
    // What a failed Build gives back: the word list as the Build found it, and the words the user
    // added since it started. Back to the words gives back the words before the first Build
    // since the list last held words, with those added since.
    SortedTextList m_wordsBeforeBuild;
    SortedTextList m_wordsBeforeVariants;
    QStringList m_wordsAddedSinceBuild;
    // The words removed since the start or the last Build, each with whether the user had added
    // it since the last Build; one Undo puts back the last group (a word, or a file's words).
    struct RemovedWord
    {
        QString text;
        bool addedSinceBuild = false;
        bool edit = false; // a removal the profile records (see ProfileEdits::wordRemoved)
        // A word the list held before the Build, taken out of what Back to the words gives back,
        // not out of the list of variants: Undo puts it back there.
        bool beforeVariants = false;
    };
    QList<QList<RemovedWord>> m_removedWords;
};

} // namespace vantro
