#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A real quillby-server process on a free loopback port with its own
// temporary data directory, for one test. Several processes may share a
// data directory (and so the token secret) and a PostgreSQL database.
class ServerProcess
{
public:
    ServerProcess();
    ~ServerProcess();

    // Share another process's data directory (its secret and SQLite file).
    void useDataDirectory(const QString &path) { m_sharedDataDirectory = path; }
    void setDatabaseUrl(const QString &url) { m_databaseUrl = url; }
    void setExtraArguments(const QStringList &arguments) { m_extraArguments = arguments; }

    // Starts and waits (up to 20 s) until the server says where it listens.
    bool start(QString *error = nullptr);
    // SIGTERM, then waits for the exit; returns the exit code (-1 when it had to be killed).
    int stop();
    bool isRunning() const;

    int port() const { return m_port; }
    // The running process's id, 0 when none runs.
    qint64 processId() const;
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString dataDirectory() const;
    QByteArray standardError() const;

    // Runs `quillby-server --add-user` on the same storage; the new user's id, or empty.
    QString addUser(const QString &email, const QString &password) const;
    // Runs the server binary once with these arguments on the same storage.
    int runOnce(const QStringList &arguments, const QByteArray &input = {}, QByteArray *output = nullptr) const;

    static QString binary();

private:
    QStringList storageArguments() const;

    std::unique_ptr<QTemporaryDir> m_ownDataDirectory;
    QString m_sharedDataDirectory;
    QString m_databaseUrl;
    QStringList m_extraArguments;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};
