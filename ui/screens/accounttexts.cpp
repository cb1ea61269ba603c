#include "ui/screens/accounttexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace OrlAccount {

namespace {

constexpr qsizetype MaxClientNameLength = 60;

} // namespace

QString relativeTime(const QDateTime &time, const QDateTime &now)
{
    if (!time.isValid())
        return QCoreApplication::translate("OrlAccount::AccountScreen", "Unknown");
    const qint64 seconds = time.secsTo(now);
    if (seconds < 60)
        return QCoreApplication::translate("OrlAccount::AccountScreen", "Active now");
    if (seconds < 3600)
        return QCoreApplication::translate("OrlAccount::AccountScreen", "%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return QCoreApplication::translate("OrlAccount::AccountScreen", "%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return QCoreApplication::translate("OrlAccount::AccountScreen", "%1d ago").arg(seconds / 86400);
    return QLocale().toString(time.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

QString sessionClientName(const QString &userAgent)
{
    if (userAgent.isEmpty())
        return QCoreApplication::translate("OrlAccount::AccountScreen", "Unknown client");
    if (userAgent.size() > MaxClientNameLength) {
        // Never half of a surrogate pair at the cut.
        const qsizetype cut = userAgent.at(MaxClientNameLength - 1).isHighSurrogate() ? MaxClientNameLength - 1 : MaxClientNameLength;
        return userAgent.left(cut) + QStringLiteral("...");
    }
    return userAgent;
}

} // namespace OrlAccount
