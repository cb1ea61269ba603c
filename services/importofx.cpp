#include "services/importofx.h"

#include "data/clock.h"
#include "data/importidrepository.h"
#include "data/money.h"
#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"

#include <QDebug>
#include <QSqlDatabase>

OfxImport::OfxImport(ImportService *service, const QMap<QString, QString> &mapping,
                     const QMap<QString, Account> &newAccounts)
    : m_service(service)
    , m_now(Clock::now())
    , m_mapping(mapping)
    , m_newAccounts(newAccounts)
{
}

OfxImport::AccountState &OfxImport::stateFor(const QString &accountId)
{
    auto it = m_states.find(accountId);
    if (it != m_states.end())
        return *it;
    AccountState &state = m_states[accountId];
    state.decimals = m_service->decimalsOf(accountId);
    const QHash<QString, QString> fitIds = m_service->m_stores.importIds->findByAccount(accountId);
    const QList<Transaction> existing = m_service->m_stores.transactions->findByAccount(accountId);
    for (const Transaction &t : existing) {
        const QString key = ImportService::duplicateKey(t.date, t.amount, t.payee);
        state.keys.insert(key);
        const auto fitId = fitIds.constFind(t.id);
        if (fitId == fitIds.constEnd())
            state.keysWithoutFitId.insert(key);
        else
            state.fitIds.insert(*fitId);
    }
    return state;
}

bool OfxImport::store(const OfxTransaction &line)
{
    const QString target = m_mapping.value(line.accountKey);
    if (target.isEmpty()) {
        ++m_result.unmappedSkipped;
        return true;
    }
    AccountState &state = stateFor(target);
    const std::optional<qint64> amount = parseMinorUnits(line.amount, state.decimals);
    // Amounts get mirrored into transfers and payments, so the most
    // negative one, which has no opposite, is refused like any overflow.
    if (!amount || !checkedNegate(*amount)) {
        ++m_result.unparseable;
        return true;
    }
    const QString payee = line.payee.isEmpty() ? ImportService::tr("Imported transaction") : line.payee;
    const QString key = ImportService::duplicateKey(line.date, *amount, payee);
    const bool duplicate = line.fitId.isEmpty() ? state.keys.contains(key)
                                                : state.fitIds.contains(line.fitId) || state.keysWithoutFitId.contains(key);
    if (duplicate) {
        ++m_result.duplicates;
        return true;
    }

    Transaction t;
    t.id = newUuid();
    t.accountId = target;
    t.date = line.date;
    t.payee = payee;
    t.memo = line.memo;
    t.amount = *amount;
    t.checkNumber = line.checkNumber;
    t.createdAt = m_now;
    t.updatedAt = m_now;
    if (!m_service->m_stores.transactions->insert(t)) {
        if (!SqliteHandle::inTransaction()) {
            m_abortReason = QStringLiteral("the database transaction ended unexpectedly");
            return false;
        }
        ++m_result.dbErrorSkipped;
        return true;
    }
    // A row stored without its FITID would come back as new with the next
    // import of the same statement.
    if (!line.fitId.isEmpty() && !m_service->m_stores.importIds->set(t.id, line.fitId)) {
        m_abortReason = QStringLiteral("the bank id of an imported row could not be stored");
        return false;
    }
    ++m_result.imported;
    state.keys.insert(key);
    if (line.fitId.isEmpty())
        state.keysWithoutFitId.insert(key);
    else
        state.fitIds.insert(line.fitId);
    return true;
}

ImportResult OfxImport::run(const OfxAnalysis &analysis)
{
    m_result.unparseable = analysis.unparseable;
    if (!analysis.error.isEmpty() || analysis.cancelled) {
        m_result.error = analysis.cancelled ? m_service->cancelledText() : analysis.error;
        m_result.cancelled = analysis.cancelled;
        return m_result;
    }
    if (!m_service->m_stores.importIds) {
        m_result.error = ImportService::tr("OFX files cannot be imported here.");
        return m_result;
    }

    const int total = int(analysis.transactions.size());
    Q_EMIT m_service->importStarted(total);
    SqlTransaction transaction(QSqlDatabase::database());
    bool ok = transaction.isActive();
    if (!ok)
        m_abortReason = QStringLiteral("cannot begin a transaction: %1").arg(transaction.errorText());
    if (ok && !m_service->createAccounts(m_newAccounts, m_mapping, m_abortReason))
        ok = false;
    for (int i = 0; ok && i < total; ++i) {
        ok = store(analysis.transactions[i]);
        if (ok && !m_service->stepProgress(i + 1, total)) {
            ok = false;
            m_result.cancelled = true;
            m_abortReason = m_service->cancelledText();
        }
    }
    if (ok && !transaction.commit()) {
        ok = false;
        m_abortReason = QStringLiteral("commit failed: %1").arg(transaction.errorText());
    }
    if (!ok) {
        if (!m_result.cancelled)
            qWarning().noquote() << "OFX import aborted:" << m_abortReason;
        transaction.rollback();
        m_result.aborted = true;
        m_result.imported = 0;
        m_result.error = m_abortReason;
    }
    Q_EMIT m_service->importProgress(total, total);
    return m_result;
}
