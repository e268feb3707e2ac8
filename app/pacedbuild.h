#pragma once

#include "entryfiles/buildwriter.h"
#include "wordlists/sortedtextlist.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace vantro {

// The clock that paces a Build, and the way to wait out the last fraction of a millisecond of a
// pause. Tests replace it so that the pause can be checked without measuring wall time.
struct PaceClock
{
    using Clock = std::chrono::steady_clock;
    std::function<Clock::time_point()> now;
    std::function<void(Clock::time_point)> sleepUntil;

    static PaceClock steady();
};

// The writing phase of a Build as a job of the event loop: one step per variant, driven by a
// single-shot precise timer. A step writes the variant's entry line to the target and reports it;
// the next entry follows at least kEntryPause after this one was written, and the window runs its
// events in between. Empty variants take a step without an entry or a pause. One more tick after
// the last entry closes the file, so the Build spans a pause per entry.
class PacedBuild : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kEntryPause{11};

    // The plan's variants are written to its target, with the policy's lock wait and warnings.
    PacedBuild(const BuildPlan &plan, SortedTextList variants, PaceClock clock, BuildPolicy policy,
               QObject *parent = nullptr);

    // Checks the variants, begins the block (see BuildWriter::begin), then arms the first step.
    // Fails when the block could not be begun, also at once (Busy) when another writer holds
    // the target's lock.
    Result<void> start();
    // Whether the previous filter has been taken out of the target.
    bool tookOutPreviousFilter() const { return m_writer.tookOutPreviousFilter(); }
    qsizetype removedEntries() const { return m_writer.removedEntries(); }
    const QString &target() const { return m_writer.path(); }

    // Ends the job where it stands: no further step, and the file closed with the entries written
    // so far, every one a whole line.
    void abandon();

    qsizetype count() const { return m_variants.count(); }
    // The interval the next step was armed with.
    std::chrono::milliseconds nextStepInterval() const { return m_nextStep.intervalAsDuration(); }

signals:
    // The step-th step (1-based) is done; written tells whether it put an entry into the file.
    void stepTaken(qsizetype step, const QString &variant, bool written);
    // The whole block is in the file, which is closed.
    void finished();
    // A write failed; the block has been taken back where that was safe (see
    // BlockWriter::rollBack), and the error says what of it is left.
    void failed(const vantro::Error &error);

private:
    void takeStep();
    void armNextStep();

    SortedTextList m_variants;
    PaceClock m_clock;
    BuildWriter m_writer;
    QTimer m_nextStep;
    qsizetype m_position = 0;
    std::optional<PaceClock::Clock::time_point> m_lastWrite;
};

} // namespace vantro
