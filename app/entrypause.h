#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

class QEventLoop;

namespace vantro {

// The pause after every filter entry that a Build writes: the clock has to move on by more than
// 10 ms (11 ms or more, as a millisecond counter reads it) from the moment the entry was written,
// and the window's pending events are handled at least once meanwhile. The process sleeps all the
// while: in an event loop until a precise timer wakes it shortly before the end, then through the
// last stretch, which the timer alone could overshoot by up to a millisecond.
class EntryPause : public QObject
{
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kLength{11};

    explicit EntryPause(QObject *parent = nullptr);

    // Marks the moment an entry was written; the pause is measured from here.
    void start();
    // Handles the pending events once, then waits, handling events as they come, until kLength
    // has passed since start(). Returns false when stop() ended it, or had been called before.
    bool wait();
    // Ends a running wait at once and makes every later wait return false at once.
    void stop();
    // Lets waits run again after stop().
    void reset() { m_stopped = false; }

private:
    Clock::time_point m_end;
    QTimer m_wakeUp;
    QEventLoop *m_waitLoop = nullptr;
    bool m_stopped = false;
};

} // namespace vantro
