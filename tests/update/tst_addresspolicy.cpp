#include "update/addresspolicy.h"

#include <QTest>
#include <QUrl>

// Which addresses the update client may fetch from or send people to.
class tst_AddressPolicy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trusted_data();
    void trusted();
};

void tst_AddressPolicy::trusted_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("trusted");

    QTest::newRow("https") << "https://downloads.example.org/quillby/stable/" << true;
    QTest::newRow("https in capitals") << "HTTPS://downloads.example.org/" << true;
    QTest::newRow("http elsewhere") << "http://downloads.example.org/quillby/stable/" << false;
    QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:8640/quillby/stable/" << true;
    QTest::newRow("http to 127.1.2.3") << "http://127.1.2.3/" << true;
    QTest::newRow("http to ::1") << "http://[::1]:8640/" << true;
    QTest::newRow("http to localhost") << "http://localhost:8640/" << true;
    QTest::newRow("http to LOCALHOST") << "http://LOCALHOST/" << true;
    QTest::newRow("http to a name ending in localhost") << "http://localhost.example.org/" << false;
    QTest::newRow("http to a name starting with 127") << "http://127.0.0.1.example.org/" << false;
    QTest::newRow("http to the private network") << "http://192.168.1.10/" << false;
    QTest::newRow("http to every address") << "http://0.0.0.0/" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("ftp to loopback") << "ftp://127.0.0.1/" << false;
    QTest::newRow("https without a host") << "https:///quillby" << false;
    QTest::newRow("relative") << "quillby/stable/" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_AddressPolicy::trusted()
{
    QFETCH(QString, address);
    QFETCH(bool, trusted);
    QCOMPARE(OrlUpdate::isTrustedAddress(QUrl(address)), trusted);
}

QTEST_GUILESS_MAIN(tst_AddressPolicy)
#include "tst_addresspolicy.moc"
