#pragma once

#include <QHash>
#include <QString>

class Database;

// Reads and writes the bank's own ids of imported transactions (the OFX
// FITID kept in transactions.fitid). Only an import writes them, inside its
// own database transaction, right after it stored the row. They are a local
// fact of this installation: nothing else reads them, sync never sends them,
// and changing one announces nothing.
class ImportIdRepository
{
public:
    explicit ImportIdRepository(Database *database);

    // Transaction id to import id of the live transactions of the account
    // that have one. Empty when the read failed.
    QHash<QString, QString> findByAccount(const QString &accountId) const;
    bool set(const QString &transactionId, const QString &importId);

private:
    Database *m_database;
};
