// Windows-1252 both ways: a byte string decodes to a text that encodes back to the same bytes
// (unless it holds one of the five bytes without a character), and a text encodes exactly when
// every character is in the code page, one byte each.
#include "fuzzcheck.h"
#include "wordlists/windows1252.h"

#include <QList>
#include <QStringView>

using namespace vantro;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString shownBytes = QString::fromLatin1(bytes.toHex());

    // Bytes to text and back. The five bytes without a character read as the control
    // characters of their number, which the code page cannot write again.
    const QString decoded = decodeWindows1252(bytes);
    FUZZ_CHECK(decoded.size() == bytes.size(), shownBytes);
    bool everyByteHasCharacter = true;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        const bool unassigned =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        everyByteHasCharacter = everyByteHasCharacter && !unassigned;
        if (unassigned)
            FUZZ_CHECK(decoded.at(i).unicode() == byte, shownBytes);
        FUZZ_CHECK(isWindows1252(decoded.at(i).unicode()) == !unassigned, shownBytes);
    }
    const std::optional<QByteArray> again = encodeWindows1252(decoded);
    FUZZ_CHECK(again.has_value() == everyByteHasCharacter, shownBytes);
    FUZZ_CHECK(!again || *again == bytes, shownBytes);

    // Text to bytes and back, for the same input read as UTF-8.
    const QString text = textFromBytes(data, size);
    bool everyCharacterFits = true;
    for (const char32_t c : text.toUcs4())
        everyCharacterFits = everyCharacterFits && isWindows1252(c);
    const std::optional<QByteArray> encoded = encodeWindows1252(text);
    FUZZ_CHECK(encoded.has_value() == everyCharacterFits, text);
    if (encoded) {
        FUZZ_CHECK(encoded->size() == text.size(), text);
        FUZZ_CHECK(decodeWindows1252(*encoded) == text, text);
    }

    // Appending adds exactly those bytes, or leaves what was there.
    QByteArray appended = bytes;
    const bool appendedOk = appendWindows1252(appended, text);
    FUZZ_CHECK(appendedOk == encoded.has_value(), text);
    FUZZ_CHECK(appended == (encoded ? bytes + *encoded : bytes), text);
    return 0;
}
