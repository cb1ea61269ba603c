#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class ChangeJournal;

// Owns the program's single SQLite connection (Qt's default connection, so
// QSqlDatabase::database() reaches it too) and brings its schema up to date
// from the migration scripts compiled into the resources.
//
// It refuses to touch a file that is not an SQLite database or that SQLite
// can open only read-only: the user's data is left exactly as it was and the
// caller reports the failure.
class Database : public QObject
{
    Q_OBJECT

public:
    struct Migration
    {
        int version;
        QString name;
        QString resource;
    };

    explicit Database(QObject *parent = nullptr);
    // A connection of another name: several files open side by side, as two
    // installations in one test process. The program uses the default one.
    explicit Database(const QString &connectionName, QObject *parent = nullptr);
    ~Database() override;

    bool open(const QString &path);
    bool runMigrations();
    QSqlDatabase connection() const { return m_db; }
    bool isOpen() const { return m_open; }
    // What repositories change on the connection, announced after commit.
    ChangeJournal *changes() const { return m_changes; }

    static const QList<Migration> &migrations();
    // The version recorded in schema_version, 0 for a new file, -1 on failure.
    int schemaVersion() const;

Q_SIGNALS:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

protected:
    // Applies one migration in one transaction, so a failure leaves the file
    // at the last version. Tests feed it scripts of their own.
    bool applyMigration(int version, const QString &name, const QString &script);

private:
    QString m_connectionName;
    QSqlDatabase m_db;
    ChangeJournal *m_changes = nullptr;
    bool m_open = false;
};
