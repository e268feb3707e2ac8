#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace vantro {

// Whether the last name of a path is followed when it is a symbolic link.
enum class LastLink
{
    Follow, // the file it leads to is the one written (a link that leads nowhere: the name it
            // names)
    Keep,   // the link itself is the one found; the writer refuses it
};

// Where a file is written: its folder, held open, and its name in that folder. Every file the
// programs write is found this way, so that a link planted by another account cannot send the
// write elsewhere: a symbolic link met on the way (in any folder of the path, or as its last
// name) is followed only when it belongs to the user the process runs as or to root. A link of
// any other account is refused, naming the link and its owner. The folder stays the one found,
// also when its path is changed afterwards; the writer opens the name in it without following a
// link, and finds the place again when a link has come to stand there meanwhile.
class WritePlace
{
public:
    // Refused for a link of another account; Failed (the cause the system's reason) when the path
    // leads nowhere: a missing folder, too many links, a folder that may not be searched.
    static Result<WritePlace> find(const QString &path, LastLink last = LastLink::Follow);

    WritePlace(WritePlace &&other) noexcept;
    WritePlace &operator=(WritePlace &&other) noexcept;
    ~WritePlace();

    const QString &path() const { return m_path; }
    int folder() const { return m_folder; } // an O_PATH descriptor, for the *at() calls
    const QByteArray &name() const { return m_name; }

    // Whether the path still leads to this folder and name. Refused, naming the folder, when its
    // folder was moved or put in another's place (by a link, say) since it was found.
    Result<void> stillHere() const;

private:
    WritePlace(QString path, int folder, QByteArray name);

    QString m_path;
    int m_folder = -1;
    QByteArray m_name;
};

} // namespace vantro
