#include "webauthhandler.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace OrlAccount {

namespace {

const QByteArray CompletePage = "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'><h2>Authentication complete!</h2>"
                                "<p>You can close this tab and return to the application.</p></body></html>";

void answer(QTcpSocket *socket, const QByteArray &status, const QByteArray &body)
{
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
                  + "\r\nConnection: close\r\n\r\n" + body);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace

WebAuthHandler::WebAuthHandler(QString expectedState, QObject *parent)
    : QObject(parent)
    , m_expectedState(std::move(expectedState))
    , m_server(new QTcpServer(this))
    , m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        stop();
        Q_EMIT timedOut();
    });
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::accept);
}

WebAuthHandler::~WebAuthHandler()
{
    stop();
}

QString WebAuthHandler::start(int timeoutMs)
{
    if (!m_server->isListening()) {
        if (!m_server->listen(QHostAddress::LocalHost, PreferredPort) && !m_server->listen(QHostAddress::LocalHost, 0))
            return {};
        m_port = m_server->serverPort();
    }
    m_timeout->start(timeoutMs);
    return QStringLiteral("http://127.0.0.1:%1/callback").arg(m_port);
}

bool WebAuthHandler::isListening() const
{
    return m_server->isListening();
}

void WebAuthHandler::stop()
{
    m_timeout->stop();
    if (m_server->isListening())
        m_server->close();
}

void WebAuthHandler::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        // A client that never finishes its request is dropped.
        QTimer::singleShot(SocketTimeoutMs, socket, [socket] { socket->abort(); });
    }
}

void WebAuthHandler::readFrom(QTcpSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray();
    head += socket->read(MaxHeadBytes + 1 - head.size());
    if (head.size() > MaxHeadBytes) {
        socket->readAll();
        answer(socket, "431 Request Header Fields Too Large", {});
        return;
    }
    if (!head.contains("\r\n\r\n")) {
        socket->setProperty("head", head);
        return;
    }
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    if (!m_server->isListening() || requestLine.size() != 3 || requestLine.at(0) != "GET") {
        answer(socket, "404 Not Found", {});
        return;
    }
    const QUrl url(QStringLiteral("http://127.0.0.1:%1").arg(m_port) + QString::fromUtf8(requestLine.at(1)), QUrl::StrictMode);
    const QString state = QUrlQuery(url).queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    if (!url.isValid() || url.path() != QLatin1String("/callback") || m_expectedState.isEmpty() || state != m_expectedState) {
        // A site icon, a scan or a stale tab: not this sign-in's answer.
        answer(socket, "404 Not Found", {});
        return;
    }
    answer(socket, "200 OK", CompletePage);
    stop();
    Q_EMIT callbackReceived(url);
}

} // namespace OrlAccount
