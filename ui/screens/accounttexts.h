#pragma once

#include <QDateTime>
#include <QString>

// Texts the account screen builds from what the services answer.
namespace OrlAccount {

// How long ago something happened, for devices and sessions: "Active now"
// under a minute (and for times ahead of `now`), then minutes, hours and
// days ago, and from a week on the local date. An invalid time is "Unknown".
QString relativeTime(const QDateTime &time, const QDateTime &now = QDateTime::currentDateTimeUtc());

// The user agent as a session's name: at most 60 characters and "...",
// "Unknown client" when empty.
QString sessionClientName(const QString &userAgent);

} // namespace OrlAccount
