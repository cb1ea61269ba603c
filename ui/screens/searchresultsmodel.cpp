#include "ui/screens/searchresultsmodel.h"

#include "data/money.h"
#include "ui/register/registermodel.h"
#include "ui/thememanager.h"

#include <QColor>

SearchResultsModel::SearchResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int SearchResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.size());
}

int SearchResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const
{
    const SearchResult *result = index.isValid() ? resultAt(index.row()) : nullptr;
    if (!result)
        return {};
    const RegisterRow &row = result->row;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Date:
            return RegisterModel::dateText(row.date);
        case Account:
            return result->accountName;
        case Payee:
            return row.payee;
        case Category:
            return row.isSplit ? tr("\u2014Split\u2014") : row.categoryName;
        case Memo:
            return row.memo;
        case Amount:
            return formatMoney(row.amount, result->currency);
        case Cleared:
            return row.reconciled ? tr("R") : row.cleared ? tr("C") : QString();
        default:
            return {};
        }
    case Qt::ToolTipRole:
        if (index.column() == Memo && !row.memo.isEmpty())
            return row.memo;
        if (index.column() == Cleared)
            return row.reconciled ? tr("Reconciled") : row.cleared ? tr("Cleared") : tr("Not cleared");
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Amount)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        if (index.column() == Cleared)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return {};
    case Qt::ForegroundRole:
        if (index.column() == Amount)
            return row.amount < 0 ? negativeColor() : positiveColor();
        return {};
    default:
        return {};
    }
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return tr("Date");
    case Account:
        return tr("Account");
    case Payee:
        return tr("Payee");
    case Category:
        return tr("Category");
    case Memo:
        return tr("Memo");
    case Amount:
        return tr("Amount");
    case Cleared:
        return tr("C");
    default:
        return {};
    }
}

void SearchResultsModel::setResults(QList<SearchResult> results)
{
    beginResetModel();
    m_results = std::move(results);
    endResetModel();
}

const SearchResult *SearchResultsModel::resultAt(int row) const
{
    return row >= 0 && row < m_results.size() ? &m_results.at(row) : nullptr;
}

int SearchResultsModel::rowForId(const QString &transactionId) const
{
    // At most a few hundred rows: a scan is cheaper than keeping an index.
    for (qsizetype i = 0; i < m_results.size(); ++i) {
        if (m_results.at(i).row.id == transactionId)
            return int(i);
    }
    return -1;
}
