#include "filterwriter.h"

#include "filterentry.h"

#include <QDir>

namespace vantro {

namespace {

// The block goes to the device in chunks of whole lines of about this many bytes.
constexpr qsizetype kChunkBytes = 64 * 1024;

} // namespace

QString filterTargetFileName(FilterTarget target)
{
    return target == FilterTarget::Localization ? QStringLiteral("localization.txt")
                                                : QStringLiteral("badnames.txt");
}

QString filterTargetPath(const QString &directory, FilterTarget target)
{
    return QDir(directory).filePath(filterTargetFileName(target));
}

FilterWriteResult writeFilterBlock(QIODevice &out, const SortedTextList &variants)
{
    FilterWriteResult result;
    if (const auto refusal = findUnwritableVariant(variants)) {
        result.error = *refusal;
        return result;
    }
    QByteArray pending = QByteArrayLiteral("\r\n");
    pending.reserve(kChunkBytes + 4096);
    const auto fail = [&] {
        result.error = out.errorString();
        result.entriesWritten = 0;
        return result;
    };
    for (const QString &variant : variants.items()) {
        if (variant.isEmpty())
            continue;
        appendFilterEntryBytes(pending, variant);
        ++result.entriesWritten;
        if (pending.size() >= kChunkBytes) {
            if (!writeWhole(out, pending))
                return fail();
            pending.resize(0); // keeps the buffer for the next chunk
        }
    }
    if (!pending.isEmpty() && !writeWhole(out, pending))
        return fail();
    result.written = true;
    return result;
}

FilterWriteResult writeFilterFile(const QString &path, const SortedTextList &variants,
                                  FilterWriterOptions options)
{
    FilterWriteResult result;
    result.path = path;
    // Checked before the file is opened, so that a refused list leaves no file behind.
    if (const auto refusal = findUnwritableVariant(variants)) {
        result.error = *refusal;
        return result;
    }
    FilterFileWriter writer(path, std::move(options));
    if (writer.open() && writer.writeEntries(variants) && writer.finish()) {
        result.written = true;
        result.entriesWritten = writer.entriesWritten();
        return result;
    }
    writer.rollBack();
    result.stopped = writer.stopped();
    result.entriesWritten = writer.entriesWritten();
    result.error = writer.error();
    return result;
}

} // namespace vantro
