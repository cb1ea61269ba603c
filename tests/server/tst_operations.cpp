#include "apitestclient.h"
#include "serverprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The body of a complete HTTP answer whose length it announces; empty when
// the answer is cut short.
QByteArray completeBody(const QByteArray &answer)
{
    const qsizetype headEnd = answer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return {};
    const QByteArray head = answer.left(headEnd).toLower();
    const qsizetype at = head.indexOf("content-length:");
    if (at < 0)
        return {};
    const qsizetype lineEnd = head.indexOf("\r\n", at);
    const qsizetype length = head.mid(at + 15, lineEnd < 0 ? -1 : lineEnd - at - 15).trimmed().toLongLong();
    const QByteArray body = answer.mid(headEnd + 4);
    return body.size() == length ? body : QByteArray();
}

// A plain blocking socket to the server, to hold a request half-sent.
class RawConnection
{
public:
    explicit RawConnection(int port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            m_error = errno;
            ::close(m_fd);
            m_fd = -1;
        }
    }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;
    ~RawConnection()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool isConnected() const { return m_fd >= 0; }
    int error() const { return m_error; }

    bool send(const QByteArray &bytes)
    {
        qsizetype sent = 0;
        while (m_fd >= 0 && sent < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += n;
        }
        return sent == bytes.size();
    }

    // Reads until `marker` has arrived, the peer closes, or the time is up.
    QByteArray readUntil(const QByteArray &marker, int timeoutMs)
    {
        return read([&marker](const QByteArray &received) { return received.contains(marker); }, timeoutMs);
    }

    // Reads one whole answer (its head and as much body as it announces).
    QByteArray readAnswer(int timeoutMs)
    {
        return read([](const QByteArray &received) { return !completeBody(received).isEmpty(); }, timeoutMs);
    }

private:
    QByteArray read(const std::function<bool(const QByteArray &)> &done, int timeoutMs)
    {
        QByteArray received;
        QDeadlineTimer deadline(timeoutMs);
        while (m_fd >= 0 && !done(received) && !deadline.hasExpired()) {
            pollfd watch{m_fd, POLLIN, 0};
            if (::poll(&watch, 1, int(qMax<qint64>(1, deadline.remainingTime()))) <= 0)
                break;
            char buffer[4096];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            received.append(buffer, n);
        }
        return received;
    }

    int m_fd = -1;
    int m_error = 0;
};

} // namespace

// How the server behaves as a service: a stop signal lets the requests under
// way finish, the process then exits 0, and the log stays one JSON object a line.
class TestOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void requestsUnderWayFinishWhenTheServerIsStopped();
    void theServerStopsCleanlyUnderLoad();

private:
    QString signIn(const QString &email);
    void verifyLog(const QByteArray &log, const QString &accessToken);

    const QString m_password = QStringLiteral("correct horse battery");
    std::unique_ptr<ServerProcess> m_server;
};

void TestOperations::init()
{
    m_server = std::make_unique<ServerProcess>();
    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
}

void TestOperations::cleanup()
{
    m_server.reset();
}

QString TestOperations::signIn(const QString &email)
{
    if (m_server->addUser(email, m_password).isEmpty())
        return {};
    return BrowserSignIn::run(m_server->port(), email, m_password).accessToken;
}

void TestOperations::verifyLog(const QByteArray &log, const QString &accessToken)
{
    int lines = 0;
    for (const QByteArray &line : log.split('\n')) {
        if (line.isEmpty())
            continue;
        ++lines;
        QJsonParseError error{};
        const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, line.constData());
        QVERIFY2(object.contains(QStringLiteral("ts")) && object.contains(QStringLiteral("level")) && object.contains(QStringLiteral("event")),
                 line.constData());
        QVERIFY(!line.contains(accessToken.toLatin1().split('.').value(2)));
        QVERIFY(!line.contains(m_password.toUtf8()));
    }
    QVERIFY(lines > 0);
}

void TestOperations::requestsUnderWayFinishWhenTheServerIsStopped()
{
    const QString token = signIn(QStringLiteral("ops@example.org"));
    QVERIFY(!token.isEmpty());
    const int port = m_server->port();

    // Eight registrations, each with its head read by the server (it said
    // "100 Continue") and half its body sent.
    constexpr int Count = 8;
    std::vector<std::unique_ptr<RawConnection>> connections;
    QList<QByteArray> bodies;
    for (int i = 0; i < Count; ++i) {
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("device_fingerprint"), QString::number(0xa0 + i, 16)},
                                                          {QStringLiteral("device_name"), QStringLiteral("machine %1").arg(i)}})
                                    .toJson(QJsonDocument::Compact);
        bodies << body;
        auto connection = std::make_unique<RawConnection>(port);
        QVERIFY(connection->isConnected());
        const QByteArray head = "POST /account/v1/devices/register HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token.toLatin1()
            + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nExpect: 100-continue\r\n\r\n";
        QVERIFY(connection->send(head));
        QVERIFY(connection->readUntil("\r\n\r\n", 10000).startsWith("HTTP/1.1 100"));
        QVERIFY(connection->send(body.left(body.size() / 2)));
        connections.push_back(std::move(connection));
    }

    // Once the stop has closed the listening socket, the rest of each body follows.
    std::atomic_bool listenerClosed{false};
    QList<QByteArray> answers(Count);
    std::thread finisher([&] {
        const QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            RawConnection probe(port);
            if (!probe.isConnected() && probe.error() == ECONNREFUSED) {
                listenerClosed = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        for (int i = 0; i < Count; ++i) {
            connections[size_t(i)]->send(bodies.at(i).mid(bodies.at(i).size() / 2));
            answers[i] = connections[size_t(i)]->readAnswer(10000);
        }
    });
    const int exitCode = m_server->stop();
    finisher.join();

    QVERIFY(listenerClosed);
    QCOMPARE(exitCode, 0);
    for (int i = 0; i < Count; ++i) {
        QVERIFY2(answers.at(i).startsWith("HTTP/1.1 201"), answers.at(i).constData());
        const QJsonObject device = QJsonDocument::fromJson(completeBody(answers.at(i))).object();
        QCOMPARE(device.value(QStringLiteral("device_name")).toString(), QStringLiteral("machine %1").arg(i));
    }
    const QByteArray log = m_server->standardError();
    // Stopping, then the registrations, then stopped.
    const qsizetype stopping = log.indexOf("\"event\":\"stopping\"");
    QVERIFY(stopping >= 0);
    const qsizetype lastAnswer = log.lastIndexOf("\"status\":201");
    QVERIFY(lastAnswer > stopping);
    QVERIFY(log.indexOf("\"event\":\"stopped\"") > lastAnswer);
    verifyLog(log, token);

    // What they did was stored.
    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
    ApiTestClient client(m_server->port());
    client.setBearer(token);
    const auto devices = client.get(QStringLiteral("/account/v1/devices"));
    QCOMPARE(devices.status, 200);
    QCOMPARE(devices.json.value(QStringLiteral("devices")).toArray().size(), Count);
}

void TestOperations::theServerStopsCleanlyUnderLoad()
{
    const QString token = signIn(QStringLiteral("load@example.org"));
    QVERIFY(!token.isEmpty());
    const int port = m_server->port();
    std::atomic_bool stop{false};
    std::atomic_int answered{0};
    std::atomic_int malformed{0};
    std::vector<std::thread> callers;
    for (int t = 0; t < 8; ++t) {
        callers.emplace_back([&, t] {
            ApiTestClient client(port);
            client.setBearer(token);
            while (!stop) {
                const auto reply = t % 2 ? client.get(QStringLiteral("/account/v1/profile")) : client.get(QStringLiteral("/account/v1/devices"));
                if (reply.status == 0)
                    break; // the server no longer listens
                ++answered;
                if (reply.status != 200 || reply.json.isEmpty())
                    ++malformed;
            }
        });
    }
    QTRY_VERIFY_WITH_TIMEOUT(answered > 100, 20000);
    const int exitCode = m_server->stop();
    stop = true;
    for (std::thread &caller : callers)
        caller.join();
    QCOMPARE(exitCode, 0);
    QCOMPARE(malformed.load(), 0);
    const QByteArray log = m_server->standardError();
    QVERIFY(log.contains("\"event\":\"stopped\""));
    verifyLog(log, token);
}

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
