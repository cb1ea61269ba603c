#include "common/testdatabase.h"
#include "data/preferencesrepository.h"

#include <QSignalSpy>
#include <QTest>

class tst_PreferencesRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void getBool_data();
    void getBool();
    void setIsAnUpsertThatAlwaysEmits();
    void nullValueIsPresentButEmpty();
    void removeEmitsNothing();
    void setIntAndDefaults();
    void failedWriteEmitsNothing();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_prefs;
};

void tst_PreferencesRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_prefs = std::make_unique<PreferencesRepository>(m_db->database());
}

void tst_PreferencesRepository::cleanup()
{
    m_prefs.reset();
    m_db.reset();
}

void tst_PreferencesRepository::getBool_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    QTest::newRow("one") << QVariant("1") << false << true;
    QTest::newRow("trueLower") << QVariant("true") << false << true;
    QTest::newRow("trueUpper") << QVariant("TRUE") << true << false;
    QTest::newRow("yes") << QVariant("yes") << true << false;
    QTest::newRow("zero") << QVariant("0") << true << false;
    QTest::newRow("empty") << QVariant("") << true << false;
    QTest::newRow("absentFalse") << QVariant() << false << false;
    QTest::newRow("absentTrue") << QVariant() << true << true;
}

void tst_PreferencesRepository::getBool()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    if (stored.isValid())
        QVERIFY(m_prefs->set("registerTwoLine", stored.toString()));
    QCOMPARE(m_prefs->getBool("registerTwoLine", defaultValue), expected);
}

void tst_PreferencesRepository::setIsAnUpsertThatAlwaysEmits()
{
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(m_prefs->set("theme", "dark"));
    QVERIFY(m_prefs->set("theme", "dark"));
    QVERIFY(m_prefs->set("theme", "light"));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("theme"));
    QCOMPARE(m_prefs->get("theme"), std::optional<QString>("light"));
    QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM preferences").toInt(), 1);
}

void tst_PreferencesRepository::nullValueIsPresentButEmpty()
{
    QVERIFY(m_db->exec("INSERT INTO preferences (key, value) VALUES ('syncCursor', NULL)"));
    const std::optional<QString> value = m_prefs->get("syncCursor");
    QVERIFY(value.has_value());
    QCOMPARE(*value, QString(""));
    QCOMPARE(m_prefs->getValue("syncCursor", "fallback"), QString(""));
    QCOMPARE(m_prefs->getValue("absent", "fallback"), QStringLiteral("fallback"));
}

void tst_PreferencesRepository::removeEmitsNothing()
{
    QVERIFY(m_prefs->set("syncCursor", "abc"));
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(m_prefs->remove("syncCursor"));
    QVERIFY(m_prefs->remove("neverThere"));
    QCOMPARE(changed.size(), 0);
    QVERIFY(!m_prefs->get("syncCursor").has_value());
}

void tst_PreferencesRepository::setIntAndDefaults()
{
    m_prefs->setInt("fontScale", 125);
    m_prefs->setBool("registerNewestFirst", true);
    QCOMPARE(m_prefs->getValue("fontScale", "100"), QStringLiteral("125"));
    QCOMPARE(m_prefs->getValue("registerNewestFirst", "0"), QStringLiteral("1"));
    m_prefs->setInt("fontScale", -5);
    QCOMPARE(m_prefs->getValue("fontScale", "100"), QStringLiteral("-5"));
}

void tst_PreferencesRepository::failedWriteEmitsNothing()
{
    QVERIFY(m_db->exec("DROP TABLE preferences"));
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(!m_prefs->set("theme", "dark"));
    QCOMPARE(changed.size(), 0);
    QVERIFY(!m_prefs->get("theme").has_value());
    QCOMPARE(m_prefs->getValue("theme", "system"), QStringLiteral("system"));
}

QTEST_GUILESS_MAIN(tst_PreferencesRepository)
#include "tst_preferencesrepository.moc"
