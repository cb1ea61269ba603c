#include "changevalidator.h"

#include "httpjson.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>
#include <span>

namespace {

enum class Kind {
    Text,        // any string up to MaxTextLength
    Timestamp,   // a string up to 64 characters; SQLite form normalised
    Ref,         // '' or a valid id
    RequiredRef, // a valid id
    Bool,        // JSON boolean, or 0/1
    Int,         // integral JSON number within +-2^53
    SplitLines,  // array of {category_id, amount, memo}
};

struct Field
{
    const char *key;
    Kind kind;
    bool required;
};

// The payload keys per type. "client_id", "server_id" and "version" are
// handled apart: the top-level fields carry them.
constexpr Field AccountFields[] = {
    {"name", Kind::Text, true},
    {"account_type", Kind::Text, true},
    {"currency", Kind::Text, true},
    {"is_shared", Kind::Bool, true},
    {"institution", Kind::Text, true},
    {"account_number_last4", Kind::Text, true},
    {"starting_balance", Kind::Int, true},
    {"sort_order", Kind::Int, true},
    {"created_at", Kind::Timestamp, true},
    {"updated_at", Kind::Timestamp, true},
};

constexpr Field CategoryFields[] = {
    {"name", Kind::Text, true},
    {"category_type", Kind::Text, true},
    {"parent_id", Kind::Ref, true},
    {"is_tax_relevant", Kind::Bool, true},
    {"tax_category", Kind::Text, true},
    {"icon", Kind::Text, true},
    {"color", Kind::Text, true},
    {"is_default", Kind::Bool, true},
    {"account_id", Kind::Ref, true},
    {"created_at", Kind::Timestamp, true},
    {"updated_at", Kind::Timestamp, true},
};

constexpr Field RecurringFields[] = {
    {"account_id", Kind::RequiredRef, true},
    {"payee", Kind::Text, true},
    {"memo", Kind::Text, true},
    {"amount", Kind::Int, true},
    {"category_id", Kind::Ref, true},
    {"transfer_dest_account_id", Kind::Ref, true},
    {"frequency", Kind::Text, true},
    {"start_date", Kind::Timestamp, true},
    {"end_date", Kind::Timestamp, false},
    {"next_due_date", Kind::Timestamp, true},
    {"auto_post", Kind::Bool, true},
    {"lead_days", Kind::Int, true},
    {"is_active", Kind::Bool, true},
    {"created_at", Kind::Timestamp, true},
    {"updated_at", Kind::Timestamp, true},
};

constexpr Field TransactionFields[] = {
    {"account_id", Kind::RequiredRef, true},
    {"date", Kind::Timestamp, true},
    {"payee", Kind::Text, true},
    {"memo", Kind::Text, true},
    {"amount", Kind::Int, true},
    {"category_id", Kind::Ref, true},
    {"check_number", Kind::Text, true},
    {"cleared", Kind::Bool, true},
    {"reconciled", Kind::Bool, true},
    {"transfer_link_id", Kind::Ref, true},
    {"transfer_dest_account_id", Kind::Ref, true},
    {"is_split", Kind::Bool, true},
    {"recurring_id", Kind::Ref, true},
    {"created_at", Kind::Timestamp, true},
    {"updated_at", Kind::Timestamp, true},
    {"split_lines", Kind::SplitLines, false},
};

constexpr Field ReconciliationFields[] = {
    {"account_id", Kind::RequiredRef, true},
    {"statement_date", Kind::Timestamp, true},
    {"statement_balance", Kind::Int, true},
    {"reconciled_balance", Kind::Int, true},
    {"completed_at", Kind::Timestamp, true},
    {"created_at", Kind::Timestamp, true},
    {"updated_at", Kind::Timestamp, true},
};

std::span<const Field> fieldsOf(SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return AccountFields;
    case SyncEntity::Category: return CategoryFields;
    case SyncEntity::Recurring: return RecurringFields;
    case SyncEntity::Transaction: return TransactionFields;
    case SyncEntity::Reconciliation: return ReconciliationFields;
    }
    return {};
}

// Types whose payload carries its own "version" key (checked, then dropped).
bool hasPayloadVersion(SyncEntity entity)
{
    return entity != SyncEntity::Recurring;
}

bool readInteger(const QJsonValue &value, qint64 &out)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number || std::fabs(number) > double(ChangeValidator::MaxInteger))
        return false;
    out = value.toInteger(qint64(number));
    return true;
}

QString keyError(const char *key, const char *what)
{
    return QStringLiteral("\"%1\" %2.").arg(QLatin1String(key), QLatin1String(what));
}

// Checks and normalises one value; on failure returns the message.
QString checkValue(const Field &field, const QJsonValue &value, QJsonValue &normalised)
{
    switch (field.kind) {
    case Kind::Text:
    case Kind::Timestamp: {
        if (!value.isString())
            return keyError(field.key, "must be a string");
        const QString text = value.toString();
        if (text.size() > (field.kind == Kind::Text ? ChangeValidator::MaxTextLength : 64))
            return keyError(field.key, "is too long");
        normalised = field.kind == Kind::Timestamp ? ChangeValidator::normalizedTimestamp(text) : text;
        return {};
    }
    case Kind::Ref:
    case Kind::RequiredRef: {
        if (!value.isString())
            return keyError(field.key, "must be a string");
        const QString id = value.toString();
        if (id.isEmpty() && field.kind == Kind::Ref) {
            normalised = id;
            return {};
        }
        if (!HttpJson::isValidId(id))
            return keyError(field.key, "must be an id of 1 to 64 letters, digits, \"_\" or \"-\"");
        normalised = id;
        return {};
    }
    case Kind::Bool: {
        if (value.isBool()) {
            normalised = value;
            return {};
        }
        qint64 number = 0;
        if (readInteger(value, number) && (number == 0 || number == 1)) {
            normalised = number == 1;
            return {};
        }
        return keyError(field.key, "must be true or false");
    }
    case Kind::Int: {
        qint64 number = 0;
        if (!readInteger(value, number))
            return keyError(field.key, "must be a whole number");
        normalised = number;
        return {};
    }
    case Kind::SplitLines: {
        if (!value.isArray())
            return keyError(field.key, "must be an array");
        const QJsonArray lines = value.toArray();
        if (lines.size() > ChangeValidator::MaxSplitLines)
            return keyError(field.key, "has too many lines");
        static constexpr Field LineFields[] = {
            {"category_id", Kind::RequiredRef, true},
            {"amount", Kind::Int, true},
            {"memo", Kind::Text, true},
        };
        QJsonArray out;
        for (const QJsonValue &line : lines) {
            if (!line.isObject())
                return keyError(field.key, "must hold objects");
            const QJsonObject object = line.toObject();
            QJsonObject kept;
            for (const Field &lineField : LineFields) {
                const QJsonValue part = object.value(QLatin1String(lineField.key));
                if (part.isUndefined())
                    return QStringLiteral("A split line lacks \"%1\".").arg(QLatin1String(lineField.key));
                QJsonValue normalisedPart;
                if (const QString message = checkValue(lineField, part, normalisedPart); !message.isEmpty())
                    return QStringLiteral("In a split line: %1").arg(message);
                kept.insert(QLatin1String(lineField.key), normalisedPart);
            }
            out.append(kept);
        }
        normalised = out;
        return {};
    }
    }
    return keyError(field.key, "is not understood");
}

} // namespace

QString ChangeValidator::typeName(SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return QStringLiteral("account");
    case SyncEntity::Category: return QStringLiteral("category");
    case SyncEntity::Recurring: return QStringLiteral("recurring");
    case SyncEntity::Transaction: return QStringLiteral("transaction");
    case SyncEntity::Reconciliation: return QStringLiteral("reconciliation");
    }
    return {};
}

std::optional<SyncEntity> ChangeValidator::entityFromName(const QString &name)
{
    for (const SyncEntity entity : {SyncEntity::Account, SyncEntity::Category, SyncEntity::Recurring, SyncEntity::Transaction, SyncEntity::Reconciliation}) {
        if (typeName(entity) == name)
            return entity;
    }
    return std::nullopt;
}

QString ChangeValidator::arrayName(SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return QStringLiteral("accounts");
    case SyncEntity::Category: return QStringLiteral("categories");
    case SyncEntity::Recurring: return QStringLiteral("recurring_transactions");
    case SyncEntity::Transaction: return QStringLiteral("transactions");
    case SyncEntity::Reconciliation: return QStringLiteral("reconciliations");
    }
    return {};
}

QString ChangeValidator::normalizedTimestamp(const QString &text)
{
    static const QRegularExpression sqliteForm(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}) (\\d{2}:\\d{2}:\\d{2})$"));
    const auto match = sqliteForm.match(text);
    if (!match.hasMatch())
        return text;
    return match.captured(1) + QLatin1Char('T') + match.captured(2) + QLatin1Char('Z');
}

bool ChangeValidator::validate(const QJsonValue &change, ValidatedChange &out, QString &error)
{
    if (!change.isObject()) {
        error = QStringLiteral("A change must be a JSON object.");
        return false;
    }
    const QJsonObject object = change.toObject();
    const auto entity = entityFromName(object.value(QLatin1String("entity_type")).toString());
    if (!entity) {
        error = QStringLiteral("\"entity_type\" must be account, category, recurring, transaction or reconciliation.");
        return false;
    }
    out.entity = *entity;
    out.clientId = object.value(QLatin1String("entity_id")).toString();
    if (!HttpJson::isValidId(out.clientId)) {
        error = QStringLiteral("\"entity_id\" must be an id of 1 to 64 letters, digits, \"_\" or \"-\".");
        return false;
    }
    const QString action = object.value(QLatin1String("action")).toString();
    if (action != QLatin1String("upsert") && action != QLatin1String("delete")) {
        error = QStringLiteral("\"action\" must be upsert or delete.");
        return false;
    }
    out.deleted = action == QLatin1String("delete");
    if (!readInteger(object.value(QLatin1String("version")), out.version) || out.version < 0) {
        error = QStringLiteral("\"version\" must be a whole number of 0 or more.");
        return false;
    }
    const QJsonValue payloadValue = object.value(QLatin1String("payload"));
    if (!payloadValue.isObject()) {
        error = QStringLiteral("\"payload\" must be a JSON object.");
        return false;
    }
    const QJsonObject payload = payloadValue.toObject();

    const QJsonValue clientId = payload.value(QLatin1String("client_id"));
    if (!clientId.isUndefined() && clientId.toString() != out.clientId) {
        error = QStringLiteral("\"client_id\" differs from \"entity_id\".");
        return false;
    }
    const QJsonValue serverId = payload.value(QLatin1String("server_id"));
    if (!serverId.isUndefined() && !serverId.isString()) {
        error = keyError("server_id", "must be a string");
        return false;
    }
    if (hasPayloadVersion(out.entity)) {
        qint64 ignored = 0;
        const QJsonValue version = payload.value(QLatin1String("version"));
        if (!version.isUndefined() && !readInteger(version, ignored)) {
            error = keyError("version", "must be a whole number");
            return false;
        }
    }

    QJsonObject kept;
    for (const Field &field : fieldsOf(out.entity)) {
        const QJsonValue value = payload.value(QLatin1String(field.key));
        if (value.isUndefined() || (value.isNull() && !field.required)) {
            if (field.required) {
                error = QStringLiteral("The payload lacks \"%1\".").arg(QLatin1String(field.key));
                return false;
            }
            continue;
        }
        QJsonValue normalised;
        if (const QString message = checkValue(field, value, normalised); !message.isEmpty()) {
            error = message;
            return false;
        }
        kept.insert(QLatin1String(field.key), normalised);
    }

    if (out.deleted) {
        const QJsonValue deletedAt = payload.value(QLatin1String("deleted_at"));
        if (!deletedAt.isUndefined() && !deletedAt.isNull()) {
            QJsonValue normalised;
            if (const QString message = checkValue({"deleted_at", Kind::Timestamp, false}, deletedAt, normalised); !message.isEmpty()) {
                error = message;
                return false;
            }
            kept.insert(QLatin1String("deleted_at"), normalised);
        }
    }

    out.categoryRefs.clear();
    switch (out.entity) {
    case SyncEntity::Account:
        out.accountId = out.clientId;
        break;
    case SyncEntity::Category: {
        out.accountId = kept.value(QLatin1String("account_id")).toString();
        const QString parent = kept.value(QLatin1String("parent_id")).toString();
        if (parent == out.clientId) {
            error = QStringLiteral("A category can't be its own parent.");
            return false;
        }
        if (!parent.isEmpty())
            out.categoryRefs << parent;
        break;
    }
    case SyncEntity::Transaction:
        if (kept.value(QLatin1String("is_split")).toBool() && !kept.contains(QLatin1String("split_lines"))) {
            error = QStringLiteral("The payload lacks \"split_lines\" for a split transaction.");
            return false;
        }
        if (!kept.value(QLatin1String("is_split")).toBool())
            kept.remove(QLatin1String("split_lines"));
        for (const QJsonValue &line : kept.value(QLatin1String("split_lines")).toArray())
            out.categoryRefs << line.toObject().value(QLatin1String("category_id")).toString();
        [[fallthrough]];
    case SyncEntity::Recurring:
    case SyncEntity::Reconciliation: {
        out.accountId = kept.value(QLatin1String("account_id")).toString();
        const QString category = kept.value(QLatin1String("category_id")).toString();
        if (!category.isEmpty())
            out.categoryRefs.prepend(category);
        out.categoryRefs.removeDuplicates();
        break;
    }
    }
    out.payload = kept;
    return true;
}
