#include "app/startupfiles.h"

#include "app/tr.h"
#include "common/showntext.h"
#include "fileio/inplacerewrite.h"

#include <QDir>
#include <QStringList>

namespace vantro {

const QString &instructionsText()
{
    // One message, so that a translation words the instructions as a whole; its lines end in CR
    // LF in the box, the last one too.
    static const QString text = [] {
        QString lines = app::Tr::tr(
            "Instructions\n"
            "\n"
            "Because of an exploit to crash servers, none of the localization entries \n"
            "cannot be longer than the one you are modifying. To help with this problem\n"
            "you may use this to taylor and build the word filter entries for your \n"
            "localization file.\n"
            "\n"
            "First you can add words to the list at the bottom left, or double click on\n"
            "a word to remove it from the list. Next check whether you want to write to\n"
            "the default localization file. If not, the text will be placed in a file\n"
            "called badnames.txt. You can then edit it further then cut and paste\n"
            "the entries into you localization file.\n"
            "\n"
            "The other selectable option will add more variations to the words, but\n"
            "will also slow the boot of the server slightly.\n"
            "\n"
            "If you cut and paste your own entries, place it after all the other\n"
            "localization entries.\n");
        if (!lines.endsWith(u'\n'))
            lines += u'\n';
        return lines.replace(u'\n', QLatin1String("\r\n"));
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
