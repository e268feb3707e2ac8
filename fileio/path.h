#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vantro {

// File names are bytes, and need not be UTF-8. A name enters the program as text with each byte
// that is not part of a valid UTF-8 sequence held as the lone surrogate U+DC80 + byte (as Python's
// "surrogateescape" holds it), and goes back to the system as exactly the bytes it came from.
// Messages show such a byte as \xNN (see shownText()).

// The text of a name as the system gives it.
QString decodePath(QByteArrayView bytes);

// The bytes of a name for the system: the inverse of decodePath().
QByteArray encodePath(const QString &path);

// The program's arguments (argv[1..]) as names: decoded one by one with decodePath().
QStringList decodeArguments(int argc, const char *const *argv);

// The process's working directory as decodePath() gives it; empty when it cannot be told (it
// was removed, say).
QString currentDirectory();

// The path made absolute by the working directory, as currentDirectory() gives it; an absolute
// one as it is.
QString absolutePath(const QString &path);

// Whether anything stands at the path, a symbolic link that leads nowhere among them.
bool pathExists(const QString &path);

// Whether the path leads to a file: a symbolic link that leads nowhere does not.
bool pathLeadsToFile(const QString &path);

// Fails (Unreadable) when the path names no directory that files can go into, with the message
// "The directory "PATH" cannot be used: it does not exist." (or why else not).
Result<void> checkUsableDirectory(const QString &path);

// Makes the directory the process's working directory; fails (Unreadable) with the message
// "The directory "PATH" cannot be used: it cannot be entered.", or with WritePlace's refusal of
// a symbolic link of another account on the way: the files written there later by their names
// are written where such a link would have sent them.
Result<void> changeDirectory(const QString &path);

} // namespace vantro
