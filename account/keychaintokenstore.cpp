#include "keychaintokenstore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

namespace OrlAccount {

namespace {

// Runs a job to its end or the time limit; false when it timed out.
bool runJob(QKeychain::Job &job, int timeoutMs)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return finished;
}

} // namespace

KeychainTokenStore::KeychainTokenStore(QString serviceName, int timeoutMs)
    : m_serviceName(std::move(serviceName))
    , m_timeoutMs(timeoutMs)
{
}

QString KeychainTokenStore::service() const
{
    return QStringLiteral("Orlindo/%1").arg(m_serviceName);
}

bool KeychainTokenStore::isAvailable()
{
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(QStringLiteral("availability-probe"));
    if (!runJob(*job, m_timeoutMs))
        return false;
    return job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
}

std::optional<QString> KeychainTokenStore::load(const QString &key)
{
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key);
    if (!runJob(*job, m_timeoutMs) || job->error() != QKeychain::NoError)
        return std::nullopt;
    return QString::fromUtf8(job->binaryData());
}

bool KeychainTokenStore::save(const QString &key, const QString &value)
{
    auto job = std::make_unique<QKeychain::WritePasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key);
    job->setBinaryData(value.toUtf8());
    return runJob(*job, m_timeoutMs) && job->error() == QKeychain::NoError;
}

bool KeychainTokenStore::remove(const QString &key)
{
    auto job = std::make_unique<QKeychain::DeletePasswordJob>(service());
    job->setAutoDelete(false);
    job->setKey(key);
    return runJob(*job, m_timeoutMs) && (job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound);
}

} // namespace OrlAccount
