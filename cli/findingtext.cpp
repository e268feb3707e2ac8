#include "cli/findingtext.h"

#include "cli/tr.h"

namespace vantro::cli {

namespace {

QString severity(EntryFinding::Kind kind)
{
    switch (kind) {
    case EntryFinding::Kind::Dangerous:
        return Tr::tr("danger");
    case EntryFinding::Kind::Malformed:
    case EntryFinding::Kind::Overlong:
        return Tr::tr("error");
    case EntryFinding::Kind::Filter:
    case EntryFinding::Kind::BlockOpening:
        return Tr::tr("filter");
    case EntryFinding::Kind::ByteOrderMark:
    case EntryFinding::Kind::Repeated:
    case EntryFinding::Kind::Conflicting:
        break;
    }
    return Tr::tr("warning");
}

} // namespace

QString findingLine(const QString &shownName, const EntryFinding &finding, const QString &prefix)
{
    return QStringLiteral("%1:%2: %3%4: %5\n")
        .arg(shownName, QString::number(finding.line), prefix, severity(finding.kind),
             finding.message);
}

} // namespace vantro::cli
