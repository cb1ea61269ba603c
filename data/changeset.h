#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

// What one committed unit of work changed: the rows of each kind of record
// and the accounts whose registers and balances moved. Built by the change
// journal from what repositories record while a transaction is open, and
// handed to listeners once, after the commit.
class ChangeSet
{
public:
    enum class Entity { Account, Transaction, Category, Recurring, Reconciliation };
    static constexpr int EntityCount = 5;

    bool isEmpty() const;
    bool contains(Entity entity) const { return m_touched[index(entity)]; }
    // The ids recorded for the entity; a bulk change may touch a kind of
    // record without naming its rows, so contains() can be true for an
    // empty set.
    const QSet<QString> &ids(Entity entity) const { return m_ids[index(entity)]; }
    // Accounts whose transactions changed, and so their registers and
    // balances; allRegisters() when a change did not say which.
    const QSet<QString> &registerAccounts() const { return m_registerAccounts; }
    bool allRegisters() const { return m_allRegisters; }
    bool affectsRegister(const QString &accountId) const
    {
        return m_allRegisters || m_registerAccounts.contains(accountId);
    }

    // An empty id records a change of that kind whose rows are not named.
    void add(Entity entity, const QString &id);
    // How far the account's balance moved, when every change recorded for
    // it said so; empty when one did not (a bulk change) or it has none.
    std::optional<qint64> balanceDelta(const QString &accountId) const;

    // A transaction change in the account; an empty account id stands for
    // any. `delta`: how the change moved the account's balance, if known.
    void addRegister(const QString &accountId, std::optional<qint64> delta = std::nullopt);

private:
    static int index(Entity entity) { return static_cast<int>(entity); }

    std::array<QSet<QString>, EntityCount> m_ids;
    std::array<bool, EntityCount> m_touched{};
    QSet<QString> m_registerAccounts;
    QHash<QString, qint64> m_balanceDeltas;
    QSet<QString> m_unknownDeltas;
    bool m_allRegisters = false;
};
