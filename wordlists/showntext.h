#pragma once

#include <QString>
#include <QStringView>

namespace vantro {

// Text from outside the program (a file's content, a word, a file name, the system's reason for
// a failure) as a message shows it: control characters as \xNN, everything else unchanged. Every
// message that carries such text inserts it through here, with the multi-argument
// QString::arg(), which does not scan inserted text for further place markers.
QString shownText(QStringView text);

} // namespace vantro
