// The user's edits of the word list: Add Word, removal by selection, Undo of removals, and the
// words of a word file given on the command line.
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "wordlists/showntext.h"
#include "wordlists/wordcheck.h"

#include <QLineEdit>
#include <QListView>

namespace vantro {

void MainWindow::addWord()
{
    const QString typed = m_newWordBox->text();
    const NewWord word = prepareNewWord(typed);
    if (word.problem) {
        m_reporter(tr("\"%1\" cannot be added to the word list. %2")
                       .arg(shownText(typed), word.problem->message));
        m_newWordBox->setFocus();
        return;
    }
    const qsizetype row = m_wordList->addItem(word.text);
    if (isBuilding())
        m_wordsAddedDuringBuild.append(word.text);
    m_wordListView->scrollTo(m_wordList->index(static_cast<int>(row)));
    m_newWordBox->clear();
    m_newWordBox->setFocus();
}

void MainWindow::removeSelectedWord()
{
    const QModelIndexList selected = m_wordListView->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    const QString word = m_wordList->list().at(row);
    const bool addedDuringBuild = isBuilding() && m_wordsAddedDuringBuild.removeOne(word);
    m_removedWords.append({word, addedDuringBuild});

    // The keyboard cursor moves to the word that takes the removed one's place, unselected. Left
    // on the removed row, the view would move it itself and select that word too.
    QItemSelectionModel *selection = m_wordListView->selectionModel();
    const int nextRow = row + 1 < m_wordList->rowCount() ? row + 1 : row - 1;
    selection->clearSelection();
    selection->setCurrentIndex(m_wordList->index(nextRow), QItemSelectionModel::NoUpdate);
    m_wordList->removeItem(row);
}

void MainWindow::undoRemoval()
{
    if (m_removedWords.isEmpty())
        return;
    // A word the user had added during the running Build is again one that a failed Build gives
    // back; a variant that the Build wrote is not.
    const RemovedWord word = m_removedWords.takeLast();
    const qsizetype row = m_wordList->addItem(word.text);
    if (word.addedDuringBuild && isBuilding())
        m_wordsAddedDuringBuild.append(word.text);
    m_wordListView->scrollTo(m_wordList->index(static_cast<int>(row)));
}

void MainWindow::addWordsOfFile(const QString &fileName, const WordFile &file)
{
    // All in one sort: a large file inserted word by word would take quadratic time.
    QStringList words = m_wordList->list().items();
    words.reserve(words.size() + file.words.size());
    for (const WordFileWord &word : file.words) {
        words.append(word.text);
        if (isBuilding())
            m_wordsAddedDuringBuild.append(word.text);
    }
    m_wordList->setList(SortedTextList::fromUnsorted(std::move(words)));
    if (file.problems.isEmpty())
        return;
    QStringList lines;
    for (const WordFileProblem &problem : file.problems)
        lines.append(tr("Line %1: %2").arg(QString::number(problem.line), problem.message));
    m_reporter(tr("These lines of \"%1\" were not added to the word list:\n%2")
                   .arg(shownText(fileName), lines.join(u'\n')));
}

} // namespace vantro
