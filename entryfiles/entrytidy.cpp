#include "entryfiles/entrytidy.h"

namespace vantro {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

} // namespace

Result<void> tidyEntryFile(QIODevice &device, bool dropDangerous, EntryTidy &tidy,
                           const EntryFindingSink &removedSink)
{
    // The findings of a line come in the order of their kinds: a dangerous repeat is removed as
    // the repeat it is first of all.
    std::optional<EntryFinding> removing;
    EntryChecker checker([&](const EntryFinding &finding) {
        if (finding.kind == EntryFinding::Kind::Repeated ||
            (dropDangerous && finding.kind == EntryFinding::Kind::Dangerous))
            removing = finding;
        else if (finding.kind == EntryFinding::Kind::Overlong && tidy.overlongLine == 0)
            tidy.overlongLine = finding.line;
    });
    const auto afterLine = [&](QByteArrayView line, qsizetype number) {
        if (!removing) {
            tidy.bytes += line;
            ++tidy.linesKept;
            return;
        }
        // The file's byte-order mark is no part of the entry behind it: it stays when that goes,
        // in front of what is now the first line, which it leaves as it was read.
        if (number == 1 && line.startsWith(kByteOrderMark))
            tidy.bytes += kByteOrderMark;
        ++(removing->kind == EntryFinding::Kind::Repeated ? tidy.removedRepeats
                                                          : tidy.removedDangerous);
        if (removedSink)
            removedSink(*removing);
        else
            tidy.removed.append(*removing);
        removing.reset();
    };
    return readEntryFile(device, checker, afterLine);
}

} // namespace vantro
