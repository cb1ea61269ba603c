#include "services/searchservice.h"

#include "data/changejournal.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>

SearchService::SearchService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(new TransactionRepository(database, this))
{
    connect(database->changes(), &ChangeJournal::committed, this, &SearchService::onChangesCommitted);
}

SearchService::~SearchService() = default;

void SearchService::onChangesCommitted(const ChangeSet &changes)
{
    // Account names and category names are shown in the results, so their
    // changes count as much as the transactions' own.
    const bool names = changes.contains(ChangeSet::Entity::Category) || changes.contains(ChangeSet::Entity::Account);
    if (names || changes.contains(ChangeSet::Entity::Transaction))
        Q_EMIT resultsMayHaveChanged(names);
}

Result<QList<SearchResult>> SearchService::search(const SearchQuery &query) const
{
    using Failure = Result<QList<SearchResult>>;
    if (query.text.size() > kMaxTextLength)
        return Failure::failure(tr("The search text is too long: at most %n characters.", nullptr, kMaxTextLength));
    // Composed characters and their decomposed spellings match alike.
    const QString match = TransactionRepository::fullTextQuery(query.text.normalized(QString::NormalizationForm_C));
    // Each term of the MATCH text is one quoted word with its star.
    if (match.count(QLatin1Char('"')) / 2 > kMaxWords)
        return Failure::failure(tr("Search for at most %n words at a time.", nullptr, kMaxWords));
    if (query.minimumAmount && query.maximumAmount && *query.minimumAmount > *query.maximumAmount)
        return QList<SearchResult>();

    QString sql = QStringLiteral("SELECT t.id AS id, t.account_id AS account_id, t.date AS date, "
                                 "t.created_at AS created_at FROM transactions t ");
    QVariantList binds;
    if (!match.isEmpty())
        sql += QLatin1String("JOIN transactions_fts fts ON fts.rowid = t.rowid ");
    if (query.categoryName)
        sql += QLatin1String("LEFT JOIN categories c ON t.category_id = c.id ");
    sql += QLatin1String("WHERE t.deleted_at IS NULL");
    if (!match.isEmpty()) {
        sql += QLatin1String(" AND transactions_fts MATCH ?");
        binds.append(match);
    }
    const SearchFilter &filter = query.filter;
    if (!filter.accountId.isEmpty()) {
        sql += QLatin1String(" AND t.account_id = ?");
        binds.append(filter.accountId);
    }
    if (!filter.categoryId.isEmpty()) {
        sql += QLatin1String(" AND t.category_id = ?");
        binds.append(filter.categoryId);
    }
    if (filter.dateFrom.isValid()) {
        sql += QLatin1String(" AND t.date >= ?");
        binds.append(dateToText(filter.dateFrom));
    }
    if (filter.dateTo.isValid()) {
        sql += QLatin1String(" AND t.date <= ?");
        binds.append(dateToText(filter.dateTo));
    }
    if (filter.cleared) {
        sql += QLatin1String(" AND t.cleared = ?");
        binds.append(*filter.cleared ? 1 : 0);
    }
    if (query.categoryName) {
        sql += QLatin1String(" AND COALESCE(c.name, 'Uncategorized') = ?");
        binds.append(*query.categoryName);
    }
    if (query.payee) {
        sql += QLatin1String(" AND t.payee = ?");
        binds.append(*query.payee);
    }
    if (query.minimumAmount) {
        sql += QLatin1String(" AND t.amount >= ?");
        binds.append(*query.minimumAmount);
    }
    if (query.maximumAmount) {
        sql += QLatin1String(" AND t.amount <= ?");
        binds.append(*query.maximumAmount);
    }
    if (query.currency) {
        // An account's currency is read as everywhere else (an unknown code
        // counts as the fallback), so the set is settled here, not in SQL.
        QSqlQuery accounts = Sql::prepare(m_database->connection(), QStringLiteral("SELECT id, currency FROM accounts"));
        if (!Sql::exec(accounts, "SearchService::search"))
            return Failure::failure(tr("The transactions could not be searched."));
        QStringList ids;
        while (accounts.next()) {
            if (currencyFromString(accounts.value(1).toString()) == *query.currency)
                ids.append(accounts.value(0).toString());
        }
        if (ids.isEmpty())
            return QList<SearchResult>();
        sql += QLatin1String(" AND t.account_id IN (?") + QStringLiteral(",?").repeated(ids.size() - 1)
               + QLatin1Char(')');
        for (const QString &id : std::as_const(ids))
            binds.append(id);
    }
    sql += QLatin1String(" ORDER BY t.date DESC, t.created_at DESC LIMIT ?");
    binds.append(std::clamp(query.limit, 1, kMaxLimit));

    // The keys alone are sorted; the account of each kept row is joined
    // after the limit.
    const QString keys = QStringLiteral("SELECT h.id, COALESCE(a.name, ''), COALESCE(a.currency, '') FROM (%1) h "
                                        "LEFT JOIN accounts a ON a.id = h.account_id "
                                        "ORDER BY h.date DESC, h.created_at DESC")
                             .arg(sql);
    QSqlQuery found = Sql::prepare(m_database->connection(), keys, binds);
    if (!Sql::exec(found, "SearchService::search"))
        return Failure::failure(tr("The transactions could not be searched."));
    QStringList ids;
    QList<SearchResult> results;
    while (found.next()) {
        ids.append(found.value(0).toString());
        SearchResult &result = results.emplace_back();
        result.accountName = found.value(1).toString();
        result.currency = currencyFromString(found.value(2).toString());
    }
    if (ids.isEmpty())
        return results;

    const std::optional<QList<RegisterRow>> rows = m_transactions->findRegisterRowsByIds(ids);
    if (!rows)
        return Failure::failure(tr("The transactions could not be searched."));
    QHash<QString, qsizetype> place;
    place.reserve(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i)
        place.insert(ids.at(i), i);
    for (const RegisterRow &row : *rows) {
        const auto at = place.constFind(row.id);
        if (at != place.constEnd())
            results[*at].row = row;
    }
    // Nothing else writes between the two reads, but a row the second read
    // did not return is left out rather than shown blank.
    results.removeIf([](const SearchResult &result) { return result.row.id.isEmpty(); });
    return results;
}
