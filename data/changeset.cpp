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

void ChangeSet::addRegister(const QString &accountId)
{
    m_touched[index(Entity::Transaction)] = true;
    if (accountId.isEmpty())
        m_allRegisters = true;
    else
        m_registerAccounts.insert(accountId);
}

void ChangeSet::merge(const ChangeSet &other)
{
    for (int i = 0; i < EntityCount; ++i) {
        m_touched[i] = m_touched[i] || other.m_touched[i];
        m_ids[i].unite(other.m_ids[i]);
    }
    m_registerAccounts.unite(other.m_registerAccounts);
    m_allRegisters = m_allRegisters || other.m_allRegisters;
}
