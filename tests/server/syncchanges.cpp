#include "syncchanges.h"

namespace {

const QString Created = QStringLiteral("2026-03-01T09:30:00Z");
const QString Updated = QStringLiteral("2026-03-02T10:00:00Z");

QJsonObject change(const QString &type, const QString &id, qint64 version, QJsonObject payload)
{
    payload.insert(QStringLiteral("client_id"), id);
    payload.insert(QStringLiteral("created_at"), Created);
    payload.insert(QStringLiteral("updated_at"), Updated);
    return {{QStringLiteral("entity_type"), type},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

} // namespace

namespace SyncChanges {

QJsonObject account(const QString &id, const QString &name, qint64 version)
{
    return change(QStringLiteral("account"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("account_type"), QStringLiteral("checking")},
                   {QStringLiteral("currency"), QStringLiteral("EUR")},
                   {QStringLiteral("is_shared"), false},
                   {QStringLiteral("institution"), QStringLiteral("Riverbend Credit Union")},
                   {QStringLiteral("account_number_last4"), QStringLiteral("4521")},
                   {QStringLiteral("starting_balance"), 250000},
                   {QStringLiteral("sort_order"), 0},
                   {QStringLiteral("version"), version}});
}

QJsonObject category(const QString &id, const QString &name, const QString &parentId, qint64 version)
{
    return change(QStringLiteral("category"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                   {QStringLiteral("parent_id"), parentId},
                   {QStringLiteral("is_tax_relevant"), false},
                   {QStringLiteral("tax_category"), QString()},
                   {QStringLiteral("icon"), QStringLiteral("cart")},
                   {QStringLiteral("color"), QStringLiteral("#336699")},
                   {QStringLiteral("is_default"), true},
                   {QStringLiteral("account_id"), QString()},
                   {QStringLiteral("version"), version}});
}

QJsonObject recurring(const QString &id, const QString &accountId, const QString &categoryId, qint64 version)
{
    return change(QStringLiteral("recurring"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("payee"), QStringLiteral("Landlord")},
                   {QStringLiteral("memo"), QStringLiteral("rent")},
                   {QStringLiteral("amount"), -95000},
                   {QStringLiteral("category_id"), categoryId},
                   {QStringLiteral("transfer_dest_account_id"), QString()},
                   {QStringLiteral("frequency"), QStringLiteral("monthly")},
                   {QStringLiteral("start_date"), QStringLiteral("2026-01-01")},
                   {QStringLiteral("end_date"), QStringLiteral("2027-12-01")},
                   {QStringLiteral("next_due_date"), QStringLiteral("2026-04-01")},
                   {QStringLiteral("auto_post"), true},
                   {QStringLiteral("lead_days"), 3},
                   {QStringLiteral("is_active"), true}});
}

QJsonObject transaction(const QString &id, const QString &accountId, const QString &categoryId, qint64 amount, const QString &payee, qint64 version)
{
    return change(QStringLiteral("transaction"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("date"), QStringLiteral("2026-03-01")},
                   {QStringLiteral("payee"), payee},
                   {QStringLiteral("memo"), QStringLiteral("weekly shop")},
                   {QStringLiteral("amount"), amount},
                   {QStringLiteral("category_id"), categoryId},
                   {QStringLiteral("check_number"), QString()},
                   {QStringLiteral("cleared"), true},
                   {QStringLiteral("reconciled"), false},
                   {QStringLiteral("transfer_link_id"), QString()},
                   {QStringLiteral("transfer_dest_account_id"), QString()},
                   {QStringLiteral("is_split"), false},
                   {QStringLiteral("recurring_id"), QString()},
                   {QStringLiteral("version"), version}});
}

QJsonObject splitTransaction(const QString &id, const QString &accountId, const QStringList &lineCategories, qint64 version)
{
    QJsonArray lines;
    for (const QString &category : lineCategories)
        lines.append(QJsonObject{{QStringLiteral("category_id"), category}, {QStringLiteral("amount"), -500}, {QStringLiteral("memo"), category}});
    QJsonObject item = transaction(id, accountId, QString(), -500 * lineCategories.size(), QStringLiteral("Market"), version);
    item = withPayload(item, QStringLiteral("is_split"), true);
    return withPayload(item, QStringLiteral("split_lines"), lines);
}

QJsonObject reconciliation(const QString &id, const QString &accountId, qint64 version)
{
    return change(QStringLiteral("reconciliation"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("statement_date"), QStringLiteral("2026-02-28")},
                   {QStringLiteral("statement_balance"), 123456},
                   {QStringLiteral("reconciled_balance"), 123456},
                   {QStringLiteral("completed_at"), QStringLiteral("2026-03-03T08:00:00Z")},
                   {QStringLiteral("version"), version}});
}

QJsonObject deleted(QJsonObject change)
{
    change.insert(QStringLiteral("action"), QStringLiteral("delete"));
    return withPayload(change, QStringLiteral("deleted_at"), QStringLiteral("2026-03-05T12:00:00Z"));
}

QJsonObject withVersion(QJsonObject change, qint64 version)
{
    change.insert(QStringLiteral("version"), version);
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    if (payload.contains(QStringLiteral("version")))
        payload.insert(QStringLiteral("version"), version);
    change.insert(QStringLiteral("payload"), payload);
    return change;
}

QJsonObject withPayload(QJsonObject change, const QString &key, const QJsonValue &value)
{
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    if (value.isUndefined())
        payload.remove(key);
    else
        payload.insert(key, value);
    change.insert(QStringLiteral("payload"), payload);
    return change;
}

QJsonArray list(std::initializer_list<QJsonObject> changes)
{
    QJsonArray array;
    for (const QJsonObject &item : changes)
        array.append(item);
    return array;
}

} // namespace SyncChanges
