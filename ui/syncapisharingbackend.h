#pragma once

#include "ui/sharingbackend.h"

namespace OrlAccount {

class ApiClient;

// The sharing calls of the sync service over its API client (bearer token,
// refresh and retry included): GET accounts/{id}/members, POST
// accounts/{id}/share and DELETE accounts/{id}/share/{user id}. Every id
// put into a path is percent-encoded, dots included, so no id can reach
// another address. Nothing is kept between calls and nothing is logged.
class SyncApiSharingBackend : public SharingBackend
{
    Q_OBJECT

public:
    // `syncApi` is not owned and must outlive the backend.
    explicit SyncApiSharingBackend(ApiClient *syncApi, QObject *parent = nullptr);

    void listMembers(const QString &accountId, MembersCallback callback) override;
    void shareWith(const QString &accountId, const QString &identifier, const QString &role, ResultCallback callback) override;
    void removeShare(const QString &accountId, const QString &userId, ResultCallback callback) override;

    // One path segment made of `value`.
    static QString segment(const QString &value);

private:
    ApiClient *m_api;
};

} // namespace OrlAccount
