#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace vantro {

// The 8-bit code page of the game server's text files. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D
// have no character in it; they read back as the control characters of the same number.

// True when the code page holds the character.
bool isWindows1252(char32_t c);

// The bytes of a text, one per character; nothing when a character has no byte.
std::optional<QByteArray> encodeWindows1252(QStringView text);

// Appends the bytes of the text and returns true; when a character has no byte, returns false and
// leaves the bytes as they were.
bool appendWindows1252(QByteArray &bytes, QStringView text);

// The text of bytes read from such a file.
QString decodeWindows1252(QByteArrayView bytes);

} // namespace vantro
