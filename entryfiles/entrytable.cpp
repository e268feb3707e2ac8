#include "entryfiles/entrytable.h"

#include <QHashFunctions>

namespace vantro {

std::size_t EntryTable::hashOf(QByteArrayView text, QByteArrayView replacement) const
{
    const std::size_t hash = qHashBits(text.data(), size_t(text.size()), qGlobalQHashSeed());
    if (m_key == Key::Text)
        return hash;
    return qHashBits(replacement.data(), size_t(replacement.size()), hash);
}

bool EntryTable::matches(const Record &record, QByteArrayView text,
                         QByteArrayView replacement) const
{
    const QByteArrayView kept(m_bytes.data() + record.offset,
                              qsizetype(record.textLength) + record.replacementLength);
    if (kept.first(record.textLength) != text)
        return false;
    return m_key == Key::Text || kept.sliced(record.textLength) == replacement;
}

void EntryTable::grow()
{
    std::vector<quint32> table(m_slots.empty() ? 1024 : m_slots.size() * 2);
    const std::size_t mask = table.size() - 1;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const Record &record = m_records[i];
        const QByteArrayView kept(m_bytes.data() + record.offset,
                                  qsizetype(record.textLength) + record.replacementLength);
        std::size_t slot =
            hashOf(kept.first(record.textLength), kept.sliced(record.textLength)) & mask;
        while (table[slot] != 0)
            slot = (slot + 1) & mask;
        table[slot] = quint32(i + 1);
    }
    m_slots.swap(table);
}

EntryTable::Found EntryTable::findOrAdd(QByteArrayView text, QByteArrayView replacement,
                                        qsizetype line)
{
    // At most half the slots are taken, so that a search ends soon at a free one.
    if ((m_records.size() + 1) * 2 > m_slots.size())
        grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hashOf(text, replacement) & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const Record &record = m_records[m_slots[slot] - 1];
        if (matches(record, text, replacement))
            return {record.line, QByteArrayView(m_bytes.data() + record.offset + record.textLength,
                                                record.replacementLength)};
    }
    m_records.push_back({line, m_bytes.size(), quint32(text.size()), quint32(replacement.size())});
    m_bytes.append(text.data(), size_t(text.size()));
    m_bytes.append(replacement.data(), size_t(replacement.size()));
    m_slots[slot] = quint32(m_records.size());
    return {};
}

} // namespace vantro
