// The window's notice: one line or a few over the bottom of the instructions box, which says
// what the latest action did (a word removed and how to put it back, the words a file added, the
// end of a Build) until the user's next click or key press. When a Build ends in a window in the
// background, the desktop hears of it too, where it has a notification area.
#include "app/appinfo.h"
#include "app/mainwindow.h"

#include <QLabel>
#include <QSystemTrayIcon>

namespace vantro {

namespace {

// The room over the instructions box's empty bottom, left of its scroll bar.
constexpr int kNoticeLeft = 249;
constexpr int kNoticeBottom = 552;
constexpr int kNoticeWidth = 424;

} // namespace

void MainWindow::createNotice()
{
    auto *label = m_notice = new QLabel(this);
    label->setObjectName(QStringLiteral("noticeLabel"));
    label->setWordWrap(true);
    label->setMargin(4);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::ToolTipBase);
    label->setForegroundRole(QPalette::ToolTipText);
    label->hide();
}

QString MainWindow::notice() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}

void MainWindow::showNotice(const QString &text)
{
    if (m_trayIcon)
        m_trayIcon->hide();
    if (text.isEmpty()) {
        m_notice->hide();
        return;
    }
    m_notice->setText(text);
    const int height = m_notice->heightForWidth(kNoticeWidth);
    m_notice->setGeometry(kNoticeLeft, kNoticeBottom - height, kNoticeWidth, height);
    m_notice->show();
    m_notice->raise();
}

void MainWindow::notifyDesktop(const QString &text)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_trayIcon)
        m_trayIcon = new QSystemTrayIcon(windowIcon(), this);
    // The icon stays in the notification area as long as the notice stays in the window.
    m_trayIcon->show();
    m_trayIcon->showMessage(tr(appinfo::kProductName), text);
}

} // namespace vantro
