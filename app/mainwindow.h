#pragma once

#include "entrypause.h"
#include "sortedtextlist.h"
#include "warningreporter.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace vantro {

struct FilterStep;
class WordListModel;

// Form1, the tool's one window: the word list with its editing controls, the instructions, the
// two Build options, the progress label and the Build and Exit buttons, at fixed places. Each
// control carries its design name as its object name.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // While a Build writes, the word list receives its variants in groups of this many entries
    // (about ten times a second): repainting the list after every entry would cost more processor
    // time than all the rest of the Build.
    static constexpr qsizetype kEntriesShownTogether = 8;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up, run once before the window is first shown: the built-in words into the lists,
    // the instructions into their box, badword.txt rewritten in the current directory. Returns
    // false when badword.txt cannot be written; the reason has then been reported and printed on
    // standard error, and the window must not be shown.
    bool load();

    void build();
    void exitProgram();
    void addWord();
    void removeSelectedWord(); // the word that has just been selected

    // Replaces the message box through which failures and refusals reach the user.
    void setWarningReporter(WarningReporter reporter);

    WordListModel *wordList() const { return m_wordList; }
    const SortedTextList &sourceList() const { return m_sourceList; }
    const SortedTextList &variantList() const { return m_variantList; }
    bool isBuilding() const { return m_building; }

signals:
    // A Build has written its n-th entry and is about to pause.
    void filterEntryWritten(qsizetype n);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void connectHandlers();

    bool afterFilterStep(const FilterStep &step);
    void showWrittenVariants();
    void recoverFromFailedBuild(const SortedTextList &wordsBefore, const QString &error);

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
    EntryPause m_entryPause;
    bool m_building = false;
    bool m_exitRequested = false;
    qsizetype m_entriesWritten = 0;
    QStringList m_variantsToShow; // written, not yet in the word list
    // Words the user added while a Build was writing, so that a failed Build gives them back.
    QStringList m_wordsAddedDuringBuild;
};

} // namespace vantro
