#include "syncsql.h"

#include "serverlog.h"
#include "sqlrow.h"

#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

namespace {

// The connection's SQLite handle; null for other drivers or when closed.
sqlite3 *sqliteHandleOf(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

} // namespace

SyncSql &SyncSql::forRequest(const QSqlDatabase &db)
{
    // One set per connection name on this thread; they end with the thread.
    thread_local QHash<QString, std::shared_ptr<SyncSql>> perConnection;
    std::shared_ptr<SyncSql> &sql = perConnection[db.connectionName()];
    if (!sql)
        sql = std::make_shared<SyncSql>(db);
    sql->m_failed = false;
    sql->followNativeHandle();
    // No statement stays open between requests (an open one would hold an
    // old snapshot of the database).
    for (const auto &query : std::as_const(sql->m_queries))
        query->finish();
    return *sql;
}

SyncSql::SyncSql(QSqlDatabase db)
    : m_db(std::move(db))
{
}

SyncSql::~SyncSql()
{
    dropNativeStatements();
}

void SyncSql::followNativeHandle()
{
    // A connection opened again has a new handle; the statements of the old
    // one go. (The old handle is still valid here: SQLite does not close a
    // connection while statements of it remain.)
    sqlite3 *native = sqliteHandleOf(m_db);
    if (native == m_native)
        return;
    dropNativeStatements();
    m_native = native;
}

void SyncSql::dropNativeStatements()
{
    for (sqlite3_stmt *statement : std::as_const(m_nativeStatements))
        sqlite3_finalize(statement);
    m_nativeStatements.clear();
}

void SyncSql::failNative(const char *event)
{
    ServerLog::error(QString::fromLatin1(event), {{QStringLiteral("reason"), QString::fromUtf8(sqlite3_errmsg(m_native))}});
    m_failed = true;
}

sqlite3_stmt *SyncSql::nativeStatement(const QString &sql)
{
    if (const auto it = m_nativeStatements.constFind(sql); it != m_nativeStatements.constEnd())
        return it.value();
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(m_native, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        failNative("sql_prepare_failed");
        return nullptr;
    }
    m_nativeStatements.insert(sql, statement);
    return statement;
}

bool SyncSql::bindNative(sqlite3_stmt *statement, const QVariantList &values)
{
    if (sqlite3_bind_parameter_count(statement) != values.size())
        return false;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        const int index = int(i) + 1;
        int result = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::QString: {
            // As in exec(): a null QString binds as ''.
            const QByteArray text = value.toString().toUtf8();
            result = sqlite3_bind_text(statement, index, text.isNull() ? "" : text.constData(), int(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            result = sqlite3_bind_blob(statement, index, bytes.isNull() ? "" : bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
            result = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
            result = sqlite3_bind_double(statement, index, value.toDouble());
            break;
        default:
            if (value.isNull()) {
                result = sqlite3_bind_null(statement, index);
            } else {
                const QByteArray text = value.toString().toUtf8();
                result = sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
            break;
        }
        if (result != SQLITE_OK)
            return false;
    }
    return true;
}

bool SyncSql::select(const QString &sql, const QVariantList &values, const std::function<void(const SqlRow &)> &visit)
{
    if (!m_native) {
        QSqlQuery *query = exec(sql, values);
        if (!query)
            return false;
        const SqlRow row(query);
        while (query->next())
            visit(row);
        query->finish();
        return true;
    }
    sqlite3_stmt *statement = nativeStatement(sql);
    if (!statement)
        return false;
    if (!bindNative(statement, values)) {
        sqlite3_reset(statement);
        failNative("sql_failed");
        return false;
    }
    const SqlRow row(statement);
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW)
        visit(row);
    // Reset at once: a statement left open would hold its snapshot.
    sqlite3_reset(statement);
    if (result != SQLITE_DONE) {
        failNative("sql_failed");
        return false;
    }
    return true;
}

QSqlQuery *SyncSql::prepared(const QString &sql, bool &fresh)
{
    fresh = false;
    if (const auto it = m_queries.constFind(sql); it != m_queries.constEnd())
        return it.value().get();
    fresh = true;
    auto query = std::make_shared<QSqlQuery>(m_db);
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        ServerLog::error(QStringLiteral("sql_prepare_failed"), {{QStringLiteral("reason"), query->lastError().text()}});
        return nullptr;
    }
    return m_queries.insert(sql, std::move(query)).value().get();
}

QSqlQuery *SyncSql::exec(const QString &sql, const QVariantList &values)
{
    for (;;) {
        bool fresh = false;
        QSqlQuery *query = prepared(sql, fresh);
        if (!query)
            break;
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QVariant &value = values.at(i);
            // Qt binds a null QString as NULL; the columns want ''.
            if (value.typeId() == QMetaType::QString && value.toString().isNull())
                query->bindValue(int(i), QStringLiteral(""));
            else
                query->bindValue(int(i), value);
        }
        if (query->exec())
            return query;
        const QString reason = query->lastError().text();
        m_queries.remove(sql);
        // A statement kept from an earlier request may have gone stale (the
        // connection was opened again): it is prepared afresh once.
        if (fresh) {
            ServerLog::error(QStringLiteral("sql_failed"), {{QStringLiteral("reason"), reason}});
            break;
        }
    }
    m_failed = true;
    return nullptr;
}

QString SyncSql::placeholders(qsizetype n)
{
    QString text;
    text.reserve(n * 3);
    for (qsizetype i = 0; i < n; ++i)
        text += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
    return text;
}
