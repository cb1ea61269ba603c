#include "app/instancechannel.h"

#include "app/startupoptions.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <unistd.h>

namespace {

const QByteArray Magic = QByteArrayLiteral("QUILLBY1");
constexpr int HeaderSize = 8 + 4;
constexpr char Taken = 'K';
constexpr char Refused = 'E';
// More than this many clients at once is not a person double-clicking files.
constexpr int MaxOpenConnections = 16;

QString runtimeDirectory()
{
    // Only a runtime directory that is really ours (mode 0700, our owner)
    // keeps other users away from the socket; otherwise Qt's temporary
    // directory with the owner-only socket option.
    const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        return QString();
    const QFileInfo info(dir);
    if (!info.isDir() || info.ownerId() != ::getuid())
        return QString();
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (info.permissions() & others)
        return QString();
    return dir;
}

} // namespace

InstanceChannel::InstanceChannel(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

InstanceChannel::~InstanceChannel()
{
    // The connections count themselves down as they go; they go first.
    delete m_server;
}

QString InstanceChannel::nameFor(const QString &dataDirectory)
{
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(dataDirectory) : canonical).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("quillby-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

QString InstanceChannel::address() const
{
    const QString dir = runtimeDirectory();
    return dir.isEmpty() ? m_name : QDir(dir).filePath(m_name + QStringLiteral(".socket"));
}

QString InstanceChannel::lockPath() const
{
    const QString dir = runtimeDirectory();
    return QDir(dir.isEmpty() ? QDir::tempPath() : dir).filePath(m_name + QStringLiteral(".lock"));
}

bool InstanceChannel::isListening() const
{
    return m_server && m_server->isListening();
}

bool InstanceChannel::handOver(const QString &absolutePath)
{
    const QByteArray path = absolutePath.toUtf8();
    if (path.size() > MaxPathBytes)
        return false;
    QLocalSocket socket;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    bool answered = false;
    bool taken = false;
    // The answer may come with the close of the connection; either ends the wait.
    auto finish = [&] {
        if (!answered && socket.bytesAvailable() > 0) {
            answered = true;
            taken = socket.read(1) == QByteArray(1, Taken);
        }
        loop.quit();
    };
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::errorOccurred, &loop, finish);
    connect(&socket, &QLocalSocket::disconnected, &loop, finish);
    connect(&socket, &QLocalSocket::readyRead, &loop, finish);
    connect(&socket, &QLocalSocket::connected, &socket, [&socket, &path] {
        QByteArray message = Magic;
        char length[4];
        qToBigEndian<quint32>(quint32(path.size()), length);
        message.append(length, 4);
        message.append(path);
        socket.write(message);
    });
    // A local event loop rather than waitFor...(): the listener may live in
    // this same thread (the tests), and it must get to answer.
    limit.start(m_timeLimitMs);
    socket.connectToServer(address());
    if (socket.state() != QLocalSocket::UnconnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.abort();
    return taken;
}

bool InstanceChannel::listen()
{
    if (isListening())
        return true;
    // Two starts at the same moment must not both remove the other's socket
    // and listen: the check and the listen happen under a lock.
    QLockFile lock(lockPath());
    if (!lock.tryLock(m_timeLimitMs)) {
        qWarning("Another start of the program holds the single-instance lock; running on without it");
        return false;
    }
    {
        QLocalSocket probe;
        probe.connectToServer(address());
        if (probe.waitForConnected(500)) {
            probe.abort();
            return false;
        }
    }
    QLocalServer::removeServer(address());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(MaxOpenConnections);
    if (!m_server->listen(address())) {
        qWarning("Cannot listen for other starts of the program: %s", qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::onNewConnection);
    return true;
}

void InstanceChannel::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_openConnections >= MaxOpenConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_openConnections;
        connect(socket, &QObject::destroyed, this, [this] { --m_openConnections; });
        // Whatever has not arrived by then is dropped with the connection.
        auto *limit = new QTimer(socket);
        limit->setSingleShot(true);
        connect(limit, &QTimer::timeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        limit->start(m_timeLimitMs);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readFrom(socket);
    }
}

void InstanceChannel::readFrom(QLocalSocket *socket)
{
    if (socket->property("quillbyDone").toBool())
        return;
    auto refuse = [socket] {
        socket->setProperty("quillbyDone", true);
        socket->write(QByteArray(1, Refused));
        socket->flush();
        socket->disconnectFromServer();
    };
    if (socket->bytesAvailable() < HeaderSize)
        return;
    const QByteArray header = socket->peek(HeaderSize);
    if (!header.startsWith(Magic)) {
        refuse();
        return;
    }
    const quint32 length = qFromBigEndian<quint32>(header.constData() + Magic.size());
    if (length > quint32(MaxPathBytes)) {
        refuse();
        return;
    }
    if (socket->bytesAvailable() < HeaderSize + qint64(length))
        return;
    socket->skip(HeaderSize);
    const QByteArray bytes = socket->read(length);
    if (socket->bytesAvailable() > 0) {
        refuse();
        return;
    }
    const QString path = QString::fromUtf8(bytes);
    // Whoever else of this user connects gets no further than a person
    // naming a file on the command line: an existing, readable file.
    if (!path.isEmpty() && (path.toUtf8() != bytes || !StartupOptions::fileProblem(path).isEmpty()
                            || QDir::cleanPath(path) != path)) {
        qWarning("Refused a file handed over by another start: not a readable file");
        refuse();
        return;
    }
    socket->setProperty("quillbyDone", true);
    socket->write(QByteArray(1, Taken));
    socket->flush();
    socket->disconnectFromServer();
    if (path.isEmpty())
        Q_EMIT activationRequested();
    else
        Q_EMIT fileReceived(path);
}
