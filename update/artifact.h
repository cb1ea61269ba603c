#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace OrlUpdate {

// One build of the application for one platform, as the manifest lists it.
// The program never downloads it: the dialogs open `url` in the browser.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;
};

} // namespace OrlUpdate

Q_DECLARE_METATYPE(OrlUpdate::Artifact)
