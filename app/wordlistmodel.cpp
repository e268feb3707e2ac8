#include "app/wordlistmodel.h"

namespace vantro {

WordListModel::WordListModel(QObject *parent) : QAbstractListModel(parent) {}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.count());
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_list.at(index.row());
    return {};
}

void WordListModel::setList(SortedTextList list)
{
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

void WordListModel::clear()
{
    setList({});
}

qsizetype WordListModel::addItem(const QString &text)
{
    const auto row = static_cast<int>(m_list.insertPosition(text));
    beginInsertRows(QModelIndex(), row, row);
    m_list.addItem(text);
    endInsertRows();
    return row;
}

void WordListModel::removeItem(qsizetype row)
{
    if (row < 0 || row >= m_list.count())
        return;
    beginRemoveRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
    m_list.removeItem(row);
    endRemoveRows();
}

} // namespace vantro
