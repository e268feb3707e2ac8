#include "filterwriter.h"

#include "cipher.h"
#include "filterentry.h"
#include "windows1252.h"
#include "wordcheck.h"

#include "buildertext.h"
#include <QDir>
#include <QFile>

#include <optional>

namespace vantro {

namespace {

FilterWriteResult failure(const QString &error)
{
    FilterWriteResult result;
    result.status = FilterWriteResult::Status::Failed;
    result.error = error;
    return result;
}

// One write, normally. A write cut short (a file size limit reached inside it) leaves no error on
// the device; writing the rest then fails with the system's reason, which the caller reports.
bool writeAll(QIODevice &out, const QByteArray &bytes)
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

// The reason the first variant that cannot go into an entry line is refused.
std::optional<QString> unwritableVariant(const SortedTextList &variants)
{
    for (const QString &variant : variants.items()) {
        if (const auto problem = findWordProblem(variant)) {
            return Builder::tr("The variant \"%1\" cannot be written into a filter entry. %2")
                .arg(variant, problem->message);
        }
    }
    return std::nullopt;
}

// Lines are handed to the device in chunks of whole lines: one write per line when every step is
// reported (the file then holds each entry before its step is seen), else about this many bytes.
constexpr qsizetype kChunkBytes = 64 * 1024;

// The block itself, for variants that have passed unwritableVariant().
FilterWriteResult writeCheckedBlock(QIODevice &out, const SortedTextList &variants,
                                    const FilterStepHandler &afterStep)
{
    FilterWriteResult result;
    QByteArray pending;
    pending.reserve(kChunkBytes + 4096);
    pending += "\r\n";
    const auto writePending = [&] {
        const bool written = writeAll(out, pending);
        pending.resize(0); // keeps the buffer for the next chunk
        return written;
    };
    const auto fail = [&] {
        FilterWriteResult failed = failure(out.errorString());
        failed.entriesWritten = result.entriesWritten;
        return failed;
    };

    const qsizetype count = variants.count();
    for (qsizetype position = 0; position < count; ++position) {
        const QString &variant = variants.at(position);
        const bool written = !variant.isEmpty();
        // The texts of a sorted list lie scattered in memory; asking for the next ones early
        // keeps a long list from waiting on each.
        if (position + 8 < count)
            __builtin_prefetch(variants.at(position + 8).constData());
        if (written) {
            // Checked above: every character has its byte.
            appendWindows1252(pending, formatFilterEntry(variant, makeReplacement(variant)));
            ++result.entriesWritten;
        }
        if ((afterStep || pending.size() >= kChunkBytes) && !writePending())
            return fail();
        if (afterStep && !afterStep(FilterStep{position, count, variant, written})) {
            result.status = FilterWriteResult::Status::Stopped;
            break;
        }
    }
    if (!pending.isEmpty() && !writePending())
        return fail();
    return result;
}

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

FilterWriteResult writeFilterBlock(QIODevice &out, const SortedTextList &variants,
                                   const FilterStepHandler &afterStep)
{
    if (const auto refusal = unwritableVariant(variants))
        return failure(*refusal);
    return writeCheckedBlock(out, variants, afterStep);
}

FilterWriteResult writeFilterFile(const QString &path, const SortedTextList &variants,
                                  const FilterStepHandler &afterStep)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    if (const auto refusal = unwritableVariant(variants)) {
        FilterWriteResult result = failure(*refusal);
        result.path = path;
        return result;
    }

    QFile file(path);
    // Unbuffered: the block does its own buffering in whole lines, and a short write (a full
    // disk) shows in the result of the write that hit it, with nothing left pending.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        FilterWriteResult result = failure(
            Builder::tr("Cannot open \"%1\" for appending: %2").arg(shownPath, file.errorString()));
        result.path = path;
        return result;
    }
    const qint64 sizeBefore = file.size();

    FilterWriteResult result = writeCheckedBlock(file, variants, afterStep);
    result.path = path;
    if (result.failed()) {
        QString error = Builder::tr("Writing to \"%1\" failed: %2.").arg(shownPath, result.error);
        // A device such as /dev/full or a pipe has no size to cut back to.
        if (file.isSequential())
            error += QLatin1Char(' ') +
                     Builder::tr("It is not a regular file, so what reached it before "
                                 "the failure cannot be taken back.");
        else if (file.resize(sizeBefore))
            error +=
                QLatin1Char(' ') + Builder::tr("The file was left as it was before this Build.");
        else
            error +=
                QLatin1Char(' ') + Builder::tr("It could not be cut back to its earlier size: %1.")
                                       .arg(file.errorString());
        result.error = error;
        result.entriesWritten = 0;
    }
    file.close();
    return result;
}

} // namespace vantro
