#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class AccountRepository;
class AccountService;
class CategoryRemoval;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class SyncEngine;
class TransactionRepository;
class TransactionService;

namespace OrlAccount {
class ApiClient;
class TokenManager;
} // namespace OrlAccount

// One installation of the program for sync tests: its own database file,
// the repositories and domain services on it, a sync API client signed in
// with a given token, and a SyncEngine.
//
// Only one installation is open at a time, on Qt's default connection as in
// the program: open() closes whichever other one is open, as quitting the
// program on one machine and starting it on another would, so the tests
// also show that everything the engine keeps between syncs is in the file.
class SyncInstallation
{
public:
    struct SyncOutcome
    {
        bool finished = false; // syncFinished came within the time limit
        bool ok = false;
        QString error;         // lastError() after a failed sync
        int finishedSignals = 0;
    };

    // The file lives in its own temporary folder, or at `path` when given.
    explicit SyncInstallation(const QString &name, const QString &path = QString());
    ~SyncInstallation();

    SyncInstallation(const SyncInstallation &) = delete;
    SyncInstallation &operator=(const SyncInstallation &) = delete;

    // The sync API at `serverUrl` (scheme, host and port) with this access
    // token; takes effect at the next open().
    void signIn(const QString &serverUrl, const QString &accessToken);
    // Time limit of each sync request of the engine.
    void setRequestTimeout(int milliseconds) { m_requestTimeout = milliseconds; }
    // Trades durability for speed (PRAGMA synchronous = OFF) in tests that
    // never crash the process.
    void setFastWrites(bool on) { m_fastWrites = on; }

    bool open();
    void close();
    bool isOpen() const { return m_open != nullptr; }
    static SyncInstallation *current();

    const QString &name() const { return m_name; }
    QString path() const { return m_path; }

    // Valid while open.
    Database *database() const;
    AccountRepository *accounts() const;
    TransactionRepository *transactions() const;
    SplitLineRepository *splitLines() const;
    CategoryRepository *categories() const;
    RecurringRepository *recurring() const;
    ReconciliationRepository *reconciliations() const;
    PreferencesRepository *preferences() const;
    TransactionService *transactionService() const;
    AccountService *accountService() const;
    CategoryRemoval *categoryRemoval() const;
    SyncEngine *engine() const;

    // Opens the installation when needed, starts a sync and waits up to
    // `timeoutMs` for syncFinished.
    SyncOutcome sync(int timeoutMs = 60000);
    // Starts a sync without waiting; waitForSync() then waits for its end.
    void startSync();
    SyncOutcome waitForSync(int timeoutMs = 60000);

    // Runs one statement on the file (opening the installation when
    // needed); the first column of the first row, invalid on failure.
    QVariant scalar(const QString &sql, const QVariantList &binds = {});
    QString cursor();

    // The user's data, comparable between installations: per table, per
    // id, the row as text without the sync bookkeeping (sync_status,
    // server_id). Split lines are keyed by their transaction and compared by
    // what they say (category, amount, memo), since every installation gives
    // them its own ids and stamps. NULL and an empty text read the same.
    // Opens the installation when needed.
    struct Row
    {
        QString text;
        bool deleted = false;
    };
    using Contents = QMap<QString, QMap<QString, Row>>;
    Contents contents();
    // Empty when equal; otherwise the first differences, table and row. A
    // deleted row that one side never had is no difference: an installation
    // skips a pulled deletion of a row it never saw.
    static QString differences(const Contents &left, const Contents &right, int limit = 8);

    // The tables compared, in an order where parents come first.
    static const QStringList &userTables();

private:
    struct Open;

    QString m_name;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
    QString m_serverUrl;
    QString m_accessToken;
    int m_requestTimeout = 30000;
    bool m_fastWrites = false;
    std::unique_ptr<Open> m_open;
};
