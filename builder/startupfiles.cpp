#include "startupfiles.h"

#include "buildertext.h"
#include "showntext.h"
#include "systemfile.h"
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {

const QString &instructionsText()
{
    static const QString text = [] {
        const QStringList lines = {
            QStringLiteral("Instructions"),
            QString(),
            QStringLiteral("Because of an exploit to crash servers, none of the localization "
                           "entries "),
            QStringLiteral("cannot be longer than the one you are modifying. To help with this "
                           "problem"),
            QStringLiteral(
                "you may use this to taylor and build the word filter entries for your "),
            QStringLiteral("localization file."),
            QString(),
            QStringLiteral("First you can add words to the list at the bottom left, or double "
                           "click on"),
            QStringLiteral("a word to remove it from the list. Next check whether you want to "
                           "write to"),
            QStringLiteral("the default localization file. If not, the text will be placed in a "
                           "file"),
            QStringLiteral("called badnames.txt. You can then edit it further then cut and paste"),
            QStringLiteral("the entries into you localization file."),
            QString(),
            QStringLiteral("The other selectable option will add more variations to the words, "
                           "but"),
            QStringLiteral("will also slow the boot of the server slightly."),
            QString(),
            QStringLiteral("If you cut and paste your own entries, place it after all the other"),
            QStringLiteral("localization entries."),
        };
        QString joined;
        for (const QString &line : lines)
            joined += line + QLatin1String("\r\n");
        return joined;
    }();
    return text;
}

QByteArray badWordFileBytes()
{
    return QByteArrayLiteral("//The following lines are part of the word filter\r\n\r\n");
}

std::optional<QString> rewriteBadWordFile(const QString &directory)
{
    const QString path = QDir(directory).filePath(QStringLiteral("badword.txt"));
    const QString shown = shownPath(path);
    const QByteArray encodedPath = QFile::encodeName(path);
    const auto failure = [&](const QString &reason) {
        return Builder::tr("Cannot write \"%1\": %2").arg(shown, reason);
    };
    const auto notRegular = [&](const QString &kind) {
        return failure(
            Builder::tr("it is %1; start-up rewrites only a regular file there.").arg(kind));
    };

    // The file is rewritten in place, so that its owner, mode and hard links stay and a
    // read-only directory does no harm. O_NOFOLLOW refuses a symbolic link, which would send
    // the write elsewhere; O_NONBLOCK keeps a FIFO from blocking the open; anything that is not
    // a regular file is refused before it is truncated.
    const int fd = ::open(encodedPath.constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int openError = errno;
        struct stat status = {};
        const QString kind = ::lstat(encodedPath.constData(), &status) == 0
                                 ? nonRegularFileKind(status.st_mode)
                                 : QString();
        return kind.isEmpty() ? failure(systemReason(openError)) : notRegular(kind);
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        const int statError = errno;
        ::close(fd);
        return failure(systemReason(statError));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular(nonRegularFileKind(status.st_mode));
    }

    // Each write's result is checked, so a short write (a full disk, a file-size limit) is a
    // failure. After a failure the file is emptied rather than left with a torn header line.
    int error = ::ftruncate(fd, 0) == 0 ? writeAll(fd, badWordFileBytes()) : errno;
    bool emptied = false;
    if (error != 0)
        emptied = ::ftruncate(fd, 0) == 0;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    QString message = failure(systemReason(error));
    if (emptied)
        message += QLatin1String(". ") + Builder::tr("The file was left empty.");
    return message;
}

} // namespace vantro
