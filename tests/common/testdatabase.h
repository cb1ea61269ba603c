#pragma once

#include "data/database.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

// A fresh database file in its own temporary folder, migrated to the current
// schema, for one test function. Construct it in init(), drop it in cleanup().
class TestDatabase
{
public:
    // `connectionName`: empty for the program's default connection; another
    // name opens a second file beside it (two installations in one test).
    explicit TestDatabase(bool migrate = true, const QString &connectionName = QString());
    ~TestDatabase();

    Database *database() const { return m_database.get(); }
    QString path() const;
    QString folder() const { return m_dir.path(); }

    // Runs one statement and returns its first column of the first row;
    // fails the test when the statement fails.
    QVariant scalar(const QString &sql, const QVariantList &binds = {}) const;
    bool exec(const QString &sql, const QVariantList &binds = {}) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
};
