#pragma once

#include "data/enums.h"
#include "data/result.h"
#include "data/transaction.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class ChangeSet;
class Database;
class TransactionRepository;

// What a transaction search asks for: the text a person typed and the
// filters of the search screen, plus the narrower ones a report figure
// brings along (a category by name, an exact payee, a currency, an amount
// range). Every filter that is set must hold.
struct SearchQuery
{
    QString text;                          // every word must start a word of payee, memo or check number
    SearchFilter filter;                   // account, category id, date range, cleared
    std::optional<QString> categoryName;   // as reports group: "Uncategorized" also matches no category
    std::optional<QString> payee;          // exact, case-sensitive
    std::optional<Currency> currency;      // only accounts kept in this currency
    std::optional<qint64> minimumAmount;   // inclusive, in minor units
    std::optional<qint64> maximumAmount;   // inclusive, in minor units
    int limit = 200;
};

// One found transaction with what a cross-account list needs to show it.
struct SearchResult
{
    RegisterRow row;                       // runningBalance is 0: results span accounts
    QString accountName;
    Currency currency = Currency::USD;
};

// Finds live transactions through the full-text index and the filters,
// newest first. The typed text is never read as query syntax: each run of
// letters and digits becomes one quoted prefix term. The matching rows are
// chosen and ordered by one statement that reads only the keys, and only
// the rows kept are then read whole, so a broad search over a large file
// costs one index walk and a partial sort. It writes nothing. It announces
// resultsMayHaveChanged() once per committed change that can alter a result
// (transactions, categories or accounts), so a screen can search again.
class SearchService : public QObject
{
    Q_OBJECT

public:
    explicit SearchService(Database *database, QObject *parent = nullptr);
    ~SearchService() override;

    // The found rows, at most query.limit (1 to 1000), newest first; a
    // failure carries a message a person can read (text too long, too many
    // words, a read that failed).
    Result<QList<SearchResult>> search(const SearchQuery &query) const;

    static constexpr int kMaxTextLength = 500;
    static constexpr int kMaxWords = 32;
    static constexpr int kMaxLimit = 1000;

Q_SIGNALS:
    // namesChanged: accounts or categories changed, so lists of them may be stale.
    void resultsMayHaveChanged(bool namesChanged);

private:
    void onChangesCommitted(const ChangeSet &changes);

    Database *m_database;
    TransactionRepository *m_transactions;
};
