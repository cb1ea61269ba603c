#include "data/changeset.h"

bool ChangeSet::isEmpty() const
{
    for (bool touched : m_touched) {
        if (touched)
            return false;
    }
    return m_registerAccounts.isEmpty() && !m_allRegisters;
}

void ChangeSet::add(Entity entity, const QString &id)
{
    m_touched[index(entity)] = true;
    if (!id.isEmpty())
        m_ids[index(entity)].insert(id);
}

void ChangeSet::addRegister(const QString &accountId, std::optional<qint64> delta)
{
    m_touched[index(Entity::Transaction)] = true;
    if (accountId.isEmpty()) {
        m_allRegisters = true;
        return;
    }
    m_registerAccounts.insert(accountId);
    if (m_unknownDeltas.contains(accountId))
        return;
    qint64 sum = 0;
    if (!delta || __builtin_add_overflow(m_balanceDeltas.value(accountId), *delta, &sum)) {
        m_unknownDeltas.insert(accountId);
        m_balanceDeltas.remove(accountId);
        return;
    }
    m_balanceDeltas.insert(accountId, sum);
}

std::optional<qint64> ChangeSet::balanceDelta(const QString &accountId) const
{
    if (m_allRegisters || m_unknownDeltas.contains(accountId))
        return std::nullopt;
    const auto delta = m_balanceDeltas.constFind(accountId);
    if (delta == m_balanceDeltas.cend())
        return std::nullopt;
    return *delta;
}
