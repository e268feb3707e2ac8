#include "app/pacedbuild.h"

#include "builder/entryformat.h"

#include <thread>

namespace vantro {

PaceClock PaceClock::steady()
{
    return {[] { return Clock::now(); },
            [](Clock::time_point until) { std::this_thread::sleep_until(until); }};
}

PacedBuild::PacedBuild(const BuildPlan &plan, SortedTextList variants, PaceClock clock,
                       BuildPolicy policy, QObject *parent)
    : QObject(parent), m_variants(std::move(variants)), m_clock(std::move(clock)),
      m_writer(plan, std::move(policy))
{
    m_nextStep.setSingleShot(true);
    m_nextStep.setTimerType(Qt::PreciseTimer);
    connect(&m_nextStep, &QTimer::timeout, this, &PacedBuild::takeStep);
}

Result<void> PacedBuild::start()
{
    if (const Result<void> checked = checkWritableVariants(m_variants); !checked)
        return checked;
    if (auto begun = m_writer.begin(); !begun)
        return begun;
    m_nextStep.start(0);
    return {};
}

void PacedBuild::abandon()
{
    m_nextStep.stop();
    (void)m_writer.finish();
}

void PacedBuild::takeStep()
{
    // The timer is armed a little short of the pause (see armNextStep); the rest is slept here.
    if (m_lastWrite) {
        const auto due = *m_lastWrite + kEntryPause;
        if (m_clock.now() < due)
            m_clock.sleepUntil(due);
    }
    while (m_position < m_variants.count()) {
        const QString &variant = m_variants.at(m_position++);
        if (variant.isEmpty()) {
            emit stepTaken(m_position, variant, false);
            continue;
        }
        // The pause counts from the moment the entry goes to the file.
        m_lastWrite = m_clock.now();
        if (auto written = m_writer.writeEntry(variant); !written) {
            emit failed(m_writer.rollBack(written.error()));
            return;
        }
        emit stepTaken(m_position, variant, true);
        armNextStep();
        return;
    }
    if (auto finished = m_writer.finish(); !finished) {
        emit failed(finished.error());
        return;
    }
    emit finished();
}

void PacedBuild::armNextStep()
{
    using std::chrono::milliseconds;
    // The event loop wakes for a timer up to a millisecond late: armed this much early, the timer
    // lands just before the end of the pause, and the step sleeps through what is left.
    constexpr milliseconds kLead{1};
    const auto left = *m_lastWrite + kEntryPause - m_clock.now();
    m_nextStep.start(std::max(milliseconds(0), std::chrono::floor<milliseconds>(left) - kLead));
}

} // namespace vantro
