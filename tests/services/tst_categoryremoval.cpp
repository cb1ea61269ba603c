#include "common/servicefixture.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/categoryremoval.h"
#include "services/undohistory.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// Deleting a category does what its prompt says, in one step: transactions
// and templates uncategorized, subcategories moved up, split lines moved to
// a category that still exists; all stamped, undoable, or nothing at all.
class TestCategoryRemoval : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ServiceFixture>();
        m_undo = std::make_unique<UndoHistory>();
        m_removal = std::make_unique<CategoryRemoval>(m_fixture->db().database(), m_fixture->categories());
        m_removal->setUndoHistory(m_undo.get());
        m_account = m_fixture->addAccount(QStringLiteral("Checking"));
        m_food = m_fixture->addCategory(QStringLiteral("Food"));
        m_dining = m_fixture->addCategory(QStringLiteral("Dining"));
        m_snacks = m_fixture->addCategory(QStringLiteral("Snacks"));
        m_other = m_fixture->addCategory(QStringLiteral("Household"));
        QVERIFY(exec("UPDATE categories SET parent_id = ? WHERE id IN (?, ?)", {m_food, m_dining, m_snacks}));

        m_plainFood = addWithCategory(-500, m_food);
        m_plainDining = addWithCategory(-700, m_dining);
        m_split = addWithCategory(-1000, QString());
        QVERIFY(exec("UPDATE transactions SET is_split = 1 WHERE id = ?", {m_split}));
        QVERIFY(exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
                     "VALUES ('line-food', ?, ?, -600, '', 'x', 'x'), ('line-dining', ?, ?, -300, '', 'x', 'x'), "
                     "('line-other', ?, ?, -100, '', 'x', 'x')",
                     {m_split, m_food, m_split, m_dining, m_split, m_other}));
        QVERIFY(exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, category_id, start_date, "
                     "next_due_date, created_at, updated_at) VALUES ('rec-food', ?, 'Box', -2500, ?, '2025-01-01', "
                     "'2025-02-01', 'x', 'x')",
                     {m_account, m_food}));
        m_before = dump();
    }

    void cleanup()
    {
        m_removal.reset();
        m_undo.reset();
        m_fixture.reset();
    }

    void topLevelCategory()
    {
        QSignalSpy announced(m_fixture->db().database()->changes(), &ChangeJournal::committed);
        const int version = column("transactions", m_plainFood, "version").toInt();
        const auto removed = m_removal->remove(m_food);
        QVERIFY2(removed.ok(), qPrintable(removed.error()));
        QCOMPARE(announced.count(), 1);

        QVERIFY(column("transactions", m_plainFood, "category_id").isNull());
        QCOMPARE(column("transactions", m_plainFood, "version").toInt(), version + 1);
        QCOMPARE(column("transactions", m_plainFood, "sync_status").toString(), QStringLiteral("pending"));
        QCOMPARE(column("transactions", m_plainDining, "category_id").toString(), m_dining);
        // Subcategories move up and keep their rows.
        QVERIFY(column("categories", m_dining, "parent_id").isNull());
        QVERIFY(column("categories", m_snacks, "parent_id").isNull());
        QVERIFY(column("recurring_transactions", "rec-food", "category_id").isNull());
        QVERIFY(!column("categories", m_food, "deleted_at").isNull());

        // The food line goes to a new top-level "Uncategorized"; the others stay.
        const QString home = column("split_lines", "line-food", "category_id").toString();
        QCOMPARE(removed->splitLinesMovedTo, home);
        QCOMPARE(column("categories", home, "name").toString(), QStringLiteral("Uncategorized"));
        QVERIFY(column("categories", home, "parent_id").isNull());
        QCOMPARE(column("split_lines", "line-dining", "category_id").toString(), m_dining);
        QCOMPARE(column("transactions", m_split, "sync_status").toString(), QStringLiteral("pending"));
        QCOMPARE(removed->transactions, 1);
        QCOMPARE(removed->splitLines, 1);
        QCOMPARE(removed->subcategories, 2);
        QCOMPARE(removed->recurring, 1);

        // A second top-level deletion reuses that category.
        const auto again = m_removal->remove(m_other);
        QVERIFY(again.ok());
        QCOMPARE(again->splitLinesMovedTo, home);
        QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM categories WHERE name = 'Uncategorized'").toInt(), 1);
    }

    void subcategoryLinesGoToTheParent()
    {
        const auto removed = m_removal->remove(m_dining);
        QVERIFY(removed.ok());
        QCOMPARE(column("split_lines", "line-dining", "category_id").toString(), m_food);
        QCOMPARE(removed->splitLinesMovedTo, m_food);
        QVERIFY(column("transactions", m_plainDining, "category_id").isNull());
        QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM categories WHERE name = 'Uncategorized'").toInt(), 0);
    }

    void undoPutsEverythingBackAndRedoDeletesAgain()
    {
        QVERIFY(m_removal->remove(m_food).ok());
        const QStringList deleted = dump();
        QCOMPARE(m_undo->undoText(), QStringLiteral("Delete Category"));

        QVERIFY(m_undo->undo().ok());
        QCOMPARE(dump(), m_before);
        QCOMPARE(column("transactions", m_plainFood, "sync_status").toString(), QStringLiteral("pending"));

        QVERIFY(m_undo->redo().ok());
        QCOMPARE(dump(), deleted);
    }

    // Rows given the category between an undo and the redo are taken off it
    // by the redo, and the next undo gives them the category back with the
    // rest.
    void undoAfterRedoPutsBackWhatTheRedoChanged()
    {
        QVERIFY(m_removal->remove(m_food).ok());
        QVERIFY(m_undo->undo().ok());
        const QString later = addWithCategory(-900, m_food);
        const QString child = m_fixture->addCategory(QStringLiteral("Takeaway"));
        QVERIFY(exec("UPDATE categories SET parent_id = ? WHERE id = ?", {m_food, child}));
        QVERIFY(exec("UPDATE split_lines SET category_id = ? WHERE id = 'line-other'", {m_food}));
        const QStringList restored = dump();

        QVERIFY(m_undo->redo().ok());
        QVERIFY(column("transactions", later, "category_id").isNull());
        QVERIFY(column("categories", child, "parent_id").isNull());
        QVERIFY(column("split_lines", "line-other", "category_id").toString() != m_food);

        QVERIFY(m_undo->undo().ok());
        QCOMPARE(dump(), restored);
        QCOMPARE(column("transactions", later, "category_id").toString(), m_food);
        QCOMPARE(column("categories", child, "parent_id").toString(), m_food);
        QCOMPARE(column("split_lines", "line-other", "category_id").toString(), m_food);
        QCOMPARE(m_fixture->db().scalar("SELECT COUNT(*) FROM categories WHERE name = 'Uncategorized' AND "
                                        "deleted_at IS NULL").toInt(), 0);
    }

    // A statement refused half-way leaves every row as it was.
    void failureChangesNothing()
    {
        QVERIFY(m_fixture->db().exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF parent_id ON categories "
                                                    "WHEN old.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                                         .arg(m_snacks)));
        const auto removed = m_removal->remove(m_food);
        QVERIFY(!removed.ok());
        QVERIFY(!removed.error().isEmpty());
        QCOMPARE(dump(), m_before);
        QVERIFY(column("categories", m_food, "deleted_at").isNull());
        QVERIFY(!m_undo->canUndo());
    }

    void goneCategoryIsRefused()
    {
        QVERIFY(m_removal->remove(QStringLiteral("no-such-category")).error().contains(QStringLiteral("no longer")));
        QVERIFY(m_removal->remove(m_food).ok());
        QVERIFY(!m_removal->remove(m_food).ok());
    }

private:
    bool exec(const char *sql, const QVariantList &binds = {})
    {
        return m_fixture->db().exec(QString::fromUtf8(sql), binds);
    }
    QString addWithCategory(qint64 amount, const QString &category)
    {
        const QString id = m_fixture->addTransaction(m_account, amount).id;
        if (!category.isEmpty())
            exec("UPDATE transactions SET category_id = ? WHERE id = ?", {category, id});
        return id;
    }
    QVariant column(const char *table, const QString &id, const char *name) const
    {
        return m_fixture->db().scalar(
            QStringLiteral("SELECT %1 FROM %2 WHERE id = ?").arg(QLatin1String(name), QLatin1String(table)), {id});
    }
    // What a person sees of the data: the live categories and their places,
    // and the category of every row, split line and template.
    QStringList dump() const
    {
        QStringList rows;
        for (const char *sql :
             {"SELECT id || ':' || IFNULL(parent_id, '-') FROM categories WHERE deleted_at IS NULL ORDER BY id",
              "SELECT id || ':' || IFNULL(category_id, '-') FROM transactions ORDER BY id",
              "SELECT id || ':' || category_id FROM split_lines ORDER BY id",
              "SELECT id || ':' || IFNULL(category_id, '-') FROM recurring_transactions ORDER BY id"}) {
            QSqlQuery query(m_fixture->db().database()->connection());
            if (!query.exec(QString::fromUtf8(sql)))
                return {QStringLiteral("query failed")};
            while (query.next())
                rows.append(query.value(0).toString());
        }
        return rows;
    }

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<UndoHistory> m_undo;
    std::unique_ptr<CategoryRemoval> m_removal;
    QString m_account;
    QString m_food;
    QString m_dining;
    QString m_snacks;
    QString m_other;
    QString m_plainFood;
    QString m_plainDining;
    QString m_split;
    QStringList m_before;
};

QTEST_GUILESS_MAIN(TestCategoryRemoval)
#include "tst_categoryremoval.moc"
