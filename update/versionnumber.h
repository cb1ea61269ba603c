#pragma once

#include <QString>

namespace OrlUpdate {

// A release number: major, minor and patch, compared in that order. Missing
// minor or patch parts read as 0, so "1.1" is 1.1.0.
struct VersionNumber
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    QString toString() const;
};

// "1", "1.2" or "1.2.3" with decimal parts; anything else ("1.2.3.4",
// "1.2.x", "1.2.3-beta", "") is 0.0.0.
VersionNumber parseVersion(const QString &text);
// True when `text` has the form parseVersion() accepts; the manifest uses
// this to refuse version texts that would silently read as 0.0.0.
bool isVersionText(const QString &text);

bool operator<(const VersionNumber &a, const VersionNumber &b);
bool operator==(const VersionNumber &a, const VersionNumber &b);

} // namespace OrlUpdate
