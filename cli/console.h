#pragma once

#include <QByteArray>
#include <QString>

namespace vantro::cli {

// Text for the terminal, in UTF-8.
void writeOut(const QString &text);
void writeOut(const QByteArray &utf8);
void writeError(const QString &text);

// One line on standard error, behind the program's name, as Unix tools report errors.
void reportError(const QString &message);

} // namespace vantro::cli
