#include "data/database.h"
#include "data/sqlstatementsplitter.h"

#include <QFile>
#include <QTest>

class tst_SqlStatementSplitter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void migrationStatementCounts_data();
    void migrationStatementCounts();
    void triggersStayWhole();
    void scripts_data();
    void scripts();
};

static QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void tst_SqlStatementSplitter::migrationStatementCounts_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("count");
    QTest::newRow("initial") << 1 << 19;
    QTest::newRow("reconSync") << 2 << 7;
    QTest::newRow("leadDays") << 3 << 1;
}

void tst_SqlStatementSplitter::migrationStatementCounts()
{
    QFETCH(int, version);
    QFETCH(int, count);
    const QString script = readResource(Database::migrations().at(version - 1).resource);
    QVERIFY(!script.isEmpty());
    const QStringList statements = splitSqlStatements(script);
    QCOMPARE(statements.size(), count);
    for (const QString &statement : statements) {
        QVERIFY2(!statement.endsWith(';'), qPrintable(statement));
        QVERIFY(!statement.startsWith("--"));
    }
}

void tst_SqlStatementSplitter::triggersStayWhole()
{
    const QStringList statements = splitSqlStatements(readResource(Database::migrations().at(0).resource));
    QStringList triggers;
    for (const QString &s : statements) {
        if (s.startsWith("CREATE TRIGGER"))
            triggers << s;
    }
    QCOMPARE(triggers.size(), 3);
    for (const QString &trigger : triggers) {
        QVERIFY2(trigger.endsWith("END"), qPrintable(trigger));
        QVERIFY(trigger.contains("BEGIN\n"));
    }
    // The update trigger keeps both semicolons of its two-statement body.
    const QString update = triggers.at(2);
    QVERIFY(update.startsWith("CREATE TRIGGER IF NOT EXISTS transactions_au"));
    QCOMPARE(update.count(';'), 2);
    QVERIFY(update.contains("old.check_number);\n    INSERT INTO transactions_fts(rowid"));
}

void tst_SqlStatementSplitter::scripts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("lastWithoutSemicolon")
        << "CREATE TABLE a (x);\nCREATE TABLE b (y)" << QStringList{"CREATE TABLE a (x)", "CREATE TABLE b (y)"};
    QTest::newRow("commentsDropped")
        << "-- one\n  -- indented\nSELECT 1;\n" << QStringList{"SELECT 1"};
    QTest::newRow("multiLineStatement")
        << "UPDATE t SET a = 1\nWHERE b = 2;\n" << QStringList{"UPDATE t SET a = 1\nWHERE b = 2"};
    QTest::newRow("loneSemicolons") << ";\n;\n\n" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("lowerCaseTrigger")
        << "create trigger x after insert on t begin\n  select 1;\n  select 2;\nend;\nSELECT 3;"
        << QStringList{"create trigger x after insert on t begin\n  select 1;\n  select 2;\nend", "SELECT 3"};
    QTest::newRow("strayEndOutsideBlock")
        << "SELECT 1;\nEND;\n" << QStringList{"SELECT 1", "END"};
    QTest::newRow("crlfLines") << "SELECT 1;\r\nSELECT 2;\r\n" << QStringList{"SELECT 1", "SELECT 2"};
}

void tst_SqlStatementSplitter::scripts()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    QCOMPARE(splitSqlStatements(script), expected);
}

QTEST_GUILESS_MAIN(tst_SqlStatementSplitter)
#include "tst_sqlstatementsplitter.moc"
