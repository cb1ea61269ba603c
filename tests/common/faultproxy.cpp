#include "common/faultproxy.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

constexpr qsizetype MaxHeadBytes = 64 * 1024;
constexpr qint64 MaxBodyBytes = 64 * 1024 * 1024;
constexpr int UpstreamTimeoutMs = 60000;

const QByteArray HeadEnd("\r\n\r\n");

// The header lines of a message head (after its first line), split into
// name and value, names lower-cased.
QList<QPair<QByteArray, QByteArray>> headerLines(const QByteArray &head)
{
    QList<QPair<QByteArray, QByteArray>> lines;
    const QList<QByteArray> all = head.split('\n');
    for (qsizetype i = 1; i < all.size(); ++i) {
        const QByteArray line = all.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            lines.append({QByteArray(), line});
        else
            lines.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    return lines;
}

// The head again without connection-scoped headers and with "Connection:
// close" added; the first line is kept as it is.
QByteArray closingHead(const QByteArray &head)
{
    QByteArray out = head.left(head.indexOf("\r\n"));
    out += "\r\n";
    for (const auto &[name, value] : headerLines(head)) {
        if (name.isEmpty() || name == "connection" || name == "keep-alive" || name == "proxy-connection")
            continue;
        // Names are case-insensitive; lower case travels as well as any.
        out += name + ": " + value + "\r\n";
    }
    out += "Connection: close\r\n\r\n";
    return out;
}

// -1: no usable Content-Length (absent: 0 is returned), -2: malformed.
qint64 contentLength(const QByteArray &head)
{
    qint64 length = 0;
    bool seen = false;
    for (const auto &[name, value] : headerLines(head)) {
        if (name != "content-length")
            continue;
        bool ok = false;
        const qint64 parsed = value.toLongLong(&ok);
        if (!ok || parsed < 0 || (seen && parsed != length))
            return -2;
        length = parsed;
        seen = true;
    }
    return length;
}

bool hasHeader(const QByteArray &head, const QByteArray &lowerName)
{
    for (const auto &pair : headerLines(head)) {
        if (pair.first == lowerName)
            return true;
    }
    return false;
}

QByteArray reasonFor(int status)
{
    switch (status) {
    case 400:
        return "Bad Request";
    case 413:
        return "Content Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 502:
        return "Bad Gateway";
    case 504:
        return "Gateway Timeout";
    default:
        return "Error";
    }
}

} // namespace

FaultProxy::FaultProxy(quint64 seed, QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_random(quint32(seed ^ (seed >> 32)))
{
    connect(m_server, &QTcpServer::newConnection, this, &FaultProxy::accept);
}

FaultProxy::~FaultProxy()
{
    releaseStalled();
}

bool FaultProxy::listen(QString *error)
{
    if (m_server->listen(QHostAddress::LocalHost, 0))
        return true;
    if (error)
        *error = m_server->errorString();
    return false;
}

quint16 FaultProxy::port() const
{
    return m_server->serverPort();
}

QString FaultProxy::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void FaultProxy::setRates(double fail500, double drop, double stall)
{
    m_fail500 = qBound(0.0, fail500, 1.0);
    m_drop = qBound(0.0, drop, 1.0);
    m_stall = qBound(0.0, stall, 1.0);
}

void FaultProxy::releaseStalled()
{
    const auto stalled = std::exchange(m_stalled, {});
    for (const QPointer<QTcpSocket> &client : stalled) {
        if (client)
            client->abort();
    }
}

void FaultProxy::accept()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        m_buffers.insert(client, QByteArray());
        connect(client, &QTcpSocket::readyRead, this, [this, client] { readClient(client); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            m_buffers.remove(client);
            client->deleteLater();
        });
    }
}

void FaultProxy::readClient(QTcpSocket *client)
{
    auto it = m_buffers.find(client);
    if (it == m_buffers.end()) {
        // One request per connection: anything after it is not read.
        client->readAll();
        return;
    }
    QByteArray &buffer = it.value();
    buffer += client->readAll();
    const qsizetype headEnd = buffer.indexOf(HeadEnd);
    if (headEnd < 0) {
        if (buffer.size() > MaxHeadBytes) {
            m_buffers.erase(it);
            answer(client, 431, reasonFor(431));
        }
        return;
    }
    if (headEnd > MaxHeadBytes) {
        m_buffers.erase(it);
        answer(client, 431, reasonFor(431));
        return;
    }
    const QByteArray head = buffer.left(headEnd + HeadEnd.size());
    if (hasHeader(head, "transfer-encoding")) {
        m_buffers.erase(it);
        answer(client, 501, reasonFor(501));
        return;
    }
    const qint64 length = contentLength(head);
    if (length < 0 || head.left(head.indexOf("\r\n")).split(' ').size() != 3) {
        m_buffers.erase(it);
        answer(client, 400, reasonFor(400));
        return;
    }
    if (length > MaxBodyBytes) {
        m_buffers.erase(it);
        answer(client, 413, reasonFor(413));
        return;
    }
    if (buffer.size() - head.size() < length)
        return;
    const QByteArray body = buffer.mid(head.size(), length);
    m_buffers.erase(it);
    handle(client, head, body);
}

FaultProxy::Fate FaultProxy::decide()
{
    // The draws happen whatever the switches say, so turning pass-all on
    // and off does not shift the sequence the seed gives.
    const Fate forced = m_forced.isEmpty() ? Fate::Pass : m_forced.first();
    const bool hadForced = !m_forced.isEmpty();
    if (hadForced)
        m_forced.removeFirst();
    const double draw = m_random.generateDouble();
    if (m_passAll)
        return Fate::Pass;
    if (hadForced)
        return forced;
    if (draw < m_fail500)
        return Fate::Fail500;
    if (draw < m_fail500 + m_drop)
        return Fate::Drop;
    if (draw < m_fail500 + m_drop + m_stall)
        return Fate::Stall;
    return Fate::Pass;
}

void FaultProxy::handle(QTcpSocket *client, const QByteArray &head, const QByteArray &body)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const Fate fate = decide();
    ++m_requests;
    m_counts.at(size_t(fate)) += 1;
    const QPointer<QTcpSocket> guard(client);
    emit requestArrived(requestLine.at(0), requestLine.at(1), fate, body);
    if (!guard)
        return;
    switch (fate) {
    case Fate::Fail500:
        answer(client, 500, reasonFor(500));
        return;
    case Fate::Stall:
        m_stalled.append(guard);
        return;
    case Fate::Pass:
    case Fate::Drop:
        forward(client, closingHead(head) + body, fate);
        return;
    }
}

void FaultProxy::forward(QTcpSocket *client, const QByteArray &request, Fate fate)
{
    auto *upstream = new QTcpSocket(this);
    auto *timer = new QTimer(upstream);
    auto response = std::make_shared<QByteArray>();
    auto done = std::make_shared<bool>(false);
    const QPointer<QTcpSocket> guard(client);

    // Relays (or, for Drop, swallows) what came back. An upstream that
    // answered nothing at all (refused, restarting, timed out) is a 502 or
    // 504 to the client, as a real gateway would say.
    auto finish = [this, upstream, response, done, guard, fate](int failure) {
        if (*done)
            return;
        *done = true;
        upstream->disconnect(this);
        upstream->abort();
        upstream->deleteLater();
        if (!guard)
            return;
        if (fate == Fate::Drop) {
            guard->abort();
            return;
        }
        const qsizetype headEnd = response->indexOf(HeadEnd);
        if (headEnd < 0) {
            answer(guard, failure, reasonFor(failure));
            return;
        }
        const QByteArray head = response->left(headEnd + HeadEnd.size());
        guard->write(closingHead(head));
        guard->write(response->mid(head.size()));
        finishClient(guard);
    };
    auto complete = [response]() {
        const qsizetype headEnd = response->indexOf(HeadEnd);
        if (headEnd < 0)
            return false;
        const QByteArray head = response->left(headEnd + HeadEnd.size());
        if (!hasHeader(head, "content-length"))
            return false; // read until the server closes
        const qint64 length = contentLength(head);
        return length >= 0 && response->size() - head.size() >= length;
    };

    connect(upstream, &QTcpSocket::connected, this, [upstream, request] { upstream->write(request); });
    connect(upstream, &QTcpSocket::readyRead, this, [upstream, response, complete, finish] {
        *response += upstream->readAll();
        if (response->size() > MaxBodyBytes + MaxHeadBytes)
            finish(502);
        else if (complete())
            finish(502);
    });
    connect(upstream, &QTcpSocket::disconnected, this, [upstream, response, finish] {
        *response += upstream->readAll();
        finish(502);
    });
    connect(upstream, &QTcpSocket::errorOccurred, this, [finish](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            finish(502);
    });
    connect(timer, &QTimer::timeout, this, [finish] { finish(504); });
    timer->setSingleShot(true);
    timer->start(UpstreamTimeoutMs);
    upstream->connectToHost(QHostAddress::LocalHost, m_upstreamPort);
}

void FaultProxy::answer(QTcpSocket *client, int status, const QByteArray &reason)
{
    const QByteArray body = "{\"error\":\"" + reason + "\"}";
    client->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: application/json\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    finishClient(client);
}

void FaultProxy::finishClient(QTcpSocket *client)
{
    // disconnectFromHost() waits for the written bytes to leave first.
    client->disconnectFromHost();
}
