#include "common/servicefixture.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/rowstamp.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/searchservice.h"
#include "services/transactionservice.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_SearchService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hostileText_data();
    void hostileText();
    void deletedRowsLeftOut();
    void filtersCombine_data();
    void filtersCombine();
    void newestFirstWithinTheLimit();
    void resultsCarryAccountAndCategory();
    void followsCommittedChanges();

private:
    struct Row
    {
        QString payee;
        QString memo;
        QString check;
    };
    Transaction store(const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
                      const QString &memo = QString());
    QStringList payees(const SearchQuery &query) const;

    std::unique_ptr<ServiceFixture> m_fixture;
    std::unique_ptr<SearchService> m_service;
    QString m_checking;
};

void tst_SearchService::init()
{
    m_fixture = std::make_unique<ServiceFixture>();
    m_service = std::make_unique<SearchService>(m_fixture->db().database());
    m_checking = m_fixture->addAccount(QStringLiteral("Checking"));
}

void tst_SearchService::cleanup()
{
    m_service.reset();
    m_fixture.reset();
}

Transaction tst_SearchService::store(const QString &accountId, const QDate &date, const QString &payee,
                                     qint64 amount, const QString &memo)
{
    Transaction t;
    t.id = newUuid();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.memo = memo;
    t.amount = amount;
    RowStamp::fresh(t);
    if (!m_fixture->transactions()->insert(t))
        qFatal("cannot store a transaction");
    return t;
}

QStringList tst_SearchService::payees(const SearchQuery &query) const
{
    const Result<QList<SearchResult>> found = m_service->search(query);
    if (!found)
        return {QStringLiteral("error: ") + found.error()};
    QStringList names;
    for (const SearchResult &result : found.value())
        names.append(result.row.payee);
    return names;
}

void tst_SearchService::hostileText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");  // newest first; one "error" entry for a refusal

    // Stored newest first in this order, so "everything" is the list itself.
    const QStringList everything{"Minus Bakery",   "Star Cleaners", "Nearby Market",  "Coffee or Tea",
                                 "Payee Partners", "Café Luna",     QString::fromUtf8("東京ストア"), "Joe's Diner"};
    const QStringList error{"error"};
    QTest::newRow("empty") << QString() << everything;
    QTest::newRow("blanks") << "  \t " << everything;
    QTest::newRow("loneQuote") << "\"" << everything;
    QTest::newRow("unbalancedQuote") << "\"coffee" << QStringList{"Coffee or Tea"};
    QTest::newRow("quotedPhraseWordsAnywhere") << "\"tea coffee\"" << QStringList{"Coffee or Tea"};
    QTest::newRow("starAlone") << "*" << everything;
    QTest::newRow("starGlued") << "star*" << QStringList{"Star Cleaners"};
    QTest::newRow("starFirst") << "*bakery" << QStringList{"Minus Bakery"};
    QTest::newRow("nearWord") << "NEAR" << QStringList{"Nearby Market"};
    QTest::newRow("nearCall") << "NEAR(coffee tea)" << QStringList{};
    QTest::newRow("orIsAWord") << "coffee OR market" << QStringList{};
    QTest::newRow("notIsAWord") << "NOT" << QStringList{"Nearby Market"};
    QTest::newRow("parentheses") << "(coffee)" << QStringList{"Coffee or Tea"};
    QTest::newRow("openParenthesis") << "((" << everything;
    QTest::newRow("minus") << "-minus" << QStringList{"Minus Bakery"};
    QTest::newRow("caret") << "^star" << QStringList{"Star Cleaners"};
    QTest::newRow("caretMidText") << "cleaners ^star" << QStringList{"Star Cleaners"};
    // A column filter would find the coffee row; both are plain words here.
    QTest::newRow("columnFilter") << "payee:coffee" << QStringList{};
    QTest::newRow("columnFilterBraces") << "{payee memo}: partners" << QStringList{"Payee Partners"};
    QTest::newRow("plusAndColon") << "+coffee:" << QStringList{"Coffee or Tea"};
    QTest::newRow("apostrophe") << "Joe's" << QStringList{"Joe's Diner"};
    QTest::newRow("checkNumber") << "#104" << QStringList{"Star Cleaners"};
    QTest::newRow("accentTyped") << QString::fromUtf8("CAFÉ") << QStringList{"Café Luna"};
    QTest::newRow("accentLeftOut") << "cafe" << QStringList{"Café Luna"};
    QTest::newRow("accentDecomposed") << QString::fromUtf8("Cafe\xCC\x81") << QStringList{"Café Luna"};
    QTest::newRow("cjkPrefix") << QString::fromUtf8("東京") << QStringList{QString::fromUtf8("東京ストア")};
    QTest::newRow("cjkNoMatch") << QString::fromUtf8("大阪") << QStringList{};
    QTest::newRow("emojiOnly") << QString::fromUtf8("\xF0\x9F\x98\x80") << everything;
    QTest::newRow("nulCharacter") << QString(QChar(0)) + "coffee" << QStringList{"Coffee or Tea"};
    QTest::newRow("longWord") << QString(SearchService::kMaxTextLength, QLatin1Char('x')) << QStringList{};
    QTest::newRow("tooLong") << QString(SearchService::kMaxTextLength + 1, QLatin1Char('x')) << error;
    QTest::newRow("mostWords") << QStringLiteral("co ").repeated(SearchService::kMaxWords)
                               << QStringList{"Coffee or Tea"};
    QTest::newRow("tooManyWords") << QStringLiteral("co ").repeated(SearchService::kMaxWords + 1) << error;
}

void tst_SearchService::hostileText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    const Row rows[] = {
        {QStringLiteral("Joe's Diner"), QStringLiteral("breakfast"), QString()},
        {QString::fromUtf8("東京ストア"), QString(), QString()},
        {QStringLiteral("Café Luna"), QString(), QString()},
        {QStringLiteral("Payee Partners"), QStringLiteral("memo line"), QString()},
        {QStringLiteral("Coffee or Tea"), QString(), QString()},
        {QStringLiteral("Nearby Market"), QStringLiteral("NOT groceries"), QString()},
        {QStringLiteral("Star Cleaners"), QStringLiteral("\"quoted\" receipt"), QStringLiteral("1042")},
        {QStringLiteral("Minus Bakery"), QString(), QString()},
    };
    int day = 1;
    for (const Row &row : rows) {
        Transaction t = store(m_checking, QDate(2024, 1, day++), row.payee, -100, row.memo);
        t.checkNumber = row.check;
        QVERIFY(m_fixture->transactions()->update(t));
    }

    QTest::failOnWarning(QRegularExpression(".*"));
    SearchQuery query;
    query.text = text;
    QStringList found = payees(query);
    if (expected == QStringList{"error"} && found.size() == 1 && found.first().startsWith("error: "))
        found = expected;
    QCOMPARE(found, expected);
}

void tst_SearchService::deletedRowsLeftOut()
{
    const Transaction kept = store(m_checking, QDate(2024, 2, 1), QStringLiteral("Corner Grocer"), -500);
    const Transaction gone = store(m_checking, QDate(2024, 2, 2), QStringLiteral("Corner Grocer"), -700);
    QVERIFY(m_fixture->transactions()->softDelete(gone.id));

    for (const QString &text : {QStringLiteral("corner"), QString()}) {
        SearchQuery query;
        query.text = text;
        const Result<QList<SearchResult>> found = m_service->search(query);
        QVERIFY(found);
        QCOMPARE(found->size(), 1);
        QCOMPARE(found->first().row.id, kept.id);
    }
}

void tst_SearchService::filtersCombine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("account");       // "checking", "euro" or empty
    QTest::addColumn<QString>("category");      // "food" or empty
    QTest::addColumn<QString>("categoryName");  // set when not empty
    QTest::addColumn<QString>("payee");         // set when not empty
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("cleared");           // -1 any, 0 or 1
    QTest::addColumn<QString>("currency");      // "EUR", "USD" or empty
    QTest::addColumn<qint64>("maximumAmount");  // 0: none
    QTest::addColumn<QStringList>("expected");

    const QDate none;
    // The rows (see filtersCombine): a Grocer (food, checking, cleared, -500,
    // 5 March), b Grocer Outlet (no category, checking, -200, 10 March),
    // c Grocer (food, euro account, cleared, -900, 12 March), d Salary
    // (checking, +3000, 20 March).
    QTest::newRow("nothing") << "" << "" << "" << "" << "" << none << none << -1 << "" << qint64(0)
                             << QStringList{"d", "c", "b", "a"};
    QTest::newRow("textAndAccount") << "grocer" << "checking" << "" << "" << "" << none << none << -1 << ""
                                    << qint64(0) << QStringList{"b", "a"};
    QTest::newRow("textAccountCategory") << "grocer" << "checking" << "food" << "" << "" << none << none << -1
                                         << "" << qint64(0) << QStringList{"a"};
    QTest::newRow("dateRangeInclusive") << "" << "" << "" << "" << "" << QDate(2024, 3, 5) << QDate(2024, 3, 12)
                                        << -1 << "" << qint64(0) << QStringList{"c", "b", "a"};
    QTest::newRow("textAndDates") << "grocer" << "" << "" << "" << "" << QDate(2024, 3, 6) << QDate(2024, 3, 31)
                                  << -1 << "" << qint64(0) << QStringList{"c", "b"};
    QTest::newRow("clearedOnly") << "" << "" << "" << "" << "" << none << none << 1 << "" << qint64(0)
                                 << QStringList{"c", "a"};
    QTest::newRow("unclearedInChecking") << "" << "checking" << "" << "" << "" << none << none << 0 << ""
                                         << qint64(0) << QStringList{"d", "b"};
    QTest::newRow("uncategorizedByName") << "" << "" << "" << "Uncategorized" << "" << none << none << -1 << ""
                                         << qint64(0) << QStringList{"d", "b"};
    QTest::newRow("categoryNameAndCurrency") << "" << "" << "" << "Food" << "" << none << none << -1 << "USD"
                                             << qint64(0) << QStringList{"a"};
    QTest::newRow("exactPayeeNotPrefix") << "" << "" << "" << "" << "Grocer" << none << none << -1 << ""
                                         << qint64(0) << QStringList{"c", "a"};
    QTest::newRow("exactPayeeIsCaseSensitive") << "" << "" << "" << "" << "grocer" << none << none << -1 << ""
                                               << qint64(0) << QStringList{};
    QTest::newRow("euroOnly") << "" << "" << "" << "" << "" << none << none << -1 << "EUR" << qint64(0)
                              << QStringList{"c"};
    QTest::newRow("expensesOnly") << "" << "checking" << "" << "" << "" << none << none << -1 << ""
                                  << qint64(-1) << QStringList{"b", "a"};
    QTest::newRow("amountBelowSome") << "" << "" << "" << "" << "" << none << none << -1 << "" << qint64(-500)
                                     << QStringList{"c", "a"};
    QTest::newRow("accountOfOtherCurrency") << "" << "euro" << "" << "" << "" << none << none << -1 << "USD"
                                            << qint64(0) << QStringList{};
    QTest::newRow("everythingAtOnce") << "groc" << "checking" << "food" << "Food" << "Grocer"
                                      << QDate(2024, 3, 1) << QDate(2024, 3, 5) << 1 << "USD" << qint64(-1)
                                      << QStringList{"a"};
    QTest::newRow("rangeBackwards") << "" << "" << "" << "" << "" << QDate(2024, 3, 31) << QDate(2024, 3, 1)
                                    << -1 << "" << qint64(0) << QStringList{};
}

void tst_SearchService::filtersCombine()
{
    QFETCH(QString, text);
    QFETCH(QString, account);
    QFETCH(QString, category);
    QFETCH(QString, categoryName);
    QFETCH(QString, payee);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, cleared);
    QFETCH(QString, currency);
    QFETCH(qint64, maximumAmount);
    QFETCH(QStringList, expected);

    const QString euro = m_fixture->addAccount(QStringLiteral("Euro Savings"), Currency::EUR);
    const QString food = m_fixture->addCategory(QStringLiteral("Food"));
    // Memos name the rows, so the comparison reads short.
    Transaction a = store(m_checking, QDate(2024, 3, 5), QStringLiteral("Grocer"), -500, QStringLiteral("a"));
    a.categoryId = food;
    a.cleared = true;
    QVERIFY(m_fixture->transactions()->update(a));
    store(m_checking, QDate(2024, 3, 10), QStringLiteral("Grocer Outlet"), -200, QStringLiteral("b"));
    Transaction c = store(euro, QDate(2024, 3, 12), QStringLiteral("Grocer"), -900, QStringLiteral("c"));
    c.categoryId = food;
    c.cleared = true;
    QVERIFY(m_fixture->transactions()->update(c));
    store(m_checking, QDate(2024, 3, 20), QStringLiteral("Salary"), 300000, QStringLiteral("d"));

    SearchQuery query;
    query.text = text;
    query.filter.accountId = account == "checking" ? m_checking : account == "euro" ? euro : QString();
    query.filter.categoryId = category.isEmpty() ? QString() : food;
    if (!categoryName.isEmpty())
        query.categoryName = categoryName;
    if (!payee.isEmpty())
        query.payee = payee;
    query.filter.dateFrom = from;
    query.filter.dateTo = to;
    if (cleared >= 0)
        query.filter.cleared = cleared == 1;
    if (!currency.isEmpty())
        query.currency = currencyFromString(currency);
    if (maximumAmount != 0)
        query.maximumAmount = maximumAmount;

    const Result<QList<SearchResult>> found = m_service->search(query);
    QVERIFY2(found, qPrintable(found.error()));
    QStringList memos;
    for (const SearchResult &result : found.value())
        memos.append(result.row.memo);
    QCOMPARE(memos, expected);
}

void tst_SearchService::newestFirstWithinTheLimit()
{
    // Created oldest date last, so a sort by creation alone would fail.
    for (int i = 249; i >= 0; --i)
        store(m_checking, QDate(2023, 1, 1).addDays(i), QStringLiteral("Cafe %1").arg(i), -i);

    for (const QString &text : {QStringLiteral("cafe"), QString()}) {
        SearchQuery query;
        query.text = text;
        const Result<QList<SearchResult>> found = m_service->search(query);
        QVERIFY(found);
        QCOMPARE(found->size(), 200);
        QCOMPARE(found->first().row.date, QDate(2023, 1, 1).addDays(249));
        QCOMPARE(found->last().row.date, QDate(2023, 1, 1).addDays(50));
        for (qsizetype i = 1; i < found->size(); ++i)
            QVERIFY(found->at(i - 1).row.date > found->at(i).row.date);

        query.limit = 7;
        QCOMPARE(m_service->search(query)->size(), 7);
        query.limit = -3;
        QCOMPARE(m_service->search(query)->size(), 1);
    }
}

void tst_SearchService::resultsCarryAccountAndCategory()
{
    const QString yen = m_fixture->addAccount(QStringLiteral("Tokyo Wallet"), Currency::JPY);
    const QString food = m_fixture->addCategory(QStringLiteral("Food"));
    Transaction t = store(yen, QDate(2024, 4, 1), QStringLiteral("Ramen Shop"), -1200, QStringLiteral("lunch"));
    t.categoryId = food;
    QVERIFY(m_fixture->transactions()->update(t));

    SearchQuery query;
    query.text = QStringLiteral("lunch");
    const Result<QList<SearchResult>> found = m_service->search(query);
    QVERIFY(found);
    QCOMPARE(found->size(), 1);
    const SearchResult &result = found->first();
    QCOMPARE(result.row.id, t.id);
    QCOMPARE(result.row.amount, qint64(-1200));
    QCOMPARE(result.row.categoryName, QStringLiteral("Food"));
    QCOMPARE(result.accountName, QStringLiteral("Tokyo Wallet"));
    QCOMPARE(result.currency, Currency::JPY);
}

void tst_SearchService::followsCommittedChanges()
{
    QSignalSpy stale(m_service.get(), &SearchService::resultsMayHaveChanged);
    Transaction t = store(m_checking, QDate(2024, 5, 1), QStringLiteral("Old Name Bistro"), -100);
    QCOMPARE(stale.size(), 1);
    SearchQuery query;
    query.text = QStringLiteral("bistro");
    QCOMPARE(payees(query), QStringList{"Old Name Bistro"});

    // An edit reaches the index: the old word no longer finds the row.
    t.payee = QStringLiteral("New Name Brasserie");
    QVERIFY(m_fixture->transactions()->update(t));
    QCOMPARE(stale.size(), 2);
    QCOMPARE(payees(query), QStringList{});
    query.text = QStringLiteral("brasserie");
    QCOMPARE(payees(query), QStringList{"New Name Brasserie"});

    // Several writes in one operation are announced once, after the commit.
    const Result<void> deleted = m_fixture->transactionService()->remove(t.id);
    QVERIFY2(deleted, qPrintable(deleted.error()));
    QCOMPARE(stale.size(), 3);
    QCOMPARE(payees(query), QStringList{});

    // Category names show in the results, so their changes count too.
    QCOMPARE(stale.at(2).at(0).toBool(), false);
    m_fixture->addCategory(QStringLiteral("Dining"));
    QCOMPARE(stale.size(), 4);
    QCOMPARE(stale.at(3).at(0).toBool(), true);
}

QTEST_GUILESS_MAIN(tst_SearchService)
#include "tst_searchservice.moc"
