#include "wordlists/sortedtextlist.h"

#include "wordlists/listorder.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantro {

namespace {

// A text to be sorted, with its order key (see appendOrderKey()) in a shared byte store.
struct SortEntry
{
    quint64 head; // the key's first eight bytes, big-endian, zero-padded
    // Positions as wide as the store itself: the keys of a large list pass 4 GiB.
    std::size_t index;
    std::size_t keyStart;
    std::size_t keyLength;
};
static_assert(sizeof(std::size_t) >= sizeof(std::string::size_type) &&
                  sizeof(std::size_t) >= sizeof(qsizetype),
              "a sort entry must reach every key byte and every text of the list");

// Sorts by head alone, one digit at a time from the last, in linear time. Large lists take
// sixteen-bit digits (four passes); small ones eight-bit digits, whose buckets stay in cache.
void radixSortByHead(std::vector<SortEntry> &entries)
{
    const int digitBits = entries.size() < (std::size_t(1) << 18) ? 8 : 16;
    const std::size_t buckets = std::size_t(1) << digitBits;
    std::vector<SortEntry> buffer(entries.size());
    std::vector<std::size_t> starts(buckets + 1);
    for (int shift = 0; shift < 64; shift += digitBits) {
        const auto digit = [shift, buckets](const SortEntry &entry) {
            return std::size_t(entry.head >> shift) & (buckets - 1);
        };
        std::fill(starts.begin(), starts.end(), 0);
        for (const SortEntry &entry : entries)
            ++starts[digit(entry) + 1];
        if (std::find(starts.begin(), starts.end(), entries.size()) != starts.end())
            continue; // every entry has the same digit here
        for (std::size_t i = 1; i < starts.size(); ++i)
            starts[i] += starts[i - 1];
        for (const SortEntry &entry : entries)
            buffer[starts[digit(entry)]++] = entry;
        entries.swap(buffer);
    }
}

} // namespace

SortedTextList SortedTextList::fromUnsorted(QStringList texts)
{
    // Every text gets its order key once; the entries are then sorted by the keys' first bytes in
    // linear time, and only runs with equal first bytes are compared in full.
    std::string keys;
    std::vector<SortEntry> entries;
    entries.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const std::size_t start = keys.size();
        appendOrderKey(texts.at(i), keys);
        const std::size_t length = keys.size() - start;
        quint64 head = 0;
        for (std::size_t j = 0; j < 8; ++j)
            head = (head << 8) | (j < length ? quint8(keys[start + j]) : 0);
        entries.push_back({head, std::size_t(i), start, length});
    }
    radixSortByHead(entries);

    const auto less = [&](const SortEntry &a, const SortEntry &b) {
        const std::string_view ka(keys.data() + a.keyStart, a.keyLength);
        const std::string_view kb(keys.data() + b.keyStart, b.keyLength);
        if (ka != kb)
            return ka < kb;
        const QString &x = texts.at(a.index);
        const QString &y = texts.at(b.index);
        if (x.size() != y.size())
            return x.size() < y.size();
        // Same order as QString::compare(): code unit by code unit, without its dispatch cost.
        const std::u16string_view ux(reinterpret_cast<const char16_t *>(x.utf16()), x.size());
        const std::u16string_view uy(reinterpret_cast<const char16_t *>(y.utf16()), y.size());
        return ux < uy;
    };
    for (auto run = entries.begin(); run != entries.end();) {
        const auto end = std::find_if(run, entries.end(),
                                      [&](const SortEntry &e) { return e.head != run->head; });
        if (end - run > 1)
            std::sort(run, end, less);
        run = end;
    }

    SortedTextList list;
    list.m_items.reserve(texts.size());
    // The texts are gathered in sorted order, which jumps about in memory: fetching a few entries
    // ahead hides most of the wait.
    constexpr std::size_t kAhead = 16;
    QString *source = texts.data();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + kAhead < entries.size())
            __builtin_prefetch(source + entries[i + kAhead].index);
        list.m_items.append(std::move(source[entries[i].index]));
    }
    return list;
}

qsizetype SortedTextList::insertPosition(const QString &text) const
{
    // Most insertions come in list order (the writer hands back sorted variants), so the end is
    // tried before the binary search.
    if (m_items.isEmpty() || !listOrderLess(text, m_items.constLast()))
        return m_items.size();
    const auto it = std::upper_bound(m_items.cbegin(), m_items.cend(), text, listOrderLess);
    return it - m_items.cbegin();
}

qsizetype SortedTextList::addItem(const QString &text)
{
    const qsizetype position = insertPosition(text);
    m_items.insert(position, text);
    return position;
}

void SortedTextList::removeItem(qsizetype position)
{
    m_items.removeAt(position);
}

void SortedTextList::removeEqualNeighbours()
{
    m_items.erase(std::unique(m_items.begin(), m_items.end()), m_items.end());
}

} // namespace vantro
