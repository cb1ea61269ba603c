// quillby-server: the online services of Quillby as one program.

#include "accountroutes.h"
#include "apiserver.h"
#include "authroutes.h"
#include "downloadroutes.h"
#include "housekeeping.h"
#include "loginroutes.h"
#include "manifestsigner.h"
#include "registrationroutes.h"
#include "releasefolder.h"
#include "secretstore.h"
#include "serverconfig.h"
#include "serverlog.h"
#include "shareroutes.h"
#include "servicecontext.h"
#include "storage.h"
#include "syncroutes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <sodium.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "quillby-server: %s\n", qPrintable(message));
    return 1;
}

// Reads a line without echo when standard input is a terminal; from a pipe
// (scripts, tests) it reads the first line as is.
QString readSecretLine(const char *prompt)
{
    const bool terminal = isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        std::fprintf(stderr, "%s", prompt);
        std::fflush(stderr);
        tcgetattr(STDIN_FILENO, &saved);
        termios silent = saved;
        silent.c_lflag &= tcflag_t(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fprintf(stderr, "\n");
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

bool prepareDataDirectory(const ServerConfig &config, QString &error)
{
    QDir dir(config.dataDirectory);
    if (!dir.exists() && !QDir().mkpath(config.dataDirectory)) {
        error = QStringLiteral("Cannot create the data directory %1").arg(config.dataDirectory);
        return false;
    }
    QFile::setPermissions(config.dataDirectory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

int addUser(const ServerConfig &config, Storage &storage)
{
    const QString password = readSecretLine("Password for the new user: ");
    if (isatty(STDIN_FILENO) && readSecretLine("Once more: ") != password)
        return fail(QStringLiteral("The passwords differ."));
    UserStore users(storage);
    QString error;
    const auto user = users.create(config.addUserEmail, password, {}, error);
    if (!user)
        return fail(error);
    std::printf("Created user %s for %s\n", qPrintable(user->id), qPrintable(user->email));
    return 0;
}

// Signs the manifests of the release folder and prints the public key that
// a program must carry to check them.
int signManifest(const ServerConfig &config)
{
    if (config.releaseDirectory.isEmpty())
        return fail(QStringLiteral("Give the release folder with --release-dir (or QUILLBY_SERVER_RELEASES)."));
    QString error;
    const QByteArray key = SecretStore::loadOrCreate(config.signingKeyFile(), ManifestSigner::SecretKeyBytes, &ManifestSigner::newSecretKey, error);
    if (key.isEmpty())
        return fail(error);
    const ManifestSigner signer(key);
    QStringList signedFiles;
    if (!signer.signReleaseFolder(ReleaseFolder(config.releaseDirectory), signedFiles, error))
        return fail(error);
    for (const QString &file : signedFiles)
        std::printf("Signed %s\n", qPrintable(file));
    std::printf("Public key (Ed25519, base64): %s\n", signer.publicKey().toBase64().constData());
    return 0;
}

int serve(const ServerConfig &config, Storage &storage)
{
    QString error;
    const QByteArray secret = SecretStore::loadOrCreate(config.effectiveSecretFile(), 32, [] { return SecretStore::randomBytes(32); }, error);
    if (secret.isEmpty())
        return fail(error);
    ServiceContext context(config, storage, secret);
    ApiServer server(config);
    server.add(std::make_unique<LoginRoutes>(context));
    server.add(std::make_unique<RegistrationRoutes>(context));
    server.add(std::make_unique<AuthRoutes>(context));
    server.add(std::make_unique<AccountRoutes>(context));
    server.add(std::make_unique<DownloadRoutes>(config));
    server.add(std::make_unique<SyncRoutes>(context));
    server.add(std::make_unique<ShareRoutes>(context));

    const int port = server.bind(error);
    if (port < 0)
        return fail(error);

    // Accounts whose 30 days have passed go at start and then hourly.
    Housekeeping housekeeping(storage);
    housekeeping.runOnce();

    // SIGTERM and SIGINT are taken by one thread that stops the server; the
    // requests under way finish before run() returns.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // Started after the mask, so the signals never land on its thread.
    housekeeping.start();
    std::thread signalWaiter([&] {
        int received = 0;
        sigwait(&stopSignals, &received);
        ServerLog::info(QStringLiteral("stopping"), {{QStringLiteral("signal"), received}});
        server.stop();
    });

    ServerLog::info(QStringLiteral("listening"), {{QStringLiteral("address"), config.listenAddress}, {QStringLiteral("port"), port},
                                                  {QStringLiteral("engine"), storage.isPostgres() ? QStringLiteral("postgresql") : QStringLiteral("sqlite")}});
    // Scripts and tests read the port from this line.
    std::printf("listening on %s:%d\n", qPrintable(config.listenAddress), port);
    std::fflush(stdout);

    const bool served = server.run();
    pthread_kill(signalWaiter.native_handle(), SIGTERM);
    signalWaiter.join();
    housekeeping.stop();
    ServerLog::info(QStringLiteral("stopped"));
    return served ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillby-server"));
    if (sodium_init() < 0)
        return fail(QStringLiteral("libsodium could not start."));

    ServerConfig config;
    QString error;
    if (!ServerConfig::fromArguments(QCoreApplication::arguments(), config, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    if (config.mode != ServerConfig::Mode::Serve)
        ServerLog::setQuiet(true);
    if (!prepareDataDirectory(config, error))
        return fail(error);
    // Signing needs the key beside the secret, not the database.
    if (config.mode == ServerConfig::Mode::SignManifest)
        return signManifest(config);
    Storage storage;
    if (!storage.open(config.sqliteFile(), config.databaseUrl, error))
        return fail(error);

    switch (config.mode) {
    case ServerConfig::Mode::AddUser:
        return addUser(config, storage);
    case ServerConfig::Mode::SignManifest: // done above, without the database
    case ServerConfig::Mode::Serve:
        break;
    }
    return serve(config, storage);
}
