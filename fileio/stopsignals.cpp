#include "fileio/stopsignals.h"

namespace vantro {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void rememberStopSignal(int signal)
{
    if (g_stopSignal == 0)
        g_stopSignal = signal;
}

} // namespace

StopSignals::StopSignals()
{
    g_stopSignal = 0;
    struct sigaction action
    {
    };
    action.sa_handler = rememberStopSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) {
        sigaction(kStopSignals[i], nullptr, &m_previous[i]);
        if (m_previous[i].sa_handler != SIG_IGN)
            sigaction(kStopSignals[i], &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    if (m_kept)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kStopSignals[i], &m_previous[i], nullptr);
}

bool StopSignals::stopRequested()
{
    return g_stopSignal != 0;
}

int StopSignals::exitStatus()
{
    return g_stopSignal == 0 ? 0 : 128 + g_stopSignal;
}

const char *StopSignals::signalName()
{
    switch (g_stopSignal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "";
    }
}

} // namespace vantro
