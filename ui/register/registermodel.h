#pragma once

#include "data/enums.h"
#include "data/transaction.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The table behind one account's register: the account's rows in nine
// columns, sorted by the column the user chose, plus one blank new row where
// a transaction is typed. It also holds the entry buffer, the texts of the
// one row being edited in place (the new row or an existing one), so editors
// and commands deal in strings and only entryToTransaction() makes a record.
//
// Rows are loaded whole by setRows() and kept in one contiguous list; data()
// never reaches the database and formats only the cells that are asked for.
// Running balances come with the rows and are never recomputed by sorting.
// After a change of a few transactions, updateRows() patches just those rows
// and the balances after the first of them; it declines what it cannot
// place exactly as a reload would, and the caller then reloads.
// The model does not write to the database; the register screen commits.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, CheckNumber, Payee, Category, Memo, Payment, Deposit, Cleared, Balance,
                  ColumnCount };

    // Slots of the entry buffer. The first eight hold the texts of the
    // columns with the same number; the last is the chosen category's id.
    // CategoryId and TransferAccountId hold the ids behind the texts shown
    // in the Category and Payee fields; the texts are display only.
    enum class EntrySlot { Date, CheckNumber, Payee, Category, Memo, Payment, Deposit, Cleared,
                           CategoryId, TransferAccountId, Count };

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Edit role only: the text goes into the buffer slot of the column.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // Stable; ties on the key put the later date first in both orders.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the rows (date order, as the repository returns them), sorts
    // them by the current column, ends any edit and clears the buffer.
    void setRows(QList<RegisterRow> rows);
    const QList<RegisterRow> &rows() const { return m_rows; }
    // Replaces, inserts or removes the rows of the transactions `changedIds`
    // names: `current` holds those that are live in this account now (a
    // changed id missing from it leaves the register). Rows that moved are
    // placed by date and creation time, running balances are recomputed from
    // the earliest change on, the sort is kept, any edit ends and the buffer
    // is cleared, as setRows() does. False, with nothing changed, when the
    // result could differ from a reload: rows of equal date and creation
    // time around a moved row, a sort by Balance or one that left rows of
    // equal key and date out of date order, or a row in `current`
    // that `changedIds` does not name.
    bool updateRows(const QSet<QString> &changedIds, QList<RegisterRow> current);
    // The running balance after the account's last transaction: the
    // account's balance (0 with no rows).
    qint64 closingBalance() const { return m_closingBalance; }
    int transactionCount() const { return int(m_rows.size()); }

    // The account's currency decides how amounts are shown and read; USD
    // until set.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // Row 0 when newest first (Date descending), else after the last row.
    int newRowPosition() const;
    bool isNewRow(int viewRow) const { return viewRow == newRowPosition(); }
    // Index into rows() for a view row; -1 for the new row or out of range.
    int transactionIndex(int viewRow) const;
    int viewRowOfTransaction(int transactionIndex) const;
    // The stored row shown at a view row; null for the new row or out of range.
    const RegisterRow *rowAt(int viewRow) const;
    // The view row of the transaction with this id; -1 when none (or empty).
    int rowForId(const QString &id) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    bool twoLineMode() const { return m_twoLineMode; }
    // Announces the Payee header's change of title.
    void setTwoLineMode(bool on);

    int editRow() const { return m_editRow; }
    // -1, or a row outside the table, ends the edit. Both the old and the new
    // edit row are announced so their highlight moves.
    void setEditRow(int row);

    QString entryText(EntrySlot slot) const { return m_entry[size_t(slot)]; }
    // Writes a slot without announcing it; follow with refreshRow().
    void setEntryText(EntrySlot slot, const QString &text) { m_entry[size_t(slot)] = text; }
    // Slots the person changed since the buffer was last filled or cleared
    // (setData marks them), and whether the payee's auto-fill already ran:
    // auto-fill runs once and never overwrites a touched slot.
    bool isTouched(EntrySlot slot) const { return m_touched[size_t(slot)]; }
    void markTouched(EntrySlot slot) { m_touched[size_t(slot)] = true; }
    bool isAutoFilled() const { return m_autoFilled; }

    // The whole entry buffer, to keep a half-typed new row while the person
    // looks at another account.
    struct EntryState
    {
        std::array<QString, size_t(EntrySlot::Count)> texts;
        std::array<bool, size_t(EntrySlot::Count)> touched{};
        bool autoFilled = false;
    };
    EntryState entryState() const { return {m_entry, m_touched, m_autoFilled}; }
    void restoreEntryState(const EntryState &state);
    // True when the person typed anything into the buffer.
    bool hasTypedEntry() const;
    void setAutoFilled(bool filled) { m_autoFilled = filled; }
    // Announces every column of a row, after buffer slots changed behind it.
    void refreshRow(int row);

    // Fills the buffer from a row: amounts split into payment or deposit.
    void loadEntry(const RegisterRow &row);
    // The same for the row at a view row; false (buffer untouched) when it has none.
    bool loadEntry(int viewRow);
    // Clears the buffer; its date becomes the last entry date, or today.
    void resetEntry();

    QString lastEntryDate() const { return m_lastEntryDate; }
    void setLastEntryDate(const QString &text) { m_lastEntryDate = text; }

    // A new transaction of the account from the buffer's texts: a blank or
    // unreadable date is today, an amount under Payment wins over Deposit.
    Transaction entryToTransaction(const QString &accountId) const;

    // Amount texts in this register's currency, as the cells show them.
    QString amountText(qint64 amount) const;
    // Typed text to minor units, read exactly; 0 when it is not an amount.
    qint64 amountFromText(const QString &text) const;
    // The same, but empty when the text is not an amount or does not fit in
    // 64 bits, so an editor can refuse it instead of storing 0.
    std::optional<qint64> parseAmount(const QString &text) const;

    // "M/d/yyyy"; empty for an invalid date.
    static QString dateText(const QDate &date);
    // Reads "M/d/yyyy"; a two-digit year means 2000..2099. Invalid otherwise.
    static QDate dateFromText(const QString &text);

Q_SIGNALS:
    void sortChanged(int column, Qt::SortOrder order);

private:
    QVariant storedData(const RegisterRow &row, int column, int role) const;
    QString storedText(const RegisterRow &row, int column, int role) const;
    QString columnTitle(int column) const;
    // Reorders m_rows for the current sort; returns where the row that was
    // at `follow` went (-1 for -1).
    int sortRows(int follow);
    // Whether `a` (at chronological place seqA) sorts before `b` in the
    // current order, the order sortRows() gives.
    bool sortsBefore(const QCollator &collator, const RegisterRow &a, int seqA, const RegisterRow &b,
                     int seqB) const;
    int viewRowOffset() const { return newRowPosition() == 0 ? 1 : 0; }
    void ensureIndexById() const;
    void clearEntry();

    QList<RegisterRow> m_rows;
    // Each row's place in date order (the repository's order, which the
    // running balances follow), kept beside m_rows through every sort.
    std::vector<int> m_seq;
    // Whether rows of equal sort key and date stand in date order, as a
    // reload leaves them; a sort keeps their previous order instead.
    bool m_tiesInDateOrder = true;
    qint64 m_closingBalance = 0;
    int m_sortColumn = Date;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_twoLineMode = false;
    int m_editRow = -1;
    std::array<QString, size_t(EntrySlot::Count)> m_entry;
    std::array<bool, size_t(EntrySlot::Count)> m_touched{};
    bool m_autoFilled = false;
    QString m_lastEntryDate;
    Currency m_currency = Currency::USD;

    mutable QHash<QString, int> m_indexById;          // built on first rowForId()
    mutable bool m_indexByIdValid = false;
};
