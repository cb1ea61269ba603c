#include "ui/syncapisharingbackend.h"

#include "account/apiclient.h"

#include <QJsonArray>
#include <QUrl>

namespace OrlAccount {

namespace {

// The service's own words when it gave any, else the status.
QString failureText(int status, const QJsonObject &body, const char *fallback)
{
    const QString error = body.value(QLatin1String("error")).toString();
    if (!error.isEmpty())
        return error;
    return SyncApiSharingBackend::tr(fallback).arg(status);
}

} // namespace

SyncApiSharingBackend::SyncApiSharingBackend(ApiClient *syncApi, QObject *parent)
    : SharingBackend(parent)
    , m_api(syncApi)
{
}

QString SyncApiSharingBackend::segment(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArray(), QByteArrayLiteral(".~")));
}

void SyncApiSharingBackend::listMembers(const QString &accountId, MembersCallback callback)
{
    m_api->get(QStringLiteral("/accounts/%1/members").arg(segment(accountId)),
               [callback = std::move(callback)](bool ok, int status, const QJsonObject &body) {
                   QList<ShareMember> members;
                   if (ok) {
                       const QJsonArray array = body.value(QLatin1String("members")).toArray();
                       for (const QJsonValue &value : array) {
                           const QJsonObject object = value.toObject();
                           ShareMember member;
                           member.user_id = object.value(QLatin1String("user_id")).toString();
                           member.id = member.user_id;
                           member.email = object.value(QLatin1String("email")).toString();
                           member.display_name = object.value(QLatin1String("display_name")).toString();
                           member.role = object.value(QLatin1String("role")).toString();
                           member.created_at = object.value(QLatin1String("created_at")).toString();
                           members.append(member);
                       }
                   }
                   if (callback)
                       callback(ok, members, ok ? QString() : failureText(status, body, QT_TR_NOOP("Failed to load the members (HTTP %1)")));
               });
}

void SyncApiSharingBackend::shareWith(const QString &accountId, const QString &identifier, const QString &role,
                                      ResultCallback callback)
{
    QJsonObject body{{QStringLiteral("user_id"), identifier},
                     {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role}};
    if (identifier.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), identifier);
    m_api->post(QStringLiteral("/accounts/%1/share").arg(segment(accountId)), body,
                [callback = std::move(callback)](bool ok, int status, const QJsonObject &answer) {
                    if (callback)
                        callback(ok, ok ? QString() : failureText(status, answer, QT_TR_NOOP("Failed to share account (HTTP %1)")));
                });
}

void SyncApiSharingBackend::removeShare(const QString &accountId, const QString &userId, ResultCallback callback)
{
    m_api->del(QStringLiteral("/accounts/%1/share/%2").arg(segment(accountId), segment(userId)),
               [callback = std::move(callback)](bool ok, int status, const QJsonObject &answer) {
                   if (callback)
                       callback(ok, ok ? QString() : failureText(status, answer, QT_TR_NOOP("Failed to remove access (HTTP %1)")));
               });
}

} // namespace OrlAccount
