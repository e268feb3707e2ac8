#include "builder/blockwriter.h"

#include "builder/entryformat.h"
#include "builder/tr.h"
#include "common/showntext.h"

#include <algorithm>

namespace vantro {

namespace {

QString entryCount(qsizetype entries)
{
    return builder::Tr::tr("%n entries", nullptr, int(entries));
}

} // namespace

BlockWriter::BlockWriter(QString path, AppendOptions options, ReplacementStyle style)
    : m_file(std::move(path)), m_options(std::move(options)), m_style(style)
{
}

Result<void> BlockWriter::open(const std::function<Result<void>(const AppendFile &)> &opened)
{
    if (auto stopped = stopIfRequested(); !stopped)
        return stopped;
    const QString nothing = builder::Tr::tr("Nothing was written.");
    if (auto done = m_file.open(m_options); !done) {
        switch (done.kind()) {
        case ErrorKind::Refused:
            if (done.error().cause.isEmpty()) // a link of another account
                return Error{ErrorKind::Refused, done.message() + u' ' + nothing};
            return Error{ErrorKind::Refused,
                         builder::Tr::tr("\"%1\" is %2, not a regular file: a Build appends only "
                                         "to a regular file.")
                                 .arg(shownPath(path()), done.error().cause) +
                             u' ' + nothing};
        case ErrorKind::Busy:
            return Error{ErrorKind::Busy, done.message() + u' ' + nothing};
        case ErrorKind::Stopped:
            return Error{ErrorKind::Stopped, stopIfRequested().message() + u' ' + nothing};
        default:
            return done;
        }
    }
    if (opened) {
        if (Result<void> accepted = opened(m_file); !accepted) {
            (void)m_file.close();
            return Error{accepted.kind(), accepted.message() + u' ' + nothing};
        }
    }
    return begin();
}

Result<void> BlockWriter::begin()
{
    m_entriesWritten = 0;
    m_bytesWritten = 0;
    m_lineEnds = 0;
    m_endsWithLineEnd = true;
    m_writtenHash.reset();
    QByteArray endOfLastLine;
    if (m_file.readable() && m_file.sizeAtOpen() > 0)
        (void)m_file.readBack(m_file.sizeAtOpen() - 1, 1, [&](QByteArrayView last) {
            if (last == "\r")
                endOfLastLine = "\n";
        });
    const Result<void> begun = write(endOfLastLine + "\r\n", 0);
    // That LF ends the file's own line, not one of the block's.
    if (!endOfLastLine.isEmpty() && m_lineEnds > 0)
        --m_lineEnds;
    return begun;
}

Result<void> BlockWriter::writeEntry(const QString &variant)
{
    if (variant.isEmpty())
        return {};
    if (auto checked = checkWritableVariant(variant); !checked)
        return checked;
    QByteArray line;
    appendFilterEntryBytes(line, variant, m_style);
    return write(line, 1);
}

Result<void> BlockWriter::writeEntries(const SortedTextList &variants)
{
    if (auto checked = checkWritableVariants(variants); !checked)
        return checked;
    Result<void> result;
    writeEntryChunks(
        variants, QByteArray(),
        [&](const QByteArray &lines, qsizetype entries) {
            result = write(lines, entries);
            return result.hasValue();
        },
        m_style);
    return result;
}

Result<void> BlockWriter::stopIfRequested() const
{
    if (!m_options.stopRequested || !m_options.stopRequested())
        return {};
    return Error{ErrorKind::Stopped,
                 builder::Tr::tr("Writing to \"%1\" was stopped.").arg(shownPath(path()))};
}

// One write of whole lines, repeated for the rest when cut short, so that the file ends in half
// a line only when the system refuses the rest (a full disk).
Result<void> BlockWriter::write(const QByteArray &lines, qsizetype entries)
{
    if (!m_file.isOpen())
        return m_file.write(lines); // fails: the file is not open
    if (auto stopped = stopIfRequested(); !stopped)
        return stopped;
    const qint64 before = m_file.bytesWritten();
    const Result<void> written = m_file.write(lines);
    if (const qsizetype done = m_file.bytesWritten() - before; done > 0) {
        const QByteArrayView went = QByteArrayView(lines).first(done);
        m_writtenHash.addData(went);
        m_bytesWritten += done;
        m_lineEnds += std::count(went.begin(), went.end(), '\n');
        m_endsWithLineEnd = went.back() == '\n';
    }
    if (!written)
        return written;
    m_entriesWritten += entries;
    return {};
}

Result<void> BlockWriter::finish()
{
    // Entries written into a file that is no longer at the path are not where the user looks for
    // them: the Build fails and says where they went.
    if (m_file.isOpen() && !m_file.pathNamesFile()) {
        const QString shown = shownPath(path());
        QString message;
        if (m_file.fileHasName())
            message = builder::Tr::tr("\"%1\" was moved away or replaced while this Build wrote "
                                      "to it: %2 went into the file that stood there before, "
                                      "which now has another name.")
                          .arg(shown, leftInFile());
        else if (m_file.pathExists())
            message = builder::Tr::tr("\"%1\" was replaced by another program while this Build "
                                      "wrote to it: %2 went into the file that stood there "
                                      "before, which no longer exists.")
                          .arg(shown, leftInFile());
        else
            message = builder::Tr::tr("\"%1\" was removed while this Build wrote to it: %2 went "
                                      "into a file that no longer exists.")
                          .arg(shown, leftInFile());
        (void)m_file.close();
        return Error{ErrorKind::Failed, message};
    }
    return m_file.close();
}

Error BlockWriter::rollBack(Error failure)
{
    if (!m_file.isOpen())
        return failure;
    const QString outcome = rollBackOutcome();
    failure.message = failure.message.isEmpty() ? outcome : failure.message + u' ' + outcome;
    (void)m_file.close();
    return failure;
}

QString BlockWriter::rollBackOutcome()
{
    const QString shown = shownPath(path());
    const qint64 blockStart = m_file.sizeAtOpen();
    if (!m_file.pathNamesFile())
        return m_bytesWritten == 0
                   ? builder::Tr::tr("Nothing of this Build went into it.")
                   : builder::Tr::tr("\"%1\" was replaced or removed while this Build wrote to "
                                     "it, so nothing was cut back: %2 went into the file that "
                                     "stood there before, not into the one there now.")
                         .arg(shown, leftInFile());
    Result<qint64> size = m_file.size();
    if (!size)
        return builder::Tr::tr("It could not be looked at, so it was not cut back: %1 are still "
                               "in it, from byte %2 on.")
            .arg(leftInFile(), QString::number(blockStart));
    if (m_bytesWritten > 0) {
        if (*size != blockStart + m_bytesWritten || (m_file.readable() && !endsWithWrittenBytes()))
            return builder::Tr::tr("\"%1\" was changed by another program while this Build wrote "
                                   "to it, so it was not cut back; it may still hold %2, from "
                                   "byte %3 on.")
                .arg(shown, leftInFile(), QString::number(blockStart));
        if (!m_file.readable())
            return builder::Tr::tr("It cannot be read back to make sure that it ends with this "
                                   "Build's bytes, so it was not cut back: %1 are still in it, "
                                   "from byte %2 on.")
                .arg(leftInFile(), QString::number(blockStart));
        if (auto cut = m_file.truncate(blockStart); !cut)
            return builder::Tr::tr("It could not be cut back (%1): %2 are still in it, from byte "
                                   "%3 on.")
                .arg(cut.error().cause, leftInFile(), QString::number(blockStart));
        m_bytesWritten = 0;
        m_lineEnds = 0;
        m_entriesWritten = 0;
        *size = blockStart;
    }
    if (m_file.created() && *size == 0) {
        if (!m_file.pathNamesFile())
            return builder::Tr::tr("This Build's bytes were taken out of the file it had "
                                   "created, which was then replaced at its path, so it was not "
                                   "removed.");
        if (auto removed = m_file.removeName(); !removed)
            return builder::Tr::tr("The file, which this Build had created, is left empty: it "
                                   "could not be removed (%1).")
                .arg(removed.error().cause);
        return builder::Tr::tr("The file, which this Build had created, was removed again.");
    }
    return builder::Tr::tr("The file was left as it was before this Build.");
}

// Whether the file's bytes from the block's start on are the ones this block wrote.
bool BlockWriter::endsWithWrittenBytes() const
{
    QCryptographicHash readBack(QCryptographicHash::Sha1);
    const Result<void> read =
        m_file.readBack(m_file.sizeAtOpen(), m_bytesWritten,
                        [&](QByteArrayView bytes) { readBack.addData(bytes); });
    return read && readBack.result() == m_writtenHash.result();
}

// What of this block went into the file: its opening line end and so many whole entry lines,
// and the start of one more when a write was cut short.
QString BlockWriter::leftInFile() const
{
    if (m_bytesWritten == 0)
        return builder::Tr::tr("nothing of this Build");
    QString left = builder::Tr::tr("this Build's empty line and %1")
                       .arg(entryCount(std::max<qsizetype>(0, m_lineEnds - 1)));
    if (!m_endsWithLineEnd)
        left += builder::Tr::tr(" and the start of one more line");
    return left;
}

} // namespace vantro
