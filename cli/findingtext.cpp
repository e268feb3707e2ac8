#include "cli/findingtext.h"

namespace vantro::cli {

namespace {

// Scripts read the kind: it stays in English in every language, as does the summary of check.
QString severity(EntryFinding::Kind kind)
{
    switch (kind) {
    case EntryFinding::Kind::Dangerous:
        return QStringLiteral("danger");
    case EntryFinding::Kind::Malformed:
    case EntryFinding::Kind::Overlong:
        return QStringLiteral("error");
    case EntryFinding::Kind::Filter:
    case EntryFinding::Kind::BlockOpening:
        return QStringLiteral("filter");
    case EntryFinding::Kind::ByteOrderMark:
    case EntryFinding::Kind::Repeated:
    case EntryFinding::Kind::Conflicting:
        break;
    }
    return QStringLiteral("warning");
}

} // namespace

QString findingLine(const QString &shownName, const EntryFinding &finding, const QString &prefix)
{
    return QStringLiteral("%1:%2: %3%4: %5\n")
        .arg(shownName, QString::number(finding.line), prefix, severity(finding.kind),
             finding.message);
}

} // namespace vantro::cli
