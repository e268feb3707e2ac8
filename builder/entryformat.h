#pragma once

#include "builder/cipher.h"
#include "common/result.h"
#include "wordlists/sortedtextlist.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace vantro {

// One filter entry line: { "variant" "replacement" } followed by CR LF. Nothing is escaped; the
// writer only ever passes variants that hold no double quote.
QString formatFilterEntry(const QString &variant, const QString &replacement);

// Fails (Refused) with why the variant cannot go into an entry line, as a whole message.
Result<void> checkWritableVariant(const QString &variant);

// Fails (Refused) with why the first variant that cannot go into an entry line is refused.
Result<void> checkWritableVariants(const SortedTextList &variants);

// Appends the variant's entry line, with its replacement, in the filter files' code page. The
// variant must have passed checkWritableVariants().
void appendFilterEntryBytes(QByteArray &bytes, const QString &variant,
                            ReplacementStyle style = ReplacementStyle::Cipher);

// Receives a chunk of whole entry lines and the number of entries in it; false stops the walk.
using EntryChunkWriter = std::function<bool(const QByteArray &lines, qsizetype entries)>;

// Hands the entry lines of the non-empty variants, in list order, to write() in chunks of whole
// lines of about 64 KiB, the first chunk starting with the given bytes. The variants must have
// passed checkWritableVariants(). False when write() stopped the walk.
bool writeEntryChunks(const SortedTextList &variants, QByteArray first,
                      const EntryChunkWriter &write,
                      ReplacementStyle style = ReplacementStyle::Cipher);

// Writes all the bytes, normally with one write. A write cut short (a file size limit reached
// inside it) leaves no error on the device; writing the rest then fails with the system's
// reason, which the device's errorString() gives.
bool writeWhole(QIODevice &out, const QByteArray &bytes);

} // namespace vantro
