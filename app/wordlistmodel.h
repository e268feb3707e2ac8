#pragma once

#include "wordlists/sortedtextlist.h"

#include <QAbstractListModel>

namespace vantro {

// The word list as the window shows it: a view of one SortedTextList. Every insertion asks the
// list for its place, so the rows always stand in the list's own order.
class WordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit WordListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const SortedTextList &list() const { return m_list; }
    void setList(SortedTextList list);
    void clear();

    // Inserts the text at its place in list order and returns that row.
    qsizetype addItem(const QString &text);
    void removeItem(qsizetype row);

private:
    SortedTextList m_list;
};

} // namespace vantro
