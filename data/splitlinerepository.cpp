#include "data/splitlinerepository.h"

#include "data/database.h"
#include "data/sqlhelpers.h"
#include "data/timestamps.h"

#include <QDebug>
#include <QSqlQuery>

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<SplitLine> SplitLineRepository::findByTransaction(const QString &transactionId) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, "
                                                  "created_at, updated_at FROM split_lines WHERE "
                                                  "transaction_id = ?"),
                                   {transactionId});
    QList<SplitLine> lines;
    if (!Sql::exec(query))
        return lines;
    while (query.next()) {
        SplitLine &line = lines.emplace_back();
        line.id = query.value(0).toString();
        line.transactionId = query.value(1).toString();
        line.categoryId = query.value(2).toString();
        line.amount = query.value(3).toLongLong();
        line.memo = query.value(4).toString();
        line.createdAt = timestampFromText(query.value(5).toString());
        line.updatedAt = timestampFromText(query.value(6).toString());
    }
    return lines;
}

bool SplitLineRepository::insert(const SplitLine &line)
{
    // SQLite accepts NULL in a text primary key; such a line could never be
    // told apart from another.
    if (line.id.isEmpty()) {
        qWarning().noquote() << "SplitLineRepository::insert failed:" << "the split line has no id";
        return false;
    }
    // The memo is written as '' when empty; a missing category stays NULL and
    // is refused by the table, like one that names no category.
    const QVariant memo = line.memo.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(line.memo);
    return Sql::execCached(m_database->connection(),
                           QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                                          "memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           {line.id, line.transactionId, line.categoryId, QVariant(line.amount), memo,
                            timestampToText(line.createdAt), timestampToText(line.updatedAt)},
                           "SplitLineRepository::insert");
}

bool SplitLineRepository::deleteByTransaction(const QString &transactionId)
{
    QSqlQuery query = Sql::prepare(m_database->connection(),
                                   QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                                   {transactionId});
    return Sql::exec(query);
}
