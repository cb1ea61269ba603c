#include "account/jwt.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace OrlAccount;

namespace {

QString tokenWith(const QByteArray &payload)
{
    const auto options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256"})").toBase64(options) + '.' + payload.toBase64(options) + ".c2ln");
}

} // namespace

class TestJwt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsClaims_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<qint64>("expiry");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("groupId");
        QTest::addColumn<QString>("role");
        QTest::newRow("full") << tokenWith(R"({"exp":1900000000,"sub":"u-1","custom":{"orl":{"group_id":"g-1","role":"owner"}}})")
                              << qint64(1900000000) << "u-1" << "g-1" << "owner";
        // Payloads whose length needs padding exercise the unpadded decoding.
        QTest::newRow("unpadded") << tokenWith(R"({"exp":12,"sub":"ab"})") << qint64(12) << "ab" << "" << "";
        QTest::newRow("exp as text") << tokenWith(R"({"exp":"1900000000"})") << qint64(0) << "" << "" << "";
        QTest::newRow("no custom") << tokenWith(R"({"sub":"u"})") << qint64(0) << "u" << "" << "";
        QTest::newRow("payload an array") << tokenWith(R"([1,2])") << qint64(0) << "" << "" << "";
        QTest::newRow("one piece") << QStringLiteral("abc") << qint64(0) << "" << "" << "";
        QTest::newRow("empty") << QString() << qint64(0) << "" << "" << "";
        QTest::newRow("not base64 json") << QStringLiteral("a.%%%.c") << qint64(0) << "" << "" << "";
    }

    void readsClaims()
    {
        QFETCH(QString, token);
        QFETCH(qint64, expiry);
        QFETCH(QString, subject);
        QFETCH(QString, groupId);
        QFETCH(QString, role);
        QCOMPARE(jwtExpiry(token), expiry);
        QCOMPARE(jwtSubject(token), subject);
        QCOMPARE(parseClaims(token).group_id, groupId);
        QCOMPARE(parseClaims(token).role, role);
    }
};

QTEST_GUILESS_MAIN(TestJwt)
#include "tst_jwt.moc"
