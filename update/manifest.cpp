#include "update/manifest.h"

#include "update/addresspolicy.h"
#include "update/versionnumber.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>

namespace OrlUpdate {

namespace {

constexpr int SupportedSchema = 1;

void setError(QString *error, const QString &text)
{
    if (error && error->isEmpty())
        *error = text;
}

QString requiredString(const QJsonObject &object, const QString &key, QString *error)
{
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        setError(error, QStringLiteral("missing or non-string field: %1").arg(key));
        return {};
    }
    return value.toString();
}

QString optionalString(const QJsonObject &object, const QString &key)
{
    return object.value(key).toString();
}

bool isSha256Text(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    return hex.match(text).hasMatch();
}

} // namespace

bool Manifest::isValid() const
{
    return schema == SupportedSchema && !app.isEmpty() && !channel.isEmpty() && !artifacts.isEmpty();
}

Artifact parseArtifact(const QJsonObject &object, const QString &key, QString *error, bool *valid)
{
    QString own;
    Artifact artifact;
    artifact.version = requiredString(object, QStringLiteral("version"), &own);
    const QString releasedAt = requiredString(object, QStringLiteral("released_at"), &own);
    artifact.releasedAt = QDateTime::fromString(releasedAt, Qt::ISODate);
    artifact.url = QUrl(requiredString(object, QStringLiteral("url"), &own), QUrl::StrictMode);
    const QJsonValue size = object.value(QStringLiteral("size"));
    artifact.size = size.isDouble() ? size.toInteger(-1) : -1;
    artifact.sha256 = requiredString(object, QStringLiteral("sha256"), &own);
    artifact.mandatory = object.value(QStringLiteral("mandatory")).toBool(false);
    artifact.minUpgradableFrom = optionalString(object, QStringLiteral("min_upgradable_from"));
    const QString notes = optionalString(object, QStringLiteral("release_notes_url"));
    bool notesOk = true;
    if (!notes.isEmpty()) {
        artifact.releaseNotesUrl = QUrl(notes, QUrl::StrictMode);
        notesOk = isTrustedAddress(artifact.releaseNotesUrl);
    }

    // The address is opened in the browser and the notes are fetched, so
    // both must come over a connection nobody can change on the way.
    const bool ok = own.isEmpty() && isVersionText(artifact.version) && artifact.releasedAt.isValid()
        && isTrustedAddress(artifact.url) && artifact.size > 0 && isSha256Text(artifact.sha256)
        && (artifact.minUpgradableFrom.isEmpty() || isVersionText(artifact.minUpgradableFrom)) && notesOk;
    if (!own.isEmpty())
        setError(error, own);
    else if (!ok)
        setError(error, QStringLiteral("artifact %1 failed validation").arg(key));
    if (valid)
        *valid = ok;
    return artifact;
}

Manifest parseManifest(const QByteArray &bytes, QString *error)
{
    QString first;
    Manifest manifest;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(error, QStringLiteral("JSON parse error: %1").arg(parseError.errorString()));
        return manifest;
    }
    if (!document.isObject()) {
        setError(error, QStringLiteral("manifest root is not a JSON object"));
        return manifest;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QStringLiteral("schema"));
    if (!schema.isDouble()) {
        setError(&first, QStringLiteral("missing or non-integer field: schema"));
    } else {
        // A fractional or huge number is not the schema 1 either.
        const double value = schema.toDouble();
        manifest.schema = value == double(SupportedSchema) ? SupportedSchema : -1;
        if (manifest.schema != SupportedSchema)
            setError(&first, QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                                 .arg(QString::number(value, 'g', 17))
                                 .arg(SupportedSchema));
    }
    manifest.app = requiredString(root, QStringLiteral("app"), &first);
    manifest.channel = requiredString(root, QStringLiteral("channel"), &first);
    if (!first.isEmpty()) {
        setError(error, first);
        return manifest;
    }

    const QJsonValue artifacts = root.value(QStringLiteral("artifacts"));
    if (!artifacts.isObject()) {
        setError(error, QStringLiteral("missing or non-object field: artifacts"));
        return manifest;
    }
    const QJsonObject members = artifacts.toObject();
    for (auto it = members.begin(); it != members.end(); ++it) {
        if (!it.value().isObject())
            setError(&first, QStringLiteral("artifact %1 is not an object").arg(it.key()));
        bool valid = false;
        const Artifact artifact = parseArtifact(it.value().toObject(), it.key(), &first, &valid);
        if (valid)
            manifest.artifacts.insert(it.key(), artifact);
    }

    if (!manifest.isValid()) {
        setError(&first, QStringLiteral("manifest failed validation"));
        setError(error, first);
    }
    return manifest;
}

} // namespace OrlUpdate
