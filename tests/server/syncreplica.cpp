#include "syncreplica.h"

#include <QJsonArray>

#include <algorithm>

const QStringList SyncReplica::Arrays{QStringLiteral("accounts"), QStringLiteral("categories"), QStringLiteral("recurring_transactions"),
                                      QStringLiteral("transactions"), QStringLiteral("reconciliations")};

namespace {

bool isDeleted(const QJsonObject &object)
{
    return !object.value(QStringLiteral("deleted_at")).toString().isEmpty();
}

} // namespace

bool SyncReplica::referencesInPlace(const QString &array, const QJsonObject &object) const
{
    const auto category = [this](const QString &id) { return id.isEmpty() || m_rows.value(QStringLiteral("categories")).contains(id); };
    if (array == QLatin1String("accounts"))
        return true;
    if (array == QLatin1String("categories"))
        return category(object.value(QStringLiteral("parent_id")).toString());
    if (!m_rows.value(QStringLiteral("accounts")).contains(object.value(QStringLiteral("account_id")).toString()))
        return false;
    if (!category(object.value(QStringLiteral("category_id")).toString()))
        return false;
    for (const QJsonValue &line : object.value(QStringLiteral("split_lines")).toArray()) {
        if (!category(line.toObject().value(QStringLiteral("category_id")).toString()))
            return false;
    }
    return true;
}

void SyncReplica::apply(const QJsonObject &page)
{
    for (const QString &array : Arrays) {
        for (const QJsonValue &value : page.value(array).toArray()) {
            const QJsonObject object = value.toObject();
            const QString id = object.value(QStringLiteral("client_id")).toString();
            QHash<QString, QJsonObject> &rows = m_rows[array];
            const auto local = rows.constFind(id);
            if (local == rows.constEnd() && isDeleted(object))
                continue;
            if (local != rows.constEnd()
                && object.value(QStringLiteral("version")).toInteger() < local->value(QStringLiteral("version")).toInteger())
                continue;
            if (!isDeleted(object) && !referencesInPlace(array, object)) {
                m_refused << array + QLatin1Char('/') + id;
                continue;
            }
            rows.insert(id, object);
        }
    }
    if (const QString cursor = page.value(QStringLiteral("cursor")).toString(); !cursor.isEmpty())
        m_cursor = cursor;
    if (page.contains(QStringLiteral("integrity")))
        m_categoryCount = page.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("category_count")).toInt(-1);
    ++m_pages;
}

bool SyncReplica::has(const QString &array, const QString &clientId) const
{
    return m_rows.value(array).contains(clientId);
}

QJsonObject SyncReplica::row(const QString &array, const QString &clientId) const
{
    return m_rows.value(array).value(clientId);
}

bool SyncReplica::isLive(const QString &array, const QString &clientId) const
{
    return has(array, clientId) && !isDeleted(row(array, clientId));
}

QStringList SyncReplica::liveIds(const QString &array) const
{
    QStringList ids;
    const QHash<QString, QJsonObject> rows = m_rows.value(array);
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        if (!isDeleted(it.value()))
            ids << it.key();
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

QStringList SyncReplica::allIds(const QString &array) const
{
    QStringList ids = m_rows.value(array).keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}
