#include "entrytidy.h"

#include <QBuffer>

namespace vantro {

std::optional<QString> tidyEntryFile(QIODevice &device, bool dropDangerous, EntryTidy &tidy,
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
    const auto afterLine = [&](QByteArrayView line, qsizetype) {
        if (!removing) {
            tidy.bytes += line;
            ++tidy.linesKept;
            return;
        }
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

EntryTidy tidyEntryFile(const EntryFile &file, bool dropDangerous)
{
    EntryTidy tidy;
    tidy.bytes.reserve(file.bytes.size());
    QByteArray bytes = QByteArray::fromRawData(file.bytes.constData(), file.bytes.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    (void)tidyEntryFile(buffer, dropDangerous, tidy); // reading a buffer cannot fail
    return tidy;
}

} // namespace vantro
