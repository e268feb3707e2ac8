#include "fileio/safepath.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/path.h"
#include "fileio/tr.h"

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace vantro {

namespace {

// As many links as the kernel follows in one path.
constexpr int kMostLinks = 40;

QString ownerName(uid_t uid)
{
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return shownText(decodePath(found->pw_name));
    return fileio::Tr::tr("user ID %1").arg(uid);
}

// The names of a path, without the empty ones and ".".
QList<QByteArray> partsOf(const QByteArray &path)
{
    QList<QByteArray> parts = path.split('/');
    parts.removeIf([](const QByteArray &part) { return part.isEmpty() || part == "."; });
    return parts;
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace

WritePlace::WritePlace(QString path, int folder, QByteArray name)
    : m_path(std::move(path)), m_folder(folder), m_name(std::move(name))
{
}

WritePlace::WritePlace(WritePlace &&other) noexcept
    : m_path(std::move(other.m_path)), m_folder(std::exchange(other.m_folder, -1)),
      m_name(std::move(other.m_name))
{
}

WritePlace &WritePlace::operator=(WritePlace &&other) noexcept
{
    std::swap(m_path, other.m_path);
    std::swap(m_folder, other.m_folder);
    std::swap(m_name, other.m_name);
    return *this;
}

WritePlace::~WritePlace()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

Result<WritePlace> WritePlace::find(const QString &path, LastLink last)
{
    const auto failed = [&path](int error) {
        const QString reason = systemReason(error);
        return Error{ErrorKind::Failed,
                     fileio::Tr::tr("Cannot find \"%1\": %2.").arg(shownPath(path), reason),
                     reason};
    };
    const QByteArray bytes = encodePath(path);
    if (bytes.isEmpty())
        return failed(ENOENT);
    // Walked one name at a time, each opened without following a link, so that every link on
    // the way is looked at before it is followed.
    const auto openRoot = [](const QByteArray &from) {
        return ::open(from.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    };
    int folder = openRoot(bytes);
    if (folder < 0)
        return failed(errno);
    const auto moveTo = [&folder](int fd) {
        ::close(folder);
        folder = fd;
    };
    // The way walked so far, to name a link as the path names it.
    QByteArray walked = bytes.startsWith('/') ? "/" : (bytes.startsWith("./") ? "." : "");
    QList<QByteArray> rest = partsOf(bytes);
    int links = 0;
    while (!rest.isEmpty()) {
        const QByteArray part = rest.takeFirst();
        const bool lastPart = rest.isEmpty();
        const int fd = ::openat(folder, part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && lastPart)
            return WritePlace(path, folder, part); // a new file's name
        struct stat status
        {
        };
        if (fd < 0 || ::fstat(fd, &status) != 0) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            ::close(folder);
            return failed(error);
        }
        const QByteArray here = joined(walked, part);
        if (S_ISLNK(status.st_mode) && !(lastPart && last == LastLink::Keep)) {
            QByteArray target(qsizetype(status.st_size) + 1, Qt::Uninitialized);
            const ssize_t length = ::readlinkat(fd, "", target.data(), size_t(target.size()));
            const int error = length < 0 ? errno : (++links > kMostLinks ? ELOOP : 0);
            ::close(fd);
            if (status.st_uid != ::geteuid() && status.st_uid != 0) {
                ::close(folder);
                const QString owner = ownerName(status.st_uid);
                return Error{ErrorKind::Refused,
                             fileio::Tr::tr("\"%1\" is a symbolic link of %2, another account: a "
                                            "link is followed only when it is this user's or "
                                            "root's. Run the program as %2, or name the file the "
                                            "link leads to.")
                                 .arg(shownPath(decodePath(here)), owner)};
            }
            if (error != 0 || length == 0 || length >= target.size()) {
                ::close(folder);
                return failed(error != 0 ? error : (length == 0 ? ENOENT : EAGAIN));
            }
            target.truncate(length);
            rest = partsOf(target) + rest;
            if (target.startsWith('/')) {
                moveTo(openRoot(target));
                if (folder < 0)
                    return failed(errno);
                walked = "/";
            }
            if (rest.isEmpty()) // a link to "/" or "."
                rest.append(".");
            continue;
        }
        if (lastPart) {
            ::close(fd);
            return WritePlace(path, folder, part);
        }
        if (!S_ISDIR(status.st_mode)) {
            ::close(fd);
            ::close(folder);
            return failed(ENOTDIR);
        }
        moveTo(fd);
        walked = here;
    }
    return WritePlace(path, folder, QByteArrayLiteral("."));
}

Result<void> WritePlace::stillHere() const
{
    Result<WritePlace> now = find(m_path);
    if (!now)
        return now.error();
    struct stat before
    {
    };
    struct stat after
    {
    };
    if (::fstat(m_folder, &before) == 0 && ::fstat(now->folder(), &after) == 0 &&
        before.st_dev == after.st_dev && before.st_ino == after.st_ino && now->name() == m_name)
        return {};
    const QByteArray bytes = encodePath(m_path);
    const qsizetype slash = bytes.lastIndexOf('/');
    const QString folder =
        slash < 0 ? QStringLiteral(".") : decodePath(slash == 0 ? "/" : bytes.left(slash));
    return Error{ErrorKind::Refused,
                 fileio::Tr::tr("\"%1\" no longer leads to the file that was opened: its folder "
                                "\"%2\" was moved or replaced (by a symbolic link, say) since. "
                                "Nothing was written; open the file again to write it there.")
                     .arg(shownPath(m_path), shownPath(folder))};
}

} // namespace vantro
