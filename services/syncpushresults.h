#pragma once

#include <QHash>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QString>

// Takes the service's answers to one pushed batch into the local rows. A row
// is marked synced only when it is still the version that was sent: one
// edited while its push was on the way stays pending and goes with the next
// sync. The version the service stored is taken over, so a later pull of
// the same change is recognised and not written again. Answers for rows
// that were not in the batch are ignored; rows without an answer, or with a
// refusal, stay pending.
class SyncPushResults
{
public:
    struct Outcome
    {
        int accepted = 0;
        int refused = 0;
        bool stored = true; // false when the marks could not be written
    };

    // `sent`: "entity_type/entity_id" → version sent, from SyncPushReader.
    static Outcome apply(const QSqlDatabase &db, const QJsonArray &results, const QHash<QString, qint64> &sent);
};
