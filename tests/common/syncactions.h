#pragma once

#include "services/transactionsnapshot.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

class SyncInstallation;

// What a person does on an installation, through the same services the
// program's screens use; each opens the installation when needed. Functions
// returning an id return an empty one when the service refused, with its
// message in `error` when given.
namespace SyncActions {

QString addAccount(SyncInstallation &at, const QString &name, QString *error = nullptr);
bool renameAccount(SyncInstallation &at, const QString &id, const QString &name, QString *error = nullptr);
bool removeAccount(SyncInstallation &at, const QString &id, QString *error = nullptr);

// Categories have no service of their own for adding and renaming; the
// program's editor stamps and writes them through the repository.
QString addCategory(SyncInstallation &at, const QString &name, const QString &parentId = QString(), QString *error = nullptr);
bool renameCategory(SyncInstallation &at, const QString &id, const QString &name, QString *error = nullptr);
bool removeCategory(SyncInstallation &at, const QString &id, QString *error = nullptr);

QString addTransaction(SyncInstallation &at, const QString &accountId, qint64 amount, const QString &payee,
                       const QString &categoryId = QString(), QString *error = nullptr);
// A transfer of `amount` out of `from` (negative) into `to`; the id of the half in `from`.
QString addTransfer(SyncInstallation &at, const QString &from, const QString &to, qint64 amount, QString *error = nullptr);
bool editTransaction(SyncInstallation &at, const QString &id, const QString &payee, qint64 amount, const QString &memo,
                     QString *error = nullptr);
// The program edits a transaction within its account; a move to another
// account comes from another client of the same data set (a program on
// another platform). This one pushes the installation's copy of the row,
// moved and one version up, straight to the server at `serverPort` with
// that user's token, so the installations learn of it by pulling.
bool moveTransaction(SyncInstallation &at, const QString &id, const QString &accountId, int serverPort,
                     const QString &accessToken, QString *error = nullptr);
bool splitTransaction(SyncInstallation &at, const QString &id, const QList<QPair<QString, qint64>> &categoryAmounts,
                      QString *error = nullptr);
// Deletes and returns what undo would need to bring it back.
bool removeTransaction(SyncInstallation &at, const QString &id, TransactionSnapshot *before = nullptr, QString *error = nullptr);
bool restoreTransaction(SyncInstallation &at, const TransactionSnapshot &snapshot, QString *error = nullptr);

// Whole-table questions.
QString syncStatus(SyncInstallation &at, const QString &table, const QString &id);
int count(SyncInstallation &at, const QString &sql);

} // namespace SyncActions
