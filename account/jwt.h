#pragma once

#include <QString>

namespace OrlAccount {

// The program's own claims in an access token ("custom" → "orl").
struct OrlClaims
{
    QString group_id;
    QString role;
};

// Tokens are only read here, never verified: the servers check them.
qint64 jwtExpiry(const QString &token);
QString jwtSubject(const QString &token);
OrlClaims parseClaims(const QString &token);

} // namespace OrlAccount
