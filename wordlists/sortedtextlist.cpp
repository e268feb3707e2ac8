#include "sortedtextlist.h"

#include "listorder.h"

#include <algorithm>

namespace vantro {

SortedTextList SortedTextList::fromUnsorted(QStringList texts)
{
    SortedTextList list;
    std::stable_sort(texts.begin(), texts.end(), listOrderLess);
    list.m_items = std::move(texts);
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

qsizetype SortedTextList::AddItem(const QString &text)
{
    const qsizetype position = insertPosition(text);
    m_items.insert(position, text);
    return position;
}

void SortedTextList::RemoveItem(qsizetype position)
{
    m_items.removeAt(position);
}

void SortedTextList::removeEqualNeighbours()
{
    m_items.erase(std::unique(m_items.begin(), m_items.end()), m_items.end());
}

} // namespace vantro
