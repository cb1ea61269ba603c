#include "ui/screens/accounttexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace OrlAccount {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("OrlAccount::AccountScreen", text);
}

constexpr qsizetype MaxClientNameLength = 60;

} // namespace

QString relativeTime(const QDateTime &time, const QDateTime &now)
{
    if (!time.isValid())
        return tr("Unknown");
    const qint64 seconds = time.secsTo(now);
    if (seconds < 60)
        return tr("Active now");
    if (seconds < 3600)
        return tr("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return tr("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return tr("%1d ago").arg(seconds / 86400);
    return QLocale().toString(time.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

QString sessionClientName(const QString &userAgent)
{
    if (userAgent.isEmpty())
        return tr("Unknown client");
    if (userAgent.size() > MaxClientNameLength) {
        // Never half of a surrogate pair at the cut.
        const qsizetype cut = userAgent.at(MaxClientNameLength - 1).isHighSurrogate() ? MaxClientNameLength - 1 : MaxClientNameLength;
        return userAgent.left(cut) + QStringLiteral("...");
    }
    return userAgent;
}

} // namespace OrlAccount
