#include "common/faultproxy.h"
#include "common/syncactions.h"
#include "common/syncinstallation.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "services/accountservice.h"
#include "services/syncengine.h"

#include "syncservers.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace SyncActions;

namespace {

constexpr quint64 DefaultSeed = 20261211;
constexpr int DefaultOperations = 1000;
constexpr int Installations = 3;
constexpr int RequestTimeoutMs = 1200;

const QStringList SyncedTables{QStringLiteral("accounts"), QStringLiteral("categories"), QStringLiteral("transactions"),
                               QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("QUILLBY_PROPERTY_SEED").toULongLong(&ok);
    return ok ? seed : DefaultSeed;
}

int operationsFromEnvironment()
{
    bool ok = false;
    const int operations = qEnvironmentVariableIntValue("QUILLBY_PROPERTY_OPERATIONS", &ok);
    return ok && operations > 0 ? operations : DefaultOperations;
}

} // namespace

// The convergence property: three installations of one user make random
// changes through the services and sync at random moments, through a proxy
// that answers 500, drops answers the server has applied and stalls
// requests, while the server is restarted now and then. Once the network is
// good again and each installation has synced twice, all three hold the same
// data; no row that was written is missing or duplicated, no row is deleted
// that nobody deleted, and every live row says what some installation wrote.
//
// The seed comes from QUILLBY_PROPERTY_SEED (the test command fixes one);
// QUILLBY_PROPERTY_OPERATIONS changes the number of operations. Every
// failure message names the seed.
class tst_SyncConvergence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_seed = seedFromEnvironment();
        m_random.seed(quint32(m_seed ^ (m_seed >> 32)));
        QString reason;
        bool skip = false;
        if (!m_servers.start(reason, skip)) {
            if (skip)
                QSKIP(qPrintable(reason));
            QSKIP(qPrintable(QStringLiteral("quillby-server could not be started, so nothing can be synced: ") + reason));
        }
    }

    void cleanupTestCase()
    {
        m_installations.clear();
        m_proxy.reset();
    }

    void installationsConvergeUnderFaults()
    {
        QElapsedTimer clock;
        clock.start();
        m_proxy = std::make_unique<FaultProxy>(m_seed);
        QVERIFY(m_proxy->listen());
        m_serverPort = m_servers.first().port();
        m_proxy->setUpstreamPort(quint16(m_serverPort));
        m_proxy->setRates(0.05, 0.05, 0.01);
        connect(m_proxy.get(), &FaultProxy::requestArrived, this, &tst_SyncConvergence::duringRequest);

        const SyncTestUser user = m_servers.addUser(QStringLiteral("property"));
        QVERIFY2(!user.id.isEmpty(), "the test user could not sign in");
        m_accessToken = user.accessToken;
        for (int i = 0; i < Installations; ++i) {
            const SyncTestUser session = i == 0 ? user : m_servers.signInAgain(user);
            QVERIFY(!session.accessToken.isEmpty());
            auto installation = std::make_unique<SyncInstallation>(QStringLiteral("installation %1").arg(i + 1));
            installation->signIn(m_proxy->baseUrl(), session.accessToken);
            installation->setRequestTimeout(RequestTimeoutMs);
            installation->setFastWrites(true);
            m_installations.push_back(std::move(installation));
        }

        const int operations = operationsFromEnvironment();
        int at = 0;
        for (m_operation = 0; m_operation < operations; ++m_operation) {
            // Mostly several changes in a row on one machine, as people work.
            if (m_random.bounded(10) < 3)
                at = int(m_random.bounded(Installations));
            SyncInstallation &installation = *m_installations.at(size_t(at));
            QVERIFY2(installation.open(), qPrintable(context()));
            change(installation);
            if (QTest::currentTestFailed())
                return;
            if (m_random.bounded(100) < 15) {
                // Now and then something is typed while a request is out.
                m_changeDuringRequest = m_random.bounded(100) < 30;
                syncUnderFaults(installation);
                m_changeDuringRequest = false;
                if (QTest::currentTestFailed())
                    return;
            }
            if (m_random.bounded(1000) < 4) {
                restartServer();
                if (QTest::currentTestFailed())
                    return;
            }
        }

        // The network heals; every installation syncs twice.
        m_proxy->setPassAll(true);
        m_proxy->releaseStalled();
        for (int round = 0; round < 2; ++round) {
            for (auto &installation : m_installations) {
                const SyncInstallation::SyncOutcome outcome = installation->sync(60000);
                QVERIFY2(outcome.ok, qPrintable(context() + QStringLiteral(": final sync of %1: %2").arg(installation->name(), outcome.error)));
            }
        }
        checkConverged();
        qInfo("seed %llu: %d operations (%d refused by the services), %d syncs (%d failed), %d requests: %d answered 500, "
              "%d answers dropped, %d stalled; %d server restarts; %lld ms",
              m_seed, operations, m_refused, m_syncs, m_failedSyncs, m_proxy->requests(), m_proxy->count(FaultProxy::Fate::Fail500),
              m_proxy->count(FaultProxy::Fate::Drop), m_proxy->count(FaultProxy::Fate::Stall), m_restarts, clock.elapsed());
    }

private:
    QString context() const
    {
        return QStringLiteral("seed %1, operation %2").arg(m_seed).arg(m_operation);
    }

    QStringList ids(SyncInstallation &at, const QString &sql)
    {
        QStringList out;
        QSqlQuery query(at.database()->connection());
        if (query.exec(sql)) {
            while (query.next())
                out.append(query.value(0).toString());
        }
        return out;
    }

    QString pick(const QStringList &list)
    {
        return list.isEmpty() ? QString() : list.at(int(m_random.bounded(qsizetype(list.size()))));
    }

    qint64 amount() { return -qint64(m_random.bounded(1, 200000)); }

    // One random change on the open installation, through the services.
    void change(SyncInstallation &at)
    {
        const QStringList accounts = ids(at, QStringLiteral("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid"));
        const QStringList categories = ids(at, QStringLiteral("SELECT id FROM categories WHERE deleted_at IS NULL ORDER BY rowid"));
        const QStringList plain = ids(at, QStringLiteral("SELECT id FROM transactions WHERE deleted_at IS NULL AND COALESCE(transfer_link_id, '') = '' "
                                                         "AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS NULL) ORDER BY rowid"));
        const QStringList live = ids(at, QStringLiteral("SELECT id FROM transactions WHERE deleted_at IS NULL "
                                                        "AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS NULL) ORDER BY rowid"));
        const QString payee = QStringLiteral("p%1").arg(m_operation);
        bool done = false;
        QString target;
        const int roll = int(m_random.bounded(100));

        if (accounts.size() < 2 || (roll < 4 && accounts.size() < 6)) {
            target = addAccount(at, QStringLiteral("Account %1").arg(m_operation));
            done = !target.isEmpty();
        } else if (roll < 6) {
            done = renameAccount(at, pick(accounts), QStringLiteral("Renamed %1").arg(m_operation));
        } else if (roll < 7 && accounts.size() > 3) {
            target = pick(accounts);
            const AccountService::Snapshot before = at.accountService()->capture(target);
            // The deletion takes the account's rows along, and the other
            // halves of its transfers.
            for (const QString &id : ids(at, QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1' UNION "
                                                            "SELECT transfer_link_id FROM transactions WHERE account_id = '%1' "
                                                            "AND COALESCE(transfer_link_id, '') <> ''").arg(target)))
                m_deleted.insert(id);
            done = removeAccount(at, target);
            if (done) {
                m_deleted.insert(target);
                m_deletedAccounts.insert(target);
                m_accountSnapshots.append(before);
            }
        } else if (roll < 8 && !m_accountSnapshots.isEmpty()) {
            const AccountService::Snapshot snapshot = m_accountSnapshots.at(int(m_random.bounded(qsizetype(m_accountSnapshots.size()))));
            const auto current = at.accounts()->findById(snapshot.id);
            if (current && current->deletedAt)
                done = bool(at.accountService()->restore(snapshot));
        } else if (roll < 12 || categories.size() < 2) {
            target = addCategory(at, QStringLiteral("Category %1").arg(m_operation), m_random.bounded(3) == 0 ? pick(categories) : QString());
            done = !target.isEmpty();
        } else if (roll < 16) {
            done = renameCategory(at, pick(categories), QStringLiteral("Renamed %1").arg(m_operation));
        } else if (roll < 18 && categories.size() > 4) {
            target = pick(categories);
            done = removeCategory(at, target);
            if (done)
                m_deleted.insert(target);
        } else if (roll < 40 || live.isEmpty()) {
            target = addTransaction(at, pick(accounts), amount(), payee, m_random.bounded(2) ? pick(categories) : QString());
            done = !target.isEmpty();
        } else if (roll < 60) {
            done = editTransaction(at, pick(plain), payee, amount(), QStringLiteral("m%1").arg(m_operation));
        } else if (roll < 66) {
            target = pick(live);
            TransactionSnapshot before;
            for (const QString &id : ids(at, QStringLiteral("SELECT transfer_link_id FROM transactions WHERE id = '%1' AND COALESCE(transfer_link_id, '') <> ''").arg(target)))
                m_deleted.insert(id);
            done = removeTransaction(at, target, &before);
            if (done) {
                m_deleted.insert(target);
                m_transactionSnapshots.append(before);
            }
        } else if (roll < 70 && !m_transactionSnapshots.isEmpty()) {
            const TransactionSnapshot snapshot = m_transactionSnapshots.at(int(m_random.bounded(qsizetype(m_transactionSnapshots.size()))));
            done = restoreTransaction(at, snapshot);
        } else if (roll < 78) {
            const QString from = pick(accounts);
            QString to = pick(accounts);
            if (to == from)
                to = accounts.at((accounts.indexOf(from) + 1) % accounts.size());
            target = addTransfer(at, from, to, amount());
            done = !target.isEmpty();
        } else if (roll < 88) {
            QList<QPair<QString, qint64>> lines;
            const int count = int(m_random.bounded(4)); // 0: back to a plain transaction
            for (int i = 0; i < count && !categories.isEmpty(); ++i)
                lines.append({pick(categories), amount()});
            done = splitTransaction(at, pick(plain), lines);
        } else {
            // A program elsewhere moves one of these rows to another account.
            target = pick(plain);
            QSqlQuery row(at.database()->connection());
            row.prepare(QStringLiteral("SELECT payee, amount, memo FROM transactions WHERE id = ?"));
            row.addBindValue(target);
            const QString moved = row.exec() && row.next() ? text(row.value(0), row.value(1), row.value(2)) : QString();
            done = moveTransaction(at, target, pick(accounts), m_serverPort, m_accessToken);
            if (done)
                m_arrived[target].append({moved, false});
        }
        if (!done)
            ++m_refused;
        noteWritten(at);
    }

    // What this installation has written and not yet sent: every id the
    // end state may hold, and every payee, amount and memo a transaction
    // may end with.
    void noteWritten(SyncInstallation &at)
    {
        for (const QString &table : SyncedTables) {
            for (const QString &id : ids(at, QStringLiteral("SELECT id FROM %1 WHERE sync_status = 'pending'").arg(table)))
                m_written[table].insert(id);
        }
        QSqlQuery query(at.database()->connection());
        if (query.exec(QStringLiteral("SELECT id, payee, amount, memo FROM transactions WHERE sync_status = 'pending' AND COALESCE(transfer_link_id, '') = ''"))) {
            while (query.next()) {
                const QString written = text(query.value(1), query.value(2), query.value(3));
                m_texts[query.value(0).toString()].insert(written);
                m_lastLocal[&at].insert(query.value(0).toString(), written);
            }
        }
    }

    // What reached the server, in the order it arrived: the proxy forwards
    // one request at a time, and a change forwarded is applied whether its
    // answer gets back or not.
    void noteArrived(const QByteArray &body)
    {
        const QJsonArray changes = QJsonDocument::fromJson(body).object().value(QStringLiteral("changes")).toArray();
        for (const QJsonValue &value : changes) {
            const QJsonObject change = value.toObject();
            if (change.value(QStringLiteral("entity_type")).toString() != QLatin1String("transaction"))
                continue;
            const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
            m_arrivalOrder.append(change.value(QStringLiteral("entity_id")).toString());
            m_arrived[change.value(QStringLiteral("entity_id")).toString()].append(
                {text(payload.value(QStringLiteral("payee")).toVariant(), payload.value(QStringLiteral("amount")).toVariant(),
                      payload.value(QStringLiteral("memo")).toVariant()),
                 change.value(QStringLiteral("action")).toString() == QLatin1String("delete")});
        }
    }

    static QString text(const QVariant &payee, const QVariant &amount, const QVariant &memo)
    {
        return payee.toString() + QLatin1Char('|') + amount.toString() + QLatin1Char('|') + memo.toString();
    }

    void duringRequest(const QByteArray &method, const QByteArray &target, FaultProxy::Fate fate, const QByteArray &body)
    {
        const bool push = method == "POST" && target.contains("/sync/push");
        if (push && (fate == FaultProxy::Fate::Pass || fate == FaultProxy::Fate::Drop))
            noteArrived(body);
        // Something is typed during a request of the sync: the rows most
        // at risk are those of the batch on its way, and those another
        // installation changed lately, which the pull may bring back older.
        if (!m_changeDuringRequest || m_random.bounded(2) == 0)
            return;
        SyncInstallation *at = SyncInstallation::current();
        if (!at)
            return;
        m_changeDuringRequest = false;
        QStringList candidates;
        if (push) {
            for (const QJsonValue &value : QJsonDocument::fromJson(body).object().value(QStringLiteral("changes")).toArray()) {
                if (value.toObject().value(QStringLiteral("entity_type")).toString() == QLatin1String("transaction"))
                    candidates.append(value.toObject().value(QStringLiteral("entity_id")).toString());
            }
        } else {
            candidates = m_arrivalOrder.mid(qMax(0, m_arrivalOrder.size() - 30));
        }
        const QStringList plain = ids(*at, QStringLiteral("SELECT id FROM transactions WHERE deleted_at IS NULL AND COALESCE(transfer_link_id, '') = '' "
                                                          "AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS NULL) ORDER BY rowid"));
        QStringList live;
        for (const QString &id : std::as_const(candidates)) {
            if (plain.contains(id))
                live.append(id);
        }
        if (live.isEmpty()) {
            change(*at);
            return;
        }
        if (!editTransaction(*at, pick(live), QStringLiteral("in flight %1").arg(m_operation), amount(), QStringLiteral("f%1").arg(m_operation)))
            ++m_refused;
        noteWritten(*at);
    }

    void syncUnderFaults(SyncInstallation &at)
    {
        ++m_syncs;
        const SyncInstallation::SyncOutcome outcome = at.sync(60000);
        // Whatever the network did, the sync ends, and not in "syncing".
        QVERIFY2(outcome.finished, qPrintable(context() + QStringLiteral(": ") + outcome.error));
        QVERIFY2(at.engine()->state() != SyncEngine::Syncing, qPrintable(context()));
        if (outcome.ok)
            QCOMPARE(at.engine()->state(), SyncEngine::Idle);
        else
            ++m_failedSyncs;
    }

    void restartServer()
    {
        ++m_restarts;
        ServerProcess &server = m_servers.first();
        server.stop();
        server.setExtraArguments({QStringLiteral("--port"), QString::number(m_serverPort)});
        QString error;
        bool started = false;
        // The port may take a moment to be free again.
        for (int attempt = 0; attempt < 20 && !started; ++attempt) {
            started = server.start(&error);
            if (!started)
                QTest::qWait(250);
        }
        QVERIFY2(started, qPrintable(context() + QStringLiteral(": the server did not come back: ") + error));
        QCOMPARE(server.port(), m_serverPort);
    }

    void checkConverged()
    {
        const SyncInstallation::Contents first = m_installations.front()->contents();
        for (size_t i = 1; i < m_installations.size(); ++i) {
            const QString differences = SyncInstallation::differences(first, m_installations.at(i)->contents());
            QVERIFY2(differences.isEmpty(), qPrintable(context() + QStringLiteral(": %1 and %2 differ:\n").arg(m_installations.front()->name(), m_installations.at(i)->name()) + differences));
        }
        QHash<QString, QSet<QString>> deletedAnywhere;
        for (auto &installation : m_installations) {
            QVERIFY(installation->open());
            for (const QString &table : SyncedTables) {
                for (const QString &id : ids(*installation, QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NOT NULL").arg(table)))
                    deletedAnywhere[table].insert(id);
            }
        }
        for (auto &installation : m_installations) {
            SyncInstallation &at = *installation;
            QVERIFY(at.open());
            const QString where = context() + QStringLiteral(", ") + at.name();
            for (const QString &table : SyncedTables) {
                QCOMPARE(count(at, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(table)), 0);
                const QStringList present = ids(at, QStringLiteral("SELECT id FROM %1").arg(table));
                const QSet<QString> presentSet(present.cbegin(), present.cend());
                // None duplicated: every row is one somebody wrote, once.
                const QSet<QString> strangers = presentSet - m_written.value(table);
                QVERIFY2(strangers.isEmpty(), qPrintable(where + QStringLiteral(": rows nobody wrote in %1: %2").arg(table, QStringList(strangers.cbegin(), strangers.cend()).join(QLatin1Char(' ')))));
                QCOMPARE(presentSet.size(), present.size());
                QCOMPARE(count(at, QStringLiteral("SELECT COUNT(*) FROM (SELECT server_id FROM %1 WHERE server_id IS NOT NULL "
                                                  "GROUP BY server_id HAVING COUNT(*) > 1)").arg(table)),
                         0);
                // None lost: every row written is here, or was deleted
                // before this installation ever saw it.
                for (const QString &id : m_written.value(table) - presentSet) {
                    QVERIFY2(deletedAnywhere.value(table).contains(id),
                             qPrintable(where + QStringLiteral(": %1 %2 was written but is live nowhere and missing here").arg(table, id)));
                }
                // ...and deleted only when somebody deleted it.
                QSqlQuery deleted(at.database()->connection());
                const QString accountColumn = table == QLatin1String("transactions") ? QStringLiteral("account_id") : QStringLiteral("''");
                QVERIFY(deleted.exec(QStringLiteral("SELECT id, %1 FROM %2 WHERE deleted_at IS NOT NULL").arg(accountColumn, table)));
                while (deleted.next()) {
                    const QString id = deleted.value(0).toString();
                    QVERIFY2(m_deleted.contains(id) || m_deletedAccounts.contains(deleted.value(1).toString()),
                             qPrintable(where + QStringLiteral(": %1 %2 is deleted, but no change deleted it").arg(table, id)));
                }
            }
            // Every live plain transaction says what one installation wrote.
            QSqlQuery rows(at.database()->connection());
            QVERIFY(rows.exec(QStringLiteral("SELECT id, payee, amount, memo FROM transactions WHERE deleted_at IS NULL AND COALESCE(transfer_link_id, '') = ''")));
            while (rows.next()) {
                const QString id = rows.value(0).toString();
                QVERIFY2(m_texts.value(id).contains(text(rows.value(1), rows.value(2), rows.value(3))),
                         qPrintable(where + QStringLiteral(": transaction %1 holds a payee, amount and memo nobody wrote together").arg(id)));
            }
            // The later arrival wins: each transaction is what the server got
            // last for it, live or deleted.
            QSqlQuery all(at.database()->connection());
            QVERIFY(all.exec(QStringLiteral("SELECT id, payee, amount, memo, deleted_at IS NOT NULL, COALESCE(transfer_link_id, '') = '' "
                                            "FROM transactions")));
            while (all.next()) {
                const QString id = all.value(0).toString();
                const QList<Arrival> arrivals = m_arrived.value(id);
                QVERIFY2(!arrivals.isEmpty(), qPrintable(where + QStringLiteral(": transaction %1 never reached the server").arg(id)));
                QVERIFY2(arrivals.last().deleted == all.value(4).toBool(),
                         qPrintable(where + QStringLiteral(": transaction %1 is %2, but the last change the server got %3 it")
                                                .arg(id, all.value(4).toBool() ? QStringLiteral("deleted") : QStringLiteral("live"),
                                                     arrivals.last().deleted ? QStringLiteral("deleted") : QStringLiteral("kept"))));
                if (all.value(5).toBool() && !all.value(4).toBool())
                    QVERIFY2(arrivals.last().text == text(all.value(1), all.value(2), all.value(3)),
                             qPrintable(where + QStringLiteral(": transaction %1 is not what the server got last for it").arg(id)));
            }
            // Nothing typed is lost: the last thing written to each row on
            // this installation reached the server.
            const QHash<QString, QString> lastLocal = m_lastLocal.value(&at);
            for (auto it = lastLocal.cbegin(); it != lastLocal.cend(); ++it) {
                bool sent = false;
                for (const Arrival &arrival : m_arrived.value(it.key()))
                    sent = sent || arrival.text == it.value();
                QVERIFY2(sent, qPrintable(where + QStringLiteral(": the last edit of transaction %1 here never reached the server").arg(it.key())));
            }
            // Split lines add up to their transaction.
            QCOMPARE(count(at, QStringLiteral("SELECT COUNT(*) FROM transactions t WHERE t.is_split = 1 AND t.deleted_at IS NULL AND "
                                              "t.amount <> (SELECT COALESCE(SUM(amount), 0) FROM split_lines WHERE transaction_id = t.id)")),
                     0);
            QCOMPARE(count(at, QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")), 0);
            QCOMPARE(at.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        }
    }

    SyncServers m_servers;
    std::unique_ptr<FaultProxy> m_proxy;
    std::vector<std::unique_ptr<SyncInstallation>> m_installations;
    QRandomGenerator m_random;
    quint64 m_seed = DefaultSeed;
    int m_serverPort = 0;
    QString m_accessToken;
    int m_operation = 0;
    bool m_changeDuringRequest = false;

    struct Arrival
    {
        QString text;
        bool deleted = false;
    };

    QHash<QString, QSet<QString>> m_written;
    QHash<QString, QList<Arrival>> m_arrived;
    QStringList m_arrivalOrder;
    QHash<const SyncInstallation *, QHash<QString, QString>> m_lastLocal;
    QHash<QString, QSet<QString>> m_texts;
    QSet<QString> m_deleted;
    QSet<QString> m_deletedAccounts;
    QList<TransactionSnapshot> m_transactionSnapshots;
    QList<AccountService::Snapshot> m_accountSnapshots;

    int m_refused = 0;
    int m_syncs = 0;
    int m_failedSyncs = 0;
    int m_restarts = 0;
};

QTEST_GUILESS_MAIN(tst_SyncConvergence)
#include "tst_syncconvergence.moc"
