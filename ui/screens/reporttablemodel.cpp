#include "ui/screens/reporttablemodel.h"

#include "data/money.h"
#include "ui/thememanager.h"

#include <QDate>
#include <QFont>
#include <QLocale>

ReportTableModel::ReportTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportTableModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_rowCount = 0;
    m_cell = nullptr;
    m_hasTotal = false;
    m_totals.clear();
    endResetModel();
}

void ReportTableModel::setRows(int rowCount, CellFunction cell, Currency currency)
{
    beginResetModel();
    m_rowCount = cell ? qMax(0, rowCount) : 0;
    m_cell = std::move(cell);
    m_currency = currency;
    m_hasTotal = false;
    m_totals.clear();
    endResetModel();
}

void ReportTableModel::setTotalRow(const QString &label)
{
    QList<std::optional<qint64>> totals(m_columns.size());
    for (int column = 0; column < m_columns.size(); ++column) {
        if (m_columns.at(column).kind != Kind::Amount)
            continue;
        std::optional<qint64> sum = 0;
        for (int row = 0; row < m_rowCount && sum; ++row)
            sum = checkedAdd(*sum, m_cell(row, column).toLongLong());
        totals[column] = sum;
    }
    const int totalRow = m_rowCount;
    if (!m_hasTotal)
        beginInsertRows(QModelIndex(), totalRow, totalRow);
    m_totalLabel = label;
    m_totals = totals;
    if (!m_hasTotal) {
        m_hasTotal = true;
        endInsertRows();
    } else {
        Q_EMIT dataChanged(index(totalRow, 0), index(totalRow, columnCount() - 1));
    }
}

void ReportTableModel::clear()
{
    setRows(0, nullptr, m_currency);
}

QStringList ReportTableModel::headers() const
{
    QStringList labels;
    for (const Column &column : m_columns)
        labels << column.header;
    return labels;
}

QList<int> ReportTableModel::numberColumns() const
{
    QList<int> columns;
    for (int column = 0; column < m_columns.size(); ++column) {
        const Kind kind = m_columns.at(column).kind;
        if (kind == Kind::Amount || kind == Kind::Count)
            columns << column;
    }
    return columns;
}

int ReportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount + (m_hasTotal ? 1 : 0);
}

int ReportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ReportTableModel::value(int row, int column) const
{
    if (row < m_rowCount)
        return m_cell(row, column);
    if (column == 0)
        return m_totalLabel;
    if (m_columns.at(column).kind != Kind::Amount)
        return QVariant();
    const std::optional<qint64> total = m_totals.value(column);
    return total ? QVariant(*total) : QVariant();
}

QString ReportTableModel::displayText(int row, int column) const
{
    const bool totalRow = row >= m_rowCount;
    if (totalRow && column == 0)
        return m_totalLabel;
    const QVariant cell = value(row, column);
    if (!cell.isValid())
        return totalRow && m_columns.at(column).kind == Kind::Amount ? QStringLiteral("—") : QString();
    switch (m_columns.at(column).kind) {
    case Kind::Amount:
        return formatMoney(cell.toLongLong(), m_currency);
    case Kind::Count:
        return QString::number(cell.toLongLong());
    case Kind::Date:
        return QLocale().toString(cell.toDate(), QLocale::ShortFormat);
    case Kind::Text:
        break;
    }
    return cell.toString();
}

QString ReportTableModel::exportText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return QString();
    if (m_columns.at(column).kind == Kind::Amount && !(row >= m_rowCount && column == 0)) {
        const QVariant cell = value(row, column);
        if (!cell.isValid())
            return QString();
        // The figure as a spreadsheet reads it: no symbol, no grouping.
        return formatAmount(cell.toLongLong(), m_currency).remove(QLatin1Char(','));
    }
    return displayText(row, column);
}

QVariant ReportTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Kind kind = m_columns.at(index.column()).kind;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (kind == Kind::Amount || kind == Kind::Count)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::FontRole:
        if (m_hasTotal && index.row() == m_rowCount) {
            QFont font = scaledFont();
            font.setBold(true);
            return font;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_columns.at(section).header;
    if (role == Qt::TextAlignmentRole) {
        const Kind kind = m_columns.at(section).kind;
        if (kind == Kind::Amount || kind == Kind::Count)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return QVariant();
}
