#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

// The five kinds of synced rows, in the order installations apply them.
enum class SyncEntity { Account, Category, Recurring, Transaction, Reconciliation };

// One change of a push after checking: what the store keeps of it.
struct ValidatedChange
{
    SyncEntity entity = SyncEntity::Account;
    QString clientId;
    bool deleted = false;
    qint64 version = 0;
    // The row's account: an account's own id, '' for a category without one.
    QString accountId;
    // Categories the row refers to: its category and split line categories,
    // or a category's parent.
    QStringList categoryRefs;
    // The payload keys of the type, normalised (booleans as booleans,
    // SQLite-style timestamps as ISO 8601), without client_id, server_id and
    // version; deleted_at only when the change deletes.
    QJsonObject payload;
};

// Checks one element of a push's "changes" against the keys and types its
// entity type carries. Unknown keys are dropped; a missing or mistyped key,
// an id that is not 1-64 of A-Z a-z 0-9 _ -, or an oversized value refuses
// the change with a message for its result. It does not look at the
// database: ownership and sharing are the push's business.
class ChangeValidator
{
public:
    static constexpr int MaxTextLength = 4000;
    static constexpr int MaxSplitLines = 500;
    static constexpr qint64 MaxInteger = 9007199254740991LL; // 2^53 - 1, exact in every JSON reader

    static bool validate(const QJsonValue &change, ValidatedChange &out, QString &error);

    // "account", "category", "recurring", "transaction", "reconciliation".
    static QString typeName(SyncEntity entity);
    static std::optional<SyncEntity> entityFromName(const QString &name);
    // The pull array of the type ("accounts", ..., "recurring_transactions").
    static QString arrayName(SyncEntity entity);

    // "yyyy-MM-dd HH:MM:SS" (SQLite's form) as "yyyy-MM-ddTHH:MM:SSZ";
    // anything else unchanged.
    static QString normalizedTimestamp(const QString &text);
};
