#include "writetransaction.h"

#include "storage.h"

#include <QSqlQuery>

WriteTransaction::WriteTransaction(Storage &storage, QSqlDatabase db)
    : m_db(std::move(db))
    , m_sqlite(!storage.isPostgres())
{
    if (!m_db.isOpen())
        return;
    if (m_sqlite) {
        QSqlQuery query(m_db);
        m_open = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_open = m_db.transaction();
    }
}

WriteTransaction::~WriteTransaction()
{
    if (!m_open)
        return;
    if (m_sqlite) {
        QSqlQuery query(m_db);
        query.exec(QStringLiteral("ROLLBACK"));
    } else {
        m_db.rollback();
    }
}

bool WriteTransaction::commit()
{
    if (!m_open)
        return false;
    bool committed = false;
    if (m_sqlite) {
        QSqlQuery query(m_db);
        committed = query.exec(QStringLiteral("COMMIT"));
    } else {
        committed = m_db.commit();
    }
    if (committed)
        m_open = false;
    return committed;
}
