#pragma once

#include "sortedtextlist.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace vantro {

// One filter entry line: { "variant" "replacement" } followed by CR LF. Nothing is escaped; the
// writer only ever passes variants that hold no double quote.
QString formatFilterEntry(const QString &variant, const QString &replacement);

// Why the variant cannot go into an entry line, as a whole message; nothing when it can.
std::optional<QString> unwritableVariantProblem(const QString &variant);

// The reason the first variant that cannot go into an entry line is refused; nothing when every
// variant can.
std::optional<QString> findUnwritableVariant(const SortedTextList &variants);

// Appends the variant's entry line, with its replacement, in the filter files' code page. The
// variant must have passed findUnwritableVariant().
void appendFilterEntryBytes(QByteArray &bytes, const QString &variant);

// Writes all the bytes, normally with one write. A write cut short (a file size limit reached
// inside it) leaves no error on the device; writing the rest then fails with the system's
// reason, which the device's errorString() gives.
bool writeWhole(QIODevice &out, const QByteArray &bytes);

} // namespace vantro
