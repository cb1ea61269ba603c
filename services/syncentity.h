#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// How one synced table meets the wire: its entity type in pushed changes,
// its array in pulled pages, and each payload field with the column it is
// stored in and how its value is read and written. Push and pull work from
// this one description, so a field is never sent under one name and read
// back under another.
struct SyncEntity
{
    enum class Kind {
        Text,         // NOT NULL text; absent is ""
        OptionalText, // nullable text; "" is stored as NULL (references)
        Integer,
        Boolean,      // JSON boolean, or an integer (non-zero is true)
        Date,         // required "yyyy-MM-dd"; an ISO date-time gives its date
        OptionalDate, // "" is stored as NULL, and the key is left out when pushed
        Timestamp,    // required ISO 8601 date-time
        AccountType,
        Currency,
        CategoryType,
        Frequency,
        LeadDays,     // an absent key keeps the local value
    };

    struct Field
    {
        const char *key;
        Kind kind;
    };

    enum class Type { Account, Category, Recurring, Transaction, Reconciliation };

    Type type;
    const char *entityType; // "account", …
    const char *table;
    const char *array;      // key of the pulled page's array
    QList<Field> fields;    // payload fields besides the bookkeeping ones
    bool versionInPayload;
    // The date whose absence or age before 2000 makes a pulled row broken.
    const char *checkedDate;

    // In push order: parents before the rows that refer to them.
    static const QList<SyncEntity> &all();
    static const SyncEntity *byEntityType(const QString &entityType);

    // The position of the field with this key in `fields`, -1 when none.
    int fieldIndex(const char *key) const;

    // The comma-separated column list of the fields, for SELECT and INSERT.
    QString columnList() const;

    // The payload value of a stored column.
    static QJsonValue toJson(Kind kind, const QVariant &stored);
    // The column value of a pulled field; empty when the value can't be
    // stored (a broken date or timestamp). `local` is the stored value of a
    // row being updated, for kinds that keep it when the key is absent.
    static std::optional<QVariant> fromJson(Kind kind, const QJsonObject &object, const char *key,
                                            const QVariant &local = {});
};
