// Exit, the close control and Ctrl+Q: the window closes at once, unless the profile holds edits
// that were not saved; then the user chooses to save them, discard them or stay.
#include "app/mainwindow.h"
#include "common/showntext.h"

#include <QCloseEvent>
#include <QMessageBox>

namespace vantro {

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closeAnswered && !m_profilePath.isEmpty() && m_edits.changedSinceSaved()) {
        event->ignore();
        askToSaveProfileThenClose();
        return;
    }
    // A running Build ends with the entries written so far, and shows nothing more.
    endBuild();
    event->accept();
}

void MainWindow::askToSaveProfileThenClose()
{
    const QString name = QStringLiteral("unsavedProfileBox");
    if (const auto *asking = findChild<QMessageBox *>(name); asking && asking->isVisible())
        return; // the close control pressed again while the box asks
    auto *box = new QMessageBox(
        QMessageBox::Question, windowTitle(),
        tr("The word list has edits that are not saved in the profile \"%1\". Save them before "
           "the window closes?")
            .arg(shownPath(m_profilePath)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box->setObjectName(name);
    box->setDefaultButton(QMessageBox::Save);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box] {
        const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
        // A profile that cannot be saved keeps the window open; the user has been told why.
        if (answer == QMessageBox::Cancel || answer == QMessageBox::NoButton ||
            (answer == QMessageBox::Save && !saveProfileTo(m_profilePath)))
            return;
        m_closeAnswered = true;
        close();
    });
    // open(), not exec(): the box runs in the window's own event loop, and a running Build goes on
    // writing while it asks.
    box->open();
}

} // namespace vantro
