#include "services/reconciliationservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/rowstamp.h"
#include "data/sqlhelpers.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/undohistory.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace {

// The reconciled part of an account in one pass over its rows, so opening a
// large account does not read every reconciled transaction whole. SQLite
// refuses a sum that leaves 64 bits instead of wrapping it.
const QString kReconciledStatement = QStringLiteral(
    "SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions "
    "WHERE account_id = ? AND deleted_at IS NULL AND reconciled = 1");

// What the person saw of a row is what is stored: its stamp moves with every
// local change and every pulled one, and the amount, date and account are
// compared as well, so a row written without a new stamp is caught too.
bool unchangedSince(const Transaction &stored, const Transaction &shown)
{
    return stored.version == shown.version && stored.updatedAt == shown.updatedAt
           && stored.amount == shown.amount && stored.date == shown.date && stored.accountId == shown.accountId
           && !stored.deletedAt && !stored.reconciled;
}

QString describe(const Transaction &t)
{
    return QStringLiteral("\"%1\" (%2)").arg(t.payee, t.date.toString(QStringLiteral("MM/dd/yyyy")));
}

} // namespace

ReconciliationService::ReconciliationService(Database *database, AccountRepository *accounts,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

Result<ReconciliationService::Reconciled> ReconciliationService::reconciled(const Account &account) const
{
    QSqlQuery query = Sql::prepare(m_database->connection(), kReconciledStatement, {account.id});
    if (!Sql::exec(query, "ReconciliationService::reconciled") || !query.next())
        return Result<Reconciled>::failure(tr("The reconciled balance of this account could not be read"));
    const std::optional<qint64> balance = checkedAdd(account.startingBalance, query.value(0).toLongLong());
    if (!balance)
        return Result<Reconciled>::failure(tr("The reconciled transactions add up to more than an amount can hold"));
    Reconciled result;
    result.balance = *balance;
    result.lastDate = dateFromText(query.value(1).toString());
    return result;
}

Result<ReconciliationService::Start> ReconciliationService::start(const QString &accountId) const
{
    const std::optional<Account> account = accountId.isEmpty() ? std::nullopt : m_accounts->findById(accountId);
    if (!account || account->deletedAt)
        return Result<Start>::failure(tr("The account no longer exists"));
    const Result<Reconciled> done = reconciled(*account);
    if (!done)
        return Result<Start>::failure(done.error());

    Start start;
    start.account = *account;
    start.previousBalance = done->balance;
    start.lastReconciledDate = done->lastDate;
    start.latest = m_reconciliations->findLatest(accountId);
    if (start.latest && start.latest->statementDate.isValid()
        && (!start.lastReconciledDate.isValid() || start.lastReconciledDate <= start.latest->statementDate))
        start.proposedStatementDate = start.latest->statementDate.addMonths(1);
    else if (start.lastReconciledDate.isValid())
        start.proposedStatementDate = start.lastReconciledDate.addMonths(1);
    start.rows = m_transactions->findUnreconciled(accountId);
    return start;
}

Result<Reconciliation> ReconciliationService::finish(const Statement &statement)
{
    Result<Reconciliation> written = write(statement);
    // The earlier steps would put back rows as they were before this
    // reconciliation counted them, behind its record's back.
    if (written && m_undo)
        m_undo->clear();
    return written;
}

Result<Reconciliation> ReconciliationService::write(const Statement &statement)
{
    const auto failed = [](const QString &message) { return Result<Reconciliation>::failure(message); };
    const auto changed = [&failed](const QString &what) {
        return failed(tr("%1 changed while you were reconciling. Nothing was saved; look over the list and "
                         "finish again.")
                          .arg(what));
    };
    if (!statement.date.isValid())
        return failed(tr("Enter a valid statement date"));

    SqlTransaction work(m_database->connection());
    if (!work.isActive())
        return failed(tr("The reconciliation could not be saved"));

    const std::optional<Account> account =
        statement.accountId.isEmpty() ? std::nullopt : m_accounts->findById(statement.accountId);
    if (!account || account->deletedAt)
        return failed(tr("The account no longer exists"));
    const Result<Reconciled> done = reconciled(*account);
    if (!done)
        return failed(done.error());
    if (done->balance != statement.previousBalance)
        return changed(tr("The reconciled balance of this account"));

    // Every row that may be ticked, as stored now, read once.
    QHash<QString, Transaction> current;
    const QList<Transaction> open = m_transactions->findUnreconciled(account->id);
    current.reserve(open.size());
    for (const Transaction &t : open)
        current.insert(t.id, t);

    qint64 sum = done->balance;
    QSet<QString> seen;
    QList<Transaction> rows;
    rows.reserve(statement.ticked.size());
    for (const Transaction &shown : statement.ticked) {
        if (seen.contains(shown.id))
            return failed(tr("The transaction %1 is ticked twice").arg(describe(shown)));
        seen.insert(shown.id);
        const auto stored = current.constFind(shown.id);
        if (stored == current.cend() || !unchangedSince(*stored, shown))
            return changed(tr("The transaction %1").arg(describe(shown)));
        const std::optional<qint64> next = checkedAdd(sum, stored->amount);
        if (!next)
            return failed(tr("The ticked transactions add up to more than an amount can hold"));
        sum = *next;
        rows.append(*stored);
    }
    if (sum != statement.balance)
        return failed(tr("The ticked transactions do not add up to the statement balance"));

    // The rows are the ones just read inside this transaction, so writing
    // them back changes nothing but the two flags and the stamp.
    for (Transaction &row : rows) {
        row.cleared = true;
        row.reconciled = true;
        RowStamp::touch(row);
        if (!m_transactions->update(row))
            return failed(tr("The reconciliation could not be saved"));
    }

    Reconciliation record;
    record.id = newUuid();
    record.accountId = account->id;
    record.statementDate = statement.date;
    record.statementBalance = statement.balance;
    record.reconciledBalance = sum;
    RowStamp::fresh(record);
    record.completedAt = record.createdAt;
    if (!m_reconciliations->insert(record))
        return failed(tr("The reconciliation could not be saved"));
    if (!work.commit())
        return failed(tr("The reconciliation could not be saved"));
    return record;
}
