#include "fileio/appendfile.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/filelock.h"
#include "fileio/path.h"
#include "fileio/safepath.h"
#include "fileio/tr.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

// How often a name that changes under the open is looked for again before the open gives up.
constexpr int kMostFinds = 16;

QString writingFailed()
{
    return fileio::Tr::tr("Writing to \"%1\" failed: %2.");
}

} // namespace

// The message fills in the path and the system's reason, which is also the cause.
Error AppendFile::failure(const QString &what, int error) const
{
    const QString reason = systemReason(error);
    return {ErrorKind::Failed, what.arg(shownPath(m_path), reason), reason};
}

AppendFile::AppendFile(QString path) : m_path(std::move(path)) {}

AppendFile::~AppendFile()
{
    closeQuietly(); // the bytes written stay
}

void AppendFile::closeQuietly()
{
    if (m_fd >= 0)
        ::close(m_fd); // also releases the lock
    m_fd = -1;
}

Result<void> AppendFile::open(const AppendOptions &options)
{
    closeQuietly();
    if (auto opened = openLocked(options); !opened)
        return opened;
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        const int error = errno;
        closeQuietly();
        return failure(fileio::Tr::tr("Cannot look at \"%1\": %2."), error);
    }
    m_sizeAtOpen = info.st_size;
    m_bytesWritten = 0;
    return {};
}

Result<void> AppendFile::adopt(int fd)
{
    closeQuietly();
    m_fd = fd;
    m_bytesWritten = 0;
    m_created = false;
    m_readable = true;
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        const int error = errno;
        closeQuietly();
        return Error{ErrorKind::Failed, fileio::Tr::tr("Cannot look at \"%1\": %2.")
                                            .arg(shownPath(m_path), systemReason(error))};
    }
    m_sizeAtOpen = info.st_size;
    return {};
}

Result<void> AppendFile::openLocked(const AppendOptions &options)
{
    const auto refusal = [this](unsigned mode) -> std::optional<Error> {
        const QString kind = nonRegularFileKind(mode);
        if (kind.isEmpty())
            return std::nullopt;
        closeQuietly();
        return Error{
            ErrorKind::Refused,
            fileio::Tr::tr("\"%1\" is %2, not a regular file.").arg(shownPath(m_path), kind), kind};
    };
    const QString cannotOpen = fileio::Tr::tr("Cannot open \"%1\" for appending: %2");

    LockWaiter waiter(options);
    for (int found = 1;; ++found) {
        const Result<WritePlace> place = WritePlace::find(m_path);
        if (!place)
            return place.kind() == ErrorKind::Refused
                       ? place.error()
                       : Error{ErrorKind::Failed,
                               cannotOpen.arg(shownPath(m_path), place.error().cause),
                               place.error().cause};
        const int folder = place->folder();
        const char *name = place->name().constData();
        // Read access too, so that a block can be read back before it is cut off again. Never
        // through a link: one that came to stand at the name since it was found is looked at
        // again.
        const auto openWith = [&](int flags) {
            constexpr int kCommon = O_APPEND | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
            m_readable = true;
            int fd = ::openat(folder, name, O_RDWR | kCommon | flags, 0666);
            if (fd < 0 && errno == EACCES) {
                m_readable = false;
                fd = ::openat(folder, name, O_WRONLY | kCommon | flags, 0666);
            }
            return fd;
        };
        // A FIFO, a device or a directory is refused before it is opened, and the open cannot
        // block should one take the file's place meanwhile.
        struct stat info
        {
        };
        if (::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISLNK(info.st_mode))
            if (auto refused = refusal(info.st_mode))
                return *refused;
        m_created = false;
        m_fd = openWith(0);
        if (m_fd < 0 && errno == ENOENT) {
            m_fd = openWith(O_CREAT | O_EXCL);
            m_created = m_fd >= 0;
        }
        // Created, or put in its place, by another program meanwhile: found again.
        if (m_fd < 0 && (errno == EEXIST || errno == ELOOP) && found < kMostFinds)
            continue;
        if (m_fd < 0) {
            const int error = errno;
            if (::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                if (auto refused = refusal(info.st_mode))
                    return *refused;
            return failure(cannotOpen, error);
        }
        if (::fstat(m_fd, &info) == 0)
            if (auto refused = refusal(info.st_mode))
                return *refused;

        if (Result<void> locked = waiter.lock(m_fd, m_path); !locked) {
            closeQuietly();
            return locked;
        }
        if (pathNamesFile())
            return {};
        closeQuietly(); // replaced or removed by the writer that held the lock
    }
}

Result<void> AppendFile::write(QByteArrayView bytes)
{
    if (m_fd < 0) {
        const QString reason = fileio::Tr::tr("The file is not open");
        return Error{ErrorKind::Failed, writingFailed().arg(shownPath(m_path), reason), reason};
    }
    qsizetype written = 0;
    const int error = writeAll(m_fd, bytes, &written);
    m_bytesWritten += written;
    if (error != 0)
        return failure(writingFailed(), error);
    return {};
}

bool AppendFile::pathNamesFile() const
{
    return m_fd >= 0 && pathNamesOpenFile(m_path, m_fd);
}

Result<qint64> AppendFile::size() const
{
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0)
        return failure(fileio::Tr::tr("Cannot look at \"%1\": %2."), errno);
    return qint64(info.st_size);
}

Result<void> AppendFile::readBack(qint64 start, qint64 length,
                                  const std::function<void(QByteArrayView)> &sink) const
{
    QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
    const qint64 end = start + length;
    qint64 offset = start;
    while (offset < end) {
        const ssize_t count = ::pread(
            m_fd, buffer.data(), size_t(std::min<qint64>(buffer.size(), end - offset)), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return failure(fileio::Tr::tr("Reading \"%1\" back failed: %2."),
                           count == 0 ? EIO : errno);
        sink(QByteArrayView(buffer.constData(), count));
        offset += count;
    }
    return {};
}

Result<void> AppendFile::truncate(qint64 size)
{
    if (::ftruncate(m_fd, size) != 0)
        return failure(fileio::Tr::tr("Cutting \"%1\" back failed: %2."), errno);
    return {};
}

Result<void> AppendFile::removeName()
{
    const auto failed = [this](int error) {
        return failure(fileio::Tr::tr("Removing \"%1\" failed: %2."), error);
    };
    // A link at the path leads to the file's own name: that name goes, the link stays. Removed
    // through the folder that holds the name, once it is sure to be this file's.
    const Result<WritePlace> place = WritePlace::find(m_path);
    if (!place)
        return place.error();
    struct stat open
    {
    };
    struct stat named
    {
    };
    const char *name = place->name().constData();
    if (::fstat(m_fd, &open) != 0 ||
        ::fstatat(place->folder(), name, &named, AT_SYMLINK_NOFOLLOW) != 0)
        return failed(errno);
    if (open.st_dev != named.st_dev || open.st_ino != named.st_ino)
        return failed(ESTALE);
    if (::unlinkat(place->folder(), name, 0) != 0)
        return failed(errno);
    return {};
}

bool AppendFile::pathExists() const
{
    return vantro::pathExists(m_path);
}

bool AppendFile::fileHasName() const
{
    struct stat info
    {
    };
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && info.st_nlink > 0;
}

Result<void> AppendFile::close()
{
    if (m_fd < 0)
        return {};
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0)
        return failure(writingFailed(), errno);
    return {};
}

} // namespace vantro
