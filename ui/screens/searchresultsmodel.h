#pragma once

#include "services/searchservice.h"

#include <QAbstractTableModel>
#include <QList>

// The rows a search found, read-only, in the order the search returned
// them (newest first). Results span accounts, so each amount is shown in
// its own account's currency and there is no running balance; the account
// has a column of its own. The model never reads the database.
class SearchResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Payee, Category and Memo keep the numbers they have in the register.
    enum Column { Date, Account, Payee, Category, Memo, Amount, Cleared, ColumnCount };

    explicit SearchResultsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Replaces every row inside one model reset.
    void setResults(QList<SearchResult> results);
    const QList<SearchResult> &results() const { return m_results; }
    // The result at a row; null out of range.
    const SearchResult *resultAt(int row) const;
    // The row of the transaction with this id; -1 when it is not listed.
    int rowForId(const QString &transactionId) const;

private:
    QList<SearchResult> m_results;
};
