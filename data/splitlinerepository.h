#pragma once

#include "data/splitline.h"

#include <QList>
#include <QObject>
#include <QString>

class Database;

// Reads and writes the split_lines table. Callers replace a transaction's
// lines by deleting them all and inserting the new set, inside their own
// SqlTransaction. It announces nothing; the transaction's own change does.
class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    // In the database's order; empty when the query fails.
    QList<SplitLine> findByTransaction(const QString &transactionId) const;
    bool insert(const SplitLine &line);
    // True when the statement ran, whether or not there were lines.
    bool deleteByTransaction(const QString &transactionId);

private:
    Database *m_database;
};
