#include "common/testdatabase.h"
#include "data/sqltransaction.h"

#include <QTest>

class tst_SqlTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void commitKeeps();
    void destructionRollsBack();
    void innerRollbackKeepsOuterWork();
    void outerRollbackUndoesCommittedInner();

private:
    int rows() const { return m_db->scalar("SELECT COUNT(*) FROM preferences").toInt(); }
    bool insert(const QString &key) const
    {
        return m_db->exec("INSERT INTO preferences (key, value) VALUES (?, 'v')", {key});
    }
    std::unique_ptr<TestDatabase> m_db;
};

void tst_SqlTransaction::init()
{
    m_db = std::make_unique<TestDatabase>();
}

void tst_SqlTransaction::cleanup()
{
    m_db.reset();
}

void tst_SqlTransaction::commitKeeps()
{
    SqlTransaction t(m_db->database()->connection());
    QVERIFY(t.isActive());
    QVERIFY(insert("a"));
    QVERIFY(t.commit());
    QVERIFY(!t.commit());
    QCOMPARE(rows(), 1);
}

void tst_SqlTransaction::destructionRollsBack()
{
    {
        SqlTransaction t(m_db->database()->connection());
        QVERIFY(insert("a"));
        QVERIFY(insert("b"));
    }
    QCOMPARE(rows(), 0);
}

void tst_SqlTransaction::innerRollbackKeepsOuterWork()
{
    SqlTransaction outer(m_db->database()->connection());
    QVERIFY(insert("a"));
    {
        SqlTransaction inner(m_db->database()->connection());
        QVERIFY(inner.isActive());
        QVERIFY(insert("b"));
        inner.rollback();
    }
    QVERIFY(outer.commit());
    QCOMPARE(rows(), 1);
}

void tst_SqlTransaction::outerRollbackUndoesCommittedInner()
{
    {
        SqlTransaction outer(m_db->database()->connection());
        SqlTransaction inner(m_db->database()->connection());
        QVERIFY(insert("a"));
        QVERIFY(inner.commit());
        QCOMPARE(rows(), 1);
    }
    QCOMPARE(rows(), 0);
}

QTEST_GUILESS_MAIN(tst_SqlTransaction)
#include "tst_sqltransaction.moc"
