#include "common/testdatabase.h"
#include "data/categoryrepository.h"
#include "data/timestamps.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class tst_CategoryRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertRoundTripsEveryField();
    void referencesBindNullWhenEmpty_data();
    void referencesBindNullWhenEmpty();
    void findAllListsLiveRowsByName();
    void findByName_data();
    void findByName();
    void updateStoresRecordAsGiven();
    void softDeleteKeepsRowForSync();
    void markAllPendingForResync_data();
    void markAllPendingForResync();
    void markSyncedEmitsNothing();
    void constraintViolationsWarnAndEmitNothing_data();
    void constraintViolationsWarnAndEmitNothing();
    void failedWritesWarnAndEmitNothing_data();
    void failedWritesWarnAndEmitNothing();
    void queriesOnBrokenTableAreEmpty();

private:
    Category makeCategory(const QString &id, const QString &name, const QString &parentId = QString()) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_repo;
};

namespace {
const QDateTime kCreated = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 3), Qt::UTC);
const QDateTime kUpdated = QDateTime(QDate(2024, 3, 6), QTime(10, 0, 0), Qt::UTC);
const QString kOldStamp = QStringLiteral("2020-01-01T00:00:00Z");

QStringList names(const QList<Category> &categories)
{
    QStringList result;
    for (const Category &c : categories)
        result << c.name;
    return result;
}
} // namespace

void tst_CategoryRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<CategoryRepository>(m_db->database());
}

void tst_CategoryRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

Category tst_CategoryRepository::makeCategory(const QString &id, const QString &name, const QString &parentId) const
{
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    c.createdAt = kCreated;
    c.updatedAt = kCreated;
    return c;
}

void tst_CategoryRepository::insertRoundTripsEveryField()
{
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'A', ?, ?)",
                       {kOldStamp, kOldStamp}));
    QVERIFY(m_repo->insert(makeCategory("parent", "Income")));

    Category c = makeCategory("cat-1", "Interest Income", "parent");
    c.type = CategoryType::Income;
    c.isTaxRelevant = true;
    c.taxCategory = "interest_income";
    c.icon = "savings";
    c.color = "#2E7D32";
    c.isDefault = true;
    c.accountId = "acc";
    c.version = 4;
    c.syncStatus = SyncStatus::Synced;
    c.serverId = "srv-7";
    c.updatedAt = kUpdated;

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QVERIFY(m_repo->insert(c));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_repo->count(), 2);

    const std::optional<Category> read = m_repo->findById("cat-1");
    QVERIFY(read.has_value());
    QCOMPARE(read->id, c.id);
    QCOMPARE(read->name, c.name);
    QCOMPARE(read->type, CategoryType::Income);
    QCOMPARE(read->parentId, QStringLiteral("parent"));
    QCOMPARE(read->isTaxRelevant, true);
    QCOMPARE(read->taxCategory, c.taxCategory);
    QCOMPARE(read->icon, c.icon);
    QCOMPARE(read->color, c.color);
    QCOMPARE(read->isDefault, true);
    QCOMPARE(read->accountId, QStringLiteral("acc"));
    QCOMPARE(read->version, 4);
    QCOMPARE(read->syncStatus, SyncStatus::Synced);
    QCOMPARE(read->serverId, c.serverId);
    QCOMPARE(read->createdAt, kCreated);
    QCOMPARE(read->updatedAt, kUpdated);
    QVERIFY(!read->deletedAt.has_value());
    QCOMPARE(m_db->scalar("SELECT category_type || '|' || is_tax_relevant || '|' || is_default || '|' || "
                          "sync_status FROM categories WHERE id = 'cat-1'").toString(),
             QStringLiteral("income|1|1|synced"));
    QVERIFY(!m_repo->findById("absent").has_value());
}

void tst_CategoryRepository::referencesBindNullWhenEmpty_data()
{
    QTest::addColumn<QString>("parentId");
    QTest::addColumn<QString>("accountId");

    // Empty but not null, as a line edit hands them over.
    const QString empty = QStringLiteral("");
    QTest::newRow("topLevel") << empty << empty;
    QTest::newRow("child") << QStringLiteral("parent") << empty;
    QTest::newRow("accountScoped") << empty << QStringLiteral("acc");
    QTest::newRow("both") << QStringLiteral("parent") << QStringLiteral("acc");
}

void tst_CategoryRepository::referencesBindNullWhenEmpty()
{
    QFETCH(QString, parentId);
    QFETCH(QString, accountId);
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'A', ?, ?)",
                       {kOldStamp, kOldStamp}));
    QVERIFY(m_repo->insert(makeCategory("parent", "Parent")));

    // Inserted with the references as given, then updated to the same values.
    Category c = makeCategory("c", "Child", parentId);
    c.accountId = accountId;
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(pass == 0 ? m_repo->insert(c) : m_repo->update(c));
        QCOMPARE(m_db->scalar("SELECT parent_id IS NULL FROM categories WHERE id = 'c'").toBool(),
                 parentId.isEmpty());
        QCOMPARE(m_db->scalar("SELECT account_id IS NULL FROM categories WHERE id = 'c'").toBool(),
                 accountId.isEmpty());
        const Category read = *m_repo->findById("c");
        QCOMPARE(read.parentId, parentId);
        QCOMPARE(read.accountId, accountId);
    }
}

void tst_CategoryRepository::findAllListsLiveRowsByName()
{
    QVERIFY(m_repo->insert(makeCategory("u", "Utilities")));
    QVERIFY(m_repo->insert(makeCategory("w", "Water", "u")));
    QVERIFY(m_repo->insert(makeCategory("a", "Auto")));
    QVERIFY(m_repo->insert(makeCategory("e", "Electric", "u")));
    QVERIFY(m_repo->insert(makeCategory("g", "Groceries")));
    QVERIFY(m_repo->softDelete("g"));

    // Parents and children mixed, by name only.
    QCOMPARE(names(m_repo->findAll()), (QStringList{"Auto", "Electric", "Utilities", "Water"}));
    QCOMPARE(m_repo->count(), 4);
}

void tst_CategoryRepository::findByName_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expectedId");   // empty: nothing found

    QTest::newRow("exact") << "Pets" << "pets";
    QTest::newRow("lowerCase") << "pets" << "";
    QTest::newRow("upperCase") << "PETS" << "";
    QTest::newRow("trailingSpace") << "Pets " << "";
    QTest::newRow("prefix") << "Pet" << "";
    QTest::newRow("deletedOnly") << "Gifts" << "";
    QTest::newRow("liveBesideDeleted") << "Phone" << "phone-live";
    QTest::newRow("empty") << "" << "";
}

void tst_CategoryRepository::findByName()
{
    QFETCH(QString, query);
    QFETCH(QString, expectedId);
    QVERIFY(m_repo->insert(makeCategory("pets", "Pets")));
    QVERIFY(m_repo->insert(makeCategory("gifts", "Gifts")));
    QVERIFY(m_repo->softDelete("gifts"));
    QVERIFY(m_repo->insert(makeCategory("phone-old", "Phone")));
    QVERIFY(m_repo->softDelete("phone-old"));
    QVERIFY(m_repo->insert(makeCategory("phone-live", "Phone")));

    const std::optional<Category> found = m_repo->findByName(query);
    QCOMPARE(found.has_value(), !expectedId.isEmpty());
    if (found)
        QCOMPARE(found->id, expectedId);
}

void tst_CategoryRepository::updateStoresRecordAsGiven()
{
    QVERIFY(m_repo->insert(makeCategory("p", "Parent")));
    QVERIFY(m_repo->insert(makeCategory("c", "Child", "p")));

    Category edited = *m_repo->findById("c");
    edited.name = "Renamed";
    edited.type = CategoryType::Transfer;
    edited.parentId.clear();
    edited.isTaxRelevant = true;
    edited.taxCategory = "salt";
    edited.version = 9;
    edited.syncStatus = SyncStatus::Conflict;
    edited.serverId = "srv-c";
    edited.createdAt = kUpdated;   // never written by update
    edited.updatedAt = kUpdated;

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QVERIFY(m_repo->update(edited));
    QCOMPARE(changed.size(), 1);

    const Category read = *m_repo->findById("c");
    QCOMPARE(read.name, QStringLiteral("Renamed"));
    QCOMPARE(read.type, CategoryType::Transfer);
    QVERIFY(read.parentId.isEmpty());
    QCOMPARE(read.isTaxRelevant, true);
    QCOMPARE(read.taxCategory, QStringLiteral("salt"));
    QCOMPARE(read.version, 9);
    QCOMPARE(read.syncStatus, SyncStatus::Conflict);
    QCOMPARE(read.serverId, QStringLiteral("srv-c"));
    QCOMPARE(read.createdAt, kCreated);
    QCOMPARE(read.updatedAt, kUpdated);
}

void tst_CategoryRepository::softDeleteKeepsRowForSync()
{
    Category c = makeCategory("c", "Cat");
    c.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(c));
    QVERIFY(m_repo->findPendingSync().isEmpty());

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QVERIFY(m_repo->softDelete("c"));
    QCOMPARE(changed.size(), 1);

    QCOMPARE(m_repo->count(), 0);
    QVERIFY(m_repo->findAll().isEmpty());
    const std::optional<Category> read = m_repo->findById("c");
    QVERIFY(read.has_value());
    QVERIFY(read->deletedAt.has_value());
    QVERIFY(*read->deletedAt >= before);
    QCOMPARE(read->updatedAt, *read->deletedAt);
    QCOMPARE(read->syncStatus, SyncStatus::Pending);
    const QList<Category> pending = m_repo->findPendingSync();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.first().id, QStringLiteral("c"));
}

void tst_CategoryRepository::markAllPendingForResync_data()
{
    QTest::addColumn<QStringList>("statuses");   // "synced", "pending", "conflict", "deleted-synced"
    QTest::addColumn<int>("expected");

    QTest::newRow("empty") << QStringList{} << 0;
    QTest::newRow("allPending") << QStringList{"pending", "pending"} << 0;
    QTest::newRow("onlyDeletedSynced") << QStringList{"deleted-synced"} << 0;
    QTest::newRow("mixed") << QStringList{"synced", "pending", "conflict", "deleted-synced", "synced"} << 3;
}

void tst_CategoryRepository::markAllPendingForResync()
{
    QFETCH(QStringList, statuses);
    QFETCH(int, expected);
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        const QString id = QStringLiteral("c%1").arg(i);
        const QString status = statuses.at(i);
        const bool deleted = status.startsWith("deleted-");
        QVERIFY(m_db->exec("INSERT INTO categories (id, name, sync_status, created_at, updated_at, deleted_at) "
                           "VALUES (?, ?, ?, ?, ?, ?)",
                           {id, id, deleted ? status.mid(8) : status, kOldStamp, kOldStamp,
                            deleted ? QVariant(kOldStamp) : QVariant(QMetaType::fromType<QString>())}));
    }

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), expected);
    QCOMPARE(changed.size(), expected > 0 ? 1 : 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL AND sync_status != 'pending'")
                 .toInt(),
             0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE deleted_at IS NOT NULL AND sync_status = 'synced'")
                 .toInt(),
             int(statuses.count("deleted-synced")));
}

void tst_CategoryRepository::markSyncedEmitsNothing()
{
    QVERIFY(m_repo->insert(makeCategory("c", "Cat")));
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QVERIFY(m_repo->markSynced("c", "srv-c"));
    QCOMPARE(changed.size(), 0);
    const Category read = *m_repo->findById("c");
    QCOMPARE(read.syncStatus, SyncStatus::Synced);
    QCOMPARE(read.serverId, QStringLiteral("srv-c"));
    QCOMPARE(read.updatedAt, kCreated);
}

void tst_CategoryRepository::constraintViolationsWarnAndEmitNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("parentId");
    QTest::addColumn<QString>("driverText");

    QTest::newRow("duplicateId") << "existing" << "" << "UNIQUE";
    QTest::newRow("unknownParent") << "new" << "no-such-parent" << "FOREIGN KEY";
}

void tst_CategoryRepository::constraintViolationsWarnAndEmitNothing()
{
    QFETCH(QString, id);
    QFETCH(QString, parentId);
    QFETCH(QString, driverText);
    QVERIFY(m_repo->insert(makeCategory("existing", "Existing")));

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: .*%1").arg(driverText)));
    QVERIFY(!m_repo->insert(makeCategory(id, "Refused", parentId)));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_repo->count(), 1);
    QCOMPARE(m_repo->findById("existing")->name, QStringLiteral("Existing"));
}

void tst_CategoryRepository::failedWritesWarnAndEmitNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("insert") << "insert";
    QTest::newRow("update") << "update";
    QTest::newRow("softDelete") << "softDelete";
    QTest::newRow("markAllPendingForResync") << "markAllPendingForResync";
}

void tst_CategoryRepository::failedWritesWarnAndEmitNothing()
{
    QFETCH(QString, operation);
    QVERIFY(m_db->exec("DROP TABLE categories"));
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
                                           QStringLiteral("^CategoryRepository::%1 failed: .+").arg(operation)));
    const Category c = makeCategory("c", "Cat");
    if (operation == "insert")
        QVERIFY(!m_repo->insert(c));
    else if (operation == "update")
        QVERIFY(!m_repo->update(c));
    else if (operation == "softDelete")
        QVERIFY(!m_repo->softDelete("c"));
    else
        QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.size(), 0);
}

void tst_CategoryRepository::queriesOnBrokenTableAreEmpty()
{
    QVERIFY(m_db->exec("DROP TABLE categories"));
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    QCOMPARE(m_repo->count(), 0);
    QVERIFY(m_repo->findAll().isEmpty());
    QVERIFY(!m_repo->findById("c").has_value());
    QVERIFY(!m_repo->findByName("Cat").has_value());
    QVERIFY(m_repo->findPendingSync().isEmpty());
    QVERIFY(!m_repo->markSynced("c", "srv"));
    QCOMPARE(changed.size(), 0);
}

QTEST_GUILESS_MAIN(tst_CategoryRepository)
#include "tst_categoryrepository.moc"
