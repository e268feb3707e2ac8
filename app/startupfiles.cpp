#include "app/startupfiles.h"

#include "app/tr.h"
#include "common/showntext.h"
#include "fileio/inplacerewrite.h"

#include <QDir>
#include <QStringList>

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

Result<void> rewriteBadWordFile(const QString &directory)
{
    const QString path = QDir(directory).filePath(QStringLiteral("badword.txt"));
    const Result<void> rewritten = rewriteInPlace(path, badWordFileBytes());
    // A refusal with a cause names the kind of file found; a link on the way says it all.
    if (rewritten || rewritten.kind() != ErrorKind::Refused || rewritten.error().cause.isEmpty())
        return rewritten;
    return Error{ErrorKind::Refused,
                 app::Tr::tr("Cannot write \"%1\": it is %2; start-up rewrites only a regular "
                             "file there.")
                     .arg(shownPath(path), rewritten.error().cause)};
}

} // namespace vantro
