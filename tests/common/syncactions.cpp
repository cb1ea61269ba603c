#include "common/syncactions.h"

#include "common/syncinstallation.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/rowstamp.h"
#include "data/splitlinerepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/categoryremoval.h"
#include "services/transactionservice.h"

#include "apitestclient.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>
#include <QSqlRecord>

namespace SyncActions {

namespace {

bool report(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

std::optional<Transaction> liveTransaction(SyncInstallation &at, const QString &id)
{
    std::optional<Transaction> t = at.transactions()->findById(id);
    if (t && t->deletedAt)
        return std::nullopt;
    return t;
}

QString noId(QString *error, const QString &message)
{
    report(error, message);
    return QString();
}

} // namespace

QString addAccount(SyncInstallation &at, const QString &name, QString *error)
{
    if (!at.open())
        return noId(error, QStringLiteral("cannot open"));
    Account account;
    account.name = name;
    const Result<Account> created = at.accountService()->create(account);
    if (!created)
        return noId(error, created.error());
    return created->id;
}

bool renameAccount(SyncInstallation &at, const QString &id, const QString &name, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    const std::optional<Account> account = at.accounts()->findById(id);
    if (!account)
        return report(error, QStringLiteral("no such account"));
    Account changed = *account;
    changed.name = name;
    const Result<Account> edited = at.accountService()->edit(changed);
    return edited ? true : report(error, edited.error());
}

bool removeAccount(SyncInstallation &at, const QString &id, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    const Result<void> removed = at.accountService()->remove(id);
    return removed ? true : report(error, removed.error());
}

QString addCategory(SyncInstallation &at, const QString &name, const QString &parentId, QString *error)
{
    if (!at.open())
        return noId(error, QStringLiteral("cannot open"));
    Category category;
    category.id = newUuid();
    category.name = name;
    category.parentId = parentId;
    RowStamp::fresh(category);
    SqlTransaction work(at.database()->connection());
    if (!work.isActive() || !at.categories()->insert(category) || !work.commit())
        return noId(error, QStringLiteral("the category could not be stored"));
    return category.id;
}

bool renameCategory(SyncInstallation &at, const QString &id, const QString &name, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    std::optional<Category> category = at.categories()->findById(id);
    if (!category || category->deletedAt)
        return report(error, QStringLiteral("no such category"));
    category->name = name;
    RowStamp::touch(*category);
    SqlTransaction work(at.database()->connection());
    if (!work.isActive() || !at.categories()->update(*category) || !work.commit())
        return report(error, QStringLiteral("the category could not be stored"));
    return true;
}

bool removeCategory(SyncInstallation &at, const QString &id, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    const auto removed = at.categoryRemoval()->remove(id);
    return removed ? true : report(error, removed.error());
}

QString addTransaction(SyncInstallation &at, const QString &accountId, qint64 amount, const QString &payee,
                       const QString &categoryId, QString *error)
{
    if (!at.open())
        return noId(error, QStringLiteral("cannot open"));
    TransactionDraft draft;
    draft.accountId = accountId;
    draft.date = QDate(2025, 5, 1);
    draft.payee = payee;
    draft.amount = amount;
    draft.categoryId = categoryId;
    const Result<Transaction> created = at.transactionService()->create(draft);
    if (!created)
        return noId(error, created.error());
    return created->id;
}

QString addTransfer(SyncInstallation &at, const QString &from, const QString &to, qint64 amount, QString *error)
{
    if (!at.open())
        return noId(error, QStringLiteral("cannot open"));
    TransactionDraft draft;
    draft.accountId = from;
    draft.date = QDate(2025, 5, 2);
    draft.amount = amount;
    draft.transferAccountId = to;
    const Result<Transaction> created = at.transactionService()->create(draft);
    if (!created)
        return noId(error, created.error());
    return created->id;
}

bool editTransaction(SyncInstallation &at, const QString &id, const QString &payee, qint64 amount, const QString &memo,
                     QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    const std::optional<Transaction> t = liveTransaction(at, id);
    if (!t)
        return report(error, QStringLiteral("no such transaction"));
    TransactionDraft draft = TransactionDraft::fromTransaction(*t);
    draft.payee = payee;
    draft.memo = memo;
    if (!t->isSplit)
        draft.amount = amount;
    const Result<Transaction> edited = at.transactionService()->edit(id, draft);
    return edited ? true : report(error, edited.error());
}

bool moveTransaction(SyncInstallation &at, const QString &id, const QString &accountId, int serverPort,
                     const QString &accessToken, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    QSqlQuery row(at.database()->connection());
    row.prepare(QStringLiteral("SELECT * FROM transactions WHERE id = ? AND deleted_at IS NULL AND COALESCE(transfer_link_id, '') = ''"));
    row.addBindValue(id);
    if (!row.exec() || !row.next())
        return report(error, QStringLiteral("no such plain transaction"));
    static const QStringList flags{QStringLiteral("cleared"), QStringLiteral("reconciled"), QStringLiteral("is_split")};
    static const QStringList skipped{QStringLiteral("id"), QStringLiteral("sync_status"), QStringLiteral("server_id"),
                                     QStringLiteral("fitid"), QStringLiteral("deleted_at")};
    const QSqlRecord record = row.record();
    QJsonObject payload{{QStringLiteral("client_id"), id}};
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        if (skipped.contains(name))
            continue;
        const QVariant value = record.value(i);
        if (flags.contains(name))
            payload.insert(name, value.toInt() != 0);
        else if (name == QLatin1String("amount") || name == QLatin1String("version"))
            payload.insert(name, value.toLongLong());
        else
            payload.insert(name, value.isNull() ? QString() : value.toString());
    }
    const qint64 version = record.value(QStringLiteral("version")).toLongLong() + 1;
    payload.insert(QStringLiteral("account_id"), accountId);
    payload.insert(QStringLiteral("version"), version);
    if (record.value(QStringLiteral("is_split")).toInt() != 0) {
        QJsonArray lines;
        for (const SplitLine &line : at.splitLines()->findByTransaction(id))
            lines.append(QJsonObject{{QStringLiteral("category_id"), line.categoryId},
                                     {QStringLiteral("amount"), line.amount},
                                     {QStringLiteral("memo"), line.memo}});
        payload.insert(QStringLiteral("split_lines"), lines);
    }
    const QJsonObject change{{QStringLiteral("entity_type"), QStringLiteral("transaction")},
                             {QStringLiteral("entity_id"), id},
                             {QStringLiteral("action"), QStringLiteral("upsert")},
                             {QStringLiteral("version"), version},
                             {QStringLiteral("payload"), payload}};
    ApiTestClient api(serverPort);
    api.setBearer(accessToken);
    const ApiTestClient::Reply reply = api.post(QStringLiteral("/quillby/v1/sync/push"), {{QStringLiteral("changes"), QJsonArray{change}}});
    const QString status = reply.json.value(QStringLiteral("results")).toArray().at(0).toObject().value(QStringLiteral("status")).toString();
    if (reply.status != 200 || status != QLatin1String("ok"))
        return report(error, QStringLiteral("the server refused the move (HTTP %1)").arg(reply.status));
    return true;
}

bool splitTransaction(SyncInstallation &at, const QString &id, const QList<QPair<QString, qint64>> &categoryAmounts,
                      QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    QList<SplitLine> lines;
    for (const auto &[categoryId, amount] : categoryAmounts) {
        SplitLine line;
        line.transactionId = id;
        line.categoryId = categoryId;
        line.amount = amount;
        line.memo = QStringLiteral("part %1").arg(lines.size() + 1);
        lines.append(line);
    }
    const Result<Transaction> split = at.transactionService()->replaceSplitLines(id, lines);
    return split ? true : report(error, split.error());
}

bool removeTransaction(SyncInstallation &at, const QString &id, TransactionSnapshot *before, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    if (before)
        *before = at.transactionService()->capture({id});
    const Result<void> removed = at.transactionService()->remove(id);
    return removed ? true : report(error, removed.error());
}

bool restoreTransaction(SyncInstallation &at, const TransactionSnapshot &snapshot, QString *error)
{
    if (!at.open())
        return report(error, QStringLiteral("cannot open"));
    const Result<void> restored = at.transactionService()->restore(snapshot);
    return restored ? true : report(error, restored.error());
}

QString syncStatus(SyncInstallation &at, const QString &table, const QString &id)
{
    if (!at.open())
        return QString();
    return at.scalar(QStringLiteral("SELECT sync_status FROM %1 WHERE id = ?").arg(table), {id}).toString();
}

int count(SyncInstallation &at, const QString &sql)
{
    if (!at.open())
        return -1;
    const QVariant value = at.scalar(sql);
    return value.isValid() ? value.toInt() : -1;
}

} // namespace SyncActions
