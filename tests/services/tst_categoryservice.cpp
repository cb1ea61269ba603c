#include "common/testdatabase.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"

#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

class tst_CategoryService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void seedsTheDefaultTree();
    void seededRows_data();
    void seededRows();
    void knownIds_data();
    void knownIds();
    void seedingIsIdempotent();
    void anyLiveCategoryPreventsSeeding();
    void twoDatabasesGetTheSameIds();
    void failurePartWayLeavesNoRows();
    void softDeletedDefaultsStayDeleted();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_repo;
    std::unique_ptr<CategoryService> m_service;
};

namespace {

struct Expected
{
    const char *name;
    const char *type;
    const char *parent;
    const char *taxCode;
};

// The default tree as the user sees it, written out independently of the seeding code.
const Expected kTree[] = {
    {"Charitable Donations", "expense", "", "charitable_contributions"},
    {"Medical Expenses", "expense", "", "medical_dental"},
    {"Business Expenses", "expense", "", "business_expense"},
    {"Home Office", "expense", "Business Expenses", "home_office"},
    {"Education Expenses", "expense", "", "education"},
    {"State & Local Taxes", "expense", "", "salt"},
    {"Mortgage Interest", "expense", "", "mortgage_interest"},
    {"Property Tax", "expense", "", "schedule_a_property_tax"},
    {"Housing", "expense", "", ""},
    {"Rent/Mortgage Payment", "expense", "Housing", ""},
    {"Maintenance", "expense", "Housing", ""},
    {"HOA", "expense", "Housing", ""},
    {"Utilities", "expense", "", ""},
    {"Electric", "expense", "Utilities", ""},
    {"Gas", "expense", "Utilities", ""},
    {"Water", "expense", "Utilities", ""},
    {"Internet", "expense", "Utilities", ""},
    {"Phone", "expense", "Utilities", ""},
    {"Transportation", "expense", "", ""},
    {"Gas/Fuel", "expense", "Transportation", ""},
    {"Car Payment", "expense", "Transportation", ""},
    {"Auto Insurance", "expense", "Transportation", ""},
    {"Maintenance", "expense", "Transportation", ""},
    {"Public Transit", "expense", "Transportation", ""},
    {"Groceries", "expense", "", ""},
    {"Dining & Restaurants", "expense", "", ""},
    {"Personal Care", "expense", "", ""},
    {"Pets", "expense", "", ""},
    {"Subscriptions", "expense", "", ""},
    {"Gifts", "expense", "", ""},
    {"Miscellaneous", "expense", "", ""},
    {"Entertainment", "expense", "", ""},
    {"Streaming", "expense", "Entertainment", ""},
    {"Movies", "expense", "Entertainment", ""},
    {"Events", "expense", "Entertainment", ""},
    {"Shopping", "expense", "", ""},
    {"Clothing", "expense", "Shopping", ""},
    {"Electronics", "expense", "Shopping", ""},
    {"Household", "expense", "Shopping", ""},
    {"Insurance", "expense", "", ""},
    {"Health", "expense", "Insurance", ""},
    {"Life", "expense", "Insurance", ""},
    {"Home/Renters", "expense", "Insurance", ""},
    {"Auto", "expense", "Insurance", ""},
    {"Fees & Charges", "expense", "", ""},
    {"Bank Fees", "expense", "Fees & Charges", ""},
    {"ATM Fees", "expense", "Fees & Charges", ""},
    {"Late Fees", "expense", "Fees & Charges", ""},
    {"Salary / Wages", "income", "", ""},
    {"Interest Income", "income", "", "interest_income"},
    {"Dividend Income", "income", "", "dividend_income"},
    {"Rental Income", "income", "", "rental_income"},
    {"Freelance / Consulting", "income", "", "self_employment"},
    {"Refunds", "income", "", ""},
    {"Gifts Received", "income", "", ""},
    {"Other Income", "income", "", ""},
};

const QUuid kDns{"{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"};

QString expectedId(const QString &type, const QString &parent, const QString &name)
{
    const QByteArray key = (type + ':' + parent + ':' + name).toUtf8();
    return QUuid::createUuidV5(kDns, key).toString(QUuid::WithoutBraces);
}

QStringList sortedIds(const QList<Category> &categories)
{
    QStringList ids;
    for (const Category &c : categories)
        ids << c.id;
    ids.sort();
    return ids;
}

} // namespace

void tst_CategoryService::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<CategoryRepository>(m_db->database());
    m_service = std::make_unique<CategoryService>(m_repo.get());
}

void tst_CategoryService::cleanup()
{
    m_service.reset();
    m_repo.reset();
    m_db.reset();
}

void tst_CategoryService::seedsTheDefaultTree()
{
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    m_service->ensureDefaultCategories();
    // One announcement for the whole tree, after it is stored.
    QCOMPARE(changed.size(), 1);

    QCOMPARE(m_repo->count(), 56);
    const QList<Category> all = m_repo->findAll();
    QCOMPARE(all.size(), 56);
    int expense = 0;
    int income = 0;
    int taxRelevant = 0;
    for (const Category &c : all) {
        expense += c.type == CategoryType::Expense;
        income += c.type == CategoryType::Income;
        taxRelevant += c.isTaxRelevant;
        QVERIFY(c.isDefault);
        QCOMPARE(c.version, 1);
        QCOMPARE(c.syncStatus, SyncStatus::Pending);
        QVERIFY(c.createdAt.isValid());
        QCOMPARE(c.updatedAt, c.createdAt);
        QVERIFY(c.icon.isEmpty());
        QVERIFY(c.color.isEmpty());
        QVERIFY(c.accountId.isEmpty());
        QVERIFY(!c.deletedAt.has_value());
    }
    QCOMPARE(expense, 48);
    QCOMPARE(income, 8);
    QCOMPARE(taxRelevant, 12);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE parent_id IS NULL").toInt(), 29);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories WHERE account_id IS NOT NULL").toInt(), 0);
}

void tst_CategoryService::seededRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("taxCode");

    for (const Expected &row : kTree) {
        const QString label = *row.parent ? QStringLiteral("%1 > %2").arg(row.parent, row.name)
                                          : QString::fromUtf8(row.name);
        QTest::newRow(qPrintable(label)) << QString::fromUtf8(row.name) << QString::fromUtf8(row.type)
                                         << QString::fromUtf8(row.parent) << QString::fromUtf8(row.taxCode);
    }
}

void tst_CategoryService::seededRows()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, parent);
    QFETCH(QString, taxCode);
    m_service->ensureDefaultCategories();

    const QString id = expectedId(type, parent, name);
    const std::optional<Category> c = m_repo->findById(id);
    QVERIFY2(c.has_value(), qPrintable(id));
    QCOMPARE(c->name, name);
    QCOMPARE(categoryTypeToString(c->type), type);
    QCOMPARE(c->parentId, parent.isEmpty() ? QString() : expectedId(type, QString(), parent));
    QCOMPARE(c->isTaxRelevant, !taxCode.isEmpty());
    QCOMPARE(c->taxCategory, taxCode);
    if (!parent.isEmpty())
        QCOMPARE(m_repo->findById(c->parentId)->name, parent);
}

void tst_CategoryService::knownIds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("id");

    // Reference values from an independent version 5 implementation.
    QTest::newRow("Housing") << "Housing" << "" << "a3be4c14-fe7e-514c-b45e-22f112551974";
    QTest::newRow("Housing > HOA") << "HOA" << "Housing" << "0b910c3a-4848-59ba-b693-948f4e4f2626";
    QTest::newRow("Housing > Maintenance") << "Maintenance" << "Housing" << "daf59c16-ae84-5a09-be11-bd9dcd047413";
    QTest::newRow("Transportation > Maintenance")
        << "Maintenance" << "Transportation" << "5128844d-e078-502e-877e-a6a67d8a3261";
    QTest::newRow("Other Income") << "Other Income" << "" << "fd5a555f-e222-5554-8e28-3a5d0085da6a";
}

void tst_CategoryService::knownIds()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QString, id);
    m_service->ensureDefaultCategories();

    const std::optional<Category> c = m_repo->findById(id);
    QVERIFY(c.has_value());
    QCOMPARE(c->name, name);
    const QString parentId = m_db->scalar("SELECT COALESCE(parent_id, '') FROM categories WHERE id = ?", {id})
                                 .toString();
    const QString storedParentName =
        parentId.isEmpty() ? QString() : m_db->scalar("SELECT name FROM categories WHERE id = ?", {parentId}).toString();
    QCOMPARE(storedParentName, parentName);
}

void tst_CategoryService::seedingIsIdempotent()
{
    m_service->ensureDefaultCategories();
    const QStringList first = sortedIds(m_repo->findAll());

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::failOnWarning(QRegularExpression(".*"));
    m_service->ensureDefaultCategories();
    CategoryService(m_repo.get()).ensureDefaultCategories();
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 56);
    QCOMPARE(sortedIds(m_repo->findAll()), first);
}

void tst_CategoryService::anyLiveCategoryPreventsSeeding()
{
    Category own;
    own.id = "mine";
    own.name = "My Only Category";
    own.createdAt = own.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_repo->insert(own));

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    m_service->ensureDefaultCategories();
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 1);
}

void tst_CategoryService::twoDatabasesGetTheSameIds()
{
    m_service->ensureDefaultCategories();
    const QStringList first = sortedIds(m_repo->findAll());
    cleanup();

    // A second device, seeding its own new database.
    init();
    m_service->ensureDefaultCategories();
    QCOMPARE(sortedIds(m_repo->findAll()), first);
    QCOMPARE(first.size(), 56);
    QCOMPARE(QSet<QString>(first.cbegin(), first.cend()).size(), 56);
}

void tst_CategoryService::failurePartWayLeavesNoRows()
{
    // The 25th default is refused; 24 would already be stored without a transaction.
    QVERIFY(m_db->exec("CREATE TRIGGER refuse_groceries BEFORE INSERT ON categories WHEN new.name = 'Groceries' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"));

    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryRepository::insert failed: .*refused"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryService::ensureDefaultCategories failed:"));
    m_service->ensureDefaultCategories();
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 0);

    // Nothing was left behind: the next start seeds the whole tree.
    QVERIFY(m_db->exec("DROP TRIGGER refuse_groceries"));
    m_service->ensureDefaultCategories();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_repo->count(), 56);
    QCOMPARE(m_repo->findById(expectedId("expense", "Housing", "HOA"))->parentId,
             expectedId("expense", QString(), "Housing"));
}

void tst_CategoryService::softDeletedDefaultsStayDeleted()
{
    m_service->ensureDefaultCategories();
    QVERIFY(m_db->exec("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"));
    QCOMPARE(m_repo->count(), 0);

    // The same ids exist as deleted rows, so the new seed is refused as a whole.
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryRepository::insert failed: .*UNIQUE"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryService::ensureDefaultCategories failed:"));
    m_service->ensureDefaultCategories();
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 56);
    QCOMPARE(m_repo->count(), 0);
}

QTEST_GUILESS_MAIN(tst_CategoryService)
#include "tst_categoryservice.moc"
