#pragma once

#include <QString>
#include <QStringList>

// Everything the server is told at start, from flags first and the
// environment second. The data directory holds the SQLite file (unless a
// PostgreSQL address is given) and the secrets.
struct ServerConfig
{
    enum class Mode { Serve, AddUser, SignManifest };

    Mode mode = Mode::Serve;
    QString listenAddress = QStringLiteral("127.0.0.1");
    int port = 8640;
    QString dataDirectory;
    QString databaseUrl;     // empty: the SQLite file in the data directory
    QString secretFile;      // empty: "server.secret" in the data directory
    QString releaseDirectory;
    QString tlsCertificate;
    QString tlsKey;
    QString realm = QStringLiteral("orlindo");
    QString addUserEmail;
    bool registrationOpen = false;
    int workerThreads = 32;

    QString sqliteFile() const;
    QString effectiveSecretFile() const;
    QString signingKeyFile() const;
    bool usesPostgres() const { return !databaseUrl.isEmpty(); }

    // Reads the command line; on a mistake returns false with the reason.
    static bool fromArguments(const QStringList &arguments, ServerConfig &config, QString &error);
};
