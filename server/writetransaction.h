#pragma once

#include <QSqlDatabase>

class Storage;

// One write transaction on this thread's connection; rolls back unless
// committed. On SQLite it takes the write lock at the start (BEGIN IMMEDIATE),
// so two writers never deadlock upgrading their read locks.
class WriteTransaction
{
public:
    WriteTransaction(Storage &storage, QSqlDatabase db);
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    ~WriteTransaction();

    bool isOpen() const { return m_open; }
    bool commit();

private:
    QSqlDatabase m_db;
    bool m_sqlite = true;
    bool m_open = false;
};
