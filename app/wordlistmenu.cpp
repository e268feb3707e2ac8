// What the window adds around its word list without changing its design: the context menu with
// the number of words and of the next Build's entries, the end of the last Build, the window's
// shortcuts, the list's tool tip, and word files dropped onto the list.
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "builder/variants.h"
#include "builder/wordfile.h"
#include "fileio/path.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>

namespace vantro {

void MainWindow::createWordListMenu()
{
    m_wordListMenu = new QMenu(this);
    m_wordListMenu->setObjectName(QStringLiteral("wordListMenu"));
    // The first lines only say how things stand.
    m_wordCountAction = m_wordListMenu->addAction(QString());
    m_wordCountAction->setEnabled(false);
    m_lastBuildAction = m_wordListMenu->addAction(QString());
    m_lastBuildAction->setEnabled(false);
    m_lastBuildAction->setVisible(false);
    m_wordListMenu->addSeparator();

    // The actions belong to the window as well, so that their shortcuts work anywhere in it.
    const auto add = [this](const QString &text, const QKeySequence &shortcut, auto handler) {
        QAction *action = m_wordListMenu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    add(tr("Undo removal"), QKeySequence::Undo, &MainWindow::undoRemoval);
    add(tr("Back to the words"), QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::backToTheWords);
    add(tr("Add words from a file..."), {}, &MainWindow::addWordsFromFile);
    add(tr("Take out the words of a file..."), {}, &MainWindow::takeOutWordsFromFile);
    m_wordListMenu->addSeparator();
    add(tr("Open profile..."), QKeySequence::Open, &MainWindow::openProfile);
    add(tr("Save profile"), QKeySequence::Save, &MainWindow::saveProfile);
    add(tr("Save profile as..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &MainWindow::saveProfileAs);
    m_wordListMenu->addSeparator();
    add(tr("Build, replacing the previous filter"), {}, &MainWindow::buildReplacingPreviousFilter);
    m_spellingsAction = m_wordListMenu->addAction(tr("Build the spellings players type too"));
    m_spellingsAction->setCheckable(true);
}

void MainWindow::setSpellings(bool spellings)
{
    m_spellingsAction->setChecked(spellings);
}

bool MainWindow::spellings() const
{
    return m_spellingsAction->isChecked();
}

void MainWindow::showWordListMenu(const QPoint &position)
{
    updateWordListSummary();
    // The entries of the next Build, counted as it makes them when the menu opens, not at every
    // edit of the list: that takes a sort of all the variants.
    const qsizetype entries = buildVariantList(sourceListFrom(m_wordList->list()),
                                               m_maxUsageBox->isChecked(), spellings())
                                  .count();
    m_wordCountAction->setText(m_wordCountAction->text() + tr("; the next Build writes %n entries",
                                                              nullptr, static_cast<int>(entries)));
    // popup(), not exec(): the menu runs in the window's own event loop.
    m_wordListMenu->popup(m_wordListView->viewport()->mapToGlobal(position));
}

QString MainWindow::wordListSummary() const
{
    const QString count = tr("%n words", nullptr, static_cast<int>(m_wordList->rowCount()));
    return m_lastBuild.isEmpty() ? count : count + u'\n' + m_lastBuild;
}

void MainWindow::updateWordListSummary()
{
    m_wordCountAction->setText(tr("%n words", nullptr, static_cast<int>(m_wordList->rowCount())));
    m_lastBuildAction->setText(m_lastBuild);
    m_lastBuildAction->setVisible(!m_lastBuild.isEmpty());
    m_wordListView->setToolTip(wordListSummary());
}

// Word files dropped onto the list join it as the files of --add do.
bool MainWindow::dropWordFiles(QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    QStringList paths;
    for (const QUrl &url : drop->mimeData()->urls()) {
        if (url.isLocalFile())
            // The name's bytes, as the system gives names: a folder's name need not be UTF-8.
            paths.append(decodePath(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())));
    }
    if (paths.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        for (const QString &path : std::as_const(paths)) {
            readWordFileThen(path, WordFileKind::Words,
                             [this, path](const WordFile &file, const QByteArray &) {
                                 addWordsOfFile(path, file);
                             });
        }
    }
    return true;
}

} // namespace vantro
