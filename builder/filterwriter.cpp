#include "filterwriter.h"

#include "cipher.h"
#include "filterentry.h"
#include "windows1252.h"
#include "wordcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <optional>

namespace vantro {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FilterWriter", text);
}

FilterWriteResult failure(const QString &error)
{
    FilterWriteResult result;
    result.status = FilterWriteResult::Status::Failed;
    result.error = error;
    return result;
}

// One write per call. Only when that write comes back short is the rest tried again: a file
// that has just run out of room takes what fits without an error, and the second try is what
// fails with the system's reason (disk full, file too large) for the message.
bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    qint64 written = out.write(bytes);
    if (written <= 0 || written == bytes.size())
        return written == bytes.size();
    while (written < bytes.size()) {
        const qint64 more = out.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0)
            return false;
        written += more;
    }
    return true;
}

// The reason the first variant that cannot go into an entry line is refused.
std::optional<QString> unwritableVariant(const SortedTextList &variants)
{
    for (const QString &variant : variants.items()) {
        if (const auto problem = findWordProblem(variant)) {
            return tr("The variant \"%1\" cannot be written into a filter entry. %2")
                .arg(variant, problem->message);
        }
    }
    return std::nullopt;
}

// The block itself, for variants that have passed unwritableVariant().
FilterWriteResult writeCheckedBlock(QIODevice &out, const SortedTextList &variants,
                                    const FilterStepHandler &afterStep)
{
    if (!writeAll(out, QByteArrayLiteral("\r\n")))
        return failure(out.errorString());

    FilterWriteResult result;
    const qsizetype count = variants.ListCount();
    for (qsizetype position = 0; position < count; ++position) {
        const QString &variant = variants.List(position);
        const bool written = !variant.isEmpty();
        if (written) {
            const QString line = FormatFilterEntry(variant, MakeReplacement(variant));
            if (!writeAll(out, *encodeWindows1252(line))) {
                FilterWriteResult failed = failure(out.errorString());
                failed.entriesWritten = result.entriesWritten;
                return failed;
            }
            ++result.entriesWritten;
        }
        if (afterStep && !afterStep(FilterStep{position, count, variant, written})) {
            result.status = FilterWriteResult::Status::Stopped;
            return result;
        }
    }
    return result;
}

} // namespace

QString filterTargetFileName(int check2Value)
{
    return check2Value == 1 ? QStringLiteral("localization.txt") : QStringLiteral("badnames.txt");
}

QString filterTargetPath(const QString &directory, int check2Value)
{
    return QDir(directory).filePath(filterTargetFileName(check2Value));
}

FilterWriteResult WriteFilterBlock(QIODevice &out, const SortedTextList &variants,
                                   const FilterStepHandler &afterStep)
{
    if (const auto refusal = unwritableVariant(variants))
        return failure(*refusal);
    return writeCheckedBlock(out, variants, afterStep);
}

FilterWriteResult WriteFilterFile(const QString &path, const SortedTextList &variants,
                                  const FilterStepHandler &afterStep)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    if (const auto refusal = unwritableVariant(variants)) {
        FilterWriteResult result = failure(*refusal);
        result.path = path;
        return result;
    }

    QFile file(path);
    // Unbuffered, so that every entry line reaches the file with its own write and a failing
    // write is seen at the line it hits.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        FilterWriteResult result =
            failure(tr("Cannot open \"%1\" for appending: %2").arg(shownPath, file.errorString()));
        result.path = path;
        return result;
    }
    const qint64 sizeBefore = file.size();

    FilterWriteResult result = writeCheckedBlock(file, variants, afterStep);
    result.path = path;
    if (result.failed()) {
        QString error = tr("Writing to \"%1\" failed: %2.").arg(shownPath, result.error);
        if (file.resize(sizeBefore))
            error += QLatin1Char(' ') + tr("The file was left as it was before this Build.");
        else
            error +=
                QLatin1Char(' ') +
                tr("It could not be cut back to its earlier size: %1.").arg(file.errorString());
        result.error = error;
        result.entriesWritten = 0;
    }
    file.close();
    return result;
}

} // namespace vantro
