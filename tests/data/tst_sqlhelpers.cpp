#include "common/testdatabase.h"
#include "data/database.h"
#include "data/sqlhelpers.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The cached write path of Sql::execCached: a statement reused per SQL text
// must behave exactly like one prepared for the call.
class tst_SqlHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void reuseStoresEveryRow_data();
    void reuseStoresEveryRow();
    void nullAfterValueIsStoredAsNull();
    void fewerBindsFailLikeAFreshStatement_data();
    void fewerBindsFailLikeAFreshStatement();
    void failedExecutionLeavesNextWorking();
    void badStatementIsNotCached();
    void reportsRowsAffected();
    void closedDatabaseDropsStatements();
    void reopenedDatabaseGetsFreshStatements();

private:
    QString connectionName() const { return m_db->database()->connection().connectionName(); }
    bool put(const QVariantList &binds, int *changed = nullptr) const
    {
        return Sql::execCached(m_db->database()->connection(), kInsert, binds, nullptr, changed);
    }
    QVariant valueOf(const QString &key) const
    {
        return m_db->scalar(QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key});
    }

    static const QString kInsert;
    std::unique_ptr<TestDatabase> m_db;
};

const QString tst_SqlHelpers::kInsert = QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?)");

void tst_SqlHelpers::init()
{
    m_db = std::make_unique<TestDatabase>();
}

void tst_SqlHelpers::cleanup()
{
    m_db.reset();
}

void tst_SqlHelpers::reuseStoresEveryRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("many") << 50;
}

void tst_SqlHelpers::reuseStoresEveryRow()
{
    QFETCH(int, rows);
    for (int i = 0; i < rows; ++i)
        QVERIFY(put({QStringLiteral("k%1").arg(i), QStringLiteral("v%1").arg(i)}));
    QCOMPARE(Sql::cachedStatementCount(connectionName()), 1);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), rows);
    for (int i = 0; i < rows; ++i)
        QCOMPARE(valueOf(QStringLiteral("k%1").arg(i)).toString(), QStringLiteral("v%1").arg(i));
}

void tst_SqlHelpers::nullAfterValueIsStoredAsNull()
{
    QVERIFY(put({QStringLiteral("a"), QStringLiteral("kept")}));
    QVERIFY(put({QStringLiteral("b"), QVariant()}));
    QCOMPARE(valueOf(QStringLiteral("a")).toString(), QStringLiteral("kept"));
    QVERIFY(m_db->scalar(QStringLiteral("SELECT value IS NULL FROM preferences WHERE key = 'b'")).toBool());
}

void tst_SqlHelpers::fewerBindsFailLikeAFreshStatement_data()
{
    QTest::addColumn<bool>("warm");
    QTest::newRow("fresh statement") << false;
    QTest::newRow("after a full call") << true;
}

void tst_SqlHelpers::fewerBindsFailLikeAFreshStatement()
{
    QFETCH(bool, warm);
    if (warm)
        QVERIFY(put({QStringLiteral("a"), QStringLiteral("first")}));
    // The earlier call's second value must not fill the missing one.
    QVERIFY(!put({QStringLiteral("b")}));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'b'")).toInt(), 0);
    QVERIFY(put({QStringLiteral("c"), QStringLiteral("third")}));
    QCOMPARE(valueOf(QStringLiteral("c")).toString(), QStringLiteral("third"));
}

void tst_SqlHelpers::failedExecutionLeavesNextWorking()
{
    QVERIFY(put({QStringLiteral("a"), QStringLiteral("1")}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Test insert failed:.*UNIQUE")));
    QVERIFY(!Sql::execCached(m_db->database()->connection(), kInsert, {QStringLiteral("a"), QStringLiteral("2")},
                             "Test insert"));
    QVERIFY(put({QStringLiteral("b"), QStringLiteral("3")}));
    QCOMPARE(valueOf(QStringLiteral("a")).toString(), QStringLiteral("1"));
    QCOMPARE(valueOf(QStringLiteral("b")).toString(), QStringLiteral("3"));
}

void tst_SqlHelpers::badStatementIsNotCached()
{
    QVERIFY(!Sql::execCached(m_db->database()->connection(), QStringLiteral("INSERT INTO no_such_table VALUES (?)"),
                             {1}));
    QCOMPARE(Sql::cachedStatementCount(connectionName()), 0);
}

void tst_SqlHelpers::reportsRowsAffected()
{
    QVERIFY(put({QStringLiteral("a"), QStringLiteral("1")}));
    QVERIFY(put({QStringLiteral("b"), QStringLiteral("1")}));
    QVERIFY(put({QStringLiteral("c"), QStringLiteral("2")}));
    const QString update = QStringLiteral("UPDATE preferences SET value = 'x' WHERE value = ?");
    int changed = -1;
    QVERIFY(Sql::execCached(m_db->database()->connection(), update, {QStringLiteral("1")}, nullptr, &changed));
    QCOMPARE(changed, 2);
    QVERIFY(Sql::execCached(m_db->database()->connection(), update, {QStringLiteral("none")}, nullptr, &changed));
    QCOMPARE(changed, 0);
}

void tst_SqlHelpers::closedDatabaseDropsStatements()
{
    QVERIFY(put({QStringLiteral("a"), QStringLiteral("1")}));
    const QString name = connectionName();
    QCOMPARE(Sql::cachedStatementCount(name), 1);
    m_db.reset();
    QCOMPARE(Sql::cachedStatementCount(name), 0);
}

void tst_SqlHelpers::reopenedDatabaseGetsFreshStatements()
{
    m_db.reset();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("quillby.db"));
    {
        Database first;
        QVERIFY(first.open(path));
        QVERIFY(first.runMigrations());
        QVERIFY(Sql::execCached(first.connection(), kInsert, {QStringLiteral("a"), QStringLiteral("1")}));
        QCOMPARE(Sql::cachedStatementCount(first.connection().connectionName()), 1);
    }
    // The program's next start opens the same file on a new connection.
    Database second;
    QVERIFY(second.open(path));
    QCOMPARE(Sql::cachedStatementCount(second.connection().connectionName()), 0);
    QVERIFY(Sql::execCached(second.connection(), kInsert, {QStringLiteral("b"), QStringLiteral("2")}));
    QVERIFY(Sql::execCached(second.connection(), kInsert, {QStringLiteral("c"), QStringLiteral("3")}));
    QSqlQuery query(second.connection());
    QVERIFY(query.exec(QStringLiteral("SELECT group_concat(key || value, ',') FROM (SELECT key, value FROM "
                                      "preferences ORDER BY key)")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("a1,b2,c3"));
}

QTEST_GUILESS_MAIN(tst_SqlHelpers)
#include "tst_sqlhelpers.moc"
