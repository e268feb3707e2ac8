#pragma once

#include <QString>
#include <QStringView>

namespace vantro {

// C0 and C1 control characters and DEL: no filter entry may hold one, and no message shows one
// raw, as it could drive the terminal.
bool isControlCharacter(char32_t c);

// Text from outside the program (a file's content, a word, a file name, the system's reason for
// a failure) as a message shows it: control characters as \xNN, everything else unchanged. Every
// message that carries such text inserts it through here, with the multi-argument
// QString::arg(), which does not scan inserted text for further place markers.
QString shownText(QStringView text);

} // namespace vantro
