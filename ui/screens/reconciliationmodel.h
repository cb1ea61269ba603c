#pragma once

#include "data/enums.h"
#include "data/transaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The reconciliation screen's table: the transactions not yet reconciled,
// each with a tick saying whether it is on the statement. It keeps the sums
// of the ticked deposits and withdrawals up to date with every tick, so a
// tick costs the same in a list of ten rows as in one of ten thousand; the
// display texts are made only for the rows a view asks for. Ticks survive a
// reload by transaction id; a row new to the list starts ticked when it is
// stored as cleared. It never writes to the database.
class ReconciliationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TickColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

    explicit ReconciliationModel(QObject *parent = nullptr);

    // Replaces the rows (a model reset), keeping the ticks of rows already shown.
    void setRows(QList<Transaction> rows);
    // Amounts show in this currency; US dollars until set.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // The row's transaction as loaded; null when out of range.
    const Transaction *transactionAt(int row) const;
    // The row showing the transaction, or -1.
    int rowOf(const QString &id) const;
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked);
    void toggle(int row);
    int tickedCount() const { return m_tickedCount; }
    // The ticked rows as loaded, in row order.
    QList<Transaction> tickedTransactions() const;

    // Sums of the ticked rows' amounts >= 0 and < 0; empty when a sum does
    // not fit in an amount.
    std::optional<qint64> clearedDeposits() const;
    std::optional<qint64> clearedWithdrawals() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    // A row's tick changed, by any of the ways above or through the view.
    void tickChanged(int row);

private:
    // 128 bits hold the sum of any number of 64-bit amounts this list can
    // have, so adding and taking away ticks never loses the exact total.
    __extension__ using Sum = __int128;

    void add(const Transaction &t, int sign);
    static std::optional<qint64> narrow(Sum sum);

    QList<Transaction> m_rows;
    QHash<QString, int> m_rowById;
    std::vector<char> m_ticks;
    Currency m_currency = Currency::USD;
    Sum m_deposits = 0;
    Sum m_withdrawals = 0;
    int m_tickedCount = 0;
};
