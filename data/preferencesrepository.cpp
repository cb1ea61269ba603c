#include "data/preferencesrepository.h"

#include "data/database.h"
#include "data/sqlhelpers.h"

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString &key) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key});
    if (!Sql::exec(query) || !query.next())
        return std::nullopt;
    // A NULL value is present but empty.
    return query.value(0).isNull() ? QString(QLatin1String("")) : query.value(0).toString();
}

QString PreferencesRepository::getValue(const QString &key, const QString &defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString &key, bool defaultValue) const
{
    const std::optional<QString> value = get(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString &key, const QString &value)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) "
                                                  "ON CONFLICT(key) DO UPDATE SET value = excluded.value"),
                                   {key, value});
    if (!Sql::exec(query))
        return false;
    Q_EMIT changed(key);
    return true;
}

void PreferencesRepository::setBool(const QString &key, bool value)
{
    set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void PreferencesRepository::setInt(const QString &key, int value)
{
    set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString &key)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key});
    return Sql::exec(query);
}
