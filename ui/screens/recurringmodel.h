#pragma once

#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

class AccountRepository;

// The recurring screen's table: one row per template, seven read-only
// columns, sortable by any of them with the sort kept across reloads. It
// shows what it is given and never writes; account names and currencies are
// looked up once per reload.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AccountColumn, PayeeColumn, AmountColumn, FrequencyColumn, NextDueColumn, AutoColumn,
                  StatusColumn, ColumnCount };
    // The template's id, on every cell.
    static constexpr int IdRole = Qt::UserRole + 1;

    explicit RecurringModel(AccountRepository *accounts, QObject *parent = nullptr);

    // Replaces the list (a model reset) and sorts it by the current column.
    void setTemplates(const QList<RecurringTransaction> &templates);
    // The template shown on the row; a default record when out of range.
    RecurringTransaction templateAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    void loadAccounts() const;
    QString accountName(const QString &accountId) const;
    // Amounts show in their account's currency; US dollars when it is gone.
    Currency accountCurrency(const QString &accountId) const;
    bool lessThan(const RecurringTransaction &a, const RecurringTransaction &b) const;
    void sortRows();

    AccountRepository *m_accounts;
    QList<RecurringTransaction> m_rows;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    mutable QHash<QString, QString> m_accountNames;
    mutable QHash<QString, Currency> m_accountCurrencies;
    mutable bool m_accountNamesLoaded = false;
};
