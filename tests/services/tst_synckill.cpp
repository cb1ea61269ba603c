#include "apitestclient.h"
#include "syncchanges.h"
#include "syncservers.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

constexpr int DefaultRows = 100000;
constexpr int Batch = 500;

// QUILLBY_KILL_ROWS makes the data set smaller for a quick look; the test
// command uses the full size.
int rowCount()
{
    bool ok = false;
    const int rows = qEnvironmentVariableIntValue("QUILLBY_KILL_ROWS", &ok);
    return ok && rows >= 20000 ? rows - rows % Batch : DefaultRows;
}
const QString Account = QStringLiteral("kill-account");
const QString Category = QStringLiteral("kill-category");

QString rowId(int i)
{
    return QStringLiteral("kill-%1").arg(i, 6, 10, QLatin1Char('0'));
}

} // namespace

// The program killed with SIGKILL while it pulls 100,000 transactions: the
// file it leaves passes SQLite's integrity check, holds no row that refers
// to a missing one, and the next run's syncs bring it to exactly what the
// server holds. The program is a small helper executable here, so the test
// can kill it at a moment it chooses: after some pages have landed.
class tst_SyncKill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString reason;
        bool skip = false;
        if (!m_servers.start(reason, skip)) {
            if (skip)
                QSKIP(qPrintable(reason));
            QSKIP(qPrintable(QStringLiteral("quillby-server could not be started, so nothing can be pulled: ") + reason));
        }
        m_rows = rowCount();
        m_user = m_servers.addUser(QStringLiteral("killed"));
        QVERIFY2(!m_user.id.isEmpty(), "the test user could not sign in");

        // The server's copy, made once, in batches of the size installations push.
        QElapsedTimer clock;
        clock.start();
        ApiTestClient api(m_servers.first().port());
        api.setBearer(m_user.accessToken);
        QJsonArray first{SyncChanges::account(Account, QStringLiteral("Everyday")),
                         SyncChanges::category(Category, QStringLiteral("Groceries"))};
        QCOMPARE(push(api, first), 2);
        for (int start = 0; start < m_rows; start += Batch) {
            QJsonArray changes;
            for (int i = start; i < start + Batch; ++i)
                changes.append(SyncChanges::transaction(rowId(i), Account, Category, -(i % 9000) - 1, QStringLiteral("Payee %1").arg(i % 300)));
            QCOMPARE(push(api, changes), Batch);
        }
        qInfo("%d transactions pushed to the server in %lld ms", m_rows, clock.elapsed());
    }

    void killedDuringThePullThenFinished()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("quillby.db"));

        // Killed twice: during the first pull, and again after the next run
        // has gone on from the stored cursor.
        QElapsedTimer clock;
        clock.start();
        qint64 landed = 0;
        for (int kill = 0; kill < 2; ++kill) {
            QProcess helper;
            start(helper, path);
            if (QTest::currentTestFailed())
                return;
            const qint64 target = landed + 3000;
            const QDeadlineTimer deadline(240000);
            qint64 rows = landed;
            while (helper.state() == QProcess::Running && rows < target && !deadline.hasExpired()) {
                QTest::qWait(20);
                rows = transactionCount(path);
            }
            QVERIFY2(helper.state() == QProcess::Running,
                     qPrintable(QStringLiteral("the helper ended before it could be killed (exit %1): %2")
                                    .arg(helper.exitCode())
                                    .arg(helperLog(path))));
            QVERIFY2(rows >= target, "no pages landed in time");
            ::kill(pid_t(helper.processId()), SIGKILL);
            QVERIFY(helper.waitForFinished(10000));
            QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

            QSqlDatabase db = openFile(path, QStringLiteral("after-kill-%1").arg(kill));
            QVERIFY(db.isOpen());
            QCOMPARE(scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")).toInt(), 0);
            landed = scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")).toLongLong();
            QVERIFY2(landed < m_rows, "the whole pull had landed before the kill");
            closeFile(db);
            qInfo("killed with %lld rows in, %lld ms after the start", landed, clock.elapsed());
        }

        QProcess finisher;
        start(finisher, path);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(finisher.waitForFinished(1500000));
        QVERIFY2(finisher.exitStatus() == QProcess::NormalExit && finisher.exitCode() == 0,
                 qPrintable(QStringLiteral("exit %1: %2").arg(finisher.exitCode()).arg(helperLog(path))));

        qInfo("the next run finished the pull %lld ms after the start", clock.elapsed());
        QSqlDatabase db = openFile(path, QStringLiteral("finished"));
        QVERIFY(db.isOpen());
        QCOMPARE(scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), m_rows);
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id LIKE 'kill-%' AND deleted_at IS NULL "
                                           "AND account_id = 'kill-account'")).toInt(),
                 m_rows);
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM accounts")).toInt(), 1);
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE sync_status <> 'synced'")).toInt(), 0);
        QCOMPARE(scalar(db, QStringLiteral("SELECT payee FROM transactions WHERE id = ?"), {rowId(m_rows - 1)}).toString(),
                 QStringLiteral("Payee %1").arg((m_rows - 1) % 300));
        closeFile(db);
    }

private:
    int push(ApiTestClient &api, const QJsonArray &changes)
    {
        const auto reply = api.post(QStringLiteral("/quillby/v1/sync/push"), {{QStringLiteral("changes"), changes}});
        if (reply.status != 200)
            return -reply.status;
        int ok = 0;
        for (const QJsonValue &result : reply.json.value(QStringLiteral("results")).toArray())
            ok += result.toObject().value(QStringLiteral("status")).toString() == QLatin1String("ok") ? 1 : 0;
        return ok;
    }

    void start(QProcess &helper, const QString &path)
    {
        // Its log goes to a file: a pipe nobody drains while the test waits
        // would stop it.
        helper.setStandardErrorFile(path + QStringLiteral(".helper.log"), QIODevice::Append);
        helper.setStandardOutputFile(QProcess::nullDevice());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLBY_TEST_ACCESS_TOKEN"), m_user.accessToken);
        helper.setProcessEnvironment(environment);
        helper.setProgram(QStringLiteral(SYNC_KILL_HELPER));
        helper.setArguments({path, m_servers.first().baseUrl()});
        helper.start();
        QVERIFY2(helper.waitForStarted(10000), qPrintable(helper.errorString()));
    }

    static QString helperLog(const QString &path)
    {
        QFile log(path + QStringLiteral(".helper.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(2000)) : QString();
    }

    // Watches the file from beside the helper, as another reader would.
    qint64 transactionCount(const QString &path)
    {
        if (!QFile::exists(path))
            return 0;
        qint64 rows = 0;
        {
            QSqlDatabase db = openFile(path, QStringLiteral("watch"));
            if (db.isOpen())
                rows = scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")).toLongLong();
            closeFile(db);
        }
        return rows;
    }

    static QSqlDatabase openFile(const QString &path, const QString &name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.open();
        return db;
    }

    static void closeFile(QSqlDatabase &db)
    {
        const QString name = db.connectionName();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    static QVariant scalar(const QSqlDatabase &db, const QString &sql, const QVariantList &binds = {})
    {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant &value : binds)
            query.addBindValue(value);
        if (!query.exec() || !query.next())
            return QVariant();
        return query.value(0);
    }

    SyncServers m_servers;
    SyncTestUser m_user;
    int m_rows = DefaultRows;
};

QTEST_GUILESS_MAIN(tst_SyncKill)
#include "tst_synckill.moc"
