#include "bench/datagenerator.h"

#include "bench/bulkloadsettings.h"
#include "bench/deferredindexes.h"
#include "bench/seededrandom.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/enums.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/uuids.h"
#include "services/categoryservice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <vector>

namespace {

// Namespace of the generated ids: the same seed and counter give the same id.
const QUuid kGeneratorNamespace{"{5d1f3c7e-2b8a-4e69-9f04-7a6c3e1b8d52}"};

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

struct AccountTemplate
{
    const char *name;
    AccountType type;
    Currency currency;
    const char *institution;
};

// The first ten accounts are fixed so that every data set of ten or more
// accounts has the same mix; later ones cycle through the second list.
const AccountTemplate kFirstAccounts[] = {
    {"Everyday Checking", AccountType::Checking, Currency::USD, "Riverbend Credit Union"},
    {"Emergency Savings", AccountType::Savings, Currency::USD, "Riverbend Credit Union"},
    {"Rewards Visa", AccountType::CreditCard, Currency::USD, "Summit Bank"},
    {"Wallet", AccountType::Cash, Currency::USD, ""},
    {"Euro Current Account", AccountType::Checking, Currency::EUR, "Banque du Lac"},
    {"Tokyo Account", AccountType::Checking, Currency::JPY, "Sakura Trust Bank"},
    {"Brokerage", AccountType::Investment, Currency::USD, "Northstar Investments"},
    {"Store Card", AccountType::CreditCard, Currency::USD, "Summit Bank"},
    {"UK Savings", AccountType::Savings, Currency::GBP, "Thames Building Society"},
    {"UK Current Account", AccountType::Checking, Currency::GBP, "Thames Building Society"},
};
const AccountTemplate kMoreAccounts[] = {
    {"Joint Checking", AccountType::Checking, Currency::USD, "Riverbend Credit Union"},
    {"Holiday Fund", AccountType::Savings, Currency::USD, "Riverbend Credit Union"},
    {"Travel Mastercard", AccountType::CreditCard, Currency::USD, "Harbor Card Services"},
    {"Side Business", AccountType::Checking, Currency::USD, "Summit Bank"},
    {"Euro Savings", AccountType::Savings, Currency::EUR, "Banque du Lac"},
    {"Health Savings", AccountType::Other, Currency::USD, "Wellspring HSA"},
    {"Petty Cash", AccountType::Cash, Currency::USD, ""},
    {"Retirement", AccountType::Investment, Currency::USD, "Northstar Investments"},
};

struct Spending
{
    const char *category;            // "Parent/Child" or a top-level name
    int weight;
    qint64 minCents;
    qint64 maxCents;
    std::vector<const char *> payees;
    std::vector<const char *> memos;
    bool income = false;
    bool split = false;              // a superstore basket split over several categories
};

const std::vector<Spending> &spendings()
{
    static const std::vector<Spending> list = {
        {"Groceries", 22, 2500, 18000,
         {"Greenleaf Market", "FreshWay Foods", "Corner Grocer", "Harvest Co-op", "SaveMore Supermarket"},
         {"Weekly groceries", "Top-up shop", "Farmers market"}},
        {"Dining & Restaurants", 16, 1200, 9000,
         {"Maplewood Diner", "Golden Wok", "Trattoria Bella", "Taco Fiesta", "The Burger Joint", "Sakura Sushi",
          "Dash Delivery"},
         {"Dinner out", "Lunch", "Takeaway", "Birthday dinner"}},
        {"Dining & Restaurants", 12, 350, 1200, {"Stellar Coffee", "Bean There Cafe", "Morning Brew"},
         {"Coffee & pastry", "Coffee"}},
        {"Transportation/Gas/Fuel", 9, 3000, 8500, {"Hilltop Gas", "QuickFuel", "Roadside Energy"}, {"Fill up"}},
        {"Transportation/Public Transit", 5, 275, 3000, {"Metro Transit", "City Rideshare"}, {"Commute", "Fare top-up"}},
        {"Shopping/Clothing", 5, 1500, 15000, {"Urban Threads", "Denim & Co", "Sole Mates Shoes"}, {"New shoes", "Work clothes"}},
        {"Shopping/Electronics", 2, 2000, 60000, {"Gadget World", "Circuit Corner"}, {"Phone case", "Headphones", "Cables"}},
        {"Shopping/Household", 5, 500, 8000, {"HomeGoods Depot", "Handy Hardware"}, {"Cleaning supplies", "Light bulbs"}},
        {"Medical Expenses", 4, 800, 6000, {"Ridgeline Pharmacy", "CareWell Drugs", "Oakview Dental"}, {"Prescriptions", "Check-up"}},
        {"Entertainment/Movies", 3, 1200, 4000, {"Cineplex 12", "Starlight Drive-In"}, {"Movie night"}},
        {"Entertainment/Events", 1, 3000, 20000, {"Riverside Concert Hall", "City Stadium"}, {"Concert tickets", "Game tickets"}},
        {"Personal Care", 3, 1500, 9000, {"Shear Perfection Salon", "Glow Spa"}, {"Haircut"}},
        {"Pets", 3, 1000, 7000, {"Happy Paws Pet Supply", "Riverside Vet Clinic"}, {"Dog food", "Vet visit"}},
        {"Gifts", 2, 1500, 10000, {"Paper Lantern Gifts", "BookNest Online"}, {"Birthday gift", "Wedding gift"}},
        {"Charitable Donations", 1, 2000, 10000, {"Hope Community Church", "City Food Bank"}, {"Monthly donation"}},
        {"Miscellaneous", 3, 300, 5000, {"Post Office", "Print Shop", "Key Cutters"}, {"Stamps", "Printing"}},
        {"Refunds", 2, 500, 8000, {"Urban Threads", "Gadget World", "SaveMore Supermarket"}, {"Returned item"}, true},
        {"Groceries", 4, 4000, 30000, {"MegaMart Superstore"}, {"Big shop"}, false, true},
    };
    return list;
}

struct PlannedAccount
{
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    int hub = -1;                    // first checking account of the same currency
    int spendWeight = 0;
    int nextCheck = 1001;
};

// One scheduled row or transfer (two rows when toAccount is set).
struct ScheduledEvent
{
    int day = 0;
    int account = 0;
    int toAccount = -1;
    qint64 amount = 0;               // for a transfer, the amount that leaves `account`
    QString payee;
    QString memo;
    QString category;                // lookup key, empty for none
    QString recurringId;
    bool check = false;
    // Sized when written, from the running balances: income tops a short
    // account up, a payment clears what the destination owes. Without it
    // large data sets would drift to absurd negative balances.
    enum class Balancing { None, TopUp, PayOff } balancing = Balancing::None;

    int rows() const { return toAccount >= 0 ? 2 : 1; }
};

struct PendingReconciliation
{
    int account;
    QDate statementDate;
    qint64 balance;
};

// Amounts are planned in US cents and converted to the account's currency;
// yen are whole units.
qint64 inCurrency(qint64 cents, Currency currency)
{
    switch (currency) {
    case Currency::JPY: {
        const qint64 yen = cents * 3 / 2;
        return yen == 0 ? (cents < 0 ? -1 : 1) : yen;
    }
    case Currency::EUR:
        return cents * 92 / 100;
    case Currency::GBP:
        return cents * 79 / 100;
    default:
        return cents;
    }
}

QDate monthEnd(const QDate &date)
{
    return QDate(date.year(), date.month(), date.daysInMonth());
}

// The UTC timestamp of a moment on the given day, in the stored form.
QString stampText(const QString &dateText, int secondOfDay)
{
    const int s = qBound(0, secondOfDay, 86399);
    const int parts[3] = {s / 3600, (s / 60) % 60, s % 60};
    char time[10] = {'T', 0, 0, ':', 0, 0, ':', 0, 0, 'Z'};
    for (int i = 0; i < 3; ++i) {
        time[1 + 3 * i] = char('0' + parts[i] / 10);
        time[2 + 3 * i] = char('0' + parts[i] % 10);
    }
    return dateText + QLatin1String(time, sizeof(time));
}

QString stampText(const QDate &date, int secondOfDay)
{
    return stampText(dateToText(date), secondOfDay);
}

// One generation pass over one database.
class GeneratorRun
{
public:
    GeneratorRun(const DataGeneratorOptions &options, Database *database, DataGeneratorCounts *counts)
        : m_options(options)
        , m_database(database)
        , m_db(database->connection())
        , m_counts(counts)
        , m_random(options.seed)
        , m_start(options.today.addYears(-options.years))
        , m_cutoff(monthEnd(options.today.addMonths(-3)))
        , m_idPrefix(QString::number(options.seed) + QLatin1Char('/'))
    {
    }

    bool run();
    QString error() const { return m_error; }

private:
    bool runSteps();
    // Ids are the name-based UUIDs of "<seed>/<counter>".
    QString nextId() { return uuidV5(kGeneratorNamespace, m_idPrefix + QString::number(m_idCounter++)); }
    QVariant categoryId(const QString &key) const;
    int dayCount() const { return int(m_start.daysTo(m_options.today)) + 1; }

    bool fail(const QString &what, const QString &driverText);
    bool prepare(QSqlQuery &query, const QString &sql);
    bool beginBatch();
    bool countRow();
    bool commitBatch();

    bool ensureEmpty();
    bool seedCategories();
    bool loadCategories();
    bool writeAccounts();
    void planTemplates();
    std::vector<ScheduledEvent> planSchedule();
    void fitSchedule(std::vector<ScheduledEvent> &events);
    bool writeDays(const std::vector<ScheduledEvent> &events, qint64 discretionary);
    bool writeScheduled(const ScheduledEvent &event, const QString &date);
    bool writeDiscretionary(const QString &date);
    bool writeTransaction(int account, const QString &id, const QString &date, const QString &payee,
                          const QString &memo, qint64 amount, const QVariant &category, const QString &check,
                          const QString &link, const QString &dest, bool split, const QString &recurringId,
                          const QString &stamp, bool cleared, bool reconciled);
    bool writeRecurring();
    bool writeReconciliations();
    void flagsFor(const QDate &date, bool *cleared, bool *reconciled);

    DataGeneratorOptions m_options;
    Database *m_database;
    QSqlDatabase m_db;
    DataGeneratorCounts *m_counts;
    SeededRandom m_random;
    QDate m_start;
    QDate m_cutoff;                  // rows up to here are reconciled
    QString m_error;
    QString m_idPrefix;
    quint64 m_idCounter = 0;

    std::unique_ptr<DeferredIndexes> m_deferred;
    std::unique_ptr<SqlTransaction> m_batch;
    int m_rowsInBatch = 0;
    QSqlQuery m_insertTransaction;
    QSqlQuery m_insertSplit;

    QHash<QString, QString> m_categories;
    std::vector<PlannedAccount> m_accounts;
    std::vector<qint64> m_balances;
    std::vector<qint64> m_spendCumulative;
    qint64 m_spendTotal = 0;
    std::vector<qint64> m_kindCumulative;
    qint64 m_kindTotal = 0;
    std::vector<PendingReconciliation> m_reconciliations;

    QString m_rentTemplateId;
    QString m_streamingTemplateId;
    QString m_savingsTemplateId;
    QDate m_currentDate;
};

bool GeneratorRun::fail(const QString &what, const QString &driverText)
{
    m_error = driverText.isEmpty() ? what : what + QStringLiteral(": ") + driverText;
    return false;
}

bool GeneratorRun::prepare(QSqlQuery &query, const QString &sql)
{
    query = QSqlQuery(m_db);
    if (!query.prepare(sql))
        return fail(QStringLiteral("Cannot prepare \"%1\"").arg(sql.left(60)), query.lastError().text());
    return true;
}

bool GeneratorRun::beginBatch()
{
    m_batch = std::make_unique<SqlTransaction>(m_db);
    m_rowsInBatch = 0;
    if (!m_batch->isActive())
        return fail(QStringLiteral("Cannot begin a transaction"), m_batch->errorText());
    return true;
}

bool GeneratorRun::commitBatch()
{
    if (!m_batch)
        return true;
    const bool ok = m_batch->commit();
    const QString error = m_batch->errorText();
    m_batch.reset();
    if (!ok)
        return fail(QStringLiteral("Cannot commit"), error);
    return true;
}

// Large batches keep the generator fast; committing between them keeps the
// write-ahead log from growing with the whole data set.
bool GeneratorRun::countRow()
{
    if (++m_rowsInBatch < m_options.batchSize)
        return true;
    return commitBatch() && beginBatch();
}

QVariant GeneratorRun::categoryId(const QString &key) const
{
    const QString id = m_categories.value(key);
    return id.isEmpty() ? kNull : QVariant(id);
}

bool GeneratorRun::run()
{
    const BulkLoadSettings bulk(m_db);
    const bool ok = runSteps();
    // Roll an unfinished batch back before the indexes and the settings are
    // put back, so the rollback cannot undo the restore.
    m_batch.reset();
    m_insertTransaction = QSqlQuery();
    m_insertSplit = QSqlQuery();
    m_deferred.reset();
    return ok;
}

bool GeneratorRun::runSteps()
{
    if (!ensureEmpty() || !seedCategories() || !loadCategories())
        return false;
    m_deferred = std::make_unique<DeferredIndexes>(m_db);
    if (!m_deferred->setAside())
        return fail(QStringLiteral("Cannot set the transactions indexes aside"), m_deferred->errorText());
    if (!prepare(m_insertTransaction,
                 QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                                "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
                                "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', '', ?, ?)"))
        || !prepare(m_insertSplit,
                    QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                   "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)")))
        return false;

    if (!beginBatch() || !writeAccounts())
        return false;
    planTemplates();
    std::vector<ScheduledEvent> events = planSchedule();
    fitSchedule(events);
    qint64 scheduledRows = 0;
    for (const ScheduledEvent &event : events)
        scheduledRows += event.rows();
    if (!writeDays(events, m_options.transactions - scheduledRows))
        return false;
    if (!writeRecurring() || !writeReconciliations() || !commitBatch())
        return false;
    if (!m_deferred->restore())
        return fail(QStringLiteral("Cannot rebuild the transactions indexes"), m_deferred->errorText());
    return true;
}

bool GeneratorRun::ensureEmpty()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM accounts")) || !query.next())
        return fail(QStringLiteral("Cannot read the accounts table"), query.lastError().text());
    if (query.value(0).toLongLong() != 0)
        return fail(QStringLiteral("The database already holds accounts"), QString());
    return true;
}

bool GeneratorRun::seedCategories()
{
    QSqlQuery count(m_db);
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM categories")) || !count.next())
        return fail(QStringLiteral("Cannot read the categories table"), count.lastError().text());
    const bool empty = count.value(0).toLongLong() == 0;
    count = QSqlQuery();
    if (!empty)
        return true;

    CategoryRepository repository(m_database);
    CategoryService service(&repository);
    service.ensureDefaultCategories();

    // Seeding stamps the current time; restamp the new rows with the start of
    // the data set so that equal options give equal files.
    const QString stamp = stampText(m_start, 8 * 3600);
    QSqlQuery restamp(m_db);
    restamp.prepare(QStringLiteral("UPDATE categories SET created_at = ?, updated_at = ?"));
    restamp.addBindValue(stamp);
    restamp.addBindValue(stamp);
    if (!restamp.exec())
        return fail(QStringLiteral("Cannot stamp the default categories"), restamp.lastError().text());
    return true;
}

// Categories are looked up by name, and subcategories also by "Parent/Name";
// a name that is missing leaves the rows uncategorised.
bool GeneratorRun::loadCategories()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT c.id, c.name, p.name FROM categories c LEFT JOIN categories p "
                                   "ON c.parent_id = p.id WHERE c.deleted_at IS NULL ORDER BY c.id")))
        return fail(QStringLiteral("Cannot read the categories"), query.lastError().text());
    while (query.next()) {
        const QString id = query.value(0).toString();
        const QString name = query.value(1).toString();
        const QString parent = query.value(2).toString();
        if (parent.isEmpty())
            m_categories.insert(name, id);
        else
            m_categories.insert(parent + QLatin1Char('/') + name, id);
    }
    m_counts->categories = int(m_categories.size());
    return true;
}

bool GeneratorRun::writeAccounts()
{
    const int n = m_options.accounts;
    for (int i = 0; i < n; ++i) {
        PlannedAccount account;
        if (i < int(std::size(kFirstAccounts))) {
            const AccountTemplate &t = kFirstAccounts[i];
            account.name = QString::fromUtf8(t.name);
            account.type = t.type;
            account.currency = t.currency;
            account.institution = QString::fromUtf8(t.institution);
        } else {
            const int k = i - int(std::size(kFirstAccounts));
            const AccountTemplate &t = kMoreAccounts[k % int(std::size(kMoreAccounts))];
            account.name = QStringLiteral("%1 %2").arg(QString::fromUtf8(t.name)).arg(k / int(std::size(kMoreAccounts)) + 1);
            account.type = t.type;
            account.currency = t.currency;
            account.institution = QString::fromUtf8(t.institution);
        }
        account.id = nextId();
        m_accounts.push_back(account);
    }

    for (int i = 0; i < n; ++i) {
        PlannedAccount &account = m_accounts[size_t(i)];
        for (int j = 0; j < n; ++j) {
            if (m_accounts[size_t(j)].type == AccountType::Checking && m_accounts[size_t(j)].currency == account.currency) {
                account.hub = j;
                break;
            }
        }
        int weight = 0;
        switch (account.type) {
        case AccountType::Checking: weight = account.hub == i ? 4 : 2; break;
        case AccountType::CreditCard: weight = 6; break;
        case AccountType::Cash: weight = 2; break;
        case AccountType::Other: weight = 1; break;
        default: weight = 0; break;
        }
        if (account.currency != Currency::USD)
            weight = qMin(weight, 1);
        account.spendWeight = weight;
        m_spendTotal += weight;
        m_spendCumulative.push_back(m_spendTotal);
    }
    for (const Spending &s : spendings()) {
        m_kindTotal += s.weight;
        m_kindCumulative.push_back(m_kindTotal);
    }
    m_balances.assign(size_t(n), 0);

    QSqlQuery insert;
    if (!prepare(insert, QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, "
                                        "account_number_last4, starting_balance, sort_order, is_shared, version, "
                                        "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, "
                                        "?, 0, 1, 'pending', '', ?, ?)")))
        return false;
    const QString stamp = stampText(m_start, 8 * 3600);
    for (int i = 0; i < n; ++i) {
        const PlannedAccount &account = m_accounts[size_t(i)];
        qint64 opening = 0;
        switch (account.type) {
        case AccountType::Checking: opening = 250000; break;
        case AccountType::Savings: opening = 1000000; break;
        case AccountType::Cash: opening = 20000; break;
        case AccountType::Investment: opening = 5000000; break;
        case AccountType::Other: opening = 150000; break;
        default: opening = 0; break;
        }
        opening = inCurrency(opening, account.currency);
        m_balances[size_t(i)] = opening;
        const QString last4 = account.type == AccountType::Cash
                                  ? QString(QLatin1String(""))
                                  : QStringLiteral("%1").arg(m_random.below(10000), 4, 10, QLatin1Char('0'));
        insert.bindValue(0, account.id);
        insert.bindValue(1, account.name);
        insert.bindValue(2, accountTypeToString(account.type));
        insert.bindValue(3, currencyToString(account.currency));
        insert.bindValue(4, account.institution);
        insert.bindValue(5, last4);
        insert.bindValue(6, opening);
        insert.bindValue(7, i);
        insert.bindValue(8, stamp);
        insert.bindValue(9, stamp);
        if (!insert.exec())
            return fail(QStringLiteral("Cannot insert an account"), insert.lastError().text());
        ++m_counts->accounts;
    }
    return true;
}

void GeneratorRun::planTemplates()
{
    m_rentTemplateId = nextId();
    m_streamingTemplateId = nextId();
    if (m_accounts.size() > 1 && m_accounts[1].hub == 0)
        m_savingsTemplateId = nextId();
}

std::vector<ScheduledEvent> GeneratorRun::planSchedule()
{
    std::vector<ScheduledEvent> events;
    const QDate today = m_options.today;
    const auto add = [&](const QDate &date, int account, int toAccount, qint64 cents, const char *payee,
                         const char *memo, const char *category, const QString &recurringId = QString(),
                         bool check = false) -> ScheduledEvent * {
        if (date < m_start || date > today)
            return nullptr;
        ScheduledEvent event;
        event.day = int(m_start.daysTo(date));
        event.account = account;
        event.toAccount = toAccount;
        event.amount = inCurrency(cents, m_accounts[size_t(account)].currency);
        event.payee = QString::fromUtf8(payee);
        event.memo = QString::fromUtf8(memo);
        event.category = QString::fromUtf8(category);
        event.recurringId = recurringId;
        event.check = check;
        events.push_back(event);
        return &events.back();
    };
    const auto balanced = [](ScheduledEvent *event, ScheduledEvent::Balancing balancing) {
        if (event)
            event->balancing = balancing;
    };
    using Balancing = ScheduledEvent::Balancing;

    for (int i = 0; i < int(m_accounts.size()); ++i) {
        const PlannedAccount &account = m_accounts[size_t(i)];
        const int hub = account.hub;
        const bool isHub = hub == i;
        const qint64 salary = 280000 + qint64(m_random.below(20)) * 1000;
        for (QDate month(m_start.year(), m_start.month(), 1); month <= today; month = month.addMonths(1)) {
            const auto on = [&](int day) { return QDate(month.year(), month.month(), qMin(day, month.daysInMonth())); };
            const bool winter = month.month() <= 2 || month.month() == 12;
            const bool summer = month.month() >= 6 && month.month() <= 8;
            switch (account.type) {
            case AccountType::Checking:
                if (isHub) {
                    balanced(add(on(1), i, -1, salary, "Brightpath Inc", "Paycheck", "Salary / Wages"),
                             Balancing::TopUp);
                    balanced(add(on(15), i, -1, salary, "Brightpath Inc", "Paycheck", "Salary / Wages"),
                             Balancing::TopUp);
                    add(on(1), i, -1, -145000, i == 0 ? "Pinecrest Apartments" : "Lakeview Home Loans",
                        i == 0 ? "Monthly rent" : "Mortgage payment", "Housing/Rent/Mortgage Payment",
                        i == 0 ? m_rentTemplateId : QString(), true);
                    add(on(3), i, -1, -4500, "Peak Fitness", "Membership", "Subscriptions");
                    add(on(5), i, -1, -(8000 + (winter || summer ? 5000 : 0) + qint64(m_random.below(3000))),
                        "Lakeside Utilities", "Electric bill", "Utilities/Electric");
                    add(on(8), i, -1, -1599, "Streamline TV", "Monthly streaming", "Entertainment/Streaming",
                        i == 0 ? m_streamingTemplateId : QString());
                    add(on(10), i, -1, -12500, "Clearview Insurance", "Auto insurance", "Insurance/Auto");
                    add(on(12), i, -1, -(3500 + qint64(m_random.below(2500))), "Lakeside Utilities", "Water bill",
                        "Utilities/Water");
                    add(on(20), i, -1, -7999, "NetConnect ISP", "Internet service", "Utilities/Internet");
                    add(on(22), i, -1, -6500, "Brightline Mobile", "Phone plan", "Utilities/Phone");
                } else {
                    balanced(add(on(28), i, -1, 50000 + qint64(m_random.below(150)) * 1000, "Client Payment",
                                 "Consulting invoice", "Freelance / Consulting"),
                             Balancing::TopUp);
                    add(on(22), i, -1, -4500, "Brightline Mobile", "Phone plan", "Utilities/Phone");
                }
                break;
            case AccountType::Savings:
                if (hub >= 0)
                    add(on(16), hub, i, 50000, "", "Monthly savings", "",
                        i == 1 && hub == 0 ? m_savingsTemplateId : QString());
                add(on(31), i, -1, 500 + qint64(m_random.below(1000)), qPrintable(account.institution),
                    "Interest payment", "Interest Income");
                break;
            case AccountType::CreditCard:
                if (hub >= 0)
                    balanced(add(on(25), hub, i, 2500, "", "Credit card payment", ""), Balancing::PayOff);
                add(on(12), i, -1, -999, "CloudWatch Plus", "Cloud storage plan", "Subscriptions");
                break;
            case AccountType::Investment:
                if (hub >= 0)
                    add(on(2), hub, i, 25000, "", "Monthly contribution", "");
                if (month.month() % 3 == 0)
                    add(on(28), i, -1, 5000 + qint64(m_random.below(15000)), qPrintable(account.institution),
                        "Quarterly dividend", "Dividend Income");
                break;
            case AccountType::Other:
                if (hub >= 0)
                    balanced(add(on(15), hub, i, 20000, "", "HSA contribution", ""), Balancing::PayOff);
                break;
            case AccountType::Cash:
                break;
            }
        }
        if (account.type == AccountType::Cash && hub >= 0) {
            for (QDate day = m_start; day <= today; day = day.addDays(1)) {
                if (day.dayOfWeek() == Qt::Friday)
                    balanced(add(day, hub, i, 2000 * qint64(2 + m_random.below(4)), "", "ATM withdrawal", ""),
                             Balancing::PayOff);
            }
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScheduledEvent &a, const ScheduledEvent &b) { return a.day < b.day; });
    return events;
}

// A small transaction count cannot hold every scheduled row: keep a seeded
// selection whose rows fit, so the total is met exactly.
void GeneratorRun::fitSchedule(std::vector<ScheduledEvent> &events)
{
    qint64 rows = 0;
    for (const ScheduledEvent &event : events)
        rows += event.rows();
    if (rows <= m_options.transactions)
        return;

    std::vector<size_t> order(events.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[size_t(m_random.below(i))]);

    std::vector<bool> keep(events.size(), false);
    qint64 kept = 0;
    for (size_t index : order) {
        if (kept + events[index].rows() <= m_options.transactions) {
            keep[index] = true;
            kept += events[index].rows();
        }
    }
    std::vector<ScheduledEvent> fitted;
    for (size_t i = 0; i < events.size(); ++i) {
        if (keep[i])
            fitted.push_back(events[i]);
    }
    events.swap(fitted);
}

void GeneratorRun::flagsFor(const QDate &date, bool *cleared, bool *reconciled)
{
    const qint64 age = date.daysTo(m_options.today);
    *reconciled = date <= m_cutoff;
    if (*reconciled)
        *cleared = true;
    else if (age > 30)
        *cleared = m_random.chance(97);
    else if (age > 7)
        *cleared = m_random.chance(70);
    else
        *cleared = m_random.chance(15);
}

// Spreads the discretionary rows over the days by weight (weekends busier),
// with exact integer shares so the total is met to the row.
bool GeneratorRun::writeDays(const std::vector<ScheduledEvent> &events, qint64 discretionary)
{
    const int days = dayCount();
    std::vector<qint64> cumulative(static_cast<size_t>(days));
    qint64 total = 0;
    for (int d = 0; d < days; ++d) {
        const int dow = m_start.addDays(d).dayOfWeek();
        const int base = dow == Qt::Saturday ? 16 : dow == Qt::Sunday ? 11 : dow == Qt::Friday ? 13 : 10;
        total += base + qint64(m_random.below(4));
        cumulative[size_t(d)] = total;
    }

    std::vector<QDate> statementDates;
    for (int k = 0; k < 6; ++k) {
        const QDate date = monthEnd(m_cutoff.addMonths(-k));
        if (date >= m_start)
            statementDates.push_back(date);
    }

    size_t next = 0;
    qint64 allocated = 0;
    for (int d = 0; d < days; ++d) {
        m_currentDate = m_start.addDays(d);
        const QString date = dateToText(m_currentDate);
        for (; next < events.size() && events[next].day == d; ++next) {
            if (!writeScheduled(events[next], date))
                return false;
        }
        const qint64 upTo = discretionary * cumulative[size_t(d)] / total;
        for (; allocated < upTo; ++allocated) {
            if (!writeDiscretionary(date))
                return false;
        }
        if (std::find(statementDates.begin(), statementDates.end(), m_currentDate) != statementDates.end()) {
            for (int i = 0; i < int(m_accounts.size()); ++i) {
                const AccountType type = m_accounts[size_t(i)].type;
                if (type == AccountType::Checking || type == AccountType::Savings || type == AccountType::CreditCard)
                    m_reconciliations.push_back({i, m_currentDate, m_balances[size_t(i)]});
            }
        }
    }
    return true;
}

bool GeneratorRun::writeScheduled(const ScheduledEvent &event, const QString &date)
{
    bool cleared = false;
    bool reconciled = false;
    flagsFor(m_currentDate, &cleared, &reconciled);
    const QString stamp = stampText(date, 6 * 3600 + int(m_random.below(3 * 3600)));
    const PlannedAccount &from = m_accounts[size_t(event.account)];
    const qint64 step = qMax<qint64>(1, inCurrency(1000, from.currency));
    const auto roundedUp = [step](qint64 value) { return (value + step - 1) / step * step; };
    qint64 amount = event.amount;
    if (event.balancing == ScheduledEvent::Balancing::TopUp) {
        const qint64 balance = m_balances[size_t(event.account)];
        if (balance < event.amount)
            amount += roundedUp(event.amount - balance);
    } else if (event.balancing == ScheduledEvent::Balancing::PayOff) {
        amount = qMax(amount, roundedUp(-m_balances[size_t(event.toAccount)]));
    }

    if (event.toAccount < 0) {
        PlannedAccount &account = m_accounts[size_t(event.account)];
        const QString check = event.check ? QString::number(account.nextCheck++) : QString(QLatin1String(""));
        return writeTransaction(event.account, nextId(), date, event.payee, event.memo, amount,
                                categoryId(event.category), check, QString(), QString(), false, event.recurringId,
                                stamp, cleared, reconciled);
    }

    const PlannedAccount &to = m_accounts[size_t(event.toAccount)];
    const QString outId = nextId();
    const QString inId = nextId();
    if (!writeTransaction(event.account, outId, date, QStringLiteral("Transfer to %1").arg(to.name), event.memo,
                          -amount, kNull, QString(), inId, to.id, false, event.recurringId, stamp, cleared,
                          reconciled))
        return false;
    if (!writeTransaction(event.toAccount, inId, date, QStringLiteral("Transfer from %1").arg(from.name),
                          event.memo, amount, kNull, QString(), outId, from.id, false, QString(), stamp,
                          cleared, reconciled))
        return false;
    ++m_counts->transfers;
    return true;
}

bool GeneratorRun::writeDiscretionary(const QString &date)
{
    const auto pick = [this](const std::vector<qint64> &cumulative, qint64 totalWeight) {
        const qint64 value = qint64(m_random.below(quint64(totalWeight)));
        return int(std::upper_bound(cumulative.begin(), cumulative.end(), value) - cumulative.begin());
    };
    const int accountIndex = pick(m_spendCumulative, m_spendTotal);
    PlannedAccount &account = m_accounts[size_t(accountIndex)];
    const Spending &spending = spendings()[size_t(pick(m_kindCumulative, m_kindTotal))];

    const qint64 cents = m_random.between(spending.minCents, spending.maxCents);
    qint64 amount = inCurrency(cents, account.currency);
    if (!spending.income)
        amount = -amount;
    const QString payee = QString::fromUtf8(spending.payees[size_t(m_random.below(spending.payees.size()))]);
    const QString memo = m_random.chance(35)
                             ? QString::fromUtf8(spending.memos[size_t(m_random.below(spending.memos.size()))])
                             : QString(QLatin1String(""));
    QString check(QLatin1String(""));
    if (account.type == AccountType::Checking && !spending.income && m_random.chance(2))
        check = QString::number(account.nextCheck++);
    bool cleared = false;
    bool reconciled = false;
    flagsFor(m_currentDate, &cleared, &reconciled);
    const QString stamp = stampText(date, 7 * 3600 + int(m_random.below(15 * 3600)));
    const QString id = nextId();

    // A basket split over groceries, household goods and sometimes clothing;
    // its lines add up to the transaction's amount.
    const QVariant groceries = categoryId(QStringLiteral("Groceries"));
    const QVariant household = categoryId(QStringLiteral("Shopping/Household"));
    const QVariant clothing = categoryId(QStringLiteral("Shopping/Clothing"));
    const bool split = spending.split && !groceries.isNull() && !household.isNull() && !clothing.isNull()
                       && qAbs(amount) >= 3;
    if (!writeTransaction(accountIndex, id, date, payee, memo, amount, split ? kNull : categoryId(QString::fromUtf8(spending.category)),
                          check, QString(), QString(), split, QString(), stamp, cleared, reconciled))
        return false;
    if (!split)
        return true;

    std::vector<std::pair<QVariant, qint64>> lines;
    const int parts = m_random.chance(50) ? 3 : 2;
    const qint64 first = amount * qint64(40 + m_random.below(40)) / 100;
    if (parts == 2) {
        lines = {{groceries, first}, {household, amount - first}};
    } else {
        const qint64 second = (amount - first) / 2;
        lines = {{groceries, first}, {household, second}, {clothing, amount - first - second}};
    }
    static const char *const kLineMemos[] = {"Food", "Cleaning and paper goods", "Socks"};
    for (size_t i = 0; i < lines.size(); ++i) {
        m_insertSplit.bindValue(0, nextId());
        m_insertSplit.bindValue(1, id);
        m_insertSplit.bindValue(2, lines[i].first);
        m_insertSplit.bindValue(3, lines[i].second);
        m_insertSplit.bindValue(4, QString::fromUtf8(kLineMemos[i]));
        m_insertSplit.bindValue(5, stamp);
        m_insertSplit.bindValue(6, stamp);
        if (!m_insertSplit.exec())
            return fail(QStringLiteral("Cannot insert a split line"), m_insertSplit.lastError().text());
        ++m_counts->splitLines;
    }
    ++m_counts->splitTransactions;
    return true;
}

bool GeneratorRun::writeTransaction(int account, const QString &id, const QString &date, const QString &payee,
                                    const QString &memo, qint64 amount, const QVariant &category,
                                    const QString &check, const QString &link, const QString &dest, bool split,
                                    const QString &recurringId, const QString &stamp, bool cleared, bool reconciled)
{
    const QString empty(QLatin1String(""));
    QSqlQuery &q = m_insertTransaction;
    q.bindValue(0, id);
    q.bindValue(1, m_accounts[size_t(account)].id);
    q.bindValue(2, date);
    q.bindValue(3, payee);
    q.bindValue(4, memo.isNull() ? empty : memo);
    q.bindValue(5, amount);
    q.bindValue(6, category);
    q.bindValue(7, check.isNull() ? empty : check);
    q.bindValue(8, cleared ? 1 : 0);
    q.bindValue(9, reconciled ? 1 : 0);
    q.bindValue(10, link.isNull() ? empty : link);
    q.bindValue(11, dest.isNull() ? empty : dest);
    q.bindValue(12, split ? 1 : 0);
    q.bindValue(13, recurringId.isNull() ? empty : recurringId);
    q.bindValue(14, stamp);
    q.bindValue(15, stamp);
    if (!q.exec())
        return fail(QStringLiteral("Cannot insert a transaction"), q.lastError().text());
    m_balances[size_t(account)] += amount;
    ++m_counts->transactions;
    return countRow();
}

// Templates of the main account: rent and streaming (whose posted rows carry
// their ids), the monthly savings transfer, and an ended gym membership.
bool GeneratorRun::writeRecurring()
{
    QSqlQuery insert;
    if (!prepare(insert, QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, "
                                        "category_id, frequency, start_date, end_date, next_due_date, auto_post, "
                                        "is_active, transfer_dest_account_id, version, sync_status, server_id, "
                                        "created_at, updated_at, lead_days) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                        "?, ?, 1, 'pending', '', ?, ?, ?)")))
        return false;
    const QDate today = m_options.today;
    const auto nextOn = [&](int day) {
        QDate date(today.year(), today.month(), qMin(day, today.daysInMonth()));
        if (date <= today) {
            const QDate month = today.addMonths(1);
            date = QDate(month.year(), month.month(), qMin(day, month.daysInMonth()));
        }
        return date;
    };
    struct Template
    {
        QString id;
        QString payee;
        QString memo;
        qint64 amount;
        QString category;
        QString dest;
        QDate endDate;
        QDate nextDue;
        bool autoPost;
        bool active;
        int leadDays;
    };
    const Currency currency = m_accounts[0].currency;
    std::vector<Template> templates = {
        {m_rentTemplateId, QStringLiteral("Pinecrest Apartments"), QStringLiteral("Monthly rent"),
         inCurrency(-145000, currency), QStringLiteral("Housing/Rent/Mortgage Payment"), QString(), QDate(),
         nextOn(1), false, true, 3},
        {m_streamingTemplateId, QStringLiteral("Streamline TV"), QStringLiteral("Monthly streaming"),
         inCurrency(-1599, currency), QStringLiteral("Entertainment/Streaming"), QString(), QDate(), nextOn(8), true,
         true, 0},
        {nextId(), QStringLiteral("Iron Works Gym"), QStringLiteral("Cancelled membership"), inCurrency(-3900, currency),
         QStringLiteral("Subscriptions"), QString(), m_start.addMonths(6), m_start.addMonths(6), false, false, 0},
    };
    if (!m_savingsTemplateId.isEmpty())
        templates.push_back({m_savingsTemplateId, QStringLiteral("Transfer to %1").arg(m_accounts[1].name),
                             QStringLiteral("Monthly savings"), inCurrency(-50000, currency), QString(),
                             m_accounts[1].id, QDate(), nextOn(16), true, true, 2});

    const QString stamp = stampText(m_start, 9 * 3600);
    const QString empty(QLatin1String(""));
    for (const Template &t : templates) {
        insert.bindValue(0, t.id);
        insert.bindValue(1, m_accounts[0].id);
        insert.bindValue(2, t.payee);
        insert.bindValue(3, t.memo);
        insert.bindValue(4, t.amount);
        insert.bindValue(5, t.category.isEmpty() ? kNull : categoryId(t.category));
        insert.bindValue(6, frequencyToString(Frequency::Monthly));
        insert.bindValue(7, dateToText(m_start));
        insert.bindValue(8, t.endDate.isValid() ? QVariant(dateToText(t.endDate)) : kNull);
        insert.bindValue(9, dateToText(t.nextDue));
        insert.bindValue(10, t.autoPost ? 1 : 0);
        insert.bindValue(11, t.active ? 1 : 0);
        insert.bindValue(12, t.dest.isEmpty() ? empty : t.dest);
        insert.bindValue(13, stamp);
        insert.bindValue(14, stamp);
        insert.bindValue(15, t.leadDays);
        if (!insert.exec())
            return fail(QStringLiteral("Cannot insert a recurring template"), insert.lastError().text());
        ++m_counts->recurring;
    }
    return true;
}

// Month-end statements up to the reconciled cut-off; every row up to each
// statement is reconciled, so the statement balance is the account balance.
bool GeneratorRun::writeReconciliations()
{
    QSqlQuery insert;
    if (!prepare(insert, QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                                        "statement_balance, reconciled_balance, completed_at, version, sync_status, "
                                        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, 1, 'pending', "
                                        "'', ?, ?)")))
        return false;
    for (const PendingReconciliation &r : m_reconciliations) {
        const QString completed = stampText(r.statementDate.addDays(3), 19 * 3600 + int(m_random.below(3600)));
        insert.bindValue(0, nextId());
        insert.bindValue(1, m_accounts[size_t(r.account)].id);
        insert.bindValue(2, dateToText(r.statementDate));
        insert.bindValue(3, r.balance);
        insert.bindValue(4, r.balance);
        insert.bindValue(5, completed);
        insert.bindValue(6, completed);
        insert.bindValue(7, completed);
        if (!insert.exec())
            return fail(QStringLiteral("Cannot insert a reconciliation"), insert.lastError().text());
        ++m_counts->reconciliations;
    }
    return true;
}

} // namespace

DataGenerator::DataGenerator(const DataGeneratorOptions &options)
    : m_options(options)
{
}

DataGenerator::~DataGenerator() = default;

bool DataGenerator::validate()
{
    if (m_options.accounts < 1 || m_options.accounts > 10000)
        m_error = QStringLiteral("The number of accounts must be between 1 and 10000");
    else if (m_options.transactions < 0 || m_options.transactions > 100000000)
        m_error = QStringLiteral("The number of transactions must be between 0 and 100000000");
    else if (m_options.years < 1 || m_options.years > 50)
        m_error = QStringLiteral("The number of years must be between 1 and 50");
    else if (!m_options.today.isValid() || m_options.today.addYears(-m_options.years) < QDate(2000, 1, 1))
        m_error = QStringLiteral("Today must be a valid date, with the whole span after 2000-01-01");
    else if (m_options.batchSize < 1)
        m_error = QStringLiteral("The batch size must be at least 1");
    else
        return true;
    return false;
}

bool DataGenerator::generate(Database *database)
{
    m_counts = DataGeneratorCounts();
    m_error.clear();
    if (!validate())
        return false;
    if (!database || !database->isOpen()) {
        m_error = QStringLiteral("The database is not open");
        return false;
    }
    GeneratorRun run(m_options, database, &m_counts);
    if (!run.run()) {
        m_error = run.error();
        return false;
    }
    return true;
}

bool DataGenerator::generateFile(const QString &path)
{
    m_counts = DataGeneratorCounts();
    m_error.clear();
    if (!validate())
        return false;
    const QFileInfo info(path);
    if (info.exists()) {
        m_error = QStringLiteral("%1 already exists; it is not overwritten").arg(path);
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("Cannot create the folder %1").arg(info.absolutePath());
        return false;
    }

    bool ok = false;
    {
        Database database;
        if (!database.open(path))
            m_error = QStringLiteral("Cannot open %1").arg(path);
        else if (!database.runMigrations())
            m_error = QStringLiteral("Cannot create the schema in %1").arg(path);
        else
            ok = generate(&database);
    }
    // A half-written data set is worth nothing; leave no file behind.
    if (!ok) {
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(path + suffix);
    }
    return ok;
}
