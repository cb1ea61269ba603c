#pragma once

#include <QString>

namespace OrlAccount {

// What the application tells the online-account library.
struct ClientConfig
{
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    QString platform; // empty: detect
    QString accountPortalUrl;
};

} // namespace OrlAccount
