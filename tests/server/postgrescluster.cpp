#include "postgrescluster.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QVersionNumber>

#include <pwd.h>
#include <unistd.h>

namespace {

bool runningAsRoot()
{
    return geteuid() == 0;
}

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 55432;
    return probe.serverPort();
}

} // namespace

PostgresCluster::PostgresCluster() = default;

PostgresCluster::~PostgresCluster()
{
    stop();
}

QString PostgresCluster::binDirectory()
{
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString &a, const QString &b) {
        return QVersionNumber::fromString(a) > QVersionNumber::fromString(b);
    });
    for (const QString &version : versions) {
        const QString bin = root.filePath(version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return {};
}

bool PostgresCluster::runTool(const QString &tool, const QStringList &arguments, QString &output) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString program = m_bin + QLatin1Char('/') + tool;
    if (runningAsRoot())
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + arguments);
    else
        process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) {
        process.kill();
        output = QStringLiteral("%1 did not finish").arg(tool);
        return false;
    }
    output = QString::fromLocal8Bit(process.readAll()).right(2000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PostgresCluster::start(QString &reason)
{
    m_bin = binDirectory();
    if (m_bin.isEmpty()) {
        reason = QStringLiteral("PostgreSQL is not installed (no initdb/pg_ctl under /usr/lib/postgresql; Debian package postgresql)");
        return false;
    }
    if (runningAsRoot() && !getpwnam("postgres")) {
        reason = QStringLiteral("running as root, and there is no postgres user to run the cluster as");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillby-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        reason = QStringLiteral("cannot create a temporary directory");
        return false;
    }
    m_user = runningAsRoot() ? QStringLiteral("postgres") : QString::fromLocal8Bit(qgetenv("USER"));
    if (m_user.isEmpty())
        m_user = QStringLiteral("postgres");
    if (runningAsRoot()) {
        // The cluster's files must belong to the user that runs it.
        if (QProcess::execute(QStringLiteral("chown"), {QStringLiteral("postgres:"), m_dir->path()}) != 0) {
            reason = QStringLiteral("cannot hand the temporary directory to the postgres user");
            return false;
        }
    }
    const QString data = m_dir->path() + QStringLiteral("/data");
    QString output;
    if (!runTool(QStringLiteral("initdb"), {QStringLiteral("-D"), data, QStringLiteral("-U"), m_user, QStringLiteral("-A"), QStringLiteral("trust"),
                                            QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--no-sync")},
                 output)) {
        reason = QStringLiteral("initdb failed: %1").arg(output);
        return false;
    }
    m_port = freePort();
    const QString options = QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -p %2 -c fsync=off -c max_connections=300")
                                .arg(m_dir->path())
                                .arg(m_port);
    if (!runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                                            m_dir->path() + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
                                            QStringLiteral("start")},
                 output)) {
        reason = QStringLiteral("pg_ctl start failed: %1").arg(output);
        return false;
    }
    m_running = true;
    return createDatabase(QStringLiteral("quillby"), reason);
}

bool PostgresCluster::createDatabase(const QString &name, QString &reason)
{
    QString output;
    if (!runTool(QStringLiteral("createdb"), {QStringLiteral("-h"), m_dir->path(), QStringLiteral("-p"), QString::number(m_port), QStringLiteral("-U"), m_user, name},
                 output)) {
        reason = QStringLiteral("createdb failed: %1").arg(output);
        return false;
    }
    return true;
}

void PostgresCluster::stop()
{
    if (!m_running)
        return;
    QString output;
    runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir->path() + QStringLiteral("/data"), QStringLiteral("-m"), QStringLiteral("fast"),
                                       QStringLiteral("-w"), QStringLiteral("stop")},
            output);
    m_running = false;
}

QString PostgresCluster::databaseUrl() const
{
    return databaseUrl(QStringLiteral("quillby"));
}

QString PostgresCluster::databaseUrl(const QString &name) const
{
    return QStringLiteral("postgresql://%1@/%2?host=%3&port=%4").arg(m_user, name, m_dir->path()).arg(m_port);
}
