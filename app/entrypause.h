#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QEventLoop;

namespace vantro {

// The pause after every filter entry that a Build writes: the clock has to move on by more than
// 10 ms from the moment the entry was written, and the window's pending events are handled at
// least once meanwhile. The wait sleeps in an event loop that a precise timer wakes, so the
// process uses next to no processor time while it paces the Build.
class EntryPause : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kLongerThanMs = 10;

    explicit EntryPause(QObject *parent = nullptr);

    // Marks the moment an entry was written; the pause is measured from here.
    void start();
    // Handles the pending events once, then waits, handling events as they come, until more than
    // kLongerThanMs have passed since start(). Returns false when stop() ended it, or had been
    // called before.
    bool wait();
    // Ends a running wait at once and makes every later wait return false at once.
    void stop();
    // Lets waits run again after stop().
    void reset() { m_stopped = false; }

private:
    QElapsedTimer m_clock;
    QTimer m_wakeUp;
    QEventLoop *m_waitLoop = nullptr;
    bool m_stopped = false;
};

} // namespace vantro
