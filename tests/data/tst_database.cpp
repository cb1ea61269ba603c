#include "common/testdatabase.h"
#include "data/database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// Exposes the single-migration step so a test can feed a failing script.
class ScriptableDatabase : public Database
{
public:
    using Database::applyMigration;
    using Database::Database;
};

class tst_Database : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFileReachesCurrentVersion();
    void schemaObjectsExist();
    void secondRunAppliesNothing();
    void upgradeFromVersionOne();
    void upgradeFromVersionTwo();
    void upgradeFromVersionThree();
    void failingStatementRollsBackWholeMigration();
    void foreignKeysAreEnforced();
    void walIsOn();
    void ftsFollowsTheTable();
    void refusesFilesThatAreNotDatabases_data();
    void refusesFilesThatAreNotDatabases();
    void refusesReadOnlyFile();
    void unopenableLocation();
};

static QStringList namesOf(QSqlDatabase db, const QString &type)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = '%1' ORDER BY name").arg(type));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

static QStringList columnsOf(QSqlDatabase db, const QString &table)
{
    QStringList names;
    const QSqlRecord record = db.record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

// Builds a file at an older version by applying only the first migrations.
static void migrateTo(ScriptableDatabase &db, int version)
{
    QSqlQuery(db.connection())
        .exec("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT "
              "NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))");
    for (const Database::Migration &m : Database::migrations()) {
        if (m.version > version)
            break;
        QFile file(m.resource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(db.applyMigration(m.version, m.name, QString::fromUtf8(file.readAll())));
    }
}

void tst_Database::newFileReachesCurrentVersion()
{
    TestDatabase fixture(false);
    QSignalSpy applied(fixture.database(), &Database::migrationApplied);
    QSignalSpy errors(fixture.database(), &Database::migrationError);
    QVERIFY(fixture.database()->runMigrations());

    QCOMPARE(applied.size(), 5);
    QCOMPARE(applied.at(0), (QVariantList{1, QStringLiteral("initial")}));
    QCOMPARE(applied.at(1), (QVariantList{2, QStringLiteral("recon_sync")}));
    QCOMPARE(applied.at(2), (QVariantList{3, QStringLiteral("recurring_lead_days")}));
    QCOMPARE(applied.at(3), (QVariantList{4, QStringLiteral("import_fitid")}));
    QCOMPARE(applied.at(4), (QVariantList{5, QStringLiteral("account_date_index")}));
    QCOMPARE(errors.size(), 0);

    QSqlQuery q(fixture.database()->connection());
    QVERIFY(q.exec("SELECT version, name FROM schema_version ORDER BY version"));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + ":" + q.value(1).toString();
    QCOMPARE(rows, (QStringList{"1:initial", "2:recon_sync", "3:recurring_lead_days", "4:import_fitid", "5:account_date_index"}));
    QCOMPARE(fixture.database()->schemaVersion(), 5);
}

void tst_Database::schemaObjectsExist()
{
    TestDatabase fixture;
    const QSqlDatabase db = fixture.database()->connection();
    const QStringList tables = namesOf(db, "table");
    for (const char *table : {"accounts", "categories", "transactions", "split_lines",
                              "recurring_transactions", "reconciliations", "transaction_templates",
                              "sync_queue", "preferences", "schema_version", "transactions_fts"}) {
        QVERIFY2(tables.contains(table), table);
    }
    QCOMPARE(namesOf(db, "trigger"),
             (QStringList{"transactions_ad", "transactions_ai", "transactions_au"}));
    const QStringList indexes = namesOf(db, "index");
    for (const char *index : {"idx_transactions_account_id", "idx_transactions_date",
                              "idx_transactions_category_id", "idx_transactions_transfer_link_id",
                              "idx_transactions_sync_status", "idx_split_lines_transaction_id",
                              "idx_transactions_fitid", "idx_transactions_account_date"}) {
        QVERIFY2(indexes.contains(index), index);
    }
    QVERIFY(columnsOf(db, "recurring_transactions").contains("lead_days"));
    QVERIFY(columnsOf(db, "transactions").contains("fitid"));
    QVERIFY(columnsOf(db, "reconciliations").contains("deleted_at"));
}

void tst_Database::secondRunAppliesNothing()
{
    TestDatabase fixture;
    QSignalSpy applied(fixture.database(), &Database::migrationApplied);
    QVERIFY(fixture.database()->runMigrations());
    QCOMPARE(applied.size(), 0);
    QCOMPARE(fixture.scalar("SELECT COUNT(*) FROM schema_version").toInt(), 5);
}

void tst_Database::upgradeFromVersionOne()
{
    QTemporaryDir dir;
    ScriptableDatabase db;
    QVERIFY(db.open(dir.filePath("quillby.db")));
    migrateTo(db, 1);
    QSqlQuery q(db.connection());
    QVERIFY(q.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"));
    QVERIFY(q.exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                   "reconciled_balance, completed_at) VALUES ('r1', 'a', '2024-01-31', 100, 100, "
                   "'2024-02-01T10:00:00Z'), ('r2', 'a', '2024-02-29', 5, 5, '2024-03-02T08:30:00Z')"));

    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.size(), 4);
    QCOMPARE(applied.at(0).at(0).toInt(), 2);

    QVERIFY(q.exec("SELECT id, created_at, updated_at, completed_at, sync_status, version "
                   "FROM reconciliations ORDER BY id"));
    int rows = 0;
    while (q.next()) {
        ++rows;
        QCOMPARE(q.value(1).toString(), q.value(3).toString());
        QCOMPARE(q.value(2).toString(), q.value(3).toString());
        QCOMPARE(q.value(4).toString(), QStringLiteral("pending"));
        QCOMPARE(q.value(5).toInt(), 1);
    }
    QCOMPARE(rows, 2);
}

void tst_Database::upgradeFromVersionTwo()
{
    QTemporaryDir dir;
    ScriptableDatabase db;
    QVERIFY(db.open(dir.filePath("quillby.db")));
    migrateTo(db, 2);
    QSqlQuery q(db.connection());
    QVERIFY(q.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"));
    QVERIFY(q.exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, "
                   "next_due_date, created_at, updated_at) VALUES ('t', 'a', 'Rent', -100, "
                   "'2024-01-01', '2024-02-01', 'x', 'x')"));

    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.size(), 3);
    QCOMPARE(applied.at(0), (QVariantList{3, QStringLiteral("recurring_lead_days")}));
    QVERIFY(q.exec("SELECT lead_days FROM recurring_transactions WHERE id = 't'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void tst_Database::upgradeFromVersionThree()
{
    QTemporaryDir dir;
    ScriptableDatabase db;
    QVERIFY(db.open(dir.filePath("quillby.db")));
    migrateTo(db, 3);
    QSqlQuery q(db.connection());
    QVERIFY(q.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"));
    QVERIFY(q.exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                   "VALUES ('t', 'a', '2024-01-01', 'Corner Grocery', -500, 'x', 'x')"));

    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.size(), 2);
    QCOMPARE(applied.at(0), (QVariantList{4, QStringLiteral("import_fitid")}));
    QVERIFY(q.exec("SELECT fitid IS NULL FROM transactions WHERE id = 't'"));
    QVERIFY(q.next());
    QVERIFY(q.value(0).toBool());
    // The rebuilt update trigger still keeps the search index in step.
    QVERIFY(q.exec("UPDATE transactions SET payee = 'Bakery' WHERE id = 't'"));
    QVERIFY(q.exec("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'bakery'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
}

void tst_Database::failingStatementRollsBackWholeMigration()
{
    QTemporaryDir dir;
    ScriptableDatabase db;
    QVERIFY(db.open(dir.filePath("quillby.db")));
    migrateTo(db, 1);

    // Migration 2 with a statement that fails after three columns were added.
    QFile file(Database::migrations().at(1).resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString script = QString::fromUtf8(file.readAll());
    script.replace("ALTER TABLE reconciliations ADD COLUMN created_at",
                   "ALTER TABLE no_such_table ADD COLUMN created_at");

    QSignalSpy errors(&db, &Database::migrationError);
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(!db.applyMigration(2, "recon_sync", script));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 2);
    QVERIFY(errors.at(0).at(1).toString().contains("no_such_table"));
    QCOMPARE(applied.size(), 0);

    const QStringList columns = columnsOf(db.connection(), "reconciliations");
    for (const char *column : {"version", "sync_status", "server_id", "created_at", "updated_at", "deleted_at"})
        QVERIFY2(!columns.contains(column), column);
    QCOMPARE(db.schemaVersion(), 1);

    // The next start retries from the last committed version.
    QVERIFY(db.runMigrations());
    QCOMPARE(db.schemaVersion(), 5);
}

void tst_Database::foreignKeysAreEnforced()
{
    TestDatabase fixture;
    QSqlQuery q(fixture.database()->connection());
    QVERIFY(!q.exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                    "VALUES ('t', 'missing', '2024-01-01', 'p', 1, 'x', 'x')"));
    QVERIFY(q.lastError().text().contains("FOREIGN KEY", Qt::CaseInsensitive));
}

void tst_Database::walIsOn()
{
    TestDatabase fixture;
    QCOMPARE(fixture.scalar("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(fixture.scalar("PRAGMA foreign_keys").toInt(), 1);
}

void tst_Database::ftsFollowsTheTable()
{
    TestDatabase fixture;
    QVERIFY(fixture.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"));
    QVERIFY(fixture.exec("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                         "updated_at) VALUES ('t', 'a', '2024-01-01', 'Corner Grocery', 'milk', -500, 'x', 'x')"));
    const QString match = "SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?";
    QCOMPARE(fixture.scalar(match, {"groc*"}).toInt(), 1);
    QVERIFY(fixture.exec("UPDATE transactions SET payee = 'Bakery' WHERE id = 't'"));
    QCOMPARE(fixture.scalar(match, {"groc*"}).toInt(), 0);
    QCOMPARE(fixture.scalar(match, {"bakery"}).toInt(), 1);
    // Columns outside the index leave it as it is, and it stays whole.
    QVERIFY(fixture.exec("UPDATE transactions SET fitid = 'F1', sync_status = 'synced' WHERE id = 't'"));
    QVERIFY(fixture.exec("UPDATE transactions SET memo = 'bread' WHERE id = 't'"));
    QCOMPARE(fixture.scalar(match, {"bread"}).toInt(), 1);
    QCOMPARE(fixture.scalar(match, {"milk"}).toInt(), 0);
    QVERIFY(fixture.exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"));
}

void tst_Database::refusesFilesThatAreNotDatabases_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text") << QByteArray("these are my notes, not a database\n");
    QTest::newRow("oneByte") << QByteArray("x");
    QByteArray damaged("SQLite format 3", 16);
    damaged.append(QByteArray(4096 - 16, '\xff'));
    QTest::newRow("damagedHeader") << damaged;
}

void tst_Database::refusesFilesThatAreNotDatabases()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("quillby.db");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    {
        Database db;
        const bool usable = db.open(path) && db.runMigrations();
        QVERIFY(!usable);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QVERIFY(!QFile::exists(path + "-wal"));
}

void tst_Database::refusesReadOnlyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quillby.db");
    {
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.runMigrations());
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFile(path).open(QIODevice::ReadWrite))
        QSKIP("running with privileges that ignore file permissions");
    QByteArray before;
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        before = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    Database db;
    QVERIFY(!db.open(path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256), before);
}

void tst_Database::unopenableLocation()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Database db;
    QVERIFY(!db.open(dir.filePath("file/quillby.db")));
}

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"
