#include "services/transactionservice.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/money.h"
#include "data/rowstamp.h"
#include "data/splitlinerepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/snapshotstep.h"

namespace {

bool isLive(const std::optional<Transaction> &t)
{
    return t && !t->deletedAt;
}

// A transfer half whose other account was deleted keeps its link: the other
// half went with that account and comes back with it, whole.
bool keepsLinkToGoneAccount(const std::optional<Transaction> &existing, const TransactionDraft &draft)
{
    return existing && !existing->transferLinkId.isEmpty()
           && draft.transferAccountId == existing->transferDestAccountId;
}

} // namespace

TransactionService::TransactionService(AccountRepository *accounts, TransactionRepository *transactions,
                                       SplitLineRepository *splitLines, CategoryRepository *categories,
                                       QObject *parent)
    : QObject(parent)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_categories(categories)
{
}

Result<Transaction> TransactionService::create(const TransactionDraft &draft)
{
    return write(std::nullopt, draft, tr("New Transaction"));
}

Result<Transaction> TransactionService::edit(const QString &id, const TransactionDraft &draft)
{
    const std::optional<Transaction> existing = id.isEmpty() ? std::nullopt : m_transactions->findById(id);
    if (!isLive(existing))
        return Result<Transaction>::failure(tr("The transaction no longer exists"));
    return write(existing, draft, tr("Edit Transaction"));
}

Result<Transaction> TransactionService::setCleared(const QString &id, bool cleared)
{
    const std::optional<Transaction> existing = m_transactions->findById(id);
    if (!isLive(existing))
        return Result<Transaction>::failure(tr("The transaction no longer exists"));
    TransactionDraft draft = TransactionDraft::fromTransaction(*existing);
    draft.cleared = cleared;
    return write(existing, draft, cleared ? tr("Mark Cleared") : tr("Mark Uncleared"));
}

Result<Transaction> TransactionService::replaceSplitLines(const QString &id, const QList<SplitLine> &lines)
{
    const std::optional<Transaction> existing = m_transactions->findById(id);
    if (!isLive(existing))
        return Result<Transaction>::failure(tr("The transaction no longer exists"));
    TransactionDraft draft = TransactionDraft::fromTransaction(*existing);
    draft.splitLines = lines;
    return write(existing, draft, tr("Edit Splits"));
}

Result<void> TransactionService::remove(const QString &id)
{
    const std::optional<Transaction> existing = id.isEmpty() ? std::nullopt : m_transactions->findById(id);
    if (!isLive(existing))
        return Result<void>::failure(tr("The transaction no longer exists"));
    const QStringList ids = withPartners({id});
    const TransactionSnapshot before = isRecording() ? capture(ids) : TransactionSnapshot();

    SqlTransaction work(m_transactions->connection());
    if (!work.isActive())
        return Result<void>::failure(tr("The transaction could not be deleted"));
    for (const QString &each : ids) {
        const std::optional<Transaction> row = m_transactions->findById(each);
        if (isLive(row) && !m_transactions->softDelete(each))
            return Result<void>::failure(tr("The transaction could not be deleted"));
    }
    if (!work.commit())
        return Result<void>::failure(tr("The transaction could not be deleted"));
    record(tr("Delete Transaction"), before, ids);
    return {};
}

QString TransactionService::validate(const TransactionDraft &draft, const std::optional<Transaction> &existing) const
{
    const std::optional<Account> account = m_accounts->findById(draft.accountId);
    if (!account || account->deletedAt)
        return tr("The account no longer exists");
    if (!draft.date.isValid())
        return tr("Enter a valid date");
    if (draft.transferAccountId.isEmpty() && draft.payee.trimmed().isEmpty())
        return tr("Payee is required");
    if (!draft.categoryId.isEmpty()) {
        const std::optional<Category> category = m_categories->findById(draft.categoryId);
        if (!category || category->deletedAt)
            return tr("The category no longer exists");
    }
    if (!draft.transferAccountId.isEmpty()) {
        if (draft.transferAccountId == draft.accountId)
            return tr("A transfer needs two different accounts");
        const std::optional<Account> target = m_accounts->findById(draft.transferAccountId);
        if (!target || target->deletedAt) {
            if (!keepsLinkToGoneAccount(existing, draft))
                return tr("Transfer account not found");
        } else if (target->currency != account->currency) {
            return tr("Transfers require both accounts to use the same currency");
        }
    }
    if (draft.splitLines) {
        for (const SplitLine &line : *draft.splitLines) {
            if (line.categoryId.isEmpty())
                return tr("Each split line needs a category");
        }
    }
    return QString();
}

Result<Transaction> TransactionService::write(const std::optional<Transaction> &existing,
                                              const TransactionDraft &draft, const QString &undoText)
{
    // The state before is read only when an undo step will keep it.
    const bool recording = isRecording();
    const QStringList beforeIds = existing && recording ? withPartners({existing->id}) : QStringList();
    const TransactionSnapshot before = capture(beforeIds);

    SqlTransaction work(m_transactions->connection());
    if (!work.isActive())
        return Result<Transaction>::failure(tr("The transaction could not be saved"));
    Result<Transaction> stored = store(existing, draft);
    if (!stored)
        return stored;
    if (!work.commit())
        return Result<Transaction>::failure(tr("The transaction could not be saved"));

    if (recording) {
        QStringList ids = beforeIds;
        for (const QString &each : withPartners({stored->id})) {
            if (!ids.contains(each))
                ids.append(each);
        }
        record(undoText, before, ids);
    }
    return stored;
}

Result<Transaction> TransactionService::store(std::optional<Transaction> existing, const TransactionDraft &draft)
{
    const auto failed = [this](const QString &message = QString()) {
        return Result<Transaction>::failure(message.isEmpty() ? tr("The transaction could not be saved")
                                                              : message);
    };
    if (const QString problem = validate(draft, existing); !problem.isEmpty())
        return failed(problem);

    Transaction t = existing.value_or(Transaction());
    const bool isNew = !existing;
    t.date = draft.date;
    t.payee = draft.payee.trimmed();
    t.memo = draft.memo.trimmed();
    t.checkNumber = draft.checkNumber.trimmed();
    t.amount = draft.amount;
    t.categoryId = draft.categoryId;
    t.cleared = draft.cleared;
    t.reconciled = draft.reconciled;
    if (draft.splitLines) {
        qint64 sum = 0;
        for (const SplitLine &line : *draft.splitLines) {
            const std::optional<qint64> total = checkedAdd(sum, line.amount);
            if (!total)
                return failed(tr("The split lines add up to more than an amount can hold"));
            sum = *total;
        }
        t.isSplit = !draft.splitLines->isEmpty();
        if (t.isSplit) {
            t.amount = sum;
            t.categoryId.clear();
        }
    } else if (existing && existing->isSplit) {
        // A split's amount is the sum of its lines and it has no category of
        // its own; both change only with its lines.
        if (draft.amount != existing->amount)
            return failed(tr("This transaction is split; change its amount in the split editor"));
        t.categoryId.clear();
    }
    // The other half of a transfer holds the opposite amount.
    const std::optional<qint64> mirrored = checkedNegate(t.amount);
    if (!draft.transferAccountId.isEmpty() && !mirrored)
        return failed(tr("The amount is too large"));

    if (isNew) {
        t.id = newUuid();
        t.accountId = draft.accountId;
        RowStamp::fresh(t);
    } else {
        RowStamp::touch(t);
    }

    // The live other half, when this row is one half of a transfer.
    std::optional<Transaction> partner;
    if (!isNew && !t.transferLinkId.isEmpty()) {
        partner = m_transactions->findById(t.transferLinkId);
        if (!isLive(partner) || partner->transferLinkId != t.id)
            partner.reset();
    }
    if (partner && partner->accountId != draft.transferAccountId) {
        // Retargeted or no longer a transfer: the old other half goes.
        if (!m_transactions->softDelete(partner->id))
            return failed();
        partner.reset();
    }
    // The amount of a split half is the sum of its lines; the other half
    // cannot change it.
    if (partner && partner->isSplit && partner->amount != -t.amount)
        return failed(tr("The other side of this transfer is split; edit its splits to change the amount"));
    std::optional<Transaction> newPartner;
    if (draft.transferAccountId.isEmpty()) {
        t.transferLinkId.clear();
        t.transferDestAccountId.clear();
    } else if (partner) {
        if (partner->date != t.date || partner->amount != *mirrored) {
            partner->date = t.date;
            partner->amount = *mirrored;
            RowStamp::touch(*partner);
            if (!m_transactions->update(*partner))
                return failed();
        }
    } else if (const std::optional<Account> destination = m_accounts->findById(draft.transferAccountId);
               !destination || destination->deletedAt) {
        // Validated: the link to the half that went with the deleted account
        // stays, and that half must still agree when the account comes back.
        if (t.amount != existing->amount || t.date != existing->date)
            return failed(tr("Transfer account not found"));
    } else {
        const std::optional<Account> account = m_accounts->findById(t.accountId);
        const std::optional<Account> target = m_accounts->findById(draft.transferAccountId);
        Transaction other;
        other.id = newUuid();
        other.accountId = target->id;
        other.date = t.date;
        other.payee = tr("Transfer from %1").arg(account->name);
        other.amount = *mirrored;
        other.cleared = t.cleared;
        other.reconciled = t.reconciled;
        other.transferLinkId = t.id;
        other.transferDestAccountId = t.accountId;
        RowStamp::fresh(other);
        t.transferLinkId = other.id;
        t.transferDestAccountId = target->id;
        t.payee = tr("Transfer to %1").arg(target->name);
        newPartner = other;
    }

    const bool written = isNew ? m_transactions->insert(t) : m_transactions->update(t);
    if (!written)
        return failed();
    if (newPartner && !m_transactions->insert(*newPartner))
        return failed();
    if (draft.splitLines) {
        if (Result<void> lines = storeLines(t.id, *draft.splitLines); !lines)
            return Result<Transaction>::failure(lines.error());
    }
    return t;
}

Result<void> TransactionService::storeLines(const QString &transactionId, const QList<SplitLine> &lines)
{
    if (!m_splitLines->deleteByTransaction(transactionId))
        return Result<void>::failure(tr("The split lines could not be saved"));
    const QDateTime now = Clock::now();
    for (SplitLine line : lines) {
        line.transactionId = transactionId;
        if (line.id.isEmpty())
            line.id = newUuid();
        if (!line.createdAt.isValid())
            line.createdAt = now;
        line.updatedAt = now;
        if (!m_splitLines->insert(line))
            return Result<void>::failure(tr("The split lines could not be saved"));
    }
    return {};
}

QStringList TransactionService::withPartners(const QStringList &ids) const
{
    QStringList result;
    for (const QString &id : ids) {
        if (!result.contains(id))
            result.append(id);
        const std::optional<Transaction> row = m_transactions->findById(id);
        if (row && !row->transferLinkId.isEmpty() && !result.contains(row->transferLinkId)) {
            const std::optional<Transaction> partner = m_transactions->findById(row->transferLinkId);
            if (isLive(partner))
                result.append(row->transferLinkId);
        }
    }
    return result;
}

TransactionSnapshot TransactionService::capture(const QStringList &ids) const
{
    TransactionSnapshot snapshot;
    for (const QString &id : ids) {
        TransactionSnapshot::Entry entry;
        entry.id = id;
        entry.row = m_transactions->findById(id);
        if (entry.row)
            entry.lines = m_splitLines->findByTransaction(id);
        snapshot.entries.append(entry);
    }
    return snapshot;
}

Result<void> TransactionService::restore(const TransactionSnapshot &snapshot)
{
    const auto failed = [this] { return Result<void>::failure(tr("The change could not be undone")); };
    SqlTransaction work(m_transactions->connection());
    if (!work.isActive())
        return failed();
    for (const TransactionSnapshot::Entry &entry : snapshot.entries) {
        const std::optional<Transaction> current = m_transactions->findById(entry.id);
        if (!entry.row) {
            if (isLive(current) && !m_transactions->softDelete(entry.id))
                return failed();
            continue;
        }
        Transaction row = *entry.row;
        if (!current) {
            RowStamp::touch(row);
            if (!m_transactions->insert(row))
                return failed();
        } else {
            row.version = current->version;
            row.serverId = current->serverId;
            RowStamp::touch(row);
            if (!m_transactions->update(row))
                return failed();
            if (row.deletedAt && !current->deletedAt && !m_transactions->softDelete(row.id))
                return failed();
            if (!row.deletedAt && current->deletedAt && !m_transactions->restore(row.id))
                return failed();
        }
        if (!m_splitLines->deleteByTransaction(entry.id))
            return failed();
        for (const SplitLine &line : entry.lines) {
            if (!m_splitLines->insert(line))
                return failed();
        }
    }
    if (!work.commit())
        return failed();
    return {};
}

bool TransactionService::isRecording() const
{
    return m_undo && !m_undo->isReplaying();
}

void TransactionService::record(const QString &text, const TransactionSnapshot &before, const QStringList &ids)
{
    if (!isRecording())
        return;
    TransactionSnapshot complete = before;
    for (const QString &id : ids) {
        const bool known = std::any_of(complete.entries.cbegin(), complete.entries.cend(),
                                       [&id](const TransactionSnapshot::Entry &entry) { return entry.id == id; });
        if (!known)
            complete.entries.append({id, std::nullopt, {}});
    }
    m_undo->push(std::make_unique<SnapshotStep<TransactionSnapshot>>(
        text, complete, capture(ids), [this](const TransactionSnapshot &state) { return restore(state); }));
}
