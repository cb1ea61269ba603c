#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

struct sqlite3_stmt;
class QSqlQuery;

// The current row of a statement run by SyncSql::select(), read column by
// column: straight from SQLite's statement, or through Qt's query on
// PostgreSQL. Valid only while the visitor it is handed to runs.
class SqlRow
{
public:
    explicit SqlRow(sqlite3_stmt *statement);
    explicit SqlRow(QSqlQuery *query);

    // The column's text as UTF-8 (or its bytes); empty for NULL. The view
    // lasts until the visitor returns.
    QByteArrayView bytes(int column) const;
    QString text(int column) const;
    qint64 integer(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
    QSqlQuery *m_query = nullptr;
    mutable QList<QByteArray> m_converted; // PostgreSQL: the columns bytes() was asked for
};
