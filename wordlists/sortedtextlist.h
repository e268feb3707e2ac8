#pragma once

#include <QString>
#include <QStringList>

namespace vantro {

// A list of texts always held in list order (see listorder.h). Duplicates and the empty text are
// ordinary items; the list never rejects or merges one. Positions are 0-based.
class SortedTextList
{
public:
    SortedTextList() = default;

    // A list of the given texts, sorted in one go: the same list as adding them one by one.
    static SortedTextList fromUnsorted(QStringList texts);

    // The position at which addItem() would place the text: behind every item that sorts before
    // it or is identical to it.
    qsizetype insertPosition(const QString &text) const;

    // Inserts the text at its place in list order and returns that position.
    qsizetype addItem(const QString &text);
    void removeItem(qsizetype position);
    void clear() { m_items.clear(); }

    qsizetype count() const { return m_items.size(); }
    const QString &at(qsizetype position) const { return m_items.at(position); }
    const QStringList &items() const { return m_items; }

    // Leaves one item of every run of identical neighbours. As identical texts always stand
    // together, every text is then held once.
    void removeEqualNeighbours();

    bool operator==(const SortedTextList &other) const = default;

private:
    QStringList m_items;
};

} // namespace vantro
