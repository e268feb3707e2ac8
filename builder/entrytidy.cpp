#include "entrytidy.h"

namespace vantro {

EntryTidy tidyEntryFile(const EntryFile &file, bool dropDangerous)
{
    const EntryFileCheck check = checkEntryFile(file);
    const QList<EntryFinding> &findings = check.findings;
    EntryTidy tidy;
    tidy.bytes.reserve(file.bytes.size());
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const EntryFinding &finding = findings[i];
        const bool repeat = finding.kind == EntryFinding::Kind::Repeated;
        const bool dangerous = dropDangerous && finding.kind == EntryFinding::Kind::Dangerous;
        if (!repeat && !dangerous)
            continue;
        // The findings of a line come in the order of their kinds: a dangerous repeat is removed
        // as the repeat it is first of all, through its next finding.
        if (dangerous && i + 1 < findings.size() && findings[i + 1].line == finding.line &&
            findings[i + 1].kind == EntryFinding::Kind::Repeated)
            continue;
        tidy.bytes += QByteArrayView(file.bytes).sliced(copiedUpTo, finding.start - copiedUpTo);
        copiedUpTo = finding.start + finding.length;
        ++(repeat ? tidy.removedRepeats : tidy.removedDangerous);
        tidy.removed.append(finding);
    }
    tidy.bytes += QByteArrayView(file.bytes).sliced(copiedUpTo);
    tidy.linesKept = check.lines - tidy.removed.size();
    return tidy;
}

} // namespace vantro
