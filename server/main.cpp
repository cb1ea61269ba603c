// quillby-server: the online services of Quillby as one program.

#include "apiserver.h"
#include "loginroutes.h"
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

int serve(const ServerConfig &config, Storage &storage)
{
    QString error;
    const QByteArray secret = SecretStore::loadOrCreate(config.effectiveSecretFile(), 32, [] { return SecretStore::randomBytes(32); }, error);
    if (secret.isEmpty())
        return fail(error);
    ServiceContext context(config, storage, secret);
    ApiServer server(config);
    server.add(std::make_unique<LoginRoutes>(context));
    server.add(std::make_unique<SyncRoutes>(context));
    server.add(std::make_unique<ShareRoutes>(context));

    const int port = server.bind(error);
    if (port < 0)
        return fail(error);

    // SIGTERM and SIGINT are taken by one thread that stops the server; the
    // requests under way finish before run() returns.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
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
    Storage storage;
    if (!storage.open(config.sqliteFile(), config.databaseUrl, error))
        return fail(error);

    switch (config.mode) {
    case ServerConfig::Mode::AddUser:
        return addUser(config, storage);
    case ServerConfig::Mode::SignManifest:
        return fail(QStringLiteral("Signing the manifest is not available in this build."));
    case ServerConfig::Mode::Serve:
        break;
    }
    return serve(config, storage);
}
