#pragma once

#include "app/pacedbuild.h"
#include "app/warningreporter.h"
#include "wordlists/builtinchoice.h"
#include "wordlists/sortedtextlist.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace vantro {

class WordListModel;
struct WordFile;

// Form1, the tool's one window: the word list with its editing controls, the instructions, the
// two Build options, the progress label and the Build and Exit buttons, at fixed places. Each
// control carries its design name as its object name.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // While a Build writes, the word list receives its variants in groups of this many entries
    // (about three times a second). The progress label's caption follows every step, but the
    // label is repainted only at every third step besides the first and the last (about thirty
    // times a second, as fast as an eye can follow a counter). Repainting either after every
    // entry would cost more processor time than all the rest of the Build.
    static constexpr qsizetype kEntriesShownTogether = 32;
    static constexpr qsizetype kStepsShownTogether = 3;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up, run once before the window is first shown: the chosen built-in words into the
    // lists, the instructions into their box, badword.txt rewritten in the current directory.
    // Returns false when badword.txt cannot be written; the reason has then been reported and
    // printed on standard error, and the window must not be shown.
    bool load(const BuiltInChoice &builtIn = {});

    // Starts a Build and returns at once; the event loop then writes one entry per pause. A
    // press while a Build runs is ignored.
    void build();
    void exitProgram();
    void addWord();
    void removeSelectedWord(); // the word that has just been selected
    // Puts the word removed last back into the word list; again, the one before it, and so on
    // back to the start or the last Build.
    void undoRemoval();
    // Adds the words of a word file's text (as vantro-filter --add reads it); the refused lines
    // are listed in one message. The name is the file's, as the user gave it.
    void addWordsOfFile(const QString &fileName, const WordFile &file);

    // Replaces the message box through which failures and refusals reach the user.
    void setWarningReporter(WarningReporter reporter);
    // Replaces the clock that paces a Build.
    void setPaceClock(PaceClock clock);
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
    void createControls();
    void placeContentInScrollArea();
    void setTabOrder();
    void connectHandlers();
    void updateBuildToolTip();

    void afterBuildStep(qsizetype step, const QString &variant, bool written);
    void endBuild();
    void showWrittenVariants();
    void recoverFromFailedBuild(const Error &error);

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

    SortedTextList m_sourceList;  // the source list of the last Build
    SortedTextList m_variantList; // the variant list of the last Build

    WarningReporter m_reporter;
    PaceClock m_paceClock = PaceClock::steady();
    ReplacementStyle m_replacementStyle = ReplacementStyle::Cipher;
    QPointer<PacedBuild> m_build; // while a Build runs
    qsizetype m_entriesWritten = 0;
    QStringList m_variantsToShow; // written, not yet in the word list
    // What a failed Build gives back: the word list as the Build found it, and the words the user
    // added while it was writing.
    SortedTextList m_wordsBeforeBuild;
    QStringList m_wordsAddedDuringBuild;
    // The words removed since the start or the last Build, the last one at the end, each with
    // whether the user had added it during the running Build.
    struct RemovedWord
    {
        QString text;
        bool addedDuringBuild = false;
    };
    QList<RemovedWord> m_removedWords;
};

} // namespace vantro
