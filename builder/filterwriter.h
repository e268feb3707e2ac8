#pragma once

#include "sortedtextlist.h"

#include <QIODevice>
#include <QString>

#include <functional>

namespace vantro {

// The file a Build appends to: the game server's own localization file, or badnames.txt, from
// which the user copies the entries into it by hand.
enum class FilterTarget
{
    BadNames,
    Localization,
};

// "badnames.txt" or "localization.txt".
QString filterTargetFileName(FilterTarget target);

// That file directly in the given directory.
QString filterTargetPath(const QString &directory, FilterTarget target);

// One step of the writer's walk over the variant list.
struct FilterStep
{
    qsizetype position; // 0-based
    qsizetype count;    // variants in the list
    const QString &variant;
    bool written; // false for an empty variant, which gets no entry
};

// Called after every step; returning false stops the walk after that step. The window uses it to
// show the variant, pause and report progress; headless callers need none.
using FilterStepHandler = std::function<bool(const FilterStep &)>;

struct FilterWriteResult
{
    enum class Status
    {
        Written, // the whole block is in the file
        Stopped, // the handler stopped the walk; the lines written so far stay, all of them whole
        Failed,  // nothing of the block stays in the file; error says why
    };

    Status status = Status::Written;
    qsizetype entriesWritten = 0;
    QString path;
    QString error;

    bool failed() const { return status == Status::Failed; }
};

// Appends one block to an open device: CR LF, then one entry line per non-empty variant, in list
// order, in Windows-1252. Every write holds whole lines: with a step handler, exactly one line,
// written before its step is reported; without one, lines are gathered into larger writes. A
// variant that cannot be written safely fails the block before anything is written. On a failed
// write the device is left as it is; the caller owns undoing it.
FilterWriteResult writeFilterBlock(QIODevice &out, const SortedTextList &variants,
                                   const FilterStepHandler &afterStep = {});

// Appends the block to the file, creating it when absent. When the file cannot be opened, nothing
// is written; when a write fails, the file is cut back to the size it had before the block.
FilterWriteResult writeFilterFile(const QString &path, const SortedTextList &variants,
                                  const FilterStepHandler &afterStep = {});

} // namespace vantro
