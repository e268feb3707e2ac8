#pragma once

// What the filter files should hold, worked out here without the builder's code: the
// replacement cipher's substitution table, row by row as it is published to administrators, and
// the entry line built around a variant and its replacement.
#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <array>
#include <utility>

namespace model {

// Input and output of every row; any other character is copied.
inline constexpr std::array<std::pair<char, char>, 56> kCipherTable = {{
    {'a', 'z'}, {'b', 'x'}, {'c', '8'}, {'d', '9'}, {'e', 'w'}, {'f', 'v'}, {'g', 'u'}, {'h', 't'},
    {'i', 's'}, {'j', '2'}, {'k', 'r'}, {'l', 'q'}, {'m', 'o'}, {'n', 'p'}, {'o', '0'}, {'p', 'n'},
    {'q', '1'}, {'r', 'm'}, {'s', 'l'}, {'t', 'k'}, {'u', 'j'}, {'v', 'i'}, {'w', 'h'}, {'x', 'g'},
    {'y', 'f'}, {'z', 'e'}, {'$', 'd'}, {'.', 'c'}, {'-', 'b'}, {'_', 'a'}, {'A', 'Z'}, {'B', 'X'},
    {'C', '7'}, {'D', '6'}, {'E', 'W'}, {'F', 'V'}, {'G', 'U'}, {'H', 'T'}, {'I', 'S'}, {'J', '4'},
    {'K', 'R'}, {'L', 'Q'}, {'M', '0'}, {'N', 'P'}, {'O', '5'}, {'P', 'N'}, {'Q', '2'}, {'R', 'M'},
    {'S', 'L'}, {'T', 'K'}, {'U', 'J'}, {'V', 'I'}, {'W', 'H'}, {'X', 'G'}, {'Y', 'F'}, {'Z', 'E'},
}};

// The cipher's replacement; or the mask's, a star for every character but the space; or the
// mask that earlier versions wrote, a star for every character the cipher replaces.
enum class Mask
{
    None,
    Stars,
    Earlier,
};

inline QString replacement(const QString &variant, Mask mask)
{
    QString replaced;
    for (const QChar c : variant) {
        QChar out = c;
        if (mask == Mask::Stars && c != u' ')
            out = u'*';
        for (const auto &[input, output] : kCipherTable) {
            if (c == QLatin1Char(input) && mask != Mask::Stars) {
                out = QLatin1Char(mask == Mask::Earlier ? '*' : output);
                break;
            }
        }
        replaced += out;
    }
    return replaced;
}

inline QString replacement(const QString &variant)
{
    return replacement(variant, Mask::None);
}

// The file's code page for the characters that the tests and the built-in words use: Latin-1,
// the euro sign, the right single quotation mark and the oe ligature.
inline QByteArray codePage(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        if (c == QChar(0x20AC))
            bytes += '\x80';
        else if (c == QChar(0x2019))
            bytes += '\x92';
        else if (c == QChar(0x0152))
            bytes += '\x8C';
        else if (c == QChar(0x0153))
            bytes += '\x9C';
        else
            bytes += char(c.unicode());
    }
    return bytes;
}

inline QByteArray entryLine(const QString &text, const QString &replacement)
{
    return "{ \"" + codePage(text) + "\" \"" + codePage(replacement) + "\" }\r\n";
}

inline QByteArray entryLine(const QString &variant, Mask mask = Mask::None)
{
    return entryLine(variant, replacement(variant, mask));
}

// The block of one Build: its opening line end, then an entry line for every non-empty variant.
inline QByteArray block(const QStringList &variants, Mask mask = Mask::None)
{
    QByteArray bytes = "\r\n";
    for (const QString &variant : variants) {
        if (!variant.isEmpty())
            bytes += entryLine(variant, mask);
    }
    return bytes;
}

} // namespace model
