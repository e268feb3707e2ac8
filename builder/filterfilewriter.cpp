#include "filterfilewriter.h"

#include "filterentry.h"
#include "wordcheck.h"

#include "buildertext.h"
#include <QDir>

namespace vantro {

namespace {

// writeEntries() hands the lines to the file in chunks of about this many bytes.
constexpr qsizetype kChunkBytes = 64 * 1024;

} // namespace

FilterFileWriter::FilterFileWriter(QString path) : m_path(std::move(path)), m_file(m_path) {}

FilterFileWriter::~FilterFileWriter() = default; // QFile closes; the lines written stay

bool FilterFileWriter::open()
{
    m_entriesWritten = 0;
    m_error.clear();
    // Unbuffered: every write holds whole lines and goes straight to the file, so a short write
    // (a full disk) shows in the result of the write that hit it, with nothing left pending.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_error = Builder::tr("Cannot open \"%1\" for appending: %2")
                      .arg(QDir::toNativeSeparators(m_path), m_file.errorString());
        return false;
    }
    m_blockStart = m_file.size();
    return write(QByteArrayLiteral("\r\n"), 0);
}

bool FilterFileWriter::writeEntry(const QString &variant)
{
    if (variant.isEmpty())
        return true;
    if (const auto problem = findWordProblem(variant)) {
        m_error = Builder::tr("The variant \"%1\" cannot be written into a filter entry. %2")
                      .arg(variant, problem->message);
        return false;
    }
    QByteArray line;
    appendFilterEntryBytes(line, variant);
    return write(line, 1);
}

bool FilterFileWriter::writeEntries(const SortedTextList &variants)
{
    if (const auto refusal = findUnwritableVariant(variants)) {
        m_error = *refusal;
        return false;
    }
    QByteArray pending;
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
        appendFilterEntryBytes(pending, variant);
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

bool FilterFileWriter::write(const QByteArray &lines, qsizetype entries)
{
    if (!m_file.isOpen())
        return fail(Builder::tr("The file is not open"));
    if (!writeWhole(m_file, lines))
        return fail(m_file.errorString());
    m_entriesWritten += entries;
    return true;
}

bool FilterFileWriter::fail(const QString &reason)
{
    m_error =
        Builder::tr("Writing to \"%1\" failed: %2.").arg(QDir::toNativeSeparators(m_path), reason);
    return false;
}

bool FilterFileWriter::finish()
{
    if (!m_file.isOpen())
        return m_error.isEmpty();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(m_file.errorString());
    return true;
}

void FilterFileWriter::rollBack()
{
    if (!m_file.isOpen())
        return;
    QString outcome;
    // A device such as /dev/full or a pipe has no size to cut back to.
    if (m_file.isSequential())
        outcome = Builder::tr("It is not a regular file, so what reached it before the failure "
                              "cannot be taken back.");
    else if (m_file.resize(m_blockStart))
        outcome = Builder::tr("The file was left as it was before this Build.");
    else
        outcome = Builder::tr("It could not be cut back to its earlier size: %1.")
                      .arg(m_file.errorString());
    m_error = m_error.isEmpty() ? outcome : m_error + QLatin1Char(' ') + outcome;
    m_entriesWritten = 0;
    m_file.close();
}

} // namespace vantro
