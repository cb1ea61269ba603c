#include "ui/screens/importpreviewmodel.h"

ImportPreviewModel::ImportPreviewModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ImportPreviewModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_columns = 0;
    for (const QStringList &row : std::as_const(m_rows))
        m_columns = qMax(m_columns, int(row.size()));
    endResetModel();
}

void ImportPreviewModel::appendRows(QList<QStringList> rows)
{
    if (rows.isEmpty())
        return;
    int columns = m_columns;
    for (const QStringList &row : std::as_const(rows))
        columns = qMax(columns, int(row.size()));
    if (columns > m_columns) {
        beginInsertColumns(QModelIndex(), m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    }
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const QStringList &row = m_rows.at(index.row());
    return index.column() < row.size() ? row.at(index.column()) : QString();
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return tr("Col %1").arg(section);
    return section + 1;
}
