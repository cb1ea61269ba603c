#include "syncsql.h"

#include "serverlog.h"

#include <QSqlError>

SyncSql::SyncSql(QSqlDatabase db)
    : m_db(std::move(db))
{
}

QSqlQuery *SyncSql::exec(const QString &sql, const QVariantList &values)
{
    auto it = m_queries.find(sql);
    if (it == m_queries.end()) {
        auto prepared = std::make_shared<QSqlQuery>(m_db);
        prepared->setForwardOnly(true);
        if (!prepared->prepare(sql)) {
            m_failed = true;
            ServerLog::error(QStringLiteral("sql_prepare_failed"), {{QStringLiteral("reason"), prepared->lastError().text()}});
            return nullptr;
        }
        it = m_queries.insert(sql, std::move(prepared));
    }
    QSqlQuery &query = *it.value();
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        // Qt binds a null QString as NULL; the columns want ''.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.bindValue(int(i), QStringLiteral(""));
        else
            query.bindValue(int(i), value);
    }
    if (!query.exec()) {
        m_failed = true;
        ServerLog::error(QStringLiteral("sql_failed"), {{QStringLiteral("reason"), query.lastError().text()}});
        return nullptr;
    }
    return &query;
}

QString SyncSql::placeholders(qsizetype n)
{
    QString text;
    text.reserve(n * 3);
    for (qsizetype i = 0; i < n; ++i)
        text += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
    return text;
}
