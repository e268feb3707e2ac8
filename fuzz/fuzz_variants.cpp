// Variants and cipher: a word's variants keep its length (plus one mark), their replacements
// have exactly their length and differ only where the substitution table has a row, and every
// entry line of a writable word's variants is 2L + 11 bytes in the server's code page.
#include "builder/cipher.h"
#include "builder/entryformat.h"
#include "builder/variants.h"
#include "fuzzcheck.h"
#include "wordlists/casefold.h"
#include "wordlists/listorder.h"
#include "wordlists/sortedtextlist.h"
#include "wordlists/windows1252.h"
#include "wordlists/wordcheck.h"

#include <QStringList>

#include <array>

using namespace vantro;

namespace {

// The characters that the substitution table has a row for.
bool inTable(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'$' || u == u'.' ||
           u == u'-' || u == u'_';
}

void checkReplacement(const QString &variant)
{
    // One fixed table: a character is always replaced by the same character, wherever it stands.
    static std::array<char16_t, 0x10000> seen{}; // zero: not seen yet
    const QString replacement = makeReplacement(variant);
    FUZZ_CHECK(replacement.size() == variant.size(), variant);
    for (qsizetype i = 0; i < variant.size(); ++i) {
        const QChar from = variant.at(i);
        const QChar to = replacement.at(i);
        if (!inTable(from))
            FUZZ_CHECK(to == from, variant);
        else
            FUZZ_CHECK(to.unicode() < 128 && to.isLetterOrNumber(), variant);
        char16_t &known = seen[from.unicode()];
        if (known != 0)
            FUZZ_CHECK(known == to.unicode(), variant);
        known = to.unicode();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool maxUsage = data[0] & 1;
    const QString input = textFromBytes(data + 1, size - 1);
    checkReplacement(input);

    QStringList words = input.split(u'\n');
    if (words.size() > 8)
        words.resize(8);
    SortedTextList wordList;
    for (const QString &typed : words) {
        const NewWord word = prepareNewWord(typed);
        if (word.text.isEmpty())
            continue;
        const QStringList variants = expandWord(word.text, maxUsage);
        FUZZ_CHECK(variants.size() == (maxUsage ? 18 : 9), typed);
        for (const QString &variant : variants) {
            FUZZ_CHECK(variant.size() == word.text.size() || variant.size() == word.text.size() + 1,
                       typed);
            checkReplacement(variant);
            if (!word.checked)
                continue;
            // A writable word has writable variants, each written as a line of 2L + 11 bytes.
            FUZZ_CHECK(checkWord(variant).hasValue(), typed);
            const QString line = formatFilterEntry(variant, makeReplacement(variant));
            const std::optional<QByteArray> bytes = encodeWindows1252(line);
            FUZZ_CHECK(bytes.has_value(), typed);
            FUZZ_CHECK(bytes->size() == 2 * variant.size() + 11, typed);
            FUZZ_CHECK(bytes->endsWith("\r\n"), typed);
        }
        if (word.checked)
            wordList.addItem(word.text);
    }

    // The variant list of a Build: in list order, every text once.
    const SortedTextList variantList = buildVariantList(sourceListFrom(wordList), maxUsage);
    for (qsizetype i = 1; i < variantList.count(); ++i)
        FUZZ_CHECK(listOrderLess(variantList.at(i - 1), variantList.at(i)), variantList.at(i));
    return 0;
}
