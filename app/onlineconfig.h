#pragma once

#include "account/clientconfig.h"

#include <QString>

// Where the online services are: each address from its environment variable
// when set (non-empty), else the default. The defaults point at a
// quillby-server on this machine (scripts/run-server.sh), since a household
// runs its own services; a family server elsewhere is chosen with the
// variables.
struct OnlineConfig
{
    static constexpr const char *DefaultServer = "http://127.0.0.1:8640";
    static constexpr const char *AppId = "org.orlindo.quillby";
    static constexpr const char *DefaultClientId = "5f0c8a1e3b7d4c2a9e6f1b8d0a3c5e7f";

    QString authBaseUrl;
    QString accountApiUrl;
    QString syncApiUrl;
    OrlAccount::ClientConfig client;

    static OnlineConfig fromEnvironment(const QString &appVersion);
};
