#pragma once

#include <QPointer>
#include <QSqlDatabase>
#include <QString>

class ChangeJournal;

// A scoped database transaction: whatever it covers commits together or not
// at all. It rolls back on destruction unless commit() succeeded.
//
// It is built on SQLite savepoints, so a SqlTransaction opened while another
// is active nests inside it: the inner one's rollback undoes only its own
// work, and nothing is durable until the outermost one commits. All code that
// groups writes uses this class rather than QSqlDatabase::transaction(), which
// cannot nest.
//
// The connection's change journal follows it: what repositories record
// inside is announced once the outermost transaction commits, and dropped
// when this one rolls back.
class SqlTransaction
{
public:
    explicit SqlTransaction(const QSqlDatabase &db = QSqlDatabase::database());
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the savepoint could not be opened; commit() then fails too.
    bool isActive() const { return m_active; }
    // Releases the savepoint; false (and rolled back) when that fails.
    bool commit();
    void rollback();
    // The driver's text of the last failure, for the caller's log line.
    QString errorText() const { return m_error; }

private:
    bool exec(const QString &sql);

    void leaveJournal(bool committed);

    QSqlDatabase m_db;
    QPointer<ChangeJournal> m_journal;
    qsizetype m_journalMark = 0;
    QString m_name;
    QString m_error;
    bool m_active = false;
};
