#pragma once

#include "update/artifact.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

namespace OrlUpdate {

// The channel's "latest.json": which build is current for each platform.
// Read strictly, since it comes from the network: the first error found is
// kept, and an artifact that fails its checks is left out.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QHash<QString, Artifact> artifacts;

    bool isValid() const;
};

// Parses a manifest; `error` receives the first problem found (empty when
// none). A manifest is usable when isValid(), even if one of several
// artifacts was refused.
Manifest parseManifest(const QByteArray &bytes, QString *error);
// Reads one artifact object; when it fails a check and `error` is still
// empty, `error` becomes "artifact <key> failed validation" (or the first
// missing field). `valid` tells whether the artifact passed.
Artifact parseArtifact(const QJsonObject &object, const QString &key, QString *error, bool *valid);

} // namespace OrlUpdate
