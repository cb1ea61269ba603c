#include "data/timestamps.h"
#include "data/clock.h"

QString nowTimestamp()
{
    return timestampToText(Clock::now());
}

QString timestampToText(const QDateTime &timestamp)
{
    if (!timestamp.isValid())
        return QString();
    return timestamp.toUTC().toString(Qt::ISODate);
}

QDateTime timestampFromText(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODate);
}

std::optional<QDateTime> optionalTimestampFromText(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return timestampFromText(text);
}

QString dateToText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

bool isBrokenDate(const QDate &date)
{
    return !date.isValid() || date < QDate(2000, 1, 1);
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}
