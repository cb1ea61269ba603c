#include "common/syncinstallation.h"

#include "account/apiclient.h"
#include "account/tokenmanager.h"
#include "common/memorytokenstore.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryremoval.h"
#include "services/syncengine.h"
#include "services/transactionservice.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QUrl>

namespace {

SyncInstallation *g_current = nullptr;

const QStringList BookkeepingColumns{QStringLiteral("sync_status"), QStringLiteral("server_id")};

// An empty optional text is stored as NULL by one writer and as "" by
// another; the user sees the same, so both read as empty here.
QString describeValue(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

} // namespace

struct SyncInstallation::Open
{
    std::unique_ptr<Database> database;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<SplitLineRepository> splitLines;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<RecurringRepository> recurring;
    std::unique_ptr<ReconciliationRepository> reconciliations;
    std::unique_ptr<PreferencesRepository> preferences;
    std::unique_ptr<TransactionService> transactionService;
    std::unique_ptr<AccountService> accountService;
    std::unique_ptr<CategoryRemoval> categoryRemoval;
    std::unique_ptr<OrlAccount::TokenManager> tokens;
    std::unique_ptr<OrlAccount::ApiClient> api;
    std::unique_ptr<SyncEngine> engine;
    int finishedSignals = 0;
    bool lastOk = false;
};

SyncInstallation::SyncInstallation(const QString &name, const QString &path)
    : m_name(name)
{
    if (path.isEmpty()) {
        m_folder = std::make_unique<QTemporaryDir>();
        m_path = m_folder->filePath(QStringLiteral("quillby.db"));
    } else {
        m_path = path;
    }
}

SyncInstallation::~SyncInstallation()
{
    close();
}

SyncInstallation *SyncInstallation::current()
{
    return g_current;
}

void SyncInstallation::signIn(const QString &serverUrl, const QString &accessToken)
{
    m_serverUrl = serverUrl;
    m_accessToken = accessToken;
}

bool SyncInstallation::open()
{
    if (m_open)
        return true;
    if (g_current)
        g_current->close();
    auto open = std::make_unique<Open>();
    open->database = std::make_unique<Database>();
    if (!open->database->open(m_path))
        return false;
    if (m_fastWrites) {
        QSqlQuery pragma(open->database->connection());
        pragma.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    }
    if (!open->database->runMigrations())
        return false;
    Database *db = open->database.get();
    open->accounts = std::make_unique<AccountRepository>(db);
    open->transactions = std::make_unique<TransactionRepository>(db);
    open->splitLines = std::make_unique<SplitLineRepository>(db);
    open->categories = std::make_unique<CategoryRepository>(db);
    open->recurring = std::make_unique<RecurringRepository>(db);
    open->reconciliations = std::make_unique<ReconciliationRepository>(db);
    open->preferences = std::make_unique<PreferencesRepository>(db);
    open->transactionService = std::make_unique<TransactionService>(open->accounts.get(), open->transactions.get(),
                                                                    open->splitLines.get(), open->categories.get());
    open->accountService = std::make_unique<AccountService>(open->accounts.get(), open->transactions.get(),
                                                            open->recurring.get(), open->reconciliations.get());
    open->categoryRemoval = std::make_unique<CategoryRemoval>(db, open->categories.get());

    open->tokens = std::make_unique<OrlAccount::TokenManager>(std::make_unique<MemoryTokenStore>(m_accessToken, QString()));
    open->tokens->loadTokens();
    open->api = std::make_unique<OrlAccount::ApiClient>(open->tokens.get());
    open->api->setBaseUrl(QUrl(m_serverUrl + QStringLiteral("/quillby/v1")));
    open->engine = std::make_unique<SyncEngine>(*db, *open->api);
    open->engine->setRequestTimeout(m_requestTimeout);
    Open *raw = open.get();
    QObject::connect(open->engine.get(), &SyncEngine::syncFinished, open->engine.get(), [raw](bool ok) {
        ++raw->finishedSignals;
        raw->lastOk = ok;
    });
    m_open = std::move(open);
    g_current = this;
    return true;
}

void SyncInstallation::close()
{
    if (!m_open)
        return;
    // The engine first: it may still hold a reply of the API client.
    m_open->engine.reset();
    m_open->api.reset();
    m_open->tokens.reset();
    m_open->categoryRemoval.reset();
    m_open->accountService.reset();
    m_open->transactionService.reset();
    m_open->preferences.reset();
    m_open->reconciliations.reset();
    m_open->recurring.reset();
    m_open->categories.reset();
    m_open->splitLines.reset();
    m_open->transactions.reset();
    m_open->accounts.reset();
    m_open->database.reset();
    m_open.reset();
    if (g_current == this)
        g_current = nullptr;
}

Database *SyncInstallation::database() const { return m_open ? m_open->database.get() : nullptr; }
AccountRepository *SyncInstallation::accounts() const { return m_open ? m_open->accounts.get() : nullptr; }
TransactionRepository *SyncInstallation::transactions() const { return m_open ? m_open->transactions.get() : nullptr; }
SplitLineRepository *SyncInstallation::splitLines() const { return m_open ? m_open->splitLines.get() : nullptr; }
CategoryRepository *SyncInstallation::categories() const { return m_open ? m_open->categories.get() : nullptr; }
RecurringRepository *SyncInstallation::recurring() const { return m_open ? m_open->recurring.get() : nullptr; }
ReconciliationRepository *SyncInstallation::reconciliations() const { return m_open ? m_open->reconciliations.get() : nullptr; }
PreferencesRepository *SyncInstallation::preferences() const { return m_open ? m_open->preferences.get() : nullptr; }
TransactionService *SyncInstallation::transactionService() const { return m_open ? m_open->transactionService.get() : nullptr; }
AccountService *SyncInstallation::accountService() const { return m_open ? m_open->accountService.get() : nullptr; }
CategoryRemoval *SyncInstallation::categoryRemoval() const { return m_open ? m_open->categoryRemoval.get() : nullptr; }
SyncEngine *SyncInstallation::engine() const { return m_open ? m_open->engine.get() : nullptr; }

void SyncInstallation::startSync()
{
    if (!open())
        return;
    m_open->finishedSignals = 0;
    m_open->engine->sync();
}

SyncInstallation::SyncOutcome SyncInstallation::waitForSync(int timeoutMs)
{
    SyncOutcome outcome;
    if (!m_open) {
        outcome.error = QStringLiteral("the installation is not open");
        return outcome;
    }
    Open *raw = m_open.get();
    const QDeadlineTimer deadline(timeoutMs);
    while (raw->finishedSignals == 0 && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer tick;
        tick.setSingleShot(true);
        QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(raw->engine.get(), &SyncEngine::syncFinished, &loop, &QEventLoop::quit);
        tick.start(int(qBound(qint64(1), deadline.remainingTime(), qint64(200))));
        loop.exec();
    }
    outcome.finished = raw->finishedSignals > 0;
    outcome.ok = outcome.finished && raw->lastOk;
    outcome.finishedSignals = raw->finishedSignals;
    if (!outcome.ok)
        outcome.error = outcome.finished ? raw->engine->lastError() : QStringLiteral("no syncFinished within %1 ms").arg(timeoutMs);
    return outcome;
}

SyncInstallation::SyncOutcome SyncInstallation::sync(int timeoutMs)
{
    if (!open()) {
        SyncOutcome outcome;
        outcome.error = QStringLiteral("the database could not be opened");
        return outcome;
    }
    startSync();
    return waitForSync(timeoutMs);
}

QVariant SyncInstallation::scalar(const QString &sql, const QVariantList &binds)
{
    if (!open())
        return QVariant();
    QSqlQuery query(m_open->database->connection());
    query.prepare(sql);
    for (const QVariant &value : binds)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

QString SyncInstallation::cursor()
{
    return open() ? m_open->preferences->getValue(QStringLiteral("syncCursor"), QString()) : QString();
}

const QStringList &SyncInstallation::userTables()
{
    static const QStringList tables{QStringLiteral("accounts"),     QStringLiteral("categories"),
                                    QStringLiteral("transactions"), QStringLiteral("split_lines"),
                                    QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};
    return tables;
}

SyncInstallation::Contents SyncInstallation::contents()
{
    Contents contents;
    if (!open())
        return contents;
    for (const QString &table : userTables()) {
        const bool lines = table == QLatin1String("split_lines");
        QSqlQuery query(m_open->database->connection());
        const QString sql = lines ? QStringLiteral("SELECT transaction_id, category_id, amount, memo FROM split_lines")
                                  : QStringLiteral("SELECT * FROM %1").arg(table);
        QMap<QString, Row> rows;
        if (!query.exec(sql)) {
            rows.insert(QStringLiteral("<unreadable>"), {query.lastError().text(), false});
            contents.insert(table, rows);
            continue;
        }
        QMap<QString, QStringList> linesByTransaction;
        while (query.next()) {
            const QSqlRecord record = query.record();
            QStringList fields;
            for (int i = lines ? 1 : 0; i < record.count(); ++i) {
                if (BookkeepingColumns.contains(record.fieldName(i)))
                    continue;
                fields.append(record.fieldName(i) + QLatin1Char('=') + describeValue(record.value(i)));
            }
            if (lines) {
                linesByTransaction[record.value(0).toString()].append(fields.join(QLatin1String(", ")));
            } else {
                const QVariant deletedAt = record.value(QStringLiteral("deleted_at"));
                rows.insert(record.value(QStringLiteral("id")).toString(),
                            {fields.join(QLatin1String(" | ")), !deletedAt.isNull() && !deletedAt.toString().isEmpty()});
            }
        }
        for (auto it = linesByTransaction.begin(); it != linesByTransaction.end(); ++it) {
            it.value().sort();
            rows.insert(it.key(), {it.value().join(QLatin1String(" / ")), false});
        }
        contents.insert(table, rows);
    }
    return contents;
}

QString SyncInstallation::differences(const Contents &left, const Contents &right, int limit)
{
    QStringList out;
    const auto transactionDeleted = [](const Contents &side, const QString &id) {
        return side.value(QStringLiteral("transactions")).value(id).deleted;
    };
    for (const QString &table : userTables()) {
        const QMap<QString, Row> a = left.value(table);
        const QMap<QString, Row> b = right.value(table);
        const bool lines = table == QLatin1String("split_lines");
        QStringList ids = a.keys() + b.keys();
        ids.removeDuplicates();
        ids.sort();
        int shown = 0;
        for (const QString &id : ids) {
            const bool inLeft = a.contains(id);
            const bool inRight = b.contains(id);
            QString difference;
            if (inLeft && inRight) {
                if (a.value(id).text != b.value(id).text)
                    difference = QStringLiteral("%1 %2:\n    left:  %3\n    right: %4").arg(table, id, a.value(id).text, b.value(id).text);
            } else if (inLeft) {
                const bool ignorable = lines ? transactionDeleted(left, id) && !right.value(QStringLiteral("transactions")).contains(id)
                                             : a.value(id).deleted;
                if (!ignorable)
                    difference = QStringLiteral("%1 %2 only left: %3").arg(table, id, a.value(id).text);
            } else {
                const bool ignorable = lines ? transactionDeleted(right, id) && !left.value(QStringLiteral("transactions")).contains(id)
                                             : b.value(id).deleted;
                if (!ignorable)
                    difference = QStringLiteral("%1 %2 only right: %3").arg(table, id, b.value(id).text);
            }
            if (difference.isEmpty())
                continue;
            if (++shown > limit) {
                out.append(QStringLiteral("%1: more differences").arg(table));
                break;
            }
            out.append(difference);
        }
    }
    return out.join(QLatin1Char('\n'));
}
