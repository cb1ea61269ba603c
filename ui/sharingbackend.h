#pragma once

#include "account/accounttypes.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace OrlAccount {

// One person with access to a shared account, as the sync service lists them.
struct ShareMember
{
    QString id;
    QString user_id;
    QString email;
    QString display_name;
    QString role;
    QString created_at;
};

// What the share dialog asks of the sync service's sharing calls, so the
// dialog knows nothing of how they are made. Every call answers exactly
// once, through its callback, on the GUI thread; a failure carries a text
// for the person (empty when the service gave none). Implementations
// percent-encode every path segment they fill from the ids.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using MembersCallback = std::function<void(bool ok, const QList<ShareMember> &members, const QString &error)>;
    using ResultCallback = std::function<void(bool ok, const QString &error)>;

    explicit SharingBackend(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    virtual void listMembers(const QString &accountId, MembersCallback callback) = 0;
    // `identifier` is a user id or an e-mail address; an empty role is the
    // service's default.
    virtual void shareWith(const QString &accountId, const QString &identifier, const QString &role,
                           ResultCallback callback) = 0;
    virtual void removeShare(const QString &accountId, const QString &userId, ResultCallback callback) = 0;
    // The identifier a family-group member is shared with.
    virtual QString memberShareId(const GroupMember &member) const { return member.account_id; }
};

} // namespace OrlAccount
