#include "builder/entryformat.h"

#include "builder/cipher.h"
#include "builder/tr.h"
#include "common/showntext.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QIODevice>
#include <QStringView>

#include <algorithm>

namespace vantro {

QString formatFilterEntry(const QString &variant, const QString &replacement)
{
    // Filled through the data pointer: the writer formats one line per variant, and appending
    // piece by piece costs several times as much.
    QString line(variant.size() + replacement.size() + 11, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(line.data());
    const auto put = [&out](QStringView text) {
        out = std::copy(text.utf16(), text.utf16() + text.size(), out);
    };
    put(u"{ \"");
    put(variant);
    put(u"\" \"");
    put(replacement);
    put(u"\" }\r\n");
    return line;
}

Result<void> checkWritableVariant(const QString &variant)
{
    const Result<void> checked = checkWord(variant);
    if (checked)
        return {};
    return Error{ErrorKind::Refused,
                 builder::Tr::tr("The variant \"%1\" cannot be written into a filter entry. %2")
                     .arg(shownText(variant), checked.message())};
}

Result<void> checkWritableVariants(const SortedTextList &variants)
{
    for (const QString &variant : variants.items()) {
        if (auto checked = checkWritableVariant(variant); !checked)
            return checked;
    }
    return {};
}

void appendFilterEntryBytes(QByteArray &bytes, const QString &variant, ReplacementStyle style)
{
    // Checked beforehand: every character has its byte.
    appendWindows1252(bytes, formatFilterEntry(variant, makeReplacement(variant, style)));
}

bool writeEntryChunks(const SortedTextList &variants, QByteArray first,
                      const EntryChunkWriter &write, ReplacementStyle style)
{
    constexpr qsizetype kChunkBytes = 64 * 1024;
    QByteArray pending = std::move(first);
    pending.reserve(kChunkBytes + 4096);
    qsizetype pendingEntries = 0;
    const qsizetype count = variants.count();
    for (qsizetype position = 0; position < count; ++position) {
        const QString &variant = variants.at(position);
        // The texts of a sorted list lie scattered in memory; asking for the next ones early
        // keeps a long list from waiting on each.
        if (position + 8 < count)
            __builtin_prefetch(variants.at(position + 8).constData());
        if (variant.isEmpty())
            continue;
        appendFilterEntryBytes(pending, variant, style);
        ++pendingEntries;
        if (pending.size() >= kChunkBytes) {
            if (!write(pending, pendingEntries))
                return false;
            pending.resize(0); // keeps the buffer for the next chunk
            pendingEntries = 0;
        }
    }
    return pending.isEmpty() || write(pending, pendingEntries);
}

bool writeWhole(QIODevice &out, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = out.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

} // namespace vantro
