#pragma once

#include <QByteArrayView>

#include <string>
#include <vector>

namespace vantro {

// The entries of a file seen so far, by their texts' bytes, kept compactly for files of
// millions of entries: the bytes of every kept entry in one store, a small record per entry,
// and a table of record numbers addressed by a hash of the key. The key is the entry's text, or
// its text and replacement together.
class EntryTable
{
public:
    enum class Key
    {
        Text,
        TextAndReplacement,
    };

    explicit EntryTable(Key key) : m_key(key) {}

    struct Found
    {
        qsizetype line = 0;         // 0 when the key was new
        QByteArrayView replacement; // of the entry found, valid until the next call
    };

    // The entry kept under the key of this one; when there is none, this one is kept with its
    // line (which must not be 0).
    Found findOrAdd(QByteArrayView text, QByteArrayView replacement, qsizetype line);

private:
    struct Record
    {
        qsizetype line;
        std::size_t offset; // the text's first byte in the store; the replacement follows it
        quint32 textLength;
        quint32 replacementLength;
    };

    std::size_t hashOf(QByteArrayView text, QByteArrayView replacement) const;
    bool matches(const Record &record, QByteArrayView text, QByteArrayView replacement) const;
    void grow();

    Key m_key;
    std::string m_bytes;
    std::vector<Record> m_records;
    std::vector<quint32> m_slots; // record number + 1; 0 is a free slot
};

} // namespace vantro
