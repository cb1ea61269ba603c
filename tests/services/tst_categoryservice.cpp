#include "common/testdatabase.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"
#include "services/undohistory.h"

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

    // Creating and editing on a person's behalf.
    void createStoresAStampedRow();
    void createRefuses_data();
    void createRefuses();
    void editChangesOnlyTheFormsFields();
    void editRefuses_data();
    void editRefuses();
    void editKeepingAnExistingDuplicateName();
    void unchangedEditStoresNothing();
    void longSyncedNameStaysEditable();
    void undoAndRedoCreate();
    void undoAndRedoEdit();
    void undoOfACreateInUseIsRefused();
    void refusedInsertLeavesNothing();

private:
    Category newCategory(const QString &name, const QString &parentId = QString()) const;
    Category stored(const QString &name, const QString &parentId = QString()) const;
    QString liveSnapshot() const;

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

Category tst_CategoryService::newCategory(const QString &name, const QString &parentId) const
{
    Category category;
    category.name = name;
    category.parentId = parentId;
    return category;
}

// A row stored directly, as sync or an import would leave it.
Category tst_CategoryService::stored(const QString &name, const QString &parentId) const
{
    Category category = newCategory(name, parentId);
    category.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    category.createdAt = category.updatedAt = QDateTime(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    category.syncStatus = SyncStatus::Synced;
    category.version = 3;
    if (!m_repo->insert(category))
        qFatal("cannot store a category");
    return category;
}

// Every live category with its place and fields, to compare whole states.
QString tst_CategoryService::liveSnapshot() const
{
    QStringList rows;
    for (const Category &c : m_repo->findAll())
        rows.append(QStringList{c.id, c.name, categoryTypeToString(c.type), c.parentId,
                                c.isTaxRelevant ? QStringLiteral("tax") : QString(), c.taxCategory}
                        .join(QLatin1Char('|')));
    rows.sort();
    return rows.join(QLatin1Char('\n'));
}

void tst_CategoryService::createStoresAStampedRow()
{
    const Category housing = stored(QStringLiteral("Housing"));
    Category wanted = newCategory(QStringLiteral("  Garden  "), housing.id);
    wanted.type = CategoryType::Income;
    wanted.isTaxRelevant = true;
    wanted.taxCategory = QStringLiteral(" schedule_e ");
    wanted.isDefault = true;
    wanted.version = 9;
    wanted.serverId = QStringLiteral("srv-1");
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);

    const Result<Category> created = m_service->create(wanted);
    QVERIFY2(created.ok(), qPrintable(created.error()));
    QCOMPARE(changed.size(), 1);
    QVERIFY(!created->id.isEmpty());
    const std::optional<Category> row = m_repo->findById(created->id);
    QVERIFY(row);
    QCOMPARE(row->name, QStringLiteral("Garden"));
    QCOMPARE(row->type, CategoryType::Income);
    QCOMPARE(row->parentId, housing.id);
    QVERIFY(row->isTaxRelevant);
    QCOMPARE(row->taxCategory, QStringLiteral("schedule_e"));
    // A person's category is new to sync whatever the caller passed.
    QVERIFY(!row->isDefault);
    QCOMPARE(row->version, 1);
    QCOMPARE(row->syncStatus, SyncStatus::Pending);
    QVERIFY(row->serverId.isEmpty());
    QVERIFY(row->createdAt.isValid());
    QVERIFY(!row->deletedAt);

    // Without the tax flag a typed code is not kept.
    Category plain = newCategory(QStringLiteral("Plants"), housing.id);
    plain.taxCategory = QStringLiteral("leftover");
    const Result<Category> second = m_service->create(plain);
    QVERIFY(second.ok());
    QVERIFY(m_repo->findById(second->id)->taxCategory.isEmpty());
}

void tst_CategoryService::createRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");   // a stored category's name, or an id that does not exist
    QTest::addColumn<QString>("message");  // empty: accepted

    QTest::newRow("blankName") << QStringLiteral("   ") << QString() << QStringLiteral("Enter a name");
    QTest::newRow("tooLong") << QString(CategoryService::kMaxNameLength + 1, QLatin1Char('x')) << QString()
                             << QStringLiteral("too long");
    QTest::newRow("longestAllowed") << QString(CategoryService::kMaxNameLength, QLatin1Char('x')) << QString()
                                    << QString();
    QTest::newRow("lineBreak") << QStringLiteral("Food\nDrop") << QString() << QStringLiteral("control characters");
    QTest::newRow("topLevelTwin") << QStringLiteral("Food") << QString()
                                  << QStringLiteral("There is already a category named \"Food\".");
    QTest::newRow("topLevelTwinOtherCase") << QStringLiteral(" FOOD ") << QString()
                                           << QStringLiteral("There is already a category named \"Food\".");
    QTest::newRow("siblingTwin") << QStringLiteral("dining") << QStringLiteral("Food")
                                 << QStringLiteral("already has a subcategory named \"Dining\"");
    QTest::newRow("sameNameUnderAnotherParent") << QStringLiteral("Dining") << QStringLiteral("Travel") << QString();
    QTest::newRow("subcategoryNamedLikeItsParent") << QStringLiteral("Food") << QStringLiteral("Food") << QString();
    QTest::newRow("topLevelNamedLikeASubcategory") << QStringLiteral("Dining") << QString() << QString();
    QTest::newRow("deletedTwinIsNoTwin") << QStringLiteral("Old") << QString() << QString();
    QTest::newRow("missingParent") << QStringLiteral("Snacks") << QStringLiteral("no-such-id")
                                   << QStringLiteral("parent category no longer exists");
    QTest::newRow("deletedParent") << QStringLiteral("Snacks") << QStringLiteral("Old")
                                   << QStringLiteral("parent category no longer exists");
    QTest::newRow("thirdLevel") << QStringLiteral("Snacks") << QStringLiteral("Dining")
                                << QStringLiteral("cannot have subcategories");
}

void tst_CategoryService::createRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, message);
    QHash<QString, QString> ids;
    for (const char *top : {"Food", "Travel", "Old"})
        ids.insert(QString::fromLatin1(top), stored(QString::fromLatin1(top)).id);
    ids.insert(QStringLiteral("Dining"), stored(QStringLiteral("Dining"), ids.value(QStringLiteral("Food"))).id);
    QVERIFY(m_repo->softDelete(ids.value(QStringLiteral("Old"))));
    const QString before = liveSnapshot();
    UndoHistory undo;
    m_service->setUndoHistory(&undo);

    const Result<Category> created = m_service->create(newCategory(name, ids.value(parent, parent)));
    if (message.isEmpty()) {
        QVERIFY2(created.ok(), qPrintable(created.error()));
        QVERIFY(m_repo->findById(created->id));
        QVERIFY(undo.canUndo());
        return;
    }
    QVERIFY(!created.ok());
    QVERIFY2(created.error().contains(message), qPrintable(created.error()));
    QCOMPARE(liveSnapshot(), before);
    QVERIFY(!undo.canUndo());
}

void tst_CategoryService::editChangesOnlyTheFormsFields()
{
    const Category food = stored(QStringLiteral("Food"));
    Category changed = food;
    changed.name = QStringLiteral(" Groceries ");
    changed.type = CategoryType::Income;
    changed.isTaxRelevant = true;
    changed.taxCategory = QStringLiteral("box_1");
    // Fields the form does not own stay as stored.
    changed.version = 42;
    changed.serverId = QStringLiteral("forged");
    changed.isDefault = true;
    changed.createdAt = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);

    const Result<Category> saved = m_service->edit(changed);
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    const std::optional<Category> row = m_repo->findById(food.id);
    QCOMPARE(row->name, QStringLiteral("Groceries"));
    QCOMPARE(row->type, CategoryType::Income);
    QVERIFY(row->isTaxRelevant);
    QCOMPARE(row->taxCategory, QStringLiteral("box_1"));
    QCOMPARE(row->version, food.version + 1);
    QCOMPARE(row->syncStatus, SyncStatus::Pending);
    QVERIFY(row->serverId.isEmpty());
    QVERIFY(!row->isDefault);
    QCOMPARE(row->createdAt, food.createdAt);
    QVERIFY(row->updatedAt > food.updatedAt);
}

void tst_CategoryService::editRefuses_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("message");

    QTest::newRow("renamedOntoASibling") << "Dining" << "FAST FOOD" << "Food"
                                         << "already has a subcategory named \"Fast Food\"";
    QTest::newRow("renamedOntoATopLevel") << "Travel" << "food" << "" << "There is already a category named \"Food\".";
    QTest::newRow("movedNextToATwin") << "Fast Food" << "Fast Food" << "Travel"
                                      << "already has a subcategory named \"Fast Food\"";
    QTest::newRow("parentWithChildrenMovedDown") << "Food" << "Food" << "Travel" << "has subcategories";
    QTest::newRow("ownParent") << "Travel" << "Travel" << "Travel" << "its own parent";
    QTest::newRow("blank") << "Travel" << " " << "" << "Enter a name";
    QTest::newRow("deleted") << "Old" << "Older" << "" << "no longer exists";
    QTest::newRow("unknown") << "no-such-id" << "Ghost" << "" << "no longer exists";
    QTest::newRow("caseOnlyRename") << "Travel" << "TRAVEL" << "" << "";
    QTest::newRow("movedUnderAnotherParent") << "Dining" << "Dining" << "Travel" << "";
}

void tst_CategoryService::editRefuses()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, message);
    QHash<QString, Category> rows;
    for (const char *top : {"Food", "Travel", "Old"})
        rows.insert(QString::fromLatin1(top), stored(QString::fromLatin1(top)));
    for (const char *sub : {"Dining", "Fast Food"})
        rows.insert(QString::fromLatin1(sub), stored(QString::fromLatin1(sub), rows.value(QStringLiteral("Food")).id));
    rows.insert(QStringLiteral("Fast Food 2"), stored(QStringLiteral("Fast Food"), rows.value(QStringLiteral("Travel")).id));
    QVERIFY(m_repo->softDelete(rows.value(QStringLiteral("Old")).id));
    const QString before = liveSnapshot();

    Category changed = rows.value(which);
    if (changed.id.isEmpty())
        changed.id = which;
    changed.name = name;
    changed.parentId = parent.isEmpty() ? QString() : rows.value(parent).id;
    const Result<Category> saved = m_service->edit(changed);
    if (message.isEmpty()) {
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QCOMPARE(m_repo->findById(changed.id)->name, name);
        QCOMPARE(m_repo->findById(changed.id)->parentId, changed.parentId);
        return;
    }
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error().contains(message), qPrintable(saved.error()));
    QCOMPARE(liveSnapshot(), before);
}

// Rows that already share a name (two devices made the same category) stay
// editable as long as the edit keeps the name.
void tst_CategoryService::editKeepingAnExistingDuplicateName()
{
    stored(QStringLiteral("Gifts"));
    Category twin = stored(QStringLiteral("Gifts"));
    twin.isTaxRelevant = true;
    twin.taxCategory = QStringLiteral("gifts");
    const Result<Category> saved = m_service->edit(twin);
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    QCOMPARE(m_repo->findById(twin.id)->taxCategory, QStringLiteral("gifts"));
}

// Another device may have stored a longer name than this one takes; the
// category stays editable while the name is kept, and only a new name must
// keep to the limit.
void tst_CategoryService::longSyncedNameStaysEditable()
{
    const QString longName(CategoryService::kMaxNameLength + 50, QLatin1Char('n'));
    Category synced = stored(longName);
    synced.isTaxRelevant = true;
    synced.taxCategory = QStringLiteral("code");
    QVERIFY2(m_service->edit(synced).ok(), "keeping the name");
    QCOMPARE(m_repo->findById(synced.id)->name, longName);
    QCOMPARE(m_repo->findById(synced.id)->taxCategory, QStringLiteral("code"));

    synced.name = longName + QLatin1Char('x');
    const Result<Category> renamed = m_service->edit(synced);
    QVERIFY(!renamed.ok());
    QVERIFY(renamed.error().contains(QStringLiteral("too long")));
    QCOMPARE(m_repo->findById(synced.id)->name, longName);
}

void tst_CategoryService::unchangedEditStoresNothing()
{
    const Category food = stored(QStringLiteral("Food"));
    UndoHistory undo;
    m_service->setUndoHistory(&undo);
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    Category same = food;
    same.name = QStringLiteral("Food ");
    QVERIFY(m_service->edit(same).ok());
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_repo->findById(food.id)->version, food.version);
    QVERIFY(!undo.canUndo());
}

void tst_CategoryService::undoAndRedoCreate()
{
    const Category food = stored(QStringLiteral("Food"));
    UndoHistory undo;
    m_service->setUndoHistory(&undo);
    const QString before = liveSnapshot();
    Category wanted = newCategory(QStringLiteral("Snacks"), food.id);
    wanted.isTaxRelevant = true;
    wanted.taxCategory = QStringLiteral("none");
    const Result<Category> created = m_service->create(wanted);
    QVERIFY(created.ok());
    const QString after = liveSnapshot();
    QCOMPARE(undo.undoText(), QStringLiteral("New Subcategory"));

    QVERIFY(undo.undo().ok());
    QCOMPARE(liveSnapshot(), before);
    const std::optional<Category> gone = m_repo->findById(created->id);
    QVERIFY(gone && gone->deletedAt);
    QCOMPARE(gone->syncStatus, SyncStatus::Pending);
    QCOMPARE(gone->version, 2);

    QVERIFY(undo.redo().ok());
    QCOMPARE(liveSnapshot(), after);
    QCOMPARE(m_repo->findById(created->id)->version, 4);
    // Undo again after the redo, the same id goes away again.
    QVERIFY(undo.undo().ok());
    QCOMPARE(liveSnapshot(), before);

    QVERIFY(m_service->create(newCategory(QStringLiteral("Travel"))).ok());
    QCOMPARE(undo.undoText(), QStringLiteral("New Category"));
}

void tst_CategoryService::undoAndRedoEdit()
{
    const Category food = stored(QStringLiteral("Food"));
    UndoHistory undo;
    m_service->setUndoHistory(&undo);
    const QString before = liveSnapshot();
    Category changed = food;
    changed.name = QStringLiteral("Groceries");
    changed.type = CategoryType::Income;
    changed.isTaxRelevant = true;
    changed.taxCategory = QStringLiteral("x1");
    QVERIFY(m_service->edit(changed).ok());
    const QString after = liveSnapshot();
    QCOMPARE(undo.undoText(), QStringLiteral("Edit Category"));

    QVERIFY(undo.undo().ok());
    QCOMPARE(liveSnapshot(), before);
    const std::optional<Category> undone = m_repo->findById(food.id);
    // Undo is a change of its own for sync: a newer version, pending.
    QCOMPARE(undone->version, food.version + 2);
    QCOMPARE(undone->syncStatus, SyncStatus::Pending);

    QVERIFY(undo.redo().ok());
    QCOMPARE(liveSnapshot(), after);
}

// A category that rows use by the time its creation is undone stays: taking
// it away would leave them pointing at nothing.
void tst_CategoryService::undoOfACreateInUseIsRefused()
{
    UndoHistory undo;
    m_service->setUndoHistory(&undo);
    const Result<Category> created = m_service->create(newCategory(QStringLiteral("Pets")));
    QVERIFY(created.ok());
    QVERIFY(m_db->exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc', 'Checking', 'x', 'x')"));
    QVERIFY(m_db->exec("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, created_at, "
                       "updated_at) VALUES ('tx', 'acc', '2024-03-01', 'Vet', -100, ?, 'x', 'x')",
                       {created->id}));

    const Result<void> undone = undo.undo();
    QVERIFY(!undone.ok());
    QVERIFY2(undone.error().contains(QStringLiteral("in use")), qPrintable(undone.error()));
    QVERIFY(!m_repo->findById(created->id)->deletedAt);
    QVERIFY(undo.canUndo());

    // Once the row is gone, the step can be undone after all.
    QVERIFY(m_db->exec("UPDATE transactions SET deleted_at = '2024-03-02T00:00:00Z' WHERE id = 'tx'"));
    QVERIFY(undo.undo().ok());
    QVERIFY(m_repo->findById(created->id)->deletedAt);
}

void tst_CategoryService::refusedInsertLeavesNothing()
{
    UndoHistory undo;
    m_service->setUndoHistory(&undo);
    QVERIFY(m_db->exec("CREATE TRIGGER refuse BEFORE INSERT ON categories BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy changed(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CategoryRepository::insert failed: .*refused"));
    const Result<Category> created = m_service->create(newCategory(QStringLiteral("Pets")));
    QVERIFY(!created.ok());
    QVERIFY(!created.error().isEmpty());
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM categories").toInt(), 0);
    QVERIFY(!undo.canUndo());
}

QTEST_GUILESS_MAIN(tst_CategoryService)
#include "tst_categoryservice.moc"
