#include "ui/screens/recurringmodel.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/money.h"
#include "ui/thememanager.h"

#include <QColor>
#include <QLocale>

#include <algorithm>

namespace {

int compareText(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

bool isDue(const RecurringTransaction &r)
{
    return r.isActive && r.nextDueDate.isValid() && r.nextDueDate <= Clock::today();
}

} // namespace

RecurringModel::RecurringModel(AccountRepository *accounts, QObject *parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

void RecurringModel::setTemplates(const QList<RecurringTransaction> &templates)
{
    beginResetModel();
    m_rows = templates;
    // Names are read afresh on the next lookup, so a renamed account shows.
    m_accountNames.clear();
    m_accountCurrencies.clear();
    m_accountNamesLoaded = false;
    sortRows();
    endResetModel();
}

RecurringTransaction RecurringModel::templateAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return RecurringTransaction{};
    return m_rows.at(row);
}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const RecurringTransaction &r = m_rows.at(index.row());

    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case AccountColumn:
            return accountName(r.accountId);
        case PayeeColumn:
            return r.payee;
        case AmountColumn:
            return formatMoney(r.amount, accountCurrency(r.accountId));
        case FrequencyColumn:
            return frequencyToString(r.frequency);
        case NextDueColumn:
            return QLocale().toString(r.nextDueDate, QLocale::ShortFormat);
        case AutoColumn:
            return r.autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return r.isActive ? tr("Active") : tr("Inactive");
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        break;
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && r.amount < 0)
            return QColor(isDarkPalette() ? "#FF8A80" : "#C62828");
        if (index.column() == StatusColumn && !r.isActive)
            return QColor(Qt::gray);
        // The due green is too dark to read on the dark palette's rows; that
        // palette gets its own lighter green.
        if (index.column() == NextDueColumn && isDue(r))
            return isDarkPalette() ? QColor("#66BB6A") : QColor(0, 136, 0);
        break;
    case IdRole:
        return r.id;
    }
    return QVariant();
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole && section == AmountColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    }
    return QVariant();
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<QString> idsBefore;
    idsBefore.reserve(before.size());
    for (const QModelIndex &index : before)
        idsBefore.append(m_rows.at(index.row()).id);

    sortRows();

    QHash<QString, int> rowOfId;
    rowOfId.reserve(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row)
        rowOfId.insert(m_rows.at(row).id, row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOfId.value(idsBefore.at(i)), before.at(i).column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RecurringModel::loadAccounts() const
{
    if (m_accountNamesLoaded)
        return;
    m_accountNamesLoaded = true;
    if (!m_accounts)
        return;
    const QList<Account> accounts = m_accounts->findAll();
    for (const Account &account : accounts) {
        m_accountNames.insert(account.id, account.name);
        m_accountCurrencies.insert(account.id, account.currency);
    }
}

QString RecurringModel::accountName(const QString &accountId) const
{
    loadAccounts();
    return m_accountNames.value(accountId);
}

Currency RecurringModel::accountCurrency(const QString &accountId) const
{
    loadAccounts();
    return m_accountCurrencies.value(accountId, Currency::USD);
}

bool RecurringModel::lessThan(const RecurringTransaction &a, const RecurringTransaction &b) const
{
    switch (m_sortColumn) {
    case AccountColumn:
        return compareText(accountName(a.accountId), accountName(b.accountId)) < 0;
    case PayeeColumn:
        return compareText(a.payee, b.payee) < 0;
    case AmountColumn:
        return a.amount < b.amount;
    case FrequencyColumn:
        return int(a.frequency) < int(b.frequency);
    case NextDueColumn:
        return a.nextDueDate < b.nextDueDate;
    case AutoColumn:
        return !a.autoPost && b.autoPost;
    case StatusColumn:
        return !a.isActive && b.isActive;
    }
    return false;
}

void RecurringModel::sortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const RecurringTransaction &a, const RecurringTransaction &b) { return lessThan(a, b); });
    // Descending is the ascending result reversed, ties included.
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rows.begin(), m_rows.end());
}
