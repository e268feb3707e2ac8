#include "filterfilewriter.h"

#include "filterentry.h"
#include "filterfilelock.h"
#include "showntext.h"
#include "systemfile.h"

#include "buildertext.h"
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vantro {

namespace {

// How often open() tries the lock again while it waits.
constexpr std::chrono::milliseconds kLockRetry{20};

QString entryCount(qsizetype entries)
{
    return entries == 1 ? Builder::tr("1 entry") : Builder::tr("%1 entries").arg(entries);
}

} // namespace

FilterFileWriter::FilterFileWriter(QString path, FilterWriterOptions options)
    : m_path(std::move(path)), m_options(std::move(options))
{
}

FilterFileWriter::~FilterFileWriter()
{
    close(); // the lines written stay
}

void FilterFileWriter::close()
{
    if (m_fd >= 0)
        ::close(m_fd); // also releases the lock
    m_fd = -1;
}

bool FilterFileWriter::open()
{
    close();
    m_entriesWritten = 0;
    m_bytesWritten = 0;
    m_lineEnds = 0;
    m_endsWithLineEnd = true;
    m_writtenHash.reset();
    m_stopped = false;
    m_error.clear();
    if (stopIfRequested() || !openLocked())
        return false;
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        m_error =
            Builder::tr("Cannot look at \"%1\": %2.").arg(shownPath(m_path), systemReason(errno));
        close();
        return false;
    }
    m_blockStart = info.st_size;
    return write(QByteArrayLiteral("\r\n"), 0);
}

// Opens the target, creating it when absent, and takes its lock, waiting for it as the options
// say. A file replaced or removed while the writer waited is opened again at its path.
bool FilterFileWriter::openLocked()
{
    const QByteArray name = QFile::encodeName(m_path);
    const auto refuseKind = [this](unsigned mode) {
        const QString kind = nonRegularFileKind(mode);
        if (kind.isEmpty())
            return false;
        m_error = Builder::tr("\"%1\" is %2, not a regular file: a Build appends only to a "
                              "regular file. Nothing was written.")
                      .arg(shownPath(m_path), kind);
        close();
        return true;
    };
    // Read access too, so that rollBack() can make sure the file's end is this block.
    const auto openWith = [&](int flags) {
        constexpr int kCommon = O_APPEND | O_NONBLOCK | O_CLOEXEC;
        m_readable = true;
        int fd = ::open(name.constData(), O_RDWR | kCommon | flags, 0666);
        if (fd < 0 && errno == EACCES) {
            m_readable = false;
            fd = ::open(name.constData(), O_WRONLY | kCommon | flags, 0666);
        }
        return fd;
    };

    const auto deadline = std::chrono::steady_clock::now() + m_options.lockWait;
    bool waiting = false;
    for (;;) {
        // A FIFO, a device or a directory is refused before it is opened, and the open cannot
        // block should one take the file's place meanwhile.
        struct stat info
        {
        };
        if (::stat(name.constData(), &info) == 0 && refuseKind(info.st_mode))
            return false;
        m_created = false;
        m_fd = openWith(0);
        if (m_fd < 0 && errno == ENOENT) {
            m_fd = openWith(O_CREAT | O_EXCL);
            m_created = m_fd >= 0;
            struct stat link
            {
            };
            // A symbolic link that leads nowhere yet: the file it names is created.
            if (m_fd < 0 && errno == EEXIST && ::lstat(name.constData(), &link) == 0 &&
                S_ISLNK(link.st_mode)) {
                m_fd = openWith(O_CREAT);
                m_created = m_fd >= 0;
            }
            if (m_fd < 0 && errno == EEXIST)
                continue; // created by another writer meanwhile
        }
        if (m_fd < 0) {
            const int error = errno;
            if (::stat(name.constData(), &info) == 0 && refuseKind(info.st_mode))
                return false;
            m_error = Builder::tr("Cannot open \"%1\" for appending: %2")
                          .arg(shownPath(m_path), systemReason(error));
            return false;
        }
        if (::fstat(m_fd, &info) == 0 && refuseKind(info.st_mode))
            return false;

        std::optional<int> lockError;
        while ((lockError = tryLockFilterFile(m_fd)) && *lockError == EWOULDBLOCK) {
            if (std::chrono::steady_clock::now() >= deadline) {
                m_error = filterFileBusyMessage(m_path) + u' ';
                if (m_options.lockWait.count() > 0)
                    m_error += Builder::tr("It was still being written after %1 seconds. ")
                                   .arg(std::chrono::ceil<std::chrono::seconds>(m_options.lockWait)
                                            .count());
                m_error += Builder::tr("Nothing was written.");
                close();
                return false;
            }
            if (!waiting && m_options.waitingForLock)
                m_options.waitingForLock();
            waiting = true;
            std::this_thread::sleep_for(kLockRetry);
            if (stopIfRequested()) {
                m_error += u' ' + Builder::tr("Nothing was written.");
                close();
                return false;
            }
        }
        if (lockError) {
            m_error = Builder::tr("Cannot lock \"%1\": %2.")
                          .arg(shownPath(m_path), systemReason(*lockError));
            close();
            return false;
        }
        if (pathNamesOpenFile(m_path, m_fd))
            return true;
        close(); // replaced or removed by the writer that held the lock
    }
}

bool FilterFileWriter::writeEntry(const QString &variant)
{
    if (variant.isEmpty())
        return true;
    if (auto problem = unwritableVariantProblem(variant)) {
        m_error = std::move(*problem);
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
    return writeEntryChunks(
        variants, QByteArray(),
        [this](const QByteArray &lines, qsizetype entries) { return write(lines, entries); });
}

bool FilterFileWriter::stopIfRequested()
{
    if (!m_options.stopRequested || !m_options.stopRequested())
        return false;
    m_stopped = true;
    m_error = Builder::tr("Writing to \"%1\" was stopped.").arg(shownPath(m_path));
    return true;
}

// One write of whole lines, repeated for the rest when cut short, so that the file ends in half
// a line only when the system refuses the rest (a full disk).
bool FilterFileWriter::write(const QByteArray &lines, qsizetype entries)
{
    if (m_fd < 0)
        return fail(Builder::tr("The file is not open"));
    if (stopIfRequested())
        return false;
    qsizetype done = 0;
    const int error = writeAll(m_fd, lines, &done);
    if (done > 0) {
        const QByteArrayView went = QByteArrayView(lines).first(done);
        m_writtenHash.addData(went);
        m_bytesWritten += done;
        m_lineEnds += std::count(went.begin(), went.end(), '\n');
        m_endsWithLineEnd = went.back() == '\n';
    }
    if (error != 0)
        return fail(systemReason(error));
    m_entriesWritten += entries;
    return true;
}

bool FilterFileWriter::fail(const QString &reason)
{
    m_error = Builder::tr("Writing to \"%1\" failed: %2.").arg(shownPath(m_path), reason);
    return false;
}

bool FilterFileWriter::finish()
{
    if (m_fd < 0)
        return m_error.isEmpty();
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0)
        return fail(systemReason(errno));
    return true;
}

void FilterFileWriter::rollBack()
{
    if (m_fd < 0)
        return;
    const QString outcome = rollBackOutcome();
    m_error = m_error.isEmpty() ? outcome : m_error + u' ' + outcome;
    close();
}

QString FilterFileWriter::rollBackOutcome()
{
    const QString path = shownPath(m_path);
    if (!pathNamesOpenFile(m_path, m_fd))
        return m_bytesWritten == 0
                   ? Builder::tr("Nothing of this Build went into it.")
                   : Builder::tr("\"%1\" was replaced or removed while this Build wrote to it, "
                                 "so nothing was cut back: %2 went into the file that stood "
                                 "there before, not into the one there now.")
                         .arg(path, leftInFile());
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        return Builder::tr("It could not be looked at, so it was not cut back: %1 are still in "
                           "it, from byte %2 on.")
            .arg(leftInFile(), QString::number(m_blockStart));
    if (m_bytesWritten > 0) {
        if (info.st_size != m_blockStart + m_bytesWritten ||
            (m_readable && !endsWithWrittenBytes()))
            return Builder::tr("\"%1\" was changed by another program while this Build wrote to "
                               "it, so it was not cut back; it may still hold %2, from byte %3 "
                               "on.")
                .arg(path, leftInFile(), QString::number(m_blockStart));
        if (!m_readable)
            return Builder::tr("It cannot be read back to make sure that it ends with this "
                               "Build's bytes, so it was not cut back: %1 are still in it, from "
                               "byte %2 on.")
                .arg(leftInFile(), QString::number(m_blockStart));
        if (::ftruncate(m_fd, m_blockStart) != 0)
            return Builder::tr("It could not be cut back (%1): %2 are still in it, from byte %3 "
                               "on.")
                .arg(systemReason(errno), leftInFile(), QString::number(m_blockStart));
        m_bytesWritten = 0;
        m_lineEnds = 0;
        m_entriesWritten = 0;
        info.st_size = m_blockStart;
    }
    if (m_created && info.st_size == 0) {
        if (!pathNamesOpenFile(m_path, m_fd))
            return Builder::tr("This Build's bytes were taken out of the file it had created, "
                               "which was then replaced at its path, so it was not removed.");
        if (::unlink(QFile::encodeName(m_path).constData()) == 0)
            return Builder::tr("The file, which this Build had created, was removed again.");
        return Builder::tr("The file, which this Build had created, is left empty: it could not "
                           "be removed (%1).")
            .arg(systemReason(errno));
    }
    return Builder::tr("The file was left as it was before this Build.");
}

// Whether the file's bytes from the block's start on are the ones this block wrote.
bool FilterFileWriter::endsWithWrittenBytes()
{
    QCryptographicHash readBack(QCryptographicHash::Sha1);
    QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
    const qint64 end = m_blockStart + m_bytesWritten;
    qint64 offset = m_blockStart;
    while (offset < end) {
        const ssize_t count = ::pread(
            m_fd, buffer.data(), size_t(std::min<qint64>(buffer.size(), end - offset)), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        readBack.addData(QByteArrayView(buffer.constData(), count));
        offset += count;
    }
    return readBack.result() == m_writtenHash.result();
}

// What of this block went into the file: its opening line end and so many whole entry lines,
// and the start of one more when a write was cut short.
QString FilterFileWriter::leftInFile() const
{
    if (m_bytesWritten == 0)
        return Builder::tr("nothing of this Build");
    QString left = Builder::tr("this Build's empty line and %1")
                       .arg(entryCount(std::max<qsizetype>(0, m_lineEnds - 1)));
    if (m_bytesWritten > 0 && !m_endsWithLineEnd)
        left += Builder::tr(" and the start of one more line");
    return left;
}

} // namespace vantro
