#include "app/instancechannel.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Two copies of the program meet through InstanceChannel; here both ends
// live in this process, and raw sockets play the hostile clients.
class tst_InstanceChannel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void namePerUserAndDataDirectory();
    void handOverWithoutListenerFails();
    void filesReachTheListener_data();
    void filesReachTheListener();
    void emptyHandOverAsksToBeShown();
    void refusedPaths_data();
    void refusedPaths();
    void secondListenerLeavesTheFirstAlone();
    void staleSocketIsReplaced();
    void runtimeDirectoryOfOthersIsNotUsed();
    void hostileClients_data();
    void hostileClients();
    void messageInPiecesIsTaken();

private:
    QString writeFile(const QString &name);
    static QByteArray message(const QByteArray &path);

    QTemporaryDir m_runtime;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<InstanceChannel> m_listener;
    QString m_name;
    int m_round = 0;
};

void tst_InstanceChannel::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    // QTemporaryDir makes it 0700 and ours, as a real runtime directory is.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void tst_InstanceChannel::init()
{
    m_files = std::make_unique<QTemporaryDir>();
    m_name = QStringLiteral("tst-channel-%1").arg(++m_round);
    m_listener = std::make_unique<InstanceChannel>(m_name);
    m_listener->setTimeLimit(1000);
}

void tst_InstanceChannel::cleanup()
{
    m_listener.reset();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

QString tst_InstanceChannel::writeFile(const QString &name)
{
    QFile file(QDir(m_files->path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("Date,Payee,Amount\n2024-01-05,Shop,-1\n");
    return file.fileName();
}

QByteArray tst_InstanceChannel::message(const QByteArray &path)
{
    char length[4];
    qToBigEndian<quint32>(quint32(path.size()), length);
    return QByteArrayLiteral("QUILLBY1") + QByteArray(length, 4) + path;
}

void tst_InstanceChannel::namePerUserAndDataDirectory()
{
    QTemporaryDir a;
    QTemporaryDir b;
    const QString linkToA = QDir(b.path()).filePath("link");
    QVERIFY(QFile::link(a.path(), linkToA));
    const QString name = InstanceChannel::nameFor(a.path());
    QVERIFY(name.contains(QString::number(::getuid())));
    QVERIFY(name != InstanceChannel::nameFor(b.path()));
    QCOMPARE(InstanceChannel::nameFor(a.path() + "/"), name);
    QCOMPARE(InstanceChannel::nameFor(linkToA), name);
    // A directory not made yet still gets a name of its own.
    QVERIFY(InstanceChannel::nameFor(a.path() + "/new") != name);
}

void tst_InstanceChannel::handOverWithoutListenerFails()
{
    InstanceChannel sender(m_name);
    QVERIFY(!sender.handOver(writeFile("bank.csv")));
    QVERIFY(!sender.handOver(QString()));
}

void tst_InstanceChannel::filesReachTheListener_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "bank.csv";
    QTest::newRow("nonAscii") << "Kontoauszug März.qif";
    QTest::newRow("markup") << "<b>bold&amp;.ofx";
    QTest::newRow("newline") << "two\nlines.csv";
    QTest::newRow("quotesAndDollar") << "a \"b\" $(c).csv";
}

void tst_InstanceChannel::filesReachTheListener()
{
    QFETCH(QString, name);
    const QString path = writeFile(name);
    QVERIFY(!path.isEmpty());
    QVERIFY(m_listener->listen());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    QSignalSpy shows(m_listener.get(), &InstanceChannel::activationRequested);

    InstanceChannel sender(m_name);
    QVERIFY(sender.handOver(path));
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.at(0).at(0).toString(), path);
    QCOMPARE(shows.size(), 0);
}

void tst_InstanceChannel::emptyHandOverAsksToBeShown()
{
    QVERIFY(m_listener->listen());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    QSignalSpy shows(m_listener.get(), &InstanceChannel::activationRequested);
    InstanceChannel sender(m_name);
    QVERIFY(sender.handOver(QString()));
    QCOMPARE(shows.size(), 1);
    QCOMPARE(files.size(), 0);
}

void tst_InstanceChannel::refusedPaths_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("relative") << "relative";
    QTest::newRow("notCleaned") << "notCleaned";
    QTest::newRow("overlong") << "overlong";
}

void tst_InstanceChannel::refusedPaths()
{
    QFETCH(QString, kind);
    const QDir dir(m_files->path());
    QString path;
    if (kind == "missing") {
        path = dir.filePath("missing.csv");
    } else if (kind == "folder") {
        path = m_files->path();
    } else if (kind == "fifo") {
        path = dir.filePath("pipe.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "relative") {
        writeFile("bank.csv");
        path = QStringLiteral("bank.csv");
    } else if (kind == "notCleaned") {
        writeFile("bank.csv");
        path = m_files->path() + "/./bank.csv";
    } else {
        path = "/" + QString(InstanceChannel::MaxPathBytes, QLatin1Char('a'));
    }
    QVERIFY(m_listener->listen());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    QSignalSpy shows(m_listener.get(), &InstanceChannel::activationRequested);
    InstanceChannel sender(m_name);
    // An overlong path never leaves the sender; the others are refused, and
    // the refusal is logged without the path.
    if (kind != "overlong")
        QTest::ignoreMessage(QtWarningMsg, "Refused a file handed over by another start: not a readable file");
    QVERIFY(!sender.handOver(path));
    QCOMPARE(files.size(), 0);
    QCOMPARE(shows.size(), 0);
    // The listener is no worse for it.
    QVERIFY(sender.handOver(writeFile("after.csv")));
    QCOMPARE(files.size(), 1);
}

void tst_InstanceChannel::secondListenerLeavesTheFirstAlone()
{
    QVERIFY(m_listener->listen());
    InstanceChannel second(m_name);
    QVERIFY(!second.listen());
    QVERIFY(!second.isListening());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    InstanceChannel sender(m_name);
    QVERIFY(sender.handOver(writeFile("bank.csv")));
    QCOMPARE(files.size(), 1);
}

void tst_InstanceChannel::staleSocketIsReplaced()
{
    // What a crashed copy leaves: a socket file nobody listens on.
    const QByteArray address = QFile::encodeName(m_listener->address());
    QVERIFY(address.startsWith(QFile::encodeName(m_runtime.path())));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    QVERIFY(size_t(address.size()) < sizeof(where.sun_path));
    std::memcpy(where.sun_path, address.constData(), size_t(address.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&where), sizeof(where)), 0);
    ::close(fd);
    QVERIFY(QFile::exists(m_listener->address()));

    InstanceChannel sender(m_name);
    QVERIFY(!sender.handOver(QString()));
    QVERIFY(m_listener->listen());
    QSignalSpy shows(m_listener.get(), &InstanceChannel::activationRequested);
    QVERIFY(sender.handOver(QString()));
    QCOMPARE(shows.size(), 1);
}

void tst_InstanceChannel::runtimeDirectoryOfOthersIsNotUsed()
{
    // A runtime directory others may enter is no place for the socket.
    QTemporaryDir open;
    QVERIFY(QFile::setPermissions(open.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open.path()));
    InstanceChannel channel(m_name);
    QVERIFY(!channel.address().startsWith(open.path()));
    QVERIFY(channel.listen());
    InstanceChannel sender(m_name);
    QVERIFY(sender.handOver(QString()));
}

void tst_InstanceChannel::hostileClients_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Whether the listener answers (with a refusal) or just drops the client.
    QTest::addColumn<bool>("answered");

    QTest::newRow("wrongMagic") << QByteArray("QUILLBY2\0\0\0\0", 12) << true;
    QTest::newRow("hugeLength") << QByteArray("QUILLBY1\x7f\xff\xff\xff", 12) << true;
    QTest::newRow("justOverTheLimit") << message(QByteArray(InstanceChannel::MaxPathBytes + 1, 'a')) << true;
    QTest::newRow("invalidUtf8") << message("/tmp/\xff\xfe.csv") << true;
    QTest::newRow("lengthButTooFewBytes") << message("/tmp/bank.csv").left(16) << false;
    QTest::newRow("halfAHeader") << QByteArray("QUILL") << false;
    QTest::newRow("nothing") << QByteArray() << false;
}

void tst_InstanceChannel::hostileClients()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, answered);
    m_listener->setTimeLimit(300);
    QVERIFY(m_listener->listen());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    QSignalSpy shows(m_listener.get(), &InstanceChannel::activationRequested);

    if (QByteArray(QTest::currentDataTag()) == "invalidUtf8")
        QTest::ignoreMessage(QtWarningMsg, "Refused a file handed over by another start: not a readable file");
    QLocalSocket client;
    QSignalSpy closed(&client, &QLocalSocket::disconnected);
    client.connectToServer(m_listener->address());
    QVERIFY(client.waitForConnected(1000));
    client.write(bytes);
    client.flush();
    QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, 3000);
    const QByteArray reply = client.readAll();
    QCOMPARE(reply, answered ? QByteArray("E") : QByteArray());
    QCOMPARE(files.size(), 0);
    QCOMPARE(shows.size(), 0);

    InstanceChannel sender(m_name);
    QVERIFY(sender.handOver(writeFile("after.csv")));
    QCOMPARE(files.size(), 1);
}

void tst_InstanceChannel::messageInPiecesIsTaken()
{
    const QString path = writeFile("bank.csv");
    QVERIFY(m_listener->listen());
    QSignalSpy files(m_listener.get(), &InstanceChannel::fileReceived);
    QLocalSocket client;
    client.connectToServer(m_listener->address());
    QVERIFY(client.waitForConnected(1000));
    const QByteArray whole = message(path.toUtf8());
    for (qsizetype at = 0; at < whole.size(); at += 5) {
        client.write(whole.mid(at, 5));
        client.flush();
        QTest::qWait(5);
    }
    QTRY_COMPARE(files.size(), 1);
    QCOMPARE(files.at(0).at(0).toString(), path);
    QTRY_COMPARE(client.bytesAvailable(), qint64(1));
    QCOMPARE(client.read(1), QByteArray("K"));
}

QTEST_GUILESS_MAIN(tst_InstanceChannel)

#include "tst_instancechannel.moc"
