#pragma once

#include "builder/blockwriter.h"
#include "builder/buildplan.h"
#include "common/result.h"
#include "fileio/filelock.h"
#include "fileio/filereplace.h"

#include <QIODevice>
#include <QString>

#include <functional>

namespace vantro {

// How a Build waits for the target's lock, how it is stopped, and where it says what it sees.
struct BuildPolicy
{
    LockWait lockWait; // its stopRequested is also asked before every write and step
    // A target that looks like UTF-8 is refused before anything is written: the server reads it
    // as Windows-1252, and the block's Windows-1252 bytes would mix with its UTF-8. Forced, the
    // Build goes on, and warn hears of it.
    bool forceEncoding = false;
    std::function<void(const QString &warning)> warn;
    // Where a Build to standard output writes.
    QIODevice *standardOutput = nullptr;
    // For tests: steps into the replacement of a replacing Build.
    ReplaceHooks replaceHooks;
};

// What a Build wrote.
struct BuildOutcome
{
    qsizetype entries = 0;
    qsizetype removedEntries = 0;    // a replacing Build's: the earlier filter entries that went
    qsizetype removedEmptyLines = 0; // and the empty lines that opened their blocks
    bool upToDate = false; // the target already held exactly this filter: it was left untouched
};

// The one writer of a Build plan's block, for both programs.
//
// write() writes the whole block at once: to standard output, appended to the target, or, when
// the plan replaces the previous filter, in one atomic replacement of the target without the
// filter entries of earlier Builds (with the empty line of a block that goes whole) and with
// the new block at its end. A missing target is created. A target that such a replacement would
// leave byte for byte as it is (the same Build run again) is left untouched (upToDate).
// tryReplacing() says what a replacing write() would do, with nothing locked or written.
//
// The window's paced Build writes entry by entry instead: begin() opens the target under its
// lock and writes the block's empty line, after taking the previous filter out when the plan
// says so, in a replacement that keeps the new file open and locked: no other writer that takes
// the lock comes between the taking-out and the last entry. writeEntry() adds one entry line,
// finish() closes the file, rollBack() takes the block back (see BlockWriter). On failure the
// message says what of the file changed.
class BuildWriter
{
public:
    BuildWriter(const BuildPlan &plan, BuildPolicy policy);

    Result<BuildOutcome> write(const SortedTextList &variants);
    Result<BuildOutcome> tryReplacing(const SortedTextList &variants);

    Result<void> begin();
    Result<void> writeEntry(const QString &variant) { return m_block.writeEntry(variant); }
    Result<void> finish() { return m_block.finish(); }
    Error rollBack(Error failure);

    const QString &path() const { return m_path; }
    // Whether begin() took the previous filter out (it stays out when the block fails).
    bool tookOutPreviousFilter() const { return m_tookOut; }
    // The earlier filter entries that begin() took out.
    qsizetype removedEntries() const { return m_removedEntries; }
    qsizetype entriesWritten() const { return m_block.entriesWritten(); }

private:
    Result<BuildOutcome> replaceAtOnce(const SortedTextList &variants, bool dryRun = false);
    Result<void> acceptEncoding() const;
    std::function<Result<void>(const AppendFile &)> checkingEncoding() const;

    bool m_toStandardOutput;
    QString m_path;
    bool m_replaces = false;
    ReplacementStyle m_style;
    BuildPolicy m_policy;
    BlockWriter m_block;
    bool m_tookOut = false;
    qsizetype m_removedEntries = 0;
};

} // namespace vantro
