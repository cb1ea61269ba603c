#include "data/database.h"

#include "data/changejournal.h"
#include "data/sqlhelpers.h"
#include "data/sqlitehandle.h"
#include "data/sqlstatementsplitter.h"
#include "data/sqltransaction.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

const QString kConnectionName = QStringLiteral("qt_sql_default_connection");

// An existing non-empty file must carry SQLite's header before SQLite may
// open it; otherwise a stray or damaged file could be rewritten as a new
// database.
bool looksLikeSqliteFile(const QString &path, QString *error)
{
    QFileInfo info(path);
    if (!info.exists() || info.size() == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(16) != header) {
        *error = QStringLiteral("file is not a database");
        return false;
    }
    return true;
}

} // namespace

Database::Database(QObject *parent)
    : Database(kConnectionName, parent)
{
}

Database::Database(const QString &connectionName, QObject *parent)
    : QObject(parent)
    , m_connectionName(connectionName)
    , m_changes(new ChangeJournal(connectionName, this))
{
}

Database::~Database()
{
    Sql::clearStatementCache(m_connectionName);
    if (m_open)
        m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

const QList<Database::Migration> &Database::migrations()
{
    static const QList<Migration> list = {
        {1, QStringLiteral("initial"), QStringLiteral(":/sql/sql/migrations/001_initial.sql")},
        {2, QStringLiteral("recon_sync"), QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")},
        {3, QStringLiteral("recurring_lead_days"),
         QStringLiteral(":/sql/sql/migrations/003_recurring_lead_days.sql")},
        {4, QStringLiteral("import_fitid"), QStringLiteral(":/sql/sql/migrations/004_import_fitid.sql")},
        {5, QStringLiteral("account_date_index"), QStringLiteral(":/sql/sql/migrations/005_account_date_index.sql")},
    };
    return list;
}

bool Database::open(const QString &path)
{
    // Statements prepared on a previous connection of this name die with it.
    Sql::clearStatementCache(m_connectionName);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);

    QString headerError;
    if (!looksLikeSqliteFile(path, &headerError)) {
        qCritical() << "Failed to open database:" << headerError;
        return false;
    }
    if (!m_db.open()) {
        qCritical() << "Failed to open database:" << m_db.lastError().text();
        return false;
    }

    // SQLite silently falls back to read-only when it may not write; every
    // edit would then fail later, so refuse the file now.
    sqlite3 *handle = SqliteHandle::of(m_db);
    if (handle && sqlite3_db_readonly(handle, "main") == 1) {
        qCritical() << "Failed to open database:" << "the file is read-only";
        m_db.close();
        return false;
    }
    // A file with a valid header may still be unreadable; ask SQLite before
    // anything is written.
    QSqlQuery probe(m_db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        qCritical() << "Failed to open database:" << probe.lastError().text();
        probe = QSqlQuery();
        m_db.close();
        return false;
    }
    probe = QSqlQuery();

    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));

    m_open = true;
    return true;
}

int Database::schemaVersion() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool Database::runMigrations()
{
    QSqlQuery create(m_db);
    if (!create.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT "
            "NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCritical() << "Failed to create schema_version table:" << create.lastError().text();
        return false;
    }

    QSqlQuery current(m_db);
    int currentVersion = 0;
    if (current.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && current.next())
        currentVersion = current.value(0).toInt();
    current = QSqlQuery();

    for (const Migration &migration : migrations()) {
        if (migration.version <= currentVersion)
            continue;
        QFile file(migration.resource);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(migration.resource);
            qCritical().noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, migration.name, script))
            return false;
    }
    return true;
}

bool Database::applyMigration(int version, const QString &name, const QString &script)
{
    SqlTransaction transaction(m_db);
    if (!transaction.isActive()) {
        Q_EMIT migrationError(version, transaction.errorText());
        return false;
    }

    for (const QString &statement : splitSqlStatements(script)) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCritical() << "Migration" << version << "failed:" << error
                        << "\nStatement:" << statement.left(200);
            query = QSqlQuery();
            transaction.rollback();
            Q_EMIT migrationError(version, error);
            return false;
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        record = QSqlQuery();
        transaction.rollback();
        Q_EMIT migrationError(version, error);
        return false;
    }
    record = QSqlQuery();
    if (!transaction.commit()) {
        Q_EMIT migrationError(version, transaction.errorText());
        return false;
    }
    qInfo() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
}
