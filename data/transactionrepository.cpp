#include "data/transactionrepository.h"

#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/money.h"
#include "data/sqlhelpers.h"
#include "data/rowstamp.h"
#include "data/timestamps.h"

#include <QDebug>
#include <QSqlQuery>

namespace {

const QString &columnList()
{
    static const QString columns = QStringLiteral(
        "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
        "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
        "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
        "t.deleted_at");
    return columns;
}

QString withColumns(QLatin1String sql)
{
    return QString(sql).arg(columnList());
}

// The select list and joins shared by the register and the search: a
// subcategory whose name more than one live category bears is shown under its
// parent's name. The join ignores the category's own deletion on purpose.
#define QUILLBY_CATEGORY_NAME_SELECT                                                              \
    "SELECT %1, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc "      \
    "WHERE cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM "    \
    "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS "          \
    "category_name FROM transactions t "

constexpr int kCategoryNameColumn = 20;

// A stored text column written as '' rather than NULL when empty; a null
// QString would otherwise reach SQLite as NULL.
QVariant textOrEmpty(const QString &text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

QVariant flag(bool value)
{
    return QVariant(value ? 1 : 0);
}

bool twoDigits(const QChar *p, int &out)
{
    const char16_t a = p[0].unicode();
    const char16_t b = p[1].unicode();
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return false;
    out = (a - u'0') * 10 + (b - u'0');
    return true;
}

bool fastDate(const QChar *p, QDate &out)
{
    int century = 0, year = 0, month = 0, day = 0;
    if (p[4] != u'-' || p[7] != u'-' || !twoDigits(p, century) || !twoDigits(p + 2, year)
        || !twoDigits(p + 5, month) || !twoDigits(p + 8, day))
        return false;
    out = QDate(century * 100 + year, month, day);
    return out.isValid();
}

// Every date and timestamp this program writes has one fixed form, so the
// register reads those by hand and leaves anything else to Qt's parser,
// which gives the same value, only slower.
QDate readDate(const QString &text)
{
    QDate date;
    if (text.size() == 10 && fastDate(text.constData(), date))
        return date;
    return dateFromText(text);
}

QDateTime readTimestamp(const QString &text)
{
    const QChar *p = text.constData();
    QDate date;
    int hour = 0, minute = 0, second = 0;
    if (text.size() == 20 && p[10] == u'T' && p[13] == u':' && p[16] == u':' && p[19] == u'Z'
        && fastDate(p, date) && twoDigits(p + 11, hour) && twoDigits(p + 14, minute)
        && twoDigits(p + 17, second) && QTime::isValid(hour, minute, second))
        return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
    return timestampFromText(text);
}

// Reads the twenty transaction columns by position.
void readTransaction(const QSqlQuery &query, Transaction &t)
{
    t.id = query.value(0).toString();
    t.accountId = query.value(1).toString();
    t.date = readDate(query.value(2).toString());
    t.payee = query.value(3).toString();
    t.memo = query.value(4).toString();
    t.amount = query.value(5).toLongLong();
    t.categoryId = query.value(6).toString();
    t.checkNumber = query.value(7).toString();
    t.cleared = query.value(8).toLongLong() != 0;
    t.reconciled = query.value(9).toLongLong() != 0;
    t.transferLinkId = query.value(10).toString();
    t.transferDestAccountId = query.value(11).toString();
    t.isSplit = query.value(12).toLongLong() != 0;
    t.recurringId = query.value(13).toString();
    t.version = static_cast<int>(query.value(14).toLongLong());
    t.syncStatus = syncStatusFromString(query.value(15).toString());
    t.serverId = query.value(16).toString();
    t.createdAt = readTimestamp(query.value(17).toString());
    t.updatedAt = readTimestamp(query.value(18).toString());
    const QString deletedAt = query.value(19).toString();
    if (!deletedAt.isEmpty())
        t.deletedAt = timestampFromText(deletedAt);
}

QList<Transaction> readTransactions(QSqlQuery &query)
{
    QList<Transaction> result;
    if (!Sql::exec(query))
        return result;
    while (query.next()) {
        Transaction t;
        readTransaction(query, t);
        result.append(std::move(t));
    }
    return result;
}

std::optional<Transaction> readOneTransaction(QSqlQuery &query)
{
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    Transaction t;
    readTransaction(query, t);
    return t;
}

// Rows changed by a bulk statement, or -1 when it failed.
int execCounting(QSqlQuery &query, const char *operation)
{
    if (!Sql::exec(query, operation))
        return -1;
    return qMax(0, query.numRowsAffected());
}

void appendQuotedTerm(QString &query, QStringView word)
{
    if (!query.isEmpty())
        query += QLatin1Char(' ');
    query += QLatin1Char('"');
    for (QChar c : word) {
        if (c == u'"')
            query += QLatin1Char('"');
        query += c;
    }
    query += QLatin1String("\"*");
}

} // namespace

TransactionRepository::TransactionRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    connect(m_database->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (!changes.contains(ChangeSet::Entity::Transaction))
            return;
        if (changes.allRegisters()) {
            Q_EMIT transactionsChanged(QString());
            return;
        }
        for (const QString &accountId : changes.registerAccounts())
            Q_EMIT transactionsChanged(accountId);
    });
}

QList<Transaction> TransactionRepository::findByAccount(const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns(QLatin1String("SELECT %1 FROM transactions t WHERE t.account_id = ? AND "
                                  "t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC")),
        {accountId});
    return readTransactions(query);
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   withColumns(QLatin1String("SELECT %1 FROM transactions t WHERE t.id = ?")),
                                   {id});
    return readOneTransaction(query);
}

QList<Transaction> TransactionRepository::findPendingSync() const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns(QLatin1String("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'")));
    return readTransactions(query);
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns(QLatin1String("SELECT %1 FROM transactions t WHERE t.account_id = ? AND "
                                  "t.deleted_at IS NULL AND t.reconciled = 0 ORDER BY t.date ASC, "
                                  "t.created_at ASC, t.rowid ASC")),
        {accountId});
    return readTransactions(query);
}

std::optional<Transaction> TransactionRepository::findLastByPayee(const QString &payee,
                                                                  const QString &accountId) const
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        withColumns(QLatin1String("SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? "
                                  "AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC "
                                  "LIMIT 1")),
        {payee, accountId});
    return readOneTransaction(query);
}

QStringList TransactionRepository::distinctPayees() const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at "
                                                  "IS NULL AND payee != '' ORDER BY payee"));
    QStringList payees;
    if (!Sql::exec(query))
        return payees;
    while (query.next())
        payees.append(query.value(0).toString());
    return payees;
}

QList<RegisterRow> TransactionRepository::findRegisterRows(const QString &accountId) const
{
    static const QString sql = withColumns(QLatin1String(
        QUILLBY_CATEGORY_NAME_SELECT
        "LEFT JOIN categories c ON t.category_id = c.id WHERE t.account_id = ? AND t.deleted_at IS NULL "
        "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC"));

    const QSqlDatabase db = m_database->connection();
    QList<RegisterRow> rows;

    QSqlQuery balanceQuery = Sql::prepare(db, QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"),
                                          {accountId});
    qint64 balance = 0;
    if (Sql::exec(balanceQuery) && balanceQuery.next())
        balance = balanceQuery.value(0).toLongLong();

    QSqlQuery query = Sql::prepare(db, sql, {accountId});
    if (!Sql::exec(query))
        return rows;
    // SQLite cannot tell the row count up front; the last load of the same
    // register is a close guess (one more for a row just added).
    rows.reserve(m_registerSizes.value(accountId) + 1);

    // The opening row is dated like the account's earliest live transaction,
    // which is the first row of this very query: reading it here spares a
    // second scan of the account.
    const bool hasOpening = balance != 0;
    if (hasOpening) {
        RegisterRow &opening = rows.emplace_back();
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = balance;
        opening.runningBalance = balance;
        opening.cleared = true;
        opening.reconciled = true;
    }
    while (query.next()) {
        RegisterRow &row = rows.emplace_back();
        readTransaction(query, row);
        balance += row.amount;
        row.runningBalance = balance;
        row.categoryName = query.value(kCategoryNameColumn).toString();
    }
    if (hasOpening)
        rows.first().date = rows.size() > 1 ? rows.at(1).date : Clock::today();
    m_registerSizes.insert(accountId, rows.size());
    return rows;
}

std::optional<QList<RegisterRow>> TransactionRepository::findRegisterRowsByIds(const QStringList &ids) const
{
    // Well under SQLite's smallest limit on bound parameters.
    constexpr qsizetype kChunk = 500;
    const QSqlDatabase db = m_database->connection();
    QList<RegisterRow> rows;
    for (qsizetype from = 0; from < ids.size(); from += kChunk) {
        const QStringList chunk = ids.mid(from, kChunk);
        QString placeholders = QStringLiteral("?");
        placeholders += QStringLiteral(",?").repeated(chunk.size() - 1);
        const QString sql = withColumns(QLatin1String(
                                QUILLBY_CATEGORY_NAME_SELECT
                                "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL "
                                "AND t.id IN (%2)"))
                                .arg(placeholders);
        QVariantList values;
        values.reserve(chunk.size());
        for (const QString &id : chunk)
            values.append(id);
        QSqlQuery query = Sql::prepare(db, sql, values);
        if (!Sql::exec(query))
            return std::nullopt;
        while (query.next()) {
            RegisterRow &row = rows.emplace_back();
            readTransaction(query, row);
            row.categoryName = query.value(kCategoryNameColumn).toString();
        }
    }
    return rows;
}

QString TransactionRepository::fullTextQuery(const QString &text)
{
    QString query;
    const qsizetype size = text.size();
    qsizetype wordStart = -1;
    qsizetype i = 0;
    while (i <= size) {
        // Letters outside the basic plane arrive as surrogate pairs and are
        // judged as one character.
        qsizetype width = 1;
        bool wordChar = false;
        if (i < size) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
                width = 2;
                wordChar = QChar::isLetterOrNumber(QChar::surrogateToUcs4(c, text.at(i + 1)));
            } else {
                wordChar = c.isLetterOrNumber();
            }
        }
        if (wordChar) {
            if (wordStart < 0)
                wordStart = i;
        } else if (wordStart >= 0) {
            appendQuotedTerm(query, QStringView(text).sliced(wordStart, i - wordStart));
            wordStart = -1;
        }
        i += width;
    }
    return query;
}

QList<RegisterRow> TransactionRepository::search(const QString &text, const SearchFilter &filter) const
{
    const QString match = fullTextQuery(text);
    QString sql;
    QVariantList binds;
    if (match.isEmpty()) {
        sql = withColumns(QLatin1String(QUILLBY_CATEGORY_NAME_SELECT
                                        "LEFT JOIN categories c ON t.category_id = c.id WHERE "
                                        "t.deleted_at IS NULL"));
    } else {
        sql = withColumns(QLatin1String(QUILLBY_CATEGORY_NAME_SELECT
                                        "JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN "
                                        "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL "
                                        "AND transactions_fts MATCH ?"));
        binds.append(match);
    }
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
    if (filter.cleared.has_value()) {
        sql += QLatin1String(" AND t.cleared = ?");
        binds.append(flag(*filter.cleared));
    }
    sql += QLatin1String(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200");

    QList<RegisterRow> rows;
    QSqlQuery query = Sql::prepare(m_database->connection(), sql, binds);
    if (!Sql::exec(query))
        return rows;
    while (query.next()) {
        RegisterRow &row = rows.emplace_back();
        readTransaction(query, row);
        row.categoryName = query.value(kCategoryNameColumn).toString();
    }
    return rows;
}

bool TransactionRepository::insert(const Transaction &t)
{
    // SQLite accepts NULL in a text primary key; such a row could never be
    // found, updated or deleted again.
    if (t.id.isEmpty()) {
        qWarning().noquote() << "TransactionRepository::insert failed:" << "the transaction has no id";
        return false;
    }
    if (!Sql::execCached(
        m_database->connection(),
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                       "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
                       "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {t.id, textOrEmpty(t.accountId), dateToText(t.date), textOrEmpty(t.payee),
         textOrEmpty(t.memo), QVariant(t.amount), textOrNull(t.categoryId), textOrEmpty(t.checkNumber),
         flag(t.cleared), flag(t.reconciled), textOrEmpty(t.transferLinkId),
         textOrEmpty(t.transferDestAccountId), flag(t.isSplit), textOrEmpty(t.recurringId),
         QVariant(t.version), syncStatusToString(t.syncStatus), textOrEmpty(t.serverId),
         timestampToText(t.createdAt), timestampToText(t.updatedAt)},
        "TransactionRepository::insert"))
        return false;
    m_database->changes()->recordTransaction(t.id, t.accountId, t.amount);
    return true;
}

bool TransactionRepository::update(const Transaction &t)
{
    // The stored amount, so listeners can move the balance without adding
    // up the whole account again.
    const std::optional<Transaction> before = findById(t.id);
    if (!Sql::execCached(
        m_database->connection(),
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, "
                       "check_number=?, cleared=?, reconciled=?, transfer_link_id=?, "
                       "transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, sync_status=?, "
                       "server_id=?, updated_at=? WHERE id=?"),
        {dateToText(t.date), textOrEmpty(t.payee), textOrEmpty(t.memo), QVariant(t.amount),
         textOrNull(t.categoryId), textOrEmpty(t.checkNumber), flag(t.cleared), flag(t.reconciled),
         textOrEmpty(t.transferLinkId), textOrEmpty(t.transferDestAccountId), flag(t.isSplit),
         textOrEmpty(t.recurringId), QVariant(t.version), syncStatusToString(t.syncStatus),
         textOrEmpty(t.serverId), timestampToText(t.updatedAt), textOrEmpty(t.id)},
        "TransactionRepository::update"))
        return false;
    if (!before) {
        m_database->changes()->recordTransaction(t.id, t.accountId);
        return true;
    }
    qint64 delta = 0;
    if (!before->deletedAt && __builtin_sub_overflow(t.amount, before->amount, &delta)) {
        m_database->changes()->recordTransaction(t.id, before->accountId);
        return true;
    }
    m_database->changes()->recordTransaction(t.id, before->accountId, delta);
    return true;
}

QList<TransactionRepository::PayeeUse> TransactionRepository::findByPayees(const QStringList &payees) const
{
    QList<PayeeUse> uses;
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT id, account_id FROM transactions WHERE payee = ? AND "
                                                  "deleted_at IS NULL ORDER BY rowid"));
    for (const QString &payee : payees) {
        query.bindValue(0, payee);
        if (!Sql::exec(query, "TransactionRepository::findByPayees"))
            return {};
        while (query.next())
            uses.append({query.value(0).toString(), query.value(1).toString(), payee});
    }
    return uses;
}

bool TransactionRepository::setPayee(const QString &id, const QString &accountId, const QString &payee)
{
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE transactions SET payee = ?, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ? AND deleted_at IS NULL"),
        {payee, nowTimestamp(), id});
    if (!Sql::exec(query, "TransactionRepository::setPayee") || query.numRowsAffected() != 1)
        return false;
    m_database->changes()->recordTransaction(id, accountId, qint64(0));
    return true;
}

bool TransactionRepository::softDelete(const QString &id)
{
    const std::optional<Transaction> existing = findById(id);
    if (!existing)
        return false;
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(
        m_database->connection(),
        QLatin1String("UPDATE transactions SET deleted_at = ?, ") + RowStamp::sqlAssignments()
            + QLatin1String(" WHERE id = ?"),
        {now, now, id});
    if (!Sql::exec(query, "TransactionRepository::softDelete"))
        return false;
    const std::optional<qint64> removed = existing->deletedAt ? std::optional<qint64>(0) : checkedNegate(existing->amount);
    m_database->changes()->recordTransaction(id, existing->accountId, removed);
    return true;
}

bool TransactionRepository::restore(const QString &id)
{
    const std::optional<Transaction> existing = findById(id);
    if (!existing)
        return false;
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE transactions SET deleted_at = NULL, ")
                                       + RowStamp::sqlAssignments() + QLatin1String(" WHERE id = ?"),
                                   {nowTimestamp(), id});
    if (!Sql::exec(query, "TransactionRepository::restore"))
        return false;
    m_database->changes()->recordTransaction(id, existing->accountId, existing->deletedAt ? existing->amount : 0);
    return true;
}

int TransactionRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = nowTimestamp();
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE transactions SET deleted_at = ?, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at IS NULL"),
                                   {now, now, accountId});
    const int changed = execCounting(query, "TransactionRepository::softDeleteByAccount");
    if (changed > 0)
        m_database->changes()->recordTransaction(QString(), accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QLatin1String("UPDATE transactions SET deleted_at = NULL, ")
                                       + RowStamp::sqlAssignments()
                                       + QLatin1String(" WHERE account_id = ? AND deleted_at >= ?"),
                                   {nowTimestamp(), accountId, deletedSince});
    const int changed = execCounting(query, "TransactionRepository::restoreByAccount");
    if (changed > 0)
        m_database->changes()->recordTransaction(QString(), accountId);
    return changed;
}

int TransactionRepository::markAllPendingForResync()
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE transactions SET sync_status = 'pending' WHERE "
                                                  "deleted_at IS NULL AND sync_status != 'pending'"));
    const int changed = execCounting(query, "TransactionRepository::markAllPendingForResync");
    if (changed > 0)
        m_database->changes()->recordTransaction(QString(), QString());
    return changed;
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("UPDATE transactions SET sync_status='synced', server_id=? "
                                                  "WHERE id=?"),
                                   {textOrEmpty(serverId), id});
    return Sql::exec(query);
}

QSqlDatabase TransactionRepository::connection() const
{
    return m_database->connection();
}
