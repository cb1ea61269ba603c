#include "data/changejournal.h"

#include <QHash>
#include <QTimer>

namespace {

QHash<QString, ChangeJournal *> &journals()
{
    static QHash<QString, ChangeJournal *> byConnection;
    return byConnection;
}

} // namespace

ChangeJournal::ChangeJournal(const QString &connectionName, QObject *parent)
    : QObject(parent)
    , m_connectionName(connectionName)
{
    journals().insert(m_connectionName, this);
}

ChangeJournal::~ChangeJournal()
{
    if (journals().value(m_connectionName) == this)
        journals().remove(m_connectionName);
}

ChangeJournal *ChangeJournal::forConnection(const QSqlDatabase &connection)
{
    return journals().value(connection.connectionName());
}

void ChangeJournal::record(ChangeSet::Entity entity, const QString &id)
{
    append({entity, id, QString(), std::nullopt});
}

void ChangeJournal::recordTransaction(const QString &id, const QString &accountId,
                                      std::optional<qint64> balanceDelta)
{
    append({ChangeSet::Entity::Transaction, id.isEmpty() ? QString() : id, accountId, balanceDelta});
}

void ChangeJournal::append(Entry entry)
{
    m_entries.append(std::move(entry));
    if (m_depth == 0)
        announce();
}

qsizetype ChangeJournal::enter()
{
    ++m_depth;
    return m_entries.size();
}

void ChangeJournal::leave(qsizetype mark, bool committed)
{
    if (m_depth == 0)
        return;
    if (!committed && mark < m_entries.size())
        m_entries.resize(mark);
    if (--m_depth > 0)
        return;
    announce();
    // Deferred writers start only from the event loop, after every listener
    // of this commit has run.
    const auto work = std::exchange(m_idleWork, {});
    for (const auto &[context, run] : work) {
        if (context)
            QTimer::singleShot(0, context.data(), run);
    }
}

void ChangeJournal::whenIdle(QObject *context, std::function<void()> work)
{
    if (m_depth == 0) {
        work();
        return;
    }
    m_idleWork.append({QPointer<QObject>(context), std::move(work)});
}

void ChangeJournal::announce()
{
    if (m_entries.isEmpty())
        return;
    ChangeSet changes;
    for (const Entry &entry : std::as_const(m_entries)) {
        changes.add(entry.entity, entry.id);
        if (entry.entity == ChangeSet::Entity::Transaction)
            changes.addRegister(entry.accountId, entry.balanceDelta);
    }
    m_entries.clear();
    Q_EMIT committed(changes);
}
