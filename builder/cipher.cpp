#include "builder/cipher.h"

#include <array>
#include <string_view>

namespace vantro {

namespace {

// The substitution table as input and output characters, pair by pair.
constexpr std::string_view kInputs = "abcdefghijklmnopqrstuvwxyz$.-_ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kOutputs = "zx89wvuts2rqop0n1mlkjihgfedcbaZX76WVUTS4RQ0P5N2MLKJIHGFE";
static_assert(kInputs.size() == 56 && kOutputs.size() == 56);

// Direct lookup by character code; zero where the table has no row.
constexpr std::array<char, 128> makeLookup()
{
    std::array<char, 128> lookup{};
    for (std::size_t i = 0; i < kInputs.size(); ++i)
        lookup[static_cast<unsigned char>(kInputs[i])] = kOutputs[i];
    return lookup;
}

constexpr std::array<char, 128> kLookup = makeLookup();

} // namespace

QString makeReplacement(const QString &word)
{
    QString replacement(word.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(replacement.data());
    for (const QChar c : word) {
        const char16_t code = c.unicode();
        *out++ = (code < kLookup.size() && kLookup[code] != 0) ? char16_t(kLookup[code]) : code;
    }
    return replacement;
}

QString makeMask(const QString &word)
{
    QString mask = word;
    for (QChar &c : mask) {
        if (c != u' ')
            c = u'*';
    }
    return mask;
}

QString makeReplacement(const QString &word, ReplacementStyle style)
{
    return style == ReplacementStyle::Mask ? makeMask(word) : makeReplacement(word);
}

std::optional<ReplacementStyle> filterStyleOf(QStringView text, QStringView replacement)
{
    if (text.size() != replacement.size())
        return std::nullopt;
    bool changed = false;
    bool cipher = true;
    bool mask = true;
    bool earlierMask = true;
    for (qsizetype i = 0; i < text.size() && (cipher || mask || earlierMask); ++i) {
        const char16_t code = text[i].unicode();
        const bool inTable = code < kLookup.size() && kLookup[code] != 0;
        const char16_t replaced = replacement[i].unicode();
        changed = changed || inTable;
        cipher = cipher && replaced == (inTable ? char16_t(kLookup[code]) : code);
        mask = mask && replaced == (code == u' ' ? u' ' : u'*');
        earlierMask = earlierMask && replaced == (inTable ? u'*' : code);
    }
    mask = mask || earlierMask;
    if (!changed || !(cipher || mask))
        return std::nullopt;
    return cipher ? ReplacementStyle::Cipher : ReplacementStyle::Mask;
}

} // namespace vantro
