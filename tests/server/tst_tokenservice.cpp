#include "tokenservice.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sodium.h>

class TestTokenService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }

    void accessTokenRoundTrip()
    {
        const TokenService tokens(QByteArray(32, 'k'));
        const AccessClaims claims{QStringLiteral("user-1"), QStringLiteral("session-1"), QStringLiteral("group-1"), QStringLiteral("owner"), 1000, 1900};
        const QString token = tokens.issueAccessToken(claims);
        const auto read = tokens.verifyAccessToken(token, 1899);
        QVERIFY(read);
        QCOMPARE(read->userId, claims.userId);
        QCOMPARE(read->sessionId, claims.sessionId);
        QCOMPARE(read->groupId, claims.groupId);
        QCOMPARE(read->role, claims.role);
        QCOMPARE(read->expiresAt, 1900);
        // The payload is unpadded base64url with the fields the program reads.
        const QByteArray payload = token.toLatin1().split('.').at(1);
        QVERIFY(!payload.contains('='));
        const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromBase64(payload, QByteArray::Base64UrlEncoding)).object();
        QCOMPARE(object.value(QStringLiteral("sub")).toString(), claims.userId);
        QCOMPARE(object.value(QStringLiteral("exp")).toInteger(), 1900);
        QCOMPARE(object.value(QStringLiteral("custom")).toObject().value(QStringLiteral("orl")).toObject().value(QStringLiteral("role")).toString(),
                 QStringLiteral("owner"));
    }

    void refusedTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<qint64>("now");
        const TokenService tokens(QByteArray(32, 'k'));
        const TokenService otherServer(QByteArray(32, 'x'));
        const AccessClaims claims{QStringLiteral("user-1"), QStringLiteral("session-1"), {}, {}, 1000, 1900};
        const QString good = tokens.issueAccessToken(claims);
        const QList<QString> parts = good.split(QLatin1Char('.'));
        const QByteArray noneHeader = QByteArray(R"({"alg":"none","typ":"JWT"})").toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
        QByteArray otherPayload = QByteArray(R"({"sub":"admin","sid":"session-1","exp":99999})").toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
        QTest::newRow("expired") << good << qint64(1900);
        QTest::newRow("signed by another secret") << otherServer.issueAccessToken(claims) << qint64(1000);
        QTest::newRow("payload swapped") << parts.at(0) + QLatin1Char('.') + QString::fromLatin1(otherPayload) + QLatin1Char('.') + parts.at(2) << qint64(1000);
        QTest::newRow("alg none, no signature") << QString::fromLatin1(noneHeader) + QLatin1Char('.') + parts.at(1) + QLatin1Char('.') << qint64(1000);
        QTest::newRow("two parts") << parts.at(0) + QLatin1Char('.') + parts.at(1) << qint64(1000);
        QTest::newRow("empty") << QString() << qint64(1000);
        QTest::newRow("garbage") << QStringLiteral("a.b.c") << qint64(1000);
        QTest::newRow("huge") << QString(100000, QLatin1Char('a')) << qint64(1000);
    }

    void refusedTokens()
    {
        QFETCH(QString, token);
        QFETCH(qint64, now);
        const TokenService tokens(QByteArray(32, 'k'));
        QVERIFY(!tokens.verifyAccessToken(token, now));
    }

    void formTokens()
    {
        const TokenService tokens(QByteArray(32, 'k'));
        const QString token = tokens.issueFormToken(QStringLiteral("nonce-a"), 2000);
        QVERIFY(tokens.verifyFormToken(token, QStringLiteral("nonce-a"), 1999));
        QVERIFY(!tokens.verifyFormToken(token, QStringLiteral("nonce-a"), 2000));   // expired
        QVERIFY(!tokens.verifyFormToken(token, QStringLiteral("nonce-b"), 1999));   // another browser's cookie
        QVERIFY(!tokens.verifyFormToken(token, QString(), 1999));                   // no cookie
        QVERIFY(!tokens.verifyFormToken(QStringLiteral("9999999999.") + token.section(QLatin1Char('.'), 1), QStringLiteral("nonce-a"), 1999));
    }

    void opaqueTokensAreRandomAndHashed()
    {
        const QString a = TokenService::newOpaqueToken();
        const QString b = TokenService::newOpaqueToken();
        QVERIFY(a != b);
        QCOMPARE(a.size(), 43); // 256 bits, unpadded base64url
        QCOMPARE(TokenService::hashToken(a), TokenService::hashToken(a));
        QVERIFY(TokenService::hashToken(a) != TokenService::hashToken(b));
        QVERIFY(!TokenService::hashToken(a).contains(a));
    }
};

QTEST_GUILESS_MAIN(TestTokenService)
#include "tst_tokenservice.moc"
