#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

// Where a user's installation stands in the streams it pulls: its own data
// set, one stream per account shared with it, and one per share that ended
// while the installation still had the account (the removal is delivered
// from there). Each holds the last change number delivered. Installations
// see it only as an opaque text: base64url of a small JSON object.
struct PullCursor
{
    static constexpr int MaxTextLength = 16 * 1024;

    QString userId;
    qint64 own = 0;
    QMap<QString, qint64> shared;  // stream id -> last number
    QMap<QString, qint64> removals; // stream id of an ended share -> last number

    QString encode() const;
    // An empty text is the start. A cursor of another user also starts
    // over (an installation signed in as someone else). Nothing for a text
    // that is not a cursor.
    static std::optional<PullCursor> decode(const QString &text, const QString &userId);
};
