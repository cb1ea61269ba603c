#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

// Dates are stored as "yyyy-MM-dd" and timestamps as UTC ISO 8601 in whole
// seconds with a "Z" suffix, so SQL can compare and order both as text.

QString nowTimestamp();
QString timestampToText(const QDateTime &timestamp);
QDateTime timestampFromText(const QString &text);
// NULL or empty text is a live row; anything else is the moment of deletion.
std::optional<QDateTime> optionalTimestampFromText(const QString &text);

QString dateToText(const QDate &date);
QDate dateFromText(const QString &text);   // invalid when it cannot be parsed

// The recurring and sync code treat invalid dates and dates before 2000 as broken.
bool isBrokenDate(const QDate &date);

// Binds an empty text as SQL NULL, for the nullable reference columns.
QVariant textOrNull(const QString &text);
