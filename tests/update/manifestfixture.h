#pragma once

#include "update/platformkey.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Manifests for the tests: one artifact for the platform the tests run on,
// which a test then changes field by field.
namespace ManifestFixture {

inline QString platform()
{
    return OrlUpdate::currentPlatformKey();
}

inline QJsonObject artifact(const QString &version)
{
    return QJsonObject{
        {QStringLiteral("version"), version},
        {QStringLiteral("released_at"), QStringLiteral("2026-12-01T10:00:00Z")},
        {QStringLiteral("url"), QStringLiteral("https://downloads.example.org/quillby-%1.tar.gz").arg(version)},
        {QStringLiteral("size"), 123456},
        {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))},
    };
}

inline QJsonObject manifest(const QJsonObject &artifacts, const QString &channel = QStringLiteral("stable"))
{
    return QJsonObject{
        {QStringLiteral("schema"), 1},
        {QStringLiteral("app"), QStringLiteral("quillby")},
        {QStringLiteral("channel"), channel},
        {QStringLiteral("artifacts"), artifacts},
    };
}

inline QJsonObject manifestFor(const QJsonObject &ours)
{
    return manifest(QJsonObject{{platform(), ours}});
}

inline QByteArray bytes(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace ManifestFixture
