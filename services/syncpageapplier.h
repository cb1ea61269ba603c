#pragma once

#include <QJsonObject>
#include <QString>

class Database;

// Writes one pulled page into the local tables, with the page's cursor, in
// one transaction whose foreign keys are checked at the commit: either the
// whole page and its cursor are stored or nothing is, and the next pull asks
// for the same page again.
//
// Pulled rows are written by these statements, never through the
// repositories' stamped writes: they keep the pulled version, times and
// deletion time, and are marked synced, so nothing pulled is pushed back.
// A row waiting to be pushed here is left alone; it goes with the next push
// and wins there as the later change, so nothing typed is lost. Otherwise a
// pulled row replaces the local one unless the local one is newer, moving a
// transaction to another account, undeleting or deleting as it says, and
// bringing the split lines with it. Deleted rows unknown here are stored as
// deleted, so rows that refer to them stay valid.
class SyncPageApplier
{
public:
    struct Outcome
    {
        bool ok = false;
        QString error;   // why the page was not stored
        int written = 0; // rows inserted or replaced
        int kept = 0;    // pulled rows not taken (a local pending or newer row)
        int skipped = 0; // pulled rows that can't be stored (broken dates)
    };

    explicit SyncPageApplier(Database &database);

    // `cursor`: stored under "syncCursor" with the page when not empty.
    Outcome apply(const QJsonObject &page, const QString &cursor);

private:
    Database &m_database;
};
