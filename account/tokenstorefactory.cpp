#include "tokenstorefactory.h"

#include "filetokenstore.h"
#include "keychaintokenstore.h"

#include <QDir>
#include <QLoggingCategory>

namespace OrlAccount {

std::unique_ptr<TokenStore> createPlatformTokenStore(const QString &serviceName, const QString &dataDirectory)
{
    // Without a session bus no Secret Service can answer; asking would only
    // wait for the time limit.
    auto keychain = std::make_unique<KeychainTokenStore>(serviceName);
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && keychain->isAvailable()) {
        qInfo("Sign-in tokens are kept in the desktop keyring");
        return keychain;
    }
    qInfo("No desktop keyring answers; sign-in tokens are kept in a file readable by this user only");
    return std::make_unique<FileTokenStore>(QDir(dataDirectory).filePath(QStringLiteral("tokens.json")), serviceName);
}

} // namespace OrlAccount
