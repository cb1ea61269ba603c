#include "syncservers.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {

const QString Password = QStringLiteral("correct horse battery");

} // namespace

SyncServers::SyncServers()
    : m_runTag(QUuid::createUuid().toString(QUuid::Id128).left(8))
{
}

SyncServers::~SyncServers()
{
    for (auto &process : m_processes)
        process->stop();
    m_processes.clear();
}

bool SyncServers::start(QString &reason, bool &skip)
{
    skip = false;
    m_databaseUrl = qEnvironmentVariable("QUILLBY_TEST_DATABASE_URL");
    if (m_databaseUrl.isEmpty() && qEnvironmentVariableIntValue("QUILLBY_TEST_POSTGRES_CLUSTER") == 1) {
        m_cluster = std::make_unique<PostgresCluster>();
        if (!m_cluster->start(reason)) {
            skip = reason.contains(QLatin1String("not installed")) || reason.contains(QLatin1String("no postgres user"));
            return false;
        }
        m_databaseUrl = m_cluster->databaseUrl();
    }
    const int count = isPostgres() ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        auto process = std::make_unique<ServerProcess>();
        if (isPostgres())
            process->setDatabaseUrl(m_databaseUrl);
        if (i > 0)
            process->useDataDirectory(m_processes.front()->dataDirectory());
        if (!process->start(&reason))
            return false;
        m_processes.push_back(std::move(process));
    }
    return true;
}

int SyncServers::nextPort()
{
    const int port = m_processes.at(size_t(m_turn))->port();
    m_turn = (m_turn + 1) % int(m_processes.size());
    return port;
}

bool SyncServers::openDatabase(QSqlDatabase &db, const QString &connectionName) const
{
    if (!isPostgres()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(QDir(m_processes.front()->dataDirectory()).filePath(QStringLiteral("quillby-server.db")));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        return db.open();
    }
    const QUrl url(m_databaseUrl);
    const QUrlQuery query(url);
    db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded) : url.host());
    db.setPort(query.hasQueryItem(QStringLiteral("port")) ? query.queryItemValue(QStringLiteral("port")).toInt() : url.port(-1));
    db.setUserName(url.userName(QUrl::FullyDecoded));
    db.setPassword(url.password(QUrl::FullyDecoded));
    db.setDatabaseName(url.path(QUrl::FullyDecoded).mid(1));
    return db.open();
}

SyncTestUser SyncServers::addUser(const QString &name)
{
    SyncTestUser user;
    // Unique per run, so a database kept between runs takes the suite again.
    user.email = QStringLiteral("%1.%2.%3@example.org").arg(name, m_runTag).arg(++m_users);
    user.id = m_processes.front()->addUser(user.email, Password);
    if (user.id.isEmpty())
        return user;
    return signInAgain(user);
}

SyncTestUser SyncServers::signInAgain(const SyncTestUser &user)
{
    SyncTestUser signedIn = user;
    const auto signIn = BrowserSignIn::run(nextPort(), user.email, Password);
    signedIn.accessToken = signIn.accessToken;
    const QByteArray payload = signIn.accessToken.toLatin1().split('.').value(1);
    signedIn.sessionId =
        QJsonDocument::fromJson(QByteArray::fromBase64(payload, QByteArray::Base64UrlEncoding)).object().value(QLatin1String("sid")).toString();
    if (signedIn.accessToken.isEmpty())
        signedIn.id.clear();
    return signedIn;
}
