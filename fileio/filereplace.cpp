#include "fileio/filereplace.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/filelock.h"
#include "fileio/path.h"
#include "fileio/safepath.h"
#include "fileio/tr.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <utility>

namespace vantro {

namespace {

constexpr int kTemporarySuffixLength = 6;

// Takes over the old file's owner and group, or as much of them as the process may set: a user
// who is no root can give a file only to one of their own groups.
void takeOverOwner(int fd, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool sameTime(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the content may differ: every write changes the size or the modification time, and
// setting the modification time back changes the change time.
bool sameContent(const struct stat &a, const struct stat &b)
{
    return a.st_size == b.st_size && sameTime(a.st_mtim, b.st_mtim) &&
           sameTime(a.st_ctim, b.st_ctim);
}

// ".NAME.vantro-", the start of every temporary name of ours for the file NAME.
QByteArray temporaryPrefix(const QByteArray &name)
{
    return '.' + name + ".vantro-";
}

QByteArray temporaryName(const QByteArray &name)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray result = temporaryPrefix(name);
    for (int i = 0; i < kTemporarySuffixLength; ++i)
        result += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return result;
}

// Removes the regular files of ours that an earlier run left when it was killed before it could
// remove its new file (only a named one can be left). Only while the name holds the file that
// this run locked: a run on a file already replaced may not take another run's new file away.
void removeStaleTemporaries(int dirFd, const QByteArray &name)
{
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    DIR *dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return;
    }
    const QByteArray prefix = temporaryPrefix(name);
    QList<QByteArray> stale;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (entryName.size() == prefix.size() + kTemporarySuffixLength &&
            entryName.startsWith(prefix))
            stale.append(entryName);
    }
    ::closedir(dir);
    for (const QByteArray &entryName : stale) {
        struct stat status
        {
        };
        if (::fstatat(dirFd, entryName.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            ::unlinkat(dirFd, entryName.constData(), 0);
    }
}

// Copies every extended attribute that the process can read, the ACLs included, from one file
// to another. 0, or the errno of the step that failed with the attribute's name.
int copyAttributes(int from, int to, QByteArray *failedName)
{
    QByteArray names;
    for (;;) {
        const ssize_t size = ::flistxattr(from, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? 0 : errno;
        names.resize(size);
        const ssize_t listed = size == 0 ? 0 : ::flistxattr(from, names.data(), size_t(size));
        if (listed >= 0) {
            names.resize(listed);
            break;
        }
        if (errno != ERANGE)
            return errno;
    }
    for (const QByteArray &name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        *failedName = name;
        QByteArray value;
        for (;;) {
            const ssize_t size = ::fgetxattr(from, name.constData(), nullptr, 0);
            if (size < 0)
                return errno;
            value.resize(size);
            const ssize_t got =
                size == 0 ? 0 : ::fgetxattr(from, name.constData(), value.data(), size_t(size));
            if (got >= 0) {
                value.resize(got);
                break;
            }
            if (errno != ERANGE)
                return errno;
        }
        if (::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return errno;
    }
    failedName->clear();
    return 0;
}

} // namespace

FileReplacement::FileReplacement(ReplaceHooks hooks) : m_hooks(std::move(hooks)) {}

FileReplacement::~FileReplacement()
{
    if (m_dirFd >= 0)
        ::close(m_dirFd);
    if (m_newFd >= 0)
        ::close(m_newFd);
}

void FileReplacement::reach(ReplaceStep step) const
{
    if (m_hooks.reached)
        m_hooks.reached(step);
}

int FileReplacement::takeNewFile()
{
    return std::exchange(m_newFd, -1);
}

Result<void> FileReplacement::attach(const QString &path, int fd)
{
    // The path is resolved once, here: every later step goes through the folder found now.
    const Result<WritePlace> place = WritePlace::find(path);
    if (!place)
        return place.error();
    return attach(*place, fd);
}

Result<void> FileReplacement::attach(const WritePlace &place, int fd)
{
    m_path = place.path();
    m_shown = shownPath(m_path);
    m_fd = fd;
    if (::fstat(fd, &m_status) != 0)
        return Error{
            ErrorKind::Failed,
            fileio::Tr::tr("Cannot look at \"%1\": %2.").arg(m_shown, systemReason(errno))};
    if (const QString kind = nonRegularFileKind(m_status.st_mode); !kind.isEmpty())
        return Error{ErrorKind::Unreadable,
                     fileio::Tr::tr("\"%1\" is %2, not a regular file.").arg(m_shown, kind)};
    // Noted again by lock(); a caller that takes no lock reads the file before attaching it.
    m_locked = m_status;
    m_name = place.name();
    m_dirFd = ::fcntl(place.folder(), F_DUPFD_CLOEXEC, 0);
    if (m_dirFd < 0)
        return Error{ErrorKind::Failed, fileio::Tr::tr("Cannot open the folder of \"%1\": %2.")
                                            .arg(m_shown, systemReason(errno))};
    struct stat named
    {
    };
    if (::fstatat(m_dirFd, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(named, m_status))
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("\"%1\" was replaced while it was being opened.").arg(m_shown)};
    return {};
}

Result<void> FileReplacement::lock(LockWaiter &waiter)
{
    if (Result<void> locked = waiter.lock(m_fd, m_path); !locked)
        return locked;
    reach(ReplaceStep::Locked);
    if (::fstat(m_fd, &m_locked) != 0)
        return Error{
            ErrorKind::Failed,
            fileio::Tr::tr("Cannot look at \"%1\": %2.").arg(m_shown, systemReason(errno))};
    return {};
}

Result<void> FileReplacement::checkReplaceable() const
{
    struct stat status
    {
    };
    if (::fstat(m_fd, &status) != 0)
        return Error{
            ErrorKind::Failed,
            fileio::Tr::tr("Cannot look at \"%1\": %2.").arg(m_shown, systemReason(errno))};
    if (status.st_nlink > 1)
        return Error{ErrorKind::Refused,
                     fileio::Tr::tr("\"%1\" has %n names (hard links); a new file in its place "
                                    "would leave the old content under the others. Remove the "
                                    "other links and give it its one name, or work on a copy.",
                                    nullptr, int(status.st_nlink))
                         .arg(m_shown)};
    if (::faccessat(m_dirFd, m_name.constData(), W_OK, AT_EACCESS) != 0)
        return Error{ErrorKind::Refused,
                     fileio::Tr::tr("\"%1\" may not be written by this user (%2); only a file "
                                    "that its user could write to is replaced.")
                         .arg(m_shown, systemReason(errno))};
    return {};
}

Result<void> FileReplacement::replace(QByteArrayView bytes,
                                      const std::function<bool()> &stopRequested, bool keepOpen)
{
    const auto failure = [&](const QString &step, int error) {
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot replace \"%1\": %2 failed: %3. The file was left as "
                                    "it was.")
                         .arg(m_shown, step, systemReason(error))};
    };
    const auto stopped = [&] {
        return Error{ErrorKind::Stopped, fileio::Tr::tr("\"%1\" was left as it was.").arg(m_shown)};
    };
    const auto stopping = [&] { return stopRequested && stopRequested(); };

    struct stat old
    {
    };
    if (::fstat(m_fd, &old) != 0)
        return failure(fileio::Tr::tr("looking at the file"), errno);
    if (struct stat current{};
        ::fstatat(m_dirFd, m_name.constData(), &current, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameFile(current, old))
        removeStaleTemporaries(m_dirFd, m_name);

    // The new file has no name until it is complete, so that a killed process leaves nothing;
    // a file system without unnamed files gets a named one, which the next run removes.
    bool named = m_hooks.namedTemporaryOnly;
    // A kept file is read back by a Build that takes its block out again.
    const int access = keepOpen ? O_RDWR : O_WRONLY;
    int fd = -1;
    if (!named) {
        fd = ::openat(m_dirFd, ".", O_TMPFILE | access | O_CLOEXEC, 0600);
        if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR))
            named = true;
        else if (fd < 0)
            return failure(fileio::Tr::tr("creating the new file beside it"), errno);
    }
    QByteArray temporary;
    if (named) {
        do {
            temporary = temporaryName(m_name);
            fd = ::openat(m_dirFd, temporary.constData(),
                          O_CREAT | O_EXCL | access | O_NOFOLLOW | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EEXIST);
        if (fd < 0)
            return failure(fileio::Tr::tr("creating the new file beside it"), errno);
    }
    // Takes back the new file.
    const auto giveUp = [&](Error error) {
        if (fd >= 0)
            ::close(fd);
        if (!temporary.isEmpty())
            ::unlinkat(m_dirFd, temporary.constData(), 0);
        return error;
    };

    if (const int error = writeAll(fd, bytes))
        return giveUp(failure(fileio::Tr::tr("writing the new file"), error));
    // The owner first: giving a file away clears its set-user-ID and set-group-ID bits. The
    // attributes last: an ACL sets the group bits of the mode.
    takeOverOwner(fd, old);
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return giveUp(failure(fileio::Tr::tr("setting the permissions of the new file"), errno));
    QByteArray attribute;
    if (const int error = copyAttributes(m_fd, fd, &attribute))
        return giveUp(failure(fileio::Tr::tr("copying the extended attribute \"%1\"")
                                  .arg(shownText(QString::fromUtf8(attribute))),
                              error));
    if (::fsync(fd) != 0)
        return giveUp(failure(fileio::Tr::tr("syncing the new file"), errno));
    reach(ReplaceStep::Written);
    if (stopping())
        return giveUp(stopped());

    if (!named) {
        int error = 0;
        do {
            temporary = temporaryName(m_name);
            error = linkUnnamedFile(fd, m_dirFd, temporary.constData());
        } while (error == EEXIST);
        if (error != 0) {
            temporary.clear();
            return giveUp(failure(fileio::Tr::tr("giving the new file a name"), error));
        }
    }
    if (keepOpen) {
        // Locked before it has its final name: a writer that opens it there finds it held.
        if (const auto error = tryLockFile(fd))
            return giveUp(failure(fileio::Tr::tr("locking the new file"), *error));
    } else {
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0)
            return giveUp(failure(fileio::Tr::tr("writing the new file"), errno));
    }
    reach(ReplaceStep::Linked);
    if (stopping())
        return giveUp(stopped());

    // The name must still hold the file that was read and locked: another account may have
    // renamed it away and put another file or a link in its place.
    struct stat current
    {
    };
    if (::fstatat(m_dirFd, m_name.constData(), &current, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(current, old))
        return giveUp(Error{ErrorKind::Failed,
                            fileio::Tr::tr("Cannot replace \"%1\": another program renamed, "
                                           "removed or replaced it while it was tidied. Nothing "
                                           "was changed.")
                                .arg(m_shown)});
    // A writer that takes no lock may have added to the file since it was read; its bytes would
    // go with the old file.
    if (::fstat(m_fd, &current) != 0)
        return giveUp(failure(fileio::Tr::tr("looking at the file"), errno));
    if (!sameContent(current, m_locked)) {
        m_changedMeanwhile = true;
        return giveUp(Error{ErrorKind::Failed,
                            fileio::Tr::tr("Cannot replace \"%1\": another program changed it "
                                           "while it was tidied. Nothing was changed.")
                                .arg(m_shown)});
    }
    // A rename replaces the name itself, and never follows a link there.
    if (keepOpen && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND) != 0)
        return giveUp(failure(fileio::Tr::tr("opening the new file for appending"), errno));
    if (::renameat(m_dirFd, temporary.constData(), m_dirFd, m_name.constData()) != 0)
        return giveUp(failure(fileio::Tr::tr("renaming the new file to its name"), errno));
    m_newFd = std::exchange(fd, -1);
    if (const int dirFd = ::openat(m_dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    reach(ReplaceStep::Renamed);
    return {};
}

} // namespace vantro
