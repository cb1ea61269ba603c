#pragma once

#include "data/account.h"
#include "data/transaction.h"
#include "services/importcategories.h"
#include "services/importservice.h"
#include "services/qifparser.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// One run of ImportService::importQif: the pending entries, the per-account
// state and the counters, for the length of one call. Entries are handled
// strictly in file order, which the pairing of transfers and the lookup of
// earlier halves rely on.
class QifImport
{
public:
    QifImport(ImportService *service, const QMap<QString, QString> &mapping, const QMap<QString, Account> &newAccounts);

    ImportResult run(const QStringList &filePaths);

private:
    struct Pending
    {
        QifRecord record;
        QString path;   // its file, the source key when the record names no account
        QString target;
        int partner = -1;
        QString id;
        std::optional<Transaction> inserted;   // kept while its partner is still to come
    };

    struct Candidate
    {
        Transaction transaction;
        bool used = false;
    };

    struct AccountState
    {
        QSet<QString> keys;
        QList<Candidate> candidates;
        // "date|cents|lowercase hint name" to candidate positions, oldest first.
        QHash<QString, QList<int>> byKey;
    };

    // A prepared update of an earlier row that gets linked to the new one.
    struct Link
    {
        QString account;
        int candidate = -1;
        Transaction updated;
    };

    static QString candidateKey(const QDate &date, qint64 amount, const QString &name);

    QString targetForName(const QString &name) const { return m_byName.value(name.toLower()); }
    QString targetForPath(const QString &path) const;
    void setMapping(const QMap<QString, QString> &mapping);
    AccountState &stateFor(const QString &accountId);
    bool readFiles(const QStringList &filePaths);
    void resolveTargets();
    void pairTransfers();
    bool processEntry(int index);
    // The outcome of a transfer without a partner in this import: a link to
    // an earlier row that names this account in its hint, or the hint.
    bool resolveUnpaired(const Pending &entry, Transaction &t, std::optional<Link> &link);
    bool applyLink(const Link &link);
    // A skipped entry leaves its partner without the other half.
    bool partnerSkipped(int index);
    bool insertSplits(const Pending &entry, const Transaction &t);
    bool abort(const QString &reason);

    ImportService *m_service;
    QDateTime m_now;
    ImportCategories m_categories;
    QMap<QString, QString> m_mapping;
    QMap<QString, Account> m_newAccounts;
    QHash<QString, QString> m_byName;                // lowercase source key to target
    QList<QPair<QString, QString>> m_byPath;         // source key to target, for paths
    QList<Pending> m_entries;
    QList<QifCategoryEntry> m_listedCategories;
    QHash<QString, AccountState> m_states;
    ImportResult m_result;
    QString m_abortReason;
};
