#pragma once

#include <csignal>

namespace vantro {

// While it lives, SIGINT, SIGTERM and SIGHUP no longer end the process at once: the first one
// that arrives is remembered, and the work that asks stopRequested() between its steps stops,
// takes back what it began and ends with the signal's exit status. A signal that the process
// was started with ignored (nohup) stays ignored.
class StopSignals
{
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // Keeps the signals remembered after this object is gone, to the end of the process: once
    // the work can no longer be taken back, a late stop must not end the process with a status
    // that says it was.
    void keepToTheEnd() { m_kept = true; }

    static bool stopRequested();
    // 128 plus the signal's number, as shells report a process ended by it: 130 for SIGINT, 143
    // for SIGTERM, 129 for SIGHUP; 0 while none arrived.
    static int exitStatus();
    static const char *signalName();

private:
    struct sigaction m_previous[3];
    bool m_kept = false;
};

} // namespace vantro
