#pragma once

#include <QString>

namespace vantro {

// One filter entry line: { "variant" "replacement" } followed by CR LF. Nothing is escaped; the
// writer only ever passes variants that hold no double quote.
QString formatFilterEntry(const QString &variant, const QString &replacement);

} // namespace vantro
