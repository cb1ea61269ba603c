#pragma once

#include <QList>
#include <QString>

#include <optional>

class SyncSql;

// One account shared with one member. A share that ended keeps its row
// (revokedAt set) so the member's installations can be told to drop the
// account; sharing again makes it live under a new stream id.
struct AccountShare
{
    QString ownerId;
    QString accountId;
    QString memberId;
    QString role;
    QString streamId;
    qint64 createdAt = 0;
    qint64 revokedAt = 0; // 0: live
    bool wasRevoked = false;

    bool isLive() const { return revokedAt == 0; }
};

// The account_shares table, on the statements of the caller's request.
class ShareStore
{
public:
    explicit ShareStore(SyncSql &sql);

    // Every share, live or ended, whose member is the user, oldest first.
    QList<AccountShare> sharesForMember(const QString &memberId);
    // Live shares of the owner's account, oldest first.
    QList<AccountShare> liveSharesOf(const QString &ownerId, const QString &accountId);
    std::optional<AccountShare> find(const QString &ownerId, const QString &accountId, const QString &memberId);

    // Makes the share live (new, or again after it ended) and returns it;
    // a share already live is returned unchanged.
    std::optional<AccountShare> share(const QString &ownerId, const QString &accountId, const QString &memberId, const QString &role, qint64 now);
    bool revoke(const QString &ownerId, const QString &accountId, const QString &memberId, qint64 now);

private:
    QList<AccountShare> read(const QString &where, const QVariantList &values);

    SyncSql &m_sql;
};
