#include "common/memorytokenstore.h"
#include "account/jwt.h"
#include "account/tokenmanager.h"

#include <QDateTime>
#include <QTest>

#include <map>

using namespace OrlAccount;

namespace {


QString tokenExpiringIn(qint64 seconds, const QString &subject = QStringLiteral("u"))
{
    const auto options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QByteArray payload = QStringLiteral(R"({"exp":%1,"sub":"%2"})").arg(QDateTime::currentSecsSinceEpoch() + seconds).arg(subject).toUtf8();
    return QStringLiteral("e30.") + QString::fromLatin1(payload.toBase64(options)) + QStringLiteral(".sig");
}

// A refresh function whose answer the test gives later.
struct ScriptedRefresh
{
    int calls = 0;
    QString lastToken;
    TokenManager::TokensCallback onTokens;
    TokenManager::FailureCallback onFailure;

    TokenManager::RefreshFunction function()
    {
        return [this](const QString &token, TokenManager::TokensCallback tokens, TokenManager::FailureCallback failure) {
            ++calls;
            lastToken = token;
            onTokens = std::move(tokens);
            onFailure = std::move(failure);
        };
    }
};

} // namespace

class TestTokenManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshness_data()
    {
        QTest::addColumn<qint64>("secondsLeft");
        QTest::addColumn<bool>("unexpired");
        QTest::newRow("31 s ahead") << qint64(31) << true;
        QTest::newRow("29 s ahead") << qint64(29) << false;
        QTest::newRow("past") << qint64(-10) << false;
    }

    void freshness()
    {
        QFETCH(qint64, secondsLeft);
        QFETCH(bool, unexpired);
        QCOMPARE(TokenManager::isUnexpired(tokenExpiringIn(secondsLeft), QDateTime::currentSecsSinceEpoch()), unexpired);
        QVERIFY(!TokenManager::isUnexpired(QStringLiteral("no.exp.here"), QDateTime::currentSecsSinceEpoch()));
    }

    void needsRefresh()
    {
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        QVERIFY(!manager.needsRefresh()); // nothing held: the server's 401 decides
        manager.setTokens(tokenExpiringIn(600), QStringLiteral("r"));
        QVERIFY(!manager.needsRefresh());
        manager.setTokens(tokenExpiringIn(10), QStringLiteral("r"));
        QVERIFY(manager.needsRefresh());
        QVERIFY(manager.accessToken().isEmpty());
        manager.setTokens(QString(), QStringLiteral("r"));
        QVERIFY(manager.needsRefresh());
        manager.setTokens(tokenExpiringIn(10), QString());
        QVERIFY(!manager.needsRefresh());
    }

    void concurrentCallersShareOneRefresh()
    {
        auto store = std::make_unique<MemoryTokenStore>();
        MemoryTokenStore *stored = store.get();
        TokenManager manager(std::move(store));
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        manager.setTokens(tokenExpiringIn(-5), QStringLiteral("old-refresh"));
        QList<int> order;
        for (int caller = 0; caller < 3; ++caller) {
            manager.refresh([&order, caller](RefreshResult result) {
                QCOMPARE(result, RefreshResult::Refreshed);
                order << caller;
            });
        }
        QCOMPARE(script.calls, 1);
        QCOMPARE(script.lastToken, QStringLiteral("old-refresh"));
        const QString fresh = tokenExpiringIn(900);
        script.onTokens(fresh, QStringLiteral("new-refresh"));
        QCOMPARE(order, QList<int>({0, 1, 2}));
        QCOMPARE(manager.accessToken(), fresh);
        QCOMPARE((*stored->values)[QStringLiteral("orlindo_refresh_token")], QStringLiteral("new-refresh"));
        // A later refresh starts anew.
        manager.refresh({});
        QCOMPARE(script.calls, 2);
    }

    void failuresReachEveryWaiter_data()
    {
        QTest::addColumn<bool>("rejected");
        QTest::addColumn<RefreshResult>("expected");
        QTest::newRow("rejected") << true << RefreshResult::Rejected;
        QTest::newRow("transient") << false << RefreshResult::TransientFailure;
    }

    void failuresReachEveryWaiter()
    {
        QFETCH(bool, rejected);
        QFETCH(RefreshResult, expected);
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        manager.setTokens(tokenExpiringIn(-5), QStringLiteral("r"));
        QList<RefreshResult> results;
        manager.refresh([&](RefreshResult result) { results << result; });
        manager.refresh([&](RefreshResult result) { results << result; });
        script.onFailure(rejected);
        QCOMPARE(results, QList<RefreshResult>({expected, expected}));
        // The tokens are the caller's business.
        QCOMPARE(manager.storedRefreshToken(), QStringLiteral("r"));
    }

    void noRefreshTokenRejectsAtOnce()
    {
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        RefreshResult result = RefreshResult::Refreshed;
        manager.refresh([&](RefreshResult r) { result = r; });
        QCOMPARE(result, RefreshResult::Rejected);
        QCOMPARE(script.calls, 0);
    }

    void anAnswerWithoutRefreshTokenKeepsTheOldOne()
    {
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        manager.setTokens(tokenExpiringIn(-5), QStringLiteral("keep-me"));
        manager.refresh({});
        script.onTokens(tokenExpiringIn(900), QString());
        QCOMPARE(manager.storedRefreshToken(), QStringLiteral("keep-me"));
    }

    void aRefreshEndingAfterSignOutDoesNotSignBackIn()
    {
        auto store = std::make_unique<MemoryTokenStore>();
        MemoryTokenStore *stored = store.get();
        TokenManager manager(std::move(store));
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        manager.setTokens(tokenExpiringIn(-5), QStringLiteral("r"));
        RefreshResult result = RefreshResult::Refreshed;
        manager.refresh([&](RefreshResult r) { result = r; });
        manager.clearTokens();
        script.onTokens(tokenExpiringIn(900), QStringLiteral("late"));
        QCOMPARE(result, RefreshResult::Rejected);
        QVERIFY(manager.accessToken().isEmpty());
        QVERIFY(manager.storedRefreshToken().isEmpty());
        QVERIFY(stored->values->empty());
    }

    void aRefreshEndingAfterANewSignInKeepsTheNewTokens()
    {
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        ScriptedRefresh script;
        manager.setRefreshFunction(script.function());
        manager.setTokens(tokenExpiringIn(-5, QStringLiteral("alice")), QStringLiteral("alice-refresh"));
        RefreshResult result = RefreshResult::Rejected;
        manager.refresh([&](RefreshResult r) { result = r; });
        const QString bob = tokenExpiringIn(900, QStringLiteral("bob"));
        manager.setTokens(bob, QStringLiteral("bob-refresh"));
        script.onTokens(tokenExpiringIn(900, QStringLiteral("alice")), QStringLiteral("alice-late"));
        QCOMPARE(result, RefreshResult::Refreshed);
        QCOMPARE(manager.accessToken(), bob);
        QCOMPARE(manager.storedRefreshToken(), QStringLiteral("bob-refresh"));
    }

    void loadsWhatWasStored()
    {
        auto store = std::make_unique<MemoryTokenStore>();
        const QString access = tokenExpiringIn(900);
        (*store->values)[QStringLiteral("orlindo_access_token")] = access;
        TokenManager manager(std::move(store));
        manager.loadTokens();
        QCOMPARE(manager.accessToken(), access);
        QVERIFY(manager.storedRefreshToken().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTokenManager)
#include "tst_tokenmanager.moc"
