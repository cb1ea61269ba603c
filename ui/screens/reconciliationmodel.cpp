#include "ui/screens/reconciliationmodel.h"

#include "data/money.h"
#include "ui/thememanager.h"

#include <limits>

ReconciliationModel::ReconciliationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReconciliationModel::setRows(QList<Transaction> rows)
{
    beginResetModel();
    QHash<QString, int> rowById;
    rowById.reserve(rows.size());
    std::vector<char> ticks(size_t(rows.size()), 0);
    for (int row = 0; row < rows.size(); ++row) {
        const Transaction &t = rows.at(row);
        const auto before = m_rowById.constFind(t.id);
        ticks[size_t(row)] = before != m_rowById.cend() ? m_ticks[size_t(*before)] : char(t.cleared);
        rowById.insert(t.id, row);
    }
    m_rows = std::move(rows);
    m_rowById = std::move(rowById);
    m_ticks = std::move(ticks);
    m_deposits = m_withdrawals = 0;
    m_tickedCount = 0;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_ticks[size_t(row)])
            add(m_rows.at(row), 1);
    }
    endResetModel();
}

void ReconciliationModel::setCurrency(Currency currency)
{
    if (m_currency == currency)
        return;
    m_currency = currency;
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, AmountColumn), index(int(m_rows.size()) - 1, AmountColumn), {Qt::DisplayRole});
}

const Transaction *ReconciliationModel::transactionAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

int ReconciliationModel::rowOf(const QString &id) const
{
    return m_rowById.value(id, -1);
}

bool ReconciliationModel::isTicked(int row) const
{
    return row >= 0 && row < m_rows.size() && m_ticks[size_t(row)];
}

void ReconciliationModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= m_rows.size() || bool(m_ticks[size_t(row)]) == ticked)
        return;
    m_ticks[size_t(row)] = ticked;
    add(m_rows.at(row), ticked ? 1 : -1);
    const QModelIndex cell = index(row, TickColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
    Q_EMIT tickChanged(row);
}

void ReconciliationModel::toggle(int row)
{
    setTicked(row, !isTicked(row));
}

QList<Transaction> ReconciliationModel::tickedTransactions() const
{
    QList<Transaction> ticked;
    ticked.reserve(m_tickedCount);
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_ticks[size_t(row)])
            ticked.append(m_rows.at(row));
    }
    return ticked;
}

void ReconciliationModel::add(const Transaction &t, int sign)
{
    (t.amount >= 0 ? m_deposits : m_withdrawals) += Sum(t.amount) * sign;
    m_tickedCount += sign;
}

std::optional<qint64> ReconciliationModel::narrow(Sum sum)
{
    if (sum < Sum(std::numeric_limits<qint64>::min()) || sum > Sum(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return qint64(sum);
}

std::optional<qint64> ReconciliationModel::clearedDeposits() const
{
    return narrow(m_deposits);
}

std::optional<qint64> ReconciliationModel::clearedWithdrawals() const
{
    return narrow(m_withdrawals);
}

int ReconciliationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Transaction &t = m_rows.at(index.row());
    const int column = index.column();

    switch (role) {
    case Qt::CheckStateRole:
        if (column == TickColumn)
            return m_ticks[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::DisplayRole:
        switch (column) {
        case DateColumn:
            return t.date.toString(QStringLiteral("MM/dd/yyyy"));
        case PayeeColumn:
            return t.payee;
        case AmountColumn:
            return formatMoney(t.amount, m_currency);
        case ClearedColumn:
            return t.cleared ? QStringLiteral("C") : QString();
        default:
            return QVariant();
        }
    case Qt::ToolTipRole:
        return column == PayeeColumn ? QVariant(t.payee) : QVariant();
    case Qt::TextAlignmentRole:
        if (column == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == AmountColumn && t.amount < 0)
            return negativeColor();
        return QVariant();
    default:
        return QVariant();
    }
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != TickColumn
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TickColumn:
        return QString();
    case DateColumn:
        return tr("Date");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case ClearedColumn:
        return tr("Clr");
    default:
        return QVariant();
    }
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == TickColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
