#include "update/versionnumber.h"

#include <QStringList>

#include <tuple>

namespace OrlUpdate {

namespace {

// Parses into `out`; false when the text is not one to three decimal parts.
bool parseParts(const QString &text, VersionNumber &out)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 3)
        return false;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        // toInt alone would take "+1" and " 1"; a version part is digits only.
        if (part.isEmpty() || part.size() > 9)
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        values[i] = part.toInt();
    }
    out = {values[0], values[1], values[2]};
    return true;
}

} // namespace

QString VersionNumber::toString() const
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

VersionNumber parseVersion(const QString &text)
{
    VersionNumber version;
    if (!parseParts(text, version))
        return {};
    return version;
}

bool isVersionText(const QString &text)
{
    VersionNumber ignored;
    return parseParts(text, ignored);
}

bool operator<(const VersionNumber &a, const VersionNumber &b)
{
    return std::tie(a.major, a.minor, a.patch) < std::tie(b.major, b.minor, b.patch);
}

bool operator==(const VersionNumber &a, const VersionNumber &b)
{
    return std::tie(a.major, a.minor, a.patch) == std::tie(b.major, b.minor, b.patch);
}

} // namespace OrlUpdate
