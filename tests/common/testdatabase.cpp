#include "common/testdatabase.h"

#include <QSqlError>
#include <QTest>

TestDatabase::TestDatabase(bool migrate, const QString &connectionName)
    : m_database(connectionName.isEmpty() ? std::make_unique<Database>()
                                          : std::make_unique<Database>(connectionName))
{
    if (!m_database->open(path()))
        qFatal("TestDatabase: cannot open %s", qPrintable(path()));
    if (migrate && !m_database->runMigrations())
        qFatal("TestDatabase: migrations failed");
}

TestDatabase::~TestDatabase() = default;

QString TestDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("quillby.db"));
}

bool TestDatabase::exec(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery query(m_database->connection());
    query.prepare(sql);
    for (const QVariant &value : binds)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning("TestDatabase: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery query(m_database->connection());
    query.prepare(sql);
    for (const QVariant &value : binds)
        query.addBindValue(value);
    if (!query.exec() || !query.next()) {
        qWarning("TestDatabase: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return QVariant();
    }
    return query.value(0);
}
