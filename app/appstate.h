#pragma once

#include <QObject>
#include <QString>

class Database;

// The one application-wide state object: it owns the database and every
// repository and service for the life of the process, in creation order, and
// remembers the account the user is looking at. Screens reach data through it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // Opens the database in the data directory and builds everything over it.
    // False when the database cannot be opened or a migration fails.
    bool initialize();

    Database *database() const { return m_database; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &id);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    Database *m_database = nullptr;
    QString m_currentAccountId;
};
