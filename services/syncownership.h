#pragma once

#include "data/result.h"

#include <QObject>
#include <QString>

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Whose online data set this file belongs to. The first account that signs
// in takes the file; when another account signs in later, nothing of this
// file reaches it until the person chooses to upload the file there.
class SyncOwnership : public QObject
{
    Q_OBJECT

public:
    enum class SignIn { Adopted, SameOwner, OtherOwner };

    struct Repositories
    {
        AccountRepository *accounts = nullptr;
        CategoryRepository *categories = nullptr;
        TransactionRepository *transactions = nullptr;
        RecurringRepository *recurring = nullptr;
        ReconciliationRepository *reconciliations = nullptr;
    };

    SyncOwnership(Database *database, PreferencesRepository *preferences, Repositories repositories, QObject *parent = nullptr);

    // The user id the file syncs with; empty before the first sign-in.
    QString ownerId() const;
    // Records the signed-in user: takes the file when it has no owner yet.
    SignIn noteSignIn(const QString &userId);
    bool maySyncAs(const QString &userId) const;

    // Makes `userId` the owner and marks every live row for upload; the next
    // pull starts from the beginning of the new account's data. All or nothing.
    Result<void> handOver(const QString &userId);

    static constexpr const char *OwnerKey = "syncUserId";

private:
    Database *m_database;
    PreferencesRepository *m_preferences;
    Repositories m_repositories;
};
