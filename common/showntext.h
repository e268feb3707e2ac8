#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QCommandLineParser;

namespace vantro {

// C0 and C1 control characters and DEL: no filter entry may hold one, and no message shows one
// raw, as it could drive the terminal (see shownText()).
bool isControlCharacter(char32_t c);

// Text from outside the program (a file's content, a word, a file name, the system's reason for
// a failure) as a message shows it, so that no character in it can reorder, split or drive the
// terminal's line: C0 and C1 control characters and DEL as \xNN; a lone surrogate that holds a
// byte of a file name that is no UTF-8 (see fileio/path.h) as that byte, \xNN; format characters
// (U+202E, U+200B, the byte-order mark U+FEFF, ...), the separators U+2028 and U+2029 and other
// lone surrogates as \u{XXXX}; everything else unchanged. Every message that carries such text
// inserts it through here, with the multi-argument QString::arg(), which does not scan inserted
// text for further place markers.
QString shownText(QStringView text);

// One character named on its own in a message, as shownText() shows it; a combining mark, which
// would join the character before it (a quote), stands on a dotted circle.
QString shownCharacter(char32_t c);

// The error of a command line (arguments, the program's name first) that QCommandLineParser could
// not read, with the option it names in double quotes, as every other message quotes outside
// text, an unknown option as it was typed ("--mask"), and shown through shownText().
QString parserError(const QCommandLineParser &parser, const QStringList &arguments);

// An option that QCommandLineParser names without its dashes, as it was typed in the arguments.
QString typedOption(const QString &name, const QStringList &arguments);

// Text as one word of a shell command line that a message gives to copy: unchanged when it holds
// only letters, digits and ./_-+=:,@%, else in single quotes (a quote inside as '\''); shown
// through shownText().
QString shellWord(const QString &text);

// A file's path as messages show it: with the platform's separators, through shownText().
QString shownPath(const QString &path);

} // namespace vantro
