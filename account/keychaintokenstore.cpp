#include "keychaintokenstore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>


namespace OrlAccount {

namespace {

// Owns a job until it finishes. A job the keyring has not answered in time
// is left to delete itself when the answer comes: the keyring library still
// calls into it.
struct JobHandle
{
    explicit JobHandle(QKeychain::Job *owned)
        : job(owned)
    {
        job->setAutoDelete(false);
    }
    ~JobHandle()
    {
        if (finished)
            delete job;
        else
            job->setAutoDelete(true);
    }
    JobHandle(const JobHandle &) = delete;
    JobHandle &operator=(const JobHandle &) = delete;

    // Runs the job to its end or the time limit; false when it timed out.
    bool run(int timeoutMs)
    {
        QEventLoop loop;
        QObject::connect(job, &QKeychain::Job::finished, &loop, [this, &loop] {
            finished = true;
            loop.quit();
        });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        job->start();
        if (!finished)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        return finished;
    }

    QKeychain::Job *job;
    bool finished = false;
};

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
    auto *job = new QKeychain::ReadPasswordJob(service());
    JobHandle handle(job);
    job->setKey(QStringLiteral("availability-probe"));
    if (!handle.run(m_timeoutMs))
        return false;
    return job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
}

std::optional<QString> KeychainTokenStore::load(const QString &key)
{
    auto *job = new QKeychain::ReadPasswordJob(service());
    JobHandle handle(job);
    job->setKey(key);
    if (!handle.run(m_timeoutMs) || job->error() != QKeychain::NoError)
        return std::nullopt;
    return QString::fromUtf8(job->binaryData());
}

bool KeychainTokenStore::save(const QString &key, const QString &value)
{
    auto *job = new QKeychain::WritePasswordJob(service());
    JobHandle handle(job);
    job->setKey(key);
    job->setBinaryData(value.toUtf8());
    return handle.run(m_timeoutMs) && job->error() == QKeychain::NoError;
}

bool KeychainTokenStore::remove(const QString &key)
{
    auto *job = new QKeychain::DeletePasswordJob(service());
    JobHandle handle(job);
    job->setKey(key);
    return handle.run(m_timeoutMs) && (job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound);
}

} // namespace OrlAccount
