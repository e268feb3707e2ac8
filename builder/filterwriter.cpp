#include "filterwriter.h"

#include "filterentry.h"

#include <QDir>

namespace vantro {

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
    const bool written = writeEntryChunks(variants, QByteArrayLiteral("\r\n"),
                                          [&](const QByteArray &lines, qsizetype entries) {
                                              result.entriesWritten += entries;
                                              return writeWhole(out, lines);
                                          });
    if (!written) {
        result.error = out.errorString();
        result.entriesWritten = 0;
        return result;
    }
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
