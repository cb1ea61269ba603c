#include "data/sqltransaction.h"

#include "data/changejournal.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
int g_savepointCounter = 0;
}

SqlTransaction::SqlTransaction(const QSqlDatabase &db)
    : m_db(db)
    , m_name(QStringLiteral("quillby_sp_%1").arg(++g_savepointCounter))
{
    m_active = exec(QStringLiteral("SAVEPOINT %1").arg(m_name));
    if (m_active) {
        m_journal = ChangeJournal::forConnection(m_db);
        if (m_journal)
            m_journalMark = m_journal->enter();
    }
}

SqlTransaction::~SqlTransaction()
{
    if (m_active)
        rollback();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    if (!exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name))) {
        const QString error = m_error;
        rollback();
        m_error = error;
        return false;
    }
    m_active = false;
    leaveJournal(true);
    return true;
}

void SqlTransaction::rollback()
{
    if (!m_active)
        return;
    // ROLLBACK TO keeps the savepoint open; RELEASE then closes it, which for
    // the outermost one ends the (now empty) transaction.
    exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(m_name));
    exec(QStringLiteral("RELEASE SAVEPOINT %1").arg(m_name));
    m_active = false;
    leaveJournal(false);
}

void SqlTransaction::leaveJournal(bool committed)
{
    if (m_journal)
        m_journal->leave(m_journalMark, committed);
    m_journal = nullptr;
}

bool SqlTransaction::exec(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    m_error = query.lastError().text();
    return false;
}
