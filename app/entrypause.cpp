#include "entrypause.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace vantro {

EntryPause::EntryPause(QObject *parent) : QObject(parent)
{
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeUp, &QTimer::timeout, this, [this] {
        if (m_waitLoop)
            m_waitLoop->quit();
    });
}

void EntryPause::start()
{
    m_clock.start();
    // Armed now, the timer's deadline is measured from the entry itself, not from the end of
    // whatever work comes before wait().
    m_wakeUp.start(static_cast<int>(kLongerThanMs + 1));
}

bool EntryPause::wait()
{
    QCoreApplication::processEvents();
    while (!m_stopped && !m_clock.hasExpired(kLongerThanMs)) {
        if (!m_wakeUp.isActive()) {
            const qint64 remaining = kLongerThanMs + 1 - m_clock.elapsed();
            m_wakeUp.start(static_cast<int>(std::max<qint64>(1, remaining)));
        }
        QEventLoop waitLoop;
        m_waitLoop = &waitLoop;
        waitLoop.exec();
        m_waitLoop = nullptr;
    }
    m_wakeUp.stop();
    return !m_stopped;
}

void EntryPause::stop()
{
    m_stopped = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

} // namespace vantro
