#pragma once

#include <QString>
#include <QStringList>

namespace vantro::cli {

// The name a misspelt one most likely meant, as git suggests one: of the names at most two edits
// away (a letter added, left out, changed) or that begin with what was typed, the closest; the
// first of those equally close; empty when none is.
QString closestName(const QString &typed, const QStringList &names);

} // namespace vantro::cli
