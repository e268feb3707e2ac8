#pragma once

#include "entryfiles/entrycheck.h"

#include <QString>

namespace vantro::cli {

// A finding as check and tidy print it: "FILE:LINE: severity: message", with its line end.
// The prefix goes between the location and the severity (tidy's "would remove: ").
QString findingLine(const QString &shownName, const EntryFinding &finding,
                    const QString &prefix = {});

} // namespace vantro::cli
