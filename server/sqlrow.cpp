#include "sqlrow.h"

#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

SqlRow::SqlRow(sqlite3_stmt *statement)
    : m_statement(statement)
{
}

SqlRow::SqlRow(QSqlQuery *query)
    : m_query(query)
{
}

QByteArrayView SqlRow::bytes(int column) const
{
    if (m_statement) {
        // The blob accessor hands text over as stored (UTF-8), without the
        // copy a conversion would make.
        const void *data = sqlite3_column_blob(m_statement, column);
        return data ? QByteArrayView(static_cast<const char *>(data), sqlite3_column_bytes(m_statement, column)) : QByteArrayView();
    }
    if (m_converted.size() <= column)
        m_converted.resize(column + 1);
    const QVariant value = m_query->value(column);
    m_converted[column] = value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
    return m_converted.at(column);
}

QString SqlRow::text(int column) const
{
    if (m_statement) {
        // As Qt's driver reads them: NULL is a null text, '' an empty one.
        if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
            return QString();
        const QByteArrayView data = bytes(column);
        return data.isEmpty() ? QString(QLatin1String("")) : QString::fromUtf8(data);
    }
    return m_query->value(column).toString();
}

qint64 SqlRow::integer(int column) const
{
    if (m_statement)
        return sqlite3_column_int64(m_statement, column);
    return m_query->value(column).toLongLong();
}
