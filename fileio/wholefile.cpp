#include "fileio/wholefile.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/filereplace.h"
#include "fileio/safepath.h"
#include "fileio/tr.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

// How often a name that changes under the write is looked at again before the write gives up.
constexpr int kMostAttempts = 16;

Error changedMeanwhile(const QString &shown)
{
    return {ErrorKind::Failed, fileio::Tr::tr("\"%1\" was changed by someone else while it was "
                                              "being written; it was left as it is.")
                                   .arg(shown)};
}

// A new file at the place's name, which it takes only once it is complete: true, or false when
// another file took the name meanwhile. A file system without unnamed files gets the name at
// once, and loses it again on a failure.
Result<bool> createFile(const WritePlace &place, QByteArrayView bytes)
{
    const int folder = place.folder();
    const char *name = place.name().constData();
    const auto failed = [&](const QString &step, int error) {
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot write \"%1\": %2: %3.")
                         .arg(shownPath(place.path()), step, systemReason(error))};
    };
    bool named = false;
    int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) {
        named = true;
        fd = ::openat(folder, name, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            return false;
    }
    if (fd < 0)
        return failed(fileio::Tr::tr("a new file cannot be created in its folder"), errno);
    const auto giveUp = [&](Error error) {
        ::close(fd);
        if (named)
            ::unlinkat(folder, name, 0);
        return error;
    };
    if (const int error = writeAll(fd, bytes); error != 0)
        return giveUp(failed(fileio::Tr::tr("the new content cannot be written"), error));
    if (::fsync(fd) != 0)
        return giveUp(failed(fileio::Tr::tr("the new content cannot be saved to disk"), errno));
    if (!named) {
        const int error = linkUnnamedFile(fd, folder, name);
        if (error == EEXIST) {
            ::close(fd);
            return false;
        }
        if (error != 0)
            return giveUp(failed(fileio::Tr::tr("the new file cannot take its name"), error));
    }
    if (::close(fd) != 0)
        return failed(fileio::Tr::tr("the new content cannot be written"), errno);
    if (const int dir = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace

Result<void> writeWholeFile(const WritePlace &place, QByteArrayView bytes)
{
    const QString shown = shownPath(place.path());
    const int folder = place.folder();
    const char *name = place.name().constData();
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        // A FIFO or a device is refused before it is opened; a link that came to stand at the
        // name since the place was found is never followed.
        struct stat status
        {
        };
        if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(status.st_mode))
            return Error{ErrorKind::Refused, fileio::Tr::tr("\"%1\" is %2, not a regular file.")
                                                 .arg(shown, nonRegularFileKind(status.st_mode))};
        const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            const Result<bool> created = createFile(place, bytes);
            if (!created)
                return created.error();
            if (*created)
                return {};
            continue;
        }
        if (fd < 0 && errno == ELOOP)
            return changedMeanwhile(shown);
        if (fd < 0)
            return Error{
                ErrorKind::Failed,
                fileio::Tr::tr("Cannot write \"%1\": %2.").arg(shown, systemReason(errno))};
        FileReplacement replacement;
        Result<void> replaced = replacement.attach(place, fd);
        if (replaced)
            replaced = replacement.checkReplaceable();
        if (replaced)
            replaced = replacement.replace(bytes);
        ::close(fd);
        return replaced;
    }
    return changedMeanwhile(shown);
}

} // namespace vantro
