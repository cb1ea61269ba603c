#pragma once

#include "data/account.h"
#include "services/importservice.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>

// One run of ImportService::importOfx: the statement lines of an analysis
// stored into the accounts their bank and card accounts are mapped to.
//
// A line is a duplicate when its FITID is already in the target account;
// and, as in every import, when a row of the same date, amount and payee
// is, except that two lines which both carry FITIDs are told apart by them:
// two coffees of the same price on one day are two lines of the statement.
class OfxImport
{
public:
    OfxImport(ImportService *service, const QMap<QString, QString> &mapping, const QMap<QString, Account> &newAccounts);

    ImportResult run(const OfxAnalysis &analysis);

private:
    struct AccountState
    {
        int decimals = 2;
        QSet<QString> fitIds;
        QSet<QString> keys;               // every row's duplicate key
        QSet<QString> keysWithoutFitId;   // of the rows that have no FITID
    };

    AccountState &stateFor(const QString &accountId);
    // False when the import has to stop.
    bool store(const OfxTransaction &line);

    ImportService *m_service;
    QDateTime m_now;
    QMap<QString, QString> m_mapping;
    QMap<QString, Account> m_newAccounts;
    QHash<QString, AccountState> m_states;
    ImportResult m_result;
    QString m_abortReason;
};
