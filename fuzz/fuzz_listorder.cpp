// The list order is a strict weak ordering (in fact total: only identical texts compare equal),
// its order key agrees with its first step, and the one-go sort of a list gives the same list as
// adding the texts one by one.
#include "fuzzcheck.h"
#include "wordlists/listorder.h"
#include "wordlists/sortedtextlist.h"

#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

using namespace vantro;

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

std::string orderKey(const QString &text)
{
    std::string key;
    appendOrderKey(text, key);
    return key;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QString input = textFromBytes(data, size);
    QStringList texts = input.split(u'\n');
    if (texts.size() > 64)
        texts.resize(64);

    // Pairs and triples of the first texts.
    const qsizetype few = std::min<qsizetype>(texts.size(), 8);
    std::vector<std::string> keys;
    for (qsizetype i = 0; i < few; ++i)
        keys.push_back(orderKey(texts.at(i)));
    for (qsizetype i = 0; i < few; ++i) {
        const QString &a = texts.at(i);
        FUZZ_CHECK(compareListOrder(a, a) == 0, input);
        for (qsizetype j = 0; j < few; ++j) {
            const QString &b = texts.at(j);
            const int ab = compareListOrder(a, b);
            FUZZ_CHECK(sign(ab) == -sign(compareListOrder(b, a)), input);
            FUZZ_CHECK((ab == 0) == (a == b), input);
            FUZZ_CHECK(listOrderLess(a, b) == (ab < 0), input);
            // Different keys decide the order; equal keys leave it to the later steps.
            if (keys[i] != keys[j])
                FUZZ_CHECK((keys[i] < keys[j]) == (ab < 0), input);
            if (ab >= 0)
                continue;
            for (qsizetype k = 0; k < few; ++k) {
                if (compareListOrder(b, texts.at(k)) < 0)
                    FUZZ_CHECK(compareListOrder(a, texts.at(k)) < 0, input);
            }
        }
    }

    // The one-go sort against insertion one by one, and against a plain comparison sort.
    SortedTextList inserted;
    for (const QString &text : texts)
        inserted.addItem(text);
    const SortedTextList sorted = SortedTextList::fromUnsorted(texts);
    FUZZ_CHECK(sorted == inserted, input);
    QStringList byComparison = texts;
    std::stable_sort(byComparison.begin(), byComparison.end(), listOrderLess);
    FUZZ_CHECK(sorted.items() == byComparison, input);

    // Equal neighbours removed: every text once, still in order.
    SortedTextList unique = sorted;
    unique.removeEqualNeighbours();
    for (qsizetype i = 1; i < unique.count(); ++i)
        FUZZ_CHECK(listOrderLess(unique.at(i - 1), unique.at(i)), input);
    return 0;
}
