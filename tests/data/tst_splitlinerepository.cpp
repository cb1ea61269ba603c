#include "common/testdatabase.h"
#include "data/splitlinerepository.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QDateTime at(int seconds)
{
    return QDateTime(QDate(2024, 6, 1), QTime(12, 0, 0), Qt::UTC).addSecs(seconds);
}

SplitLine line(const QString &id, const QString &transactionId, const QString &categoryId, qint64 amount,
               const QString &memo = QString())
{
    SplitLine l;
    l.id = id;
    l.transactionId = transactionId;
    l.categoryId = categoryId;
    l.amount = amount;
    l.memo = memo;
    l.createdAt = at(1);
    l.updatedAt = at(2);
    return l;
}

QStringList idsOf(const QList<SplitLine> &lines)
{
    QStringList ids;
    for (const SplitLine &l : lines)
        ids.append(l.id);
    return ids;
}

} // namespace

class tst_SplitLineRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTrips();
    void linesStayWithTheirTransaction();
    void insertFailure_data();
    void insertFailure();
    void deleteByTransaction();
    void brokenTableFailsQuietly();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<SplitLineRepository> m_repo;
};

void tst_SplitLineRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<SplitLineRepository>(m_db->database());
    const QString stamp = QStringLiteral("2024-01-01T00:00:00Z");
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'Checking', ?, ?)",
                       {stamp, stamp}));
    for (const char *category : {"food", "home"})
        QVERIFY(m_db->exec("INSERT INTO categories (id, name, created_at, updated_at) VALUES (?, ?, ?, ?)",
                           {category, category, stamp, stamp}));
    for (const char *transaction : {"t-1", "t-2"})
        QVERIFY(m_db->exec("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, created_at, "
                           "updated_at) VALUES (?, 'acc', '2024-06-01', 'Superstore', -3000, 1, ?, ?)",
                           {transaction, stamp, stamp}));
}

void tst_SplitLineRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void tst_SplitLineRepository::insertRoundTrips()
{
    QVERIFY(m_repo->insert(line("l-1", "t-1", "food", -1200, "bread and milk")));
    const QList<SplitLine> lines = m_repo->findByTransaction("t-1");
    QCOMPARE(lines.size(), 1);
    const SplitLine &read = lines.first();
    QCOMPARE(read.id, QStringLiteral("l-1"));
    QCOMPARE(read.transactionId, QStringLiteral("t-1"));
    QCOMPARE(read.categoryId, QStringLiteral("food"));
    QCOMPARE(read.amount, qint64(-1200));
    QCOMPARE(read.memo, QStringLiteral("bread and milk"));
    QCOMPARE(read.createdAt, at(1));
    QCOMPARE(read.updatedAt, at(2));
    QCOMPARE(m_db->scalar("SELECT created_at FROM split_lines").toString(), QStringLiteral("2024-06-01T12:00:01Z"));

    // A line without a memo stores '' rather than NULL.
    QVERIFY(m_repo->insert(line("l-2", "t-1", "home", -1800)));
    QCOMPARE(m_db->scalar("SELECT memo = '' FROM split_lines WHERE id = 'l-2'").toInt(), 1);
}

void tst_SplitLineRepository::linesStayWithTheirTransaction()
{
    QVERIFY(m_repo->insert(line("c", "t-1", "food", -100)));
    QVERIFY(m_repo->insert(line("a", "t-1", "home", -200)));
    QVERIFY(m_repo->insert(line("x", "t-2", "food", -300)));
    QVERIFY(m_repo->insert(line("b", "t-1", "food", -400)));
    QStringList ids = idsOf(m_repo->findByTransaction("t-1"));
    ids.sort();
    QCOMPARE(ids, (QStringList{"a", "b", "c"}));
    QCOMPARE(idsOf(m_repo->findByTransaction("t-2")), QStringList{"x"});
    QVERIFY(m_repo->findByTransaction("no-such-transaction").isEmpty());
}

void tst_SplitLineRepository::insertFailure_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("transactionId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("driverText");

    QTest::newRow("unknownTransaction") << "l-new" << "no-such-transaction" << "food" << "FOREIGN KEY";
    QTest::newRow("unknownCategory") << "l-new" << "t-1" << "no-such-category" << "FOREIGN KEY";
    QTest::newRow("missingCategory") << "l-new" << "t-1" << QString() << "NOT NULL";
    QTest::newRow("duplicateId") << "l-existing" << "t-1" << "food" << "UNIQUE";
    QTest::newRow("emptyId") << QString() << "t-1" << "food" << "no id";
}

void tst_SplitLineRepository::insertFailure()
{
    QFETCH(QString, id);
    QFETCH(QString, transactionId);
    QFETCH(QString, categoryId);
    QFETCH(QString, driverText);

    QVERIFY(m_repo->insert(line("l-existing", "t-2", "home", -10)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SplitLineRepository::insert failed: .*" + driverText));
    QVERIFY(!m_repo->insert(line(id, transactionId, categoryId, -500)));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines").toInt(), 1);
    QCOMPARE(m_db->scalar("SELECT transaction_id FROM split_lines").toString(), QStringLiteral("t-2"));
}

void tst_SplitLineRepository::deleteByTransaction()
{
    QVERIFY(m_repo->insert(line("a", "t-1", "food", -100)));
    QVERIFY(m_repo->insert(line("b", "t-1", "home", -200)));
    QVERIFY(m_repo->insert(line("c", "t-2", "food", -300)));

    QVERIFY(m_repo->deleteByTransaction("t-1"));
    QVERIFY(m_repo->findByTransaction("t-1").isEmpty());
    QCOMPARE(idsOf(m_repo->findByTransaction("t-2")), QStringList{"c"});
    // Nothing left to delete is still a statement that ran.
    QVERIFY(m_repo->deleteByTransaction("t-1"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM split_lines").toInt(), 1);
}

void tst_SplitLineRepository::brokenTableFailsQuietly()
{
    QVERIFY(m_repo->insert(line("a", "t-1", "food", -100)));
    QVERIFY(m_db->exec("DROP TABLE split_lines"));
    QTest::failOnWarning(QRegularExpression("^(?!SplitLineRepository::insert failed: ).*"));
    QVERIFY(m_repo->findByTransaction("t-1").isEmpty());
    QVERIFY(!m_repo->deleteByTransaction("t-1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^SplitLineRepository::insert failed: "));
    QVERIFY(!m_repo->insert(line("b", "t-1", "food", -100)));
}

QTEST_GUILESS_MAIN(tst_SplitLineRepository)
#include "tst_splitlinerepository.moc"
