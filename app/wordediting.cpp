// The user's edits of the word list: Add Word, removal by selection, Undo of removals, the words
// of word files and profiles; each is recorded for the profile that Save profile writes.
#include "app/mainwindow.h"
#include "app/windowcommandline.h"
#include "app/wordlistmodel.h"
#include "builder/variants.h"
#include "builder/wordfile.h"
#include "builder/wordlistsources.h"
#include "common/showntext.h"
#include "fileio/path.h"
#include "wordlists/casefold.h"

#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QSet>

namespace vantro {

void MainWindow::addWord()
{
    const QString typed = m_newWordBox->text();
    const NewWord word = prepareWordToBuild(typed);
    if (!word.checked) {
        m_reporter(tr("\"%1\" cannot be added to the word list. %2")
                       .arg(shownText(typed), word.checked.message()));
        m_newWordBox->setFocus();
        return;
    }
    const qsizetype row = m_wordList->addItem(word.text);
    if (m_listHoldsVariants)
        m_wordsAddedSinceBuild.append(word.text);
    m_edits.wordAdded(word.text);
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
    const bool addedSinceBuild = m_listHoldsVariants && m_wordsAddedSinceBuild.removeOne(word);
    m_removedWords.append(
        {{word, addedSinceBuild, m_edits.wordRemoved(word, m_listHoldsVariants)}});
    // A click or a key that moves through the list removes a word: the user sees which.
    showNotice(
        tr("\"%1\" was removed from the word list; Ctrl+Z puts it back.").arg(shownText(word)));

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
    // A word the user had added since the last Build is again one that a failed Build and Back
    // to the words give back; a variant that the Build wrote is not.
    const QList<RemovedWord> words = m_removedWords.takeLast();
    QStringList entries;
    QStringList beforeVariants;
    for (const RemovedWord &word : words) {
        if (word.beforeVariants) {
            beforeVariants.append(word.text);
            continue;
        }
        entries.append(word.text);
        if (word.addedSinceBuild && m_listHoldsVariants)
            m_wordsAddedSinceBuild.append(word.text);
        if (word.edit)
            m_edits.wordAdded(word.text);
    }
    if (!beforeVariants.isEmpty())
        m_wordsBeforeVariants =
            SortedTextList::fromUnsorted(m_wordsBeforeVariants.items() + beforeVariants);
    if (entries.size() == 1 && beforeVariants.isEmpty()) {
        const qsizetype row = m_wordList->addItem(entries.first());
        m_wordListView->scrollTo(m_wordList->index(static_cast<int>(row)));
        showNotice(tr("\"%1\" is back in the word list.").arg(shownText(entries.first())));
        return;
    }
    // A file's words in one sort, as they are added.
    m_wordList->setList(SortedTextList::fromUnsorted(m_wordList->list().items() + entries));
    showNotice(
        tr("%n entries are back in the word list.", nullptr, static_cast<int>(entries.size())));
}

void MainWindow::backToTheWords()
{
    if (!m_listHoldsVariants || isBuilding())
        return;
    m_wordList->setList(
        SortedTextList::fromUnsorted(m_wordsBeforeVariants.items() + m_wordsAddedSinceBuild));
    m_wordsAddedSinceBuild.clear();
    m_removedWords.clear();
    m_listHoldsVariants = false;
    showNotice(tr("The word list holds the words again, as before the Build, with those added "
                  "since; the next Build expands them."));
}

void MainWindow::startWith(const ComposedWordList &start, const QString &profilePath,
                           const QByteArray &profileBytes)
{
    m_edits.start(start.startWords, start.additions, start.removals);
    // The start has read the profile already; one in another encoding never comes here.
    const Result<WordFile> profile = readWordFile(profileBytes, WordFileKind::Profile);
    keepProfileLines(profilePath, profileBytes, profile ? *profile : WordFile());
    m_wordList->setList(start.words);
}

void MainWindow::addWordsOfFile(const QString &fileName, const WordFile &file)
{
    // All in one sort: a large file inserted word by word would take quadratic time.
    QStringList words = m_wordList->list().items();
    const QSet<QString> there(words.begin(), words.end());
    qsizetype alreadyThere = 0;
    words.reserve(words.size() + file.words.size());
    for (const WordFileWord &word : file.words) {
        words.append(word.text);
        alreadyThere += there.contains(word.text);
        m_edits.wordAdded(word.text);
        if (m_listHoldsVariants)
            m_wordsAddedSinceBuild.append(word.text);
    }
    m_wordList->setList(SortedTextList::fromUnsorted(std::move(words)));
    showNotice(
        tr("%n words added from \"%1\"", nullptr, static_cast<int>(file.words.size()))
            .arg(shownText(fileName)) +
        tr("; %n of them were in the list already.", nullptr, static_cast<int>(alreadyThere)));
    reportRefusedLines(fileName, file.problems);
}

void MainWindow::takeOutWordsOfFile(const QString &fileName, const WordFile &file)
{
    QSet<QString> takenOut;
    for (const WordFileWord &word : file.words) {
        takenOut.insert(word.text);
        m_edits.wordTakenOut(word.text);
    }
    // The entries of each word that the user added since the last Build, counted once: an
    // entry taken out is one of them while its word has some left.
    QHash<QString, qsizetype> addedSinceBuild;
    for (const QString &word : std::as_const(m_wordsAddedSinceBuild))
        ++addedSinceBuild[word];
    QHash<QString, qsizetype> addedTakenOut;
    // As a profile's "-" lines do: every entry equal to one of the words after lower-casing.
    // One Undo puts them all back.
    QStringList kept;
    QList<RemovedWord> removed;
    for (const QString &entry : m_wordList->list().items()) {
        if (!takenOut.contains(lowerCaseForm(entry))) {
            kept.append(entry);
            continue;
        }
        const bool added = addedSinceBuild.value(entry) > addedTakenOut.value(entry);
        if (added)
            ++addedTakenOut[entry];
        removed.append({entry, added, true});
    }
    // Nor does Back to the words, as the profile now takes them out.
    if (m_listHoldsVariants) {
        QStringList keptBefore;
        for (const QString &word : m_wordsBeforeVariants.items()) {
            if (takenOut.contains(lowerCaseForm(word)))
                removed.append({word, false, false, true});
            else
                keptBefore.append(word);
        }
        if (keptBefore.size() < m_wordsBeforeVariants.count())
            m_wordsBeforeVariants = SortedTextList::fromUnsorted(std::move(keptBefore));
    }
    // A failed Build no longer gives those back: the first ones of each word go.
    m_wordsAddedSinceBuild.removeIf([&addedTakenOut](const QString &word) {
        const auto left = addedTakenOut.find(word);
        return left != addedTakenOut.end() && (*left)-- > 0;
    });
    const auto inList = std::count_if(removed.cbegin(), removed.cend(),
                                      [](const RemovedWord &word) { return !word.beforeVariants; });
    showNotice(tr("%n entries taken out of the word list (the words of \"%1\"); Ctrl+Z puts "
                  "them back.",
                  nullptr, static_cast<int>(inList))
                   .arg(shownText(fileName)));
    if (!removed.isEmpty())
        m_removedWords.append(std::move(removed));
    m_wordList->setList(SortedTextList::fromUnsorted(std::move(kept)));
    reportRefusedLines(fileName, file.problems, true);
}

void MainWindow::applyProfile(const QString &fileName, const WordFile &profile,
                              const QByteArray &bytes)
{
    WordFile part;
    part.words = profile.words;
    addWordsOfFile(fileName, part);
    const QString added = notice();
    // A "-WORD" line that takes out nothing is most likely a typo: said, as at the start.
    QSet<QString> listed;
    for (const QString &item : m_wordList->list().items())
        listed.insert(lowerCaseForm(item));
    QList<IdleTakeOut> idle;
    for (const WordFileWord &word : profile.removals)
        if (!listed.contains(word.text))
            idle.append({fileName, word.line, word.text, true});
    reportIdleTakeOuts(idle);
    part.words = profile.removals;
    takeOutWordsOfFile(fileName, part);
    showNotice(profile.removals.isEmpty() ? added : added + u' ' + notice());
    reportRefusedLines(fileName, profile.problems);
    keepProfileLines(fileName, bytes, profile);
}

void MainWindow::reportIdleTakeOuts(const QList<IdleTakeOut> &takeOuts)
{
    if (takeOuts.isEmpty())
        return;
    QStringList lines;
    for (const IdleTakeOut &takeOut : takeOuts)
        lines.append(tr("%1:%2: warning: %3")
                         .arg(shownPath(takeOut.name), QString::number(takeOut.line),
                              idleTakeOutMessage(takeOut)));
    printProgramMessage(lines.join(u'\n'));
    m_reporter(lines.join(u'\n'));
}

void MainWindow::reportRefusedLines(const QString &fileName, const QList<WordFileProblem> &problems,
                                    bool takingOut)
{
    if (problems.isEmpty())
        return;
    // A message box taller than the screen would hide its own button; the whole list goes to
    // standard error.
    constexpr qsizetype kLinesShown = 20;
    QStringList lines;
    QStringList everyLine;
    for (const WordFileProblem &problem : problems) {
        const QString number = QString::number(problem.line);
        everyLine.append(tr("%1:%2: %3").arg(shownPath(fileName), number, problem.error.message));
        if (lines.size() < kLinesShown)
            lines.append(tr("Line %1: %2").arg(number, problem.error.message));
    }
    printProgramMessage(everyLine.join(u'\n'));
    if (problems.size() > kLinesShown)
        lines.append(
            tr("... and %n more", nullptr, static_cast<int>(problems.size() - kLinesShown)));
    m_reporter((takingOut ? tr("These lines of \"%1\" were not taken out of the word list:\n%2")
                          : tr("These lines of \"%1\" were not added to the word list:\n%2"))
                   .arg(shownText(fileName), lines.join(u'\n')));
}

} // namespace vantro
