#include "fileio/path.h"

#include "common/showntext.h"
#include "fileio/descriptor.h"
#include "fileio/safepath.h"
#include "fileio/tr.h"

#include <QStringDecoder>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence that starts at bytes[i], or 0 when none does.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return uchar(bytes[at]); };
    const uchar lead = byte(i);
    qsizetype length = 0;
    char32_t least = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no valid UTF-8.
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decodePath(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            text += QChar(b);
            ++i;
            continue;
        }
        if (const qsizetype length = sequenceLength(bytes, i)) {
            text += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
            continue;
        }
        text += QChar(char16_t(kEscapeBase + b));
        ++i;
    }
    return text;
}

QByteArray encodePath(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0; // the first character not yet encoded
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path.at(i).unicode();
        if (c < kEscapeBase + 0x80 || c > kEscapeBase + 0xFF)
            continue;
        // A lone low surrogate (no high one before it) stands for the byte it escapes.
        if (i > 0 && QChar::isHighSurrogate(path.at(i - 1).unicode()))
            continue;
        bytes += QStringView(path).sliced(start, i - start).toUtf8();
        bytes += char(c - kEscapeBase);
        start = i + 1;
    }
    bytes += QStringView(path).sliced(start).toUtf8();
    return bytes;
}

QStringList decodeArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decodePath(argv[i]));
    return arguments;
}

QString currentDirectory()
{
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    for (;;) {
        if (::getcwd(buffer.data(), size_t(buffer.size())))
            return decodePath(buffer.constData());
        if (errno != ERANGE)
            return QString();
        buffer.resize(buffer.size() * 2);
    }
}

QString absolutePath(const QString &path)
{
    return path.startsWith(u'/') ? path : currentDirectory() + u'/' + path;
}

bool pathExists(const QString &path)
{
    struct stat status
    {
    };
    return ::lstat(encodePath(path).constData(), &status) == 0;
}

bool pathLeadsToFile(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(encodePath(path).constData(), &status) == 0;
}

Result<void> checkUsableDirectory(const QString &path)
{
    struct stat status
    {
    };
    QString reason;
    if (::stat(encodePath(path).constData(), &status) != 0)
        reason = errno == ENOENT ? fileio::Tr::tr("it does not exist") : systemReason(errno);
    else if (!S_ISDIR(status.st_mode))
        reason = fileio::Tr::tr("it is not a directory");
    if (reason.isEmpty())
        return {};
    return Error{
        ErrorKind::Unreadable,
        fileio::Tr::tr("The directory \"%1\" cannot be used: %2.").arg(shownPath(path), reason)};
}

Result<void> changeDirectory(const QString &path)
{
    // The folder is found as a written file's folder is, so that the files written there later
    // (by their names in it) are not sent elsewhere by a link of another account.
    const Result<WritePlace> place = WritePlace::find(path);
    if (!place && place.kind() == ErrorKind::Refused)
        return Error{ErrorKind::Unreadable, place.message()};
    const int fd = place ? ::openat(place->folder(), place->name().constData(),
                                    O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                         : -1;
    const bool entered = fd >= 0 && ::fchdir(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (entered)
        return {};
    return Error{ErrorKind::Unreadable,
                 fileio::Tr::tr("The directory \"%1\" cannot be used: it cannot be entered.")
                     .arg(shownPath(path))};
}

} // namespace vantro
