#include "entrypause.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace vantro {

namespace {

// How long before the end of a pause the timer wakes the event loop.
constexpr std::chrono::milliseconds kTimerLead{1};

} // namespace

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
    m_end = Clock::now() + kLength;
    // Armed now, the timer counts from the entry itself, not from the end of whatever work comes
    // before wait().
    m_wakeUp.start(kLength - kTimerLead);
}

bool EntryPause::wait()
{
    using std::chrono::ceil;
    using std::chrono::milliseconds;

    QCoreApplication::processEvents();
    const Clock::time_point wakeUpAt = m_end - kTimerLead;
    while (!m_stopped && Clock::now() < wakeUpAt) {
        if (!m_wakeUp.isActive())
            m_wakeUp.start(std::max(milliseconds(1), ceil<milliseconds>(wakeUpAt - Clock::now())));
        QEventLoop waitLoop;
        m_waitLoop = &waitLoop;
        waitLoop.exec();
        m_waitLoop = nullptr;
    }
    m_wakeUp.stop();
    if (!m_stopped)
        std::this_thread::sleep_until(m_end);
    return !m_stopped;
}

void EntryPause::stop()
{
    m_stopped = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

} // namespace vantro
