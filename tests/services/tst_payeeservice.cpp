#include "common/servicefixture.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/payeeservice.h"
#include "services/undohistory.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// Renaming and merging payees: every row of the payees in one transaction,
// stamped for sync, announced once, undoable as one step.
class TestPayeeService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ServiceFixture>();
        m_undo = std::make_unique<UndoHistory>();
        m_service = std::make_unique<PayeeService>(m_fixture->transactions());
        m_service->setUndoHistory(m_undo.get());
        m_account = m_fixture->addAccount(QStringLiteral("Checking"));
        m_a1 = m_fixture->addTransaction(m_account, -500, QStringLiteral("Corner Grocer")).id;
        m_a2 = m_fixture->addTransaction(m_account, -700, QStringLiteral("Corner Grocer")).id;
        m_b = m_fixture->addTransaction(m_account, -900, QStringLiteral("CORNER GROCER #12")).id;
        m_c = m_fixture->addTransaction(m_account, -100, QStringLiteral("Cafe")).id;
        m_deleted = m_fixture->addTransaction(m_account, -300, QStringLiteral("Corner Grocer")).id;
        QVERIFY(m_fixture->transactions()->softDelete(m_deleted));
    }

    void cleanup()
    {
        m_service.reset();
        m_undo.reset();
        m_fixture.reset();
    }

    void renameStampsEveryLiveRowOnce()
    {
        const int versionBefore = version(m_a1);
        const QString deletedStamp = column(m_deleted, "updated_at").toString();
        QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);

        const Result<int> renamed = m_service->rename({QStringLiteral("Corner Grocer")}, QStringLiteral("  Corner Grocery "));
        QVERIFY2(renamed.ok(), qPrintable(renamed.error()));
        QCOMPARE(renamed.value(), 2);
        QCOMPARE(payee(m_a1), QStringLiteral("Corner Grocery"));
        QCOMPARE(payee(m_a2), QStringLiteral("Corner Grocery"));
        QCOMPARE(payee(m_b), QStringLiteral("CORNER GROCER #12"));
        // A deleted row keeps its name and its stamp.
        QCOMPARE(payee(m_deleted), QStringLiteral("Corner Grocer"));
        QCOMPARE(column(m_deleted, "updated_at").toString(), deletedStamp);
        QCOMPARE(version(m_a1), versionBefore + 1);
        QCOMPARE(column(m_a1, "sync_status").toString(), QStringLiteral("pending"));
        // Our timestamp form, not SQLite's "yyyy-MM-dd hh:mm:ss".
        QVERIFY(column(m_a1, "updated_at").toString().contains(QLatin1Char('T')));
        QCOMPARE(announced.count(), 1);
    }

    void refusedNames_data()
    {
        QTest::addColumn<QStringList>("payees");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QStringList{QStringLiteral("Cafe")} << QString();
        QTest::newRow("blank") << QStringList{QStringLiteral("Cafe")} << QStringLiteral("   ");
    }

    void refusedNames()
    {
        QFETCH(QStringList, payees);
        QFETCH(QString, name);
        QVERIFY(!m_service->rename(payees, name).ok());
        QCOMPARE(payee(m_c), QStringLiteral("Cafe"));
        QVERIFY(!m_undo->canUndo());
    }

    void mergeIntoAnExistingPayeeLeavesItsRowsAlone()
    {
        const int targetVersion = version(m_b);
        QVERIFY(!m_service->merge({QStringLiteral("Cafe")}, QStringLiteral("Cafe")).ok());   // one payee is no merge

        const Result<int> merged = m_service->merge(
            {QStringLiteral("Corner Grocer"), QStringLiteral("CORNER GROCER #12")}, QStringLiteral("CORNER GROCER #12"));
        QVERIFY2(merged.ok(), qPrintable(merged.error()));
        QCOMPARE(merged.value(), 2);
        QCOMPARE(version(m_b), targetVersion);
        QCOMPARE(m_fixture->transactions()->distinctPayees(),
                 (QStringList{QStringLiteral("CORNER GROCER #12"), QStringLiteral("Cafe")}));
        QCOMPARE(m_undo->undoText(), QStringLiteral("Merge Payees"));
    }

    void undoAndRedoPutNamesBackWithFreshStamps()
    {
        QVERIFY(m_service->rename({QStringLiteral("Corner Grocer"), QStringLiteral("Cafe")}, QStringLiteral("Market")).ok());
        const int renamedVersion = version(m_a1);

        QVERIFY(m_undo->undo().ok());
        QCOMPARE(payee(m_a1), QStringLiteral("Corner Grocer"));
        QCOMPARE(payee(m_a2), QStringLiteral("Corner Grocer"));
        QCOMPARE(payee(m_c), QStringLiteral("Cafe"));
        QCOMPARE(version(m_a1), renamedVersion + 1);

        QVERIFY(m_undo->redo().ok());
        QCOMPARE(payee(m_a1), QStringLiteral("Market"));
        QCOMPARE(payee(m_c), QStringLiteral("Market"));

        // A row deleted meanwhile is skipped; the others still go back.
        QVERIFY(m_fixture->transactions()->softDelete(m_a2));
        QVERIFY(m_undo->undo().ok());
        QCOMPARE(payee(m_a1), QStringLiteral("Corner Grocer"));
        QCOMPARE(payee(m_a2), QStringLiteral("Market"));
    }

    // A failing row rolls the whole rename back.
    void failureChangesNothing()
    {
        QVERIFY(m_fixture->db().exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE UPDATE OF payee ON transactions WHEN new.id = '%1' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(m_a2)));
        QVERIFY(!m_service->rename({QStringLiteral("Corner Grocer")}, QStringLiteral("Market")).ok());
        QCOMPARE(payee(m_a1), QStringLiteral("Corner Grocer"));
        QCOMPARE(payee(m_a2), QStringLiteral("Corner Grocer"));
        QVERIFY(!m_undo->canUndo());
    }

private:
    QVariant column(const QString &id, const char *name) const
    {
        return m_fixture->db().scalar(QStringLiteral("SELECT %1 FROM transactions WHERE id = ?").arg(QLatin1String(name)), {id});
    }
    QString payee(const QString &id) const { return column(id, "payee").toString(); }
    int version(const QString &id) const { return column(id, "version").toInt(); }

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<UndoHistory> m_undo;
    std::unique_ptr<PayeeService> m_service;
    QString m_account;
    QString m_a1;
    QString m_a2;
    QString m_b;
    QString m_c;
    QString m_deleted;
};

QTEST_GUILESS_MAIN(TestPayeeService)
#include "tst_payeeservice.moc"
