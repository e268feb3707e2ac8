#include "builder/filterfile.h"

#include "builder/entryformat.h"

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

Result<qsizetype> writeFilterBlock(QIODevice &out, const SortedTextList &variants,
                                   ReplacementStyle style)
{
    if (const Result<void> checked = checkWritableVariants(variants); !checked)
        return checked.error();
    qsizetype entriesWritten = 0;
    const bool written = writeEntryChunks(
        variants, QByteArrayLiteral("\r\n"),
        [&](const QByteArray &lines, qsizetype entries) {
            entriesWritten += entries;
            return writeWhole(out, lines);
        },
        style);
    if (!written)
        return Error{ErrorKind::Failed, out.errorString()};
    return entriesWritten;
}

Result<qsizetype> writeFilterFile(const QString &path, const SortedTextList &variants,
                                  AppendOptions options, ReplacementStyle style,
                                  const std::function<Result<void>(const AppendFile &)> &opened)
{
    // Checked before the file is opened, so that a refused list leaves no file behind.
    if (const Result<void> checked = checkWritableVariants(variants); !checked)
        return checked.error();
    BlockWriter writer(path, std::move(options), style);
    Result<void> done = writer.open(opened);
    if (done)
        done = writer.writeEntries(variants);
    if (done)
        done = writer.finish();
    if (!done)
        return writer.rollBack(done.error());
    return writer.entriesWritten();
}

} // namespace vantro
