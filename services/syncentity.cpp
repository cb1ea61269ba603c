#include "services/syncentity.h"

#include "data/enums.h"
#include "data/timestamps.h"

#include <QDateTime>
#include <QJsonValue>
#include <QStringList>

namespace {

using Kind = SyncEntity::Kind;

QString textOf(const QJsonValue &value)
{
    return value.isString() ? value.toString() : QString();
}

// "yyyy-MM-dd", or the date part of an ISO 8601 date-time.
QDate syncDate(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid() || (text.size() > 10 && text.at(10) != QLatin1Char('T') && text.at(10) != QLatin1Char(' ')))
        return {};
    return date;
}

} // namespace

const QList<SyncEntity> &SyncEntity::all()
{
    static const QList<SyncEntity> entities = {
        {Type::Account, "account", "accounts", "accounts",
         {{"name", Kind::Text},
          {"account_type", Kind::AccountType},
          {"currency", Kind::Currency},
          {"is_shared", Kind::Boolean},
          {"institution", Kind::Text},
          {"account_number_last4", Kind::Text},
          {"starting_balance", Kind::Integer},
          {"sort_order", Kind::Integer}},
         true, nullptr},
        {Type::Category, "category", "categories", "categories",
         {{"name", Kind::Text},
          {"category_type", Kind::CategoryType},
          {"parent_id", Kind::OptionalText},
          {"is_tax_relevant", Kind::Boolean},
          {"tax_category", Kind::Text},
          {"icon", Kind::Text},
          {"color", Kind::Text},
          {"is_default", Kind::Boolean},
          {"account_id", Kind::OptionalText}},
         true, nullptr},
        {Type::Recurring, "recurring", "recurring_transactions", "recurring_transactions",
         {{"account_id", Kind::Text},
          {"payee", Kind::Text},
          {"memo", Kind::Text},
          {"amount", Kind::Integer},
          {"category_id", Kind::OptionalText},
          {"transfer_dest_account_id", Kind::Text},
          {"frequency", Kind::Frequency},
          {"start_date", Kind::Date},
          {"end_date", Kind::OptionalDate},
          {"next_due_date", Kind::Date},
          {"auto_post", Kind::Boolean},
          {"lead_days", Kind::LeadDays},
          {"is_active", Kind::Boolean}},
         false, "next_due_date"},
        {Type::Transaction, "transaction", "transactions", "transactions",
         {{"account_id", Kind::Text},
          {"date", Kind::Date},
          {"payee", Kind::Text},
          {"memo", Kind::Text},
          {"amount", Kind::Integer},
          {"category_id", Kind::OptionalText},
          {"check_number", Kind::Text},
          {"cleared", Kind::Boolean},
          {"reconciled", Kind::Boolean},
          {"transfer_link_id", Kind::Text},
          {"transfer_dest_account_id", Kind::Text},
          {"is_split", Kind::Boolean},
          {"recurring_id", Kind::Text}},
         true, "date"},
        {Type::Reconciliation, "reconciliation", "reconciliations", "reconciliations",
         {{"account_id", Kind::Text},
          {"statement_date", Kind::Date},
          {"statement_balance", Kind::Integer},
          {"reconciled_balance", Kind::Integer},
          {"completed_at", Kind::Timestamp}},
         true, "statement_date"},
    };
    return entities;
}

const SyncEntity *SyncEntity::byEntityType(const QString &entityType)
{
    for (const SyncEntity &entity : all()) {
        if (entityType == QLatin1String(entity.entityType))
            return &entity;
    }
    return nullptr;
}

int SyncEntity::fieldIndex(const char *key) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (qstrcmp(fields.at(i).key, key) == 0)
            return i;
    }
    return -1;
}

QString SyncEntity::columnList() const
{
    QStringList columns;
    for (const Field &field : fields)
        columns << QLatin1String(field.key);
    return columns.join(QLatin1String(", "));
}

QJsonValue SyncEntity::toJson(Kind kind, const QVariant &stored)
{
    switch (kind) {
    case Kind::Integer:
    case Kind::LeadDays:
        return stored.toLongLong();
    case Kind::Boolean:
        return stored.toLongLong() != 0;
    case Kind::Text:
    case Kind::OptionalText:
    case Kind::Date:
    case Kind::OptionalDate:
    case Kind::Timestamp:
    case Kind::AccountType:
    case Kind::Currency:
    case Kind::CategoryType:
    case Kind::Frequency:
        break;
    }
    if (kind == Kind::CategoryType)
        return categoryTypeToString(categoryTypeFromString(stored.toString()));
    return stored.isNull() ? QString(QLatin1String("")) : stored.toString();
}

std::optional<QVariant> SyncEntity::fromJson(Kind kind, const QJsonObject &object, const char *key,
                                             const QVariant &local)
{
    const QJsonValue value = object.value(QLatin1String(key));
    switch (kind) {
    case Kind::Text:
        return QVariant(value.isString() ? value.toString() : QString(QLatin1String("")));
    case Kind::OptionalText: {
        const QString text = textOf(value);
        return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
    }
    case Kind::Integer:
        if (value.isDouble())
            return QVariant(qint64(value.toDouble()));
        if (value.isString()) {
            bool ok = false;
            const qint64 number = value.toString().toLongLong(&ok);
            return QVariant(ok ? number : qint64(0));
        }
        return QVariant(qint64(0));
    case Kind::LeadDays:
        if (value.isDouble())
            return QVariant(qBound(qint64(0), qint64(value.toDouble()), qint64(366)));
        return local.isValid() ? local : QVariant(qint64(0));
    case Kind::Boolean:
        if (value.isBool())
            return QVariant(value.toBool() ? 1 : 0);
        return QVariant(value.isDouble() && value.toDouble() != 0 ? 1 : 0);
    case Kind::Date: {
        const QDate date = syncDate(textOf(value));
        if (!date.isValid())
            return std::nullopt;
        return QVariant(dateToText(date));
    }
    case Kind::OptionalDate: {
        const QString text = textOf(value);
        if (text.isEmpty())
            return QVariant(QMetaType::fromType<QString>());
        const QDate date = syncDate(text);
        if (!date.isValid())
            return std::nullopt;
        return QVariant(dateToText(date));
    }
    case Kind::Timestamp: {
        const QDateTime timestamp = QDateTime::fromString(textOf(value), Qt::ISODateWithMs);
        if (!timestamp.isValid())
            return std::nullopt;
        return QVariant(timestampToText(timestamp));
    }
    case Kind::AccountType:
        return QVariant(accountTypeToString(accountTypeFromString(textOf(value))));
    case Kind::Currency:
        return QVariant(currencyToString(currencyFromString(textOf(value))));
    case Kind::CategoryType:
        return QVariant(categoryTypeToString(categoryTypeFromString(textOf(value))));
    case Kind::Frequency:
        return QVariant(frequencyToString(frequencyFromString(textOf(value))));
    }
    return std::nullopt;
}
