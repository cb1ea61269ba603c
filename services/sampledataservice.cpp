#include "services/sampledataservice.h"

#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <array>
#include <vector>

namespace {

// Sample rows are found by this prefix; GLOB, unlike LIKE, matches it case
// for case.
const QString kSampleGlob = QStringLiteral("'sample-*'");

enum SampleAccount { Checking, Savings, Visa, AccountCount };

struct AccountRow
{
    const char *id;
    const char *name;
    const char *type;
    const char *institution;
    const char *lastFour;
    qint64 startingBalance;
};

constexpr AccountRow kAccounts[AccountCount] = {
    {"sample-acct-checking", QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000},
    {"sample-acct-savings", QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000},
    {"sample-acct-visa", QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
     QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0},
};

// A category as the default categories name it: the parent's name for a
// subcategory, none for a top-level one.
struct CategoryName
{
    const char *parent;
    const char *name;
};

constexpr CategoryName kNone{nullptr, nullptr};
constexpr CategoryName kSalary{nullptr, "Salary / Wages"};
constexpr CategoryName kRent{"Housing", "Rent/Mortgage Payment"};
constexpr CategoryName kGroceries{nullptr, "Groceries"};
constexpr CategoryName kFuel{"Transportation", "Gas/Fuel"};
constexpr CategoryName kElectric{"Utilities", "Electric"};
constexpr CategoryName kWater{"Utilities", "Water"};
constexpr CategoryName kInternet{"Utilities", "Internet"};
constexpr CategoryName kStreaming{"Entertainment", "Streaming"};
constexpr CategoryName kDining{nullptr, "Dining & Restaurants"};
constexpr CategoryName kAutoInsurance{"Insurance", "Auto"};
constexpr CategoryName kDonations{nullptr, "Charitable Donations"};
constexpr CategoryName kMedical{nullptr, "Medical Expenses"};
constexpr CategoryName kInterest{nullptr, "Interest Income"};
constexpr CategoryName kElectronics{"Shopping", "Electronics"};
constexpr CategoryName kSubscriptions{nullptr, "Subscriptions"};
constexpr CategoryName kEducation{nullptr, "Education Expenses"};

// R: cleared and reconciled, C: cleared, U: neither. A transfer names the
// pair it belongs to (1 or 2); its halves link to each other.
struct TransactionRow
{
    SampleAccount account;
    int offset;
    const char *payee;
    const char *memo;
    qint64 amount;
    CategoryName category;
    const char *check;
    char status;
    int transfer;
};

const TransactionRow kTransactions[] = {
    {Checking, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R', 0},
    {Checking, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000, kRent, "1041", 'R', 0},
    {Checking, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8745, kGroceries, nullptr, 'R', 0},
    {Checking, -55, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4523, kFuel, nullptr, 'R', 0},
    {Checking, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280, kElectric, nullptr, 'R', 0},
    {Checking, -51, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4590, kWater, nullptr, 'R', 0},
    {Checking, -49, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599, kStreaming, nullptr, 'R', 0},
    {Checking, -47, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9230, kGroceries, nullptr, 'R', 0},
    {Checking, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R', 0},
    {Checking, -44, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -4275, kDining, nullptr, 'R', 0},
    {Checking, -42, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -3980, kFuel, nullptr, 'R', 0},
    {Checking, -40, QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance"), -12500, kAutoInsurance, nullptr, 'R', 0},
    {Checking, -38, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7650, kGroceries, nullptr, 'R', 0},
    {Checking, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, kDonations, "1042", 'R', 0},
    {Checking, -33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R', 0},
    {Checking, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, kNone, nullptr, 'R', 1},
    {Checking, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000, kRent, "1043", 'C', 0},
    {Checking, -27, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10120, kGroceries, nullptr, 'C', 0},
    {Checking, -25, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4100, kFuel, nullptr, 'C', 0},
    {Checking, -23, QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -7999, kInternet, nullptr, 'C', 0},
    {Checking, -21, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -10870, kElectric, nullptr, 'C', 0},
    {Checking, -19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'C', 0},
    {Checking, -17, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8890, kGroceries, nullptr, 'C', 0},
    {Checking, -15, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599, kStreaming, nullptr, 'C', 0},
    {Checking, -13, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -2340, kDining, nullptr, 'C', 0},
    {Checking, -11, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4250, kFuel, nullptr, 'C', 0},
    {Checking, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11540, kGroceries, nullptr, 'U', 0},
    {Checking, -6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'U', 0},
    {Checking, -5, QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions"), -3520, kMedical, nullptr, 'U', 0},
    {Checking, -4, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4680, kFuel, nullptr, 'U', 0},
    {Checking, -2, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9475, kGroceries, nullptr, 'U', 0},
    {Checking, -1, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry"), -1285, kDining, nullptr, 'U', 0},
    {Checking, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, kNone, nullptr, 'U', 2},

    {Savings, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, kInterest, nullptr, 'C', 0},
    {Savings, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, kNone, nullptr, 'C', 1},
    {Savings, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875, kInterest, nullptr, 'C', 0},
    {Savings, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, kNone, nullptr, 'U', 2},

    {Visa, -55, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3275, kDining, nullptr, 'C', 0},
    {Visa, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget World"),
     QT_TRANSLATE_NOOP("SampleDataService", "Phone case"), -2999, kElectronics, nullptr, 'C', 0},
    {Visa, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, kSubscriptions, nullptr, 'C', 0},
    {Visa, -40, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2850, kDining, nullptr, 'C', 0},
    {Visa, -35, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, kNone, nullptr, 'C', 0},
    {Visa, -30, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1895, kGroceries, nullptr, 'C', 0},
    {Visa, -25, QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -4599, kEducation, nullptr, 'C', 0},
    {Visa, -20, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2650, kDining, nullptr, 'U', 0},
    {Visa, -15, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, kNone, nullptr, 'U', 0},
    {Visa, -10, QT_TRANSLATE_NOOP("SampleDataService", "TechVault"),
     QT_TRANSLATE_NOOP("SampleDataService", "USB hub"), -3499, kElectronics, nullptr, 'U', 0},
    {Visa, -5, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3190, kDining, nullptr, 'U', 0},
    {Visa, -2, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, kSubscriptions, nullptr, 'U', 0},
};

struct RecurringRow
{
    const char *payee;
    const char *memo;
    qint64 amount;
    CategoryName category;
    const char *frequency;
    int nextDue;   // days from today
};

const RecurringRow kRecurring[] = {
    {QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000, kRent, "monthly", 1},
    {QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, "biweekly", 8},
    {QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, kNone, "monthly", 1},
};

QString sampleText(const char *text)
{
    return text ? QCoreApplication::translate("SampleDataService", text) : QString();
}

// Live categories by name, and subcategories also by "parent/name", in the
// interface language the default categories were named in. A later row of
// the same name replaces an earlier one.
class CategoryLookup
{
public:
    explicit CategoryLookup(const QSqlDatabase &db)
    {
        QSqlQuery query = Sql::prepare(db, QStringLiteral(
            "SELECT c.id, c.name, p.name AS parent_name FROM categories c "
            "LEFT JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL"));
        if (!Sql::exec(query, "SampleDataService category lookup"))
            return;
        while (query.next()) {
            const QString id = query.value(0).toString();
            const QString name = query.value(1).toString();
            m_ids.insert(name, id);
            if (!query.value(2).isNull())
                m_ids.insert(query.value(2).toString() + QLatin1Char('/') + name, id);
        }
    }

    // The category's id, or a null variant (written as NULL) when none has that name.
    QVariant id(const CategoryName &category) const
    {
        if (!category.name)
            return QVariant();
        const auto translated = [](const char *text) {
            return QCoreApplication::translate("CategoryService", text);
        };
        const QString key = category.parent ? translated(category.parent) + QLatin1Char('/') + translated(category.name)
                                            : translated(category.name);
        const QString id = m_ids.value(key);
        return id.isEmpty() ? QVariant() : QVariant(id);
    }

private:
    QHash<QString, QString> m_ids;
};

QString newSampleId(const char *kind, QSet<QString> &taken)
{
    for (;;) {
        const QString id = QStringLiteral("sample-%1-%2")
                               .arg(QLatin1String(kind), QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
        if (!taken.contains(id)) {
            taken.insert(id);
            return id;
        }
    }
}

// The database's own words for a failed statement.
QString failureText(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QVariant textOrNullVariant(const char *text)
{
    return text ? QVariant(QString::fromLatin1(text)) : QVariant();
}

// The kinds of sample rows, in the order clearing deletes them (children
// before what they belong to).
enum class Kind { SplitLine, Reconciliation, Recurring, Transaction, Account };
constexpr int kKindCount = 5;

// Why a sample row stays when clearing: what refers to it.
enum class Referrer {
    UserTransactions,
    UserSplitLines,
    UserRecurring,
    UserReconciliations,
    UserCategories,
    UserTemplates,
    SampleRowsThatStay,
};
constexpr int kReferrerCount = 7;

struct SampleRow
{
    Kind kind;
    QString accountId;         // of a transaction, for the change journal
    QStringList references;    // ids of other rows it refers to
};

// A column of the user's rows that can refer to a sample row.
struct Reference
{
    const char *table;
    const char *column;
    Referrer referrer;
};

// In the order their reasons are given: a row referred to for several
// reasons is reported under the first.
constexpr Reference kUserReferences[] = {
    {"transactions", "account_id", Referrer::UserTransactions},
    {"transactions", "transfer_dest_account_id", Referrer::UserTransactions},
    {"transactions", "transfer_link_id", Referrer::UserTransactions},
    {"transactions", "recurring_id", Referrer::UserTransactions},
    {"split_lines", "transaction_id", Referrer::UserSplitLines},
    {"recurring_transactions", "account_id", Referrer::UserRecurring},
    {"recurring_transactions", "transfer_dest_account_id", Referrer::UserRecurring},
    {"reconciliations", "account_id", Referrer::UserReconciliations},
    {"categories", "account_id", Referrer::UserCategories},
    {"transaction_templates", "account_id", Referrer::UserTemplates},
};

const char *tableOf(Kind kind)
{
    switch (kind) {
    case Kind::SplitLine: return "split_lines";
    case Kind::Reconciliation: return "reconciliations";
    case Kind::Recurring: return "recurring_transactions";
    case Kind::Transaction: return "transactions";
    case Kind::Account: return "accounts";
    }
    return "";
}

} // namespace

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT 1 FROM accounts WHERE id GLOB %1 LIMIT 1").arg(kSampleGlob));
    return Sql::exec(query, "SampleDataService check") && query.next();
}

Result<int> SampleDataService::loadSampleData()
{
    if (hasSampleData())
        return Result<int>::failure(tr("Sample data is already loaded."));

    const QSqlDatabase db = m_database->connection();
    SqlTransaction transaction(db);
    auto fail = [](const QSqlQuery &query) {
        return Result<int>::failure(tr("Sample data could not be loaded: %1").arg(failureText(query)));
    };
    if (!transaction.isActive())
        return Result<int>::failure(tr("Sample data could not be loaded: %1").arg(transaction.errorText()));

    const CategoryLookup categories(db);
    const QString stamp = timestampToText(Clock::now());
    const QDate today = Clock::today();
    ChangeJournal *changes = m_database->changes();
    int written = 0;

    // Plain inserts only: a row that is somehow there already fails the
    // whole load instead of being replaced.
    QSqlQuery account = Sql::prepare(db, QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    for (int i = 0; i < AccountCount; ++i) {
        const AccountRow &row = kAccounts[i];
        const QVariantList values{QString::fromLatin1(row.id), sampleText(row.name), QString::fromLatin1(row.type),
                                  sampleText(row.institution), QString::fromLatin1(row.lastFour), row.startingBalance,
                                  i, stamp, stamp};
        for (int v = 0; v < values.size(); ++v)
            account.bindValue(v, values.at(v));
        if (!account.exec())
            return fail(account);
        if (changes)
            changes->record(ChangeSet::Entity::Account, QString::fromLatin1(row.id));
        ++written;
    }

    // Every id first, so that the halves of a transfer can name each other.
    QSet<QString> taken;
    std::vector<QString> ids;
    for (size_t i = 0; i < std::size(kTransactions); ++i)
        ids.push_back(newSampleId("txn", taken));
    auto partnerOf = [&ids](size_t index) {
        const TransactionRow &row = kTransactions[index];
        for (size_t other = 0; other < std::size(kTransactions); ++other) {
            if (other != index && kTransactions[other].transfer == row.transfer)
                return other;
        }
        return index;
    };

    QSqlQuery insert = Sql::prepare(db, QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, created_at, "
        "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    for (size_t i = 0; i < std::size(kTransactions); ++i) {
        const TransactionRow &row = kTransactions[i];
        const QString accountId = QString::fromLatin1(kAccounts[row.account].id);
        QVariant link;
        QVariant destination;
        if (row.transfer != 0) {
            const size_t partner = partnerOf(i);
            link = ids[partner];
            destination = QString::fromLatin1(kAccounts[kTransactions[partner].account].id);
        }
        const QVariantList values{ids[i],
                                  accountId,
                                  dateToText(today.addDays(row.offset)),
                                  sampleText(row.payee),
                                  sampleText(row.memo),
                                  row.amount,
                                  categories.id(row.category),
                                  textOrNullVariant(row.check),
                                  row.status == 'R' || row.status == 'C' ? 1 : 0,
                                  row.status == 'R' ? 1 : 0,
                                  link,
                                  destination,
                                  stamp,
                                  stamp};
        for (int v = 0; v < values.size(); ++v)
            insert.bindValue(v, values.at(v));
        if (!insert.exec())
            return fail(insert);
        if (changes)
            changes->recordTransaction(ids[i], accountId);
        ++written;
    }

    QSqlQuery recurring = Sql::prepare(db, QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    for (const RecurringRow &row : kRecurring) {
        const QString id = newSampleId("rec", taken);
        const QVariantList values{id,
                                  QString::fromLatin1(kAccounts[Checking].id),
                                  sampleText(row.payee),
                                  sampleText(row.memo),
                                  row.amount,
                                  categories.id(row.category),
                                  QString::fromLatin1(row.frequency),
                                  dateToText(today.addDays(-60)),
                                  dateToText(today.addDays(row.nextDue)),
                                  stamp,
                                  stamp};
        for (int v = 0; v < values.size(); ++v)
            recurring.bindValue(v, values.at(v));
        if (!recurring.exec())
            return fail(recurring);
        if (changes)
            changes->record(ChangeSet::Entity::Recurring, id);
        ++written;
    }

    if (!transaction.commit())
        return Result<int>::failure(tr("Sample data could not be loaded: %1").arg(transaction.errorText()));
    return written;
}

Result<SampleDataClearReport> SampleDataService::clearSampleData()
{
    using Report = Result<SampleDataClearReport>;
    const QSqlDatabase db = m_database->connection();
    SqlTransaction transaction(db);
    if (!transaction.isActive())
        return Report::failure(tr("Sample data could not be cleared: %1").arg(transaction.errorText()));
    auto fail = [](const QSqlQuery &query) {
        return Report::failure(tr("Sample data could not be cleared: %1").arg(failureText(query)));
    };

    // The sample rows, with what each refers to.
    QHash<QString, SampleRow> rows;
    const std::pair<Kind, const char *> readers[] = {
        {Kind::Account, "SELECT id FROM accounts"},
        {Kind::Transaction,
         "SELECT id, account_id, transfer_link_id, transfer_dest_account_id, recurring_id FROM transactions"},
        {Kind::Recurring, "SELECT id, account_id, transfer_dest_account_id FROM recurring_transactions"},
        {Kind::SplitLine, "SELECT id, transaction_id FROM split_lines"},
        {Kind::Reconciliation, "SELECT id, account_id FROM reconciliations"},
    };
    for (const auto &[kind, select] : readers) {
        QSqlQuery query =
            Sql::prepare(db, QLatin1String(select) + QStringLiteral(" WHERE id GLOB %1").arg(kSampleGlob));
        if (!Sql::exec(query, "SampleDataService clear"))
            return fail(query);
        const int columns = query.record().count();
        while (query.next()) {
            SampleRow row{kind, QString(), {}};
            for (int c = 1; c < columns; ++c) {
                if (!query.value(c).isNull())
                    row.references.append(query.value(c).toString());
            }
            if (kind == Kind::Transaction)
                row.accountId = query.value(1).toString();
            rows.insert(query.value(0).toString(), row);
        }
    }

    // What the user's rows refer to stays, and in turn whatever a staying
    // sample row refers to, so that nothing is left pointing at a removed row.
    QHash<QString, Referrer> stays;
    QStringList pending;
    for (const Reference &reference : kUserReferences) {
        QSqlQuery query = Sql::prepare(db, QStringLiteral("SELECT DISTINCT %2 FROM %1 WHERE %2 GLOB %3 "
                                                          "AND COALESCE(id, '') NOT GLOB %3")
                                               .arg(QLatin1String(reference.table), QLatin1String(reference.column),
                                                    kSampleGlob));
        if (!Sql::exec(query, "SampleDataService clear"))
            return fail(query);
        while (query.next()) {
            const QString id = query.value(0).toString();
            if (rows.contains(id) && !stays.contains(id)) {
                stays.insert(id, reference.referrer);
                pending.append(id);
            }
        }
    }
    while (!pending.isEmpty()) {
        const QString id = pending.takeLast();
        for (const QString &referenced : std::as_const(rows[id].references)) {
            if (rows.contains(referenced) && !stays.contains(referenced)) {
                stays.insert(referenced, Referrer::SampleRowsThatStay);
                pending.append(referenced);
            }
        }
    }

    SampleDataClearReport report;
    ChangeJournal *changes = m_database->changes();
    std::array<QStringList, kKindCount> removed;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (!stays.contains(it.key()))
            removed[int(it->kind)].append(it.key());
    }
    for (int k = 0; k < kKindCount; ++k) {
        const Kind kind = Kind(k);
        QSqlQuery remove =
            Sql::prepare(db, QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(QLatin1String(tableOf(kind))));
        QSqlQuery dequeue = Sql::prepare(db, QStringLiteral("DELETE FROM sync_queue WHERE entity_id = ?"));
        for (const QString &id : std::as_const(removed[k])) {
            remove.bindValue(0, id);
            if (!remove.exec())
                return fail(remove);
            dequeue.bindValue(0, id);
            if (!dequeue.exec())
                return fail(dequeue);
            ++report.removed;
            if (!changes)
                continue;
            switch (kind) {
            case Kind::Account:
                changes->record(ChangeSet::Entity::Account, id);
                break;
            case Kind::Transaction:
                changes->recordTransaction(id, rows.value(id).accountId);
                break;
            case Kind::SplitLine:
                changes->recordTransaction(rows.value(id).references.value(0), QString());
                break;
            case Kind::Recurring:
                changes->record(ChangeSet::Entity::Recurring, id);
                break;
            case Kind::Reconciliation:
                changes->record(ChangeSet::Entity::Reconciliation, id);
                break;
            }
        }
    }
    if (!transaction.commit())
        return Report::failure(tr("Sample data could not be cleared: %1").arg(transaction.errorText()));

    // One sentence per kind of row and reason, largest kinds first.
    std::array<std::array<int, kReferrerCount>, kKindCount> counts{};
    for (auto it = stays.cbegin(); it != stays.cend(); ++it)
        ++counts[int(rows.value(it.key()).kind)][int(it.value())];
    for (int k = kKindCount - 1; k >= 0; --k) {
        for (int r = 0; r < kReferrerCount; ++r) {
            const int n = counts[k][r];
            if (n == 0)
                continue;
            QString because;
            switch (Referrer(r)) {
            case Referrer::UserTransactions: because = tr("your transactions use them"); break;
            case Referrer::UserSplitLines: because = tr("your split lines belong to them"); break;
            case Referrer::UserRecurring: because = tr("your recurring transactions use them"); break;
            case Referrer::UserReconciliations: because = tr("your reconciliations use them"); break;
            case Referrer::UserCategories: because = tr("your categories use them"); break;
            case Referrer::UserTemplates: because = tr("your transaction templates use them"); break;
            case Referrer::SampleRowsThatStay: because = tr("other sample rows that stay use them"); break;
            }
            switch (Kind(k)) {
            case Kind::Account:
                report.stayed.append(tr("%n sample account(s) stay because %1", nullptr, n).arg(because));
                break;
            case Kind::Transaction:
                report.stayed.append(tr("%n sample transaction(s) stay because %1", nullptr, n).arg(because));
                break;
            case Kind::Recurring:
                report.stayed.append(tr("%n sample recurring transaction(s) stay because %1", nullptr, n).arg(because));
                break;
            case Kind::SplitLine:
                report.stayed.append(tr("%n sample split line(s) stay because %1", nullptr, n).arg(because));
                break;
            case Kind::Reconciliation:
                report.stayed.append(tr("%n sample reconciliation(s) stay because %1", nullptr, n).arg(because));
                break;
            }
        }
    }
    return report;
}
