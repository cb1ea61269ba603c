#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Change items as installations push them, with every payload key of their
// type. Ids are the rows' ids on the installation.
namespace SyncChanges {

QJsonObject account(const QString &id, const QString &name = QStringLiteral("Checking"), qint64 version = 1);
QJsonObject category(const QString &id, const QString &name, const QString &parentId = {}, qint64 version = 1);
QJsonObject recurring(const QString &id, const QString &accountId, const QString &categoryId, qint64 version = 1);
QJsonObject transaction(const QString &id, const QString &accountId, const QString &categoryId, qint64 amount = -1250,
                        const QString &payee = QStringLiteral("Corner Shop"), qint64 version = 1);
QJsonObject splitTransaction(const QString &id, const QString &accountId, const QStringList &lineCategories, qint64 version = 1);
QJsonObject reconciliation(const QString &id, const QString &accountId, qint64 version = 1);

// The same change as a delete (with "deleted_at"), or with another version
// or payload value.
QJsonObject deleted(QJsonObject change);
QJsonObject withVersion(QJsonObject change, qint64 version);
QJsonObject withPayload(QJsonObject change, const QString &key, const QJsonValue &value);

QJsonArray list(std::initializer_list<QJsonObject> changes);

} // namespace SyncChanges
