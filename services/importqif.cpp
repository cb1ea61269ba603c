#include "services/importqif.h"

#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/splitline.h"
#include "data/splitlinerepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "data/clock.h"

#include <QDebug>
#include <QSqlDatabase>

namespace {

const QString kHintPrefix = QStringLiteral("[\u2192 ");

QString withHint(const QString &accountName, const QString &memo)
{
    const QString hint = ImportService::transferHint(accountName);
    return memo.isEmpty() ? hint : QStringLiteral("%1 %2").arg(hint, memo);
}

// The account name of a hint the memo begins with; empty when there is none.
QString hintName(const QString &memo)
{
    if (!memo.startsWith(kHintPrefix))
        return QString();
    const qsizetype close = memo.indexOf(QLatin1Char(']'), kHintPrefix.size());
    if (close < 0)
        return QString();
    return memo.mid(kHintPrefix.size(), close - kHintPrefix.size());
}

QString withoutHint(const QString &memo)
{
    QString rest = memo.mid(memo.indexOf(QLatin1Char(']'), kHintPrefix.size()) + 1);
    if (rest.startsWith(QLatin1Char(' ')))
        rest.remove(0, 1);
    return rest;
}

// Nothing written survives a rollback, so a failed import claims none of it.
void markFailed(ImportResult &result, const QString &reason)
{
    result.aborted = true;
    result.imported = 0;
    result.transfersLinked = 0;
    result.retroactiveLinked = 0;
    result.error = reason;
}

} // namespace

QifImport::QifImport(ImportService *service, const QMap<QString, QString> &mapping,
                     const QMap<QString, Account> &newAccounts)
    : m_service(service)
    , m_now(Clock::now())
    , m_categories(service->m_stores.categories, m_now)
    , m_mapping(mapping)
    , m_newAccounts(newAccounts)
{
}

QString QifImport::candidateKey(const QDate &date, qint64 amount, const QString &name)
{
    return QStringLiteral("%1|%2|%3").arg(dateToText(date)).arg(amount).arg(name.toLower());
}

void QifImport::setMapping(const QMap<QString, QString> &mapping)
{
    m_byName.clear();
    m_byPath.clear();
    for (auto it = mapping.constBegin(); it != mapping.constEnd(); ++it) {
        if (it.value().isEmpty())
            continue;
        m_byName.insert(it.key().toLower(), it.value());
        m_byPath.append({it.key(), it.value()});
    }
}

QString QifImport::targetForPath(const QString &path) const
{
    for (const auto &[key, target] : m_byPath) {
        if (ImportService::samePath(key, path))
            return target;
    }
    return QString();
}

QifImport::AccountState &QifImport::stateFor(const QString &accountId)
{
    auto it = m_states.find(accountId);
    if (it != m_states.end())
        return *it;
    AccountState &state = m_states[accountId];
    const QList<Transaction> existing = m_service->m_stores.transactions->findByAccount(accountId);
    for (const Transaction &t : existing) {
        state.keys.insert(ImportService::duplicateKey(t.date, t.amount, t.payee));
        if (!t.transferLinkId.isEmpty())
            continue;
        const QString name = hintName(t.memo);
        if (name.isEmpty())
            continue;
        state.byKey[candidateKey(t.date, t.amount, name)].append(int(state.candidates.size()));
        state.candidates.append({t, false});
    }
    return state;
}

bool QifImport::readFiles(const QStringList &filePaths)
{
    QStringList refused;
    QSet<QString> categoryNames;
    for (const QString &path : filePaths) {
        QString text;
        const auto status = m_service->readFile(path, text);
        if (status != ImportService::ReadStatus::Ok) {
            refused.append(m_service->readError(status, path));
            continue;
        }
        QifFile file = QifParser::parse(text);
        m_result.unparseable += file.unparseable;
        m_result.metadataSkipped += file.metadata;
        for (const QifCategoryEntry &category : std::as_const(file.categories)) {
            if (!categoryNames.contains(category.name)) {
                categoryNames.insert(category.name);
                m_listedCategories.append(category);
            }
        }
        for (QifRecord &record : file.records) {
            Pending entry;
            entry.path = path;
            entry.id = newUuid();
            entry.record = std::move(record);
            m_entries.append(std::move(entry));
        }
    }
    // One unreadable file fails the whole import: what it holds may be the
    // other halves of the transfers in the files that did read.
    if (refused.isEmpty())
        return true;
    m_result = ImportResult();
    m_result.error = refused.join(QLatin1Char('\n'));
    return false;
}

void QifImport::resolveTargets()
{
    setMapping(m_mapping);
    QHash<QString, QString> byFile;
    for (Pending &entry : m_entries) {
        if (!entry.record.accountName.isEmpty()) {
            entry.target = targetForName(entry.record.accountName);
            continue;
        }
        const auto it = byFile.constFind(entry.path);
        entry.target = it != byFile.constEnd() ? *it : byFile.insert(entry.path, targetForPath(entry.path)).value();
    }
}

void QifImport::pairTransfers()
{
    // Entries that can take part, bucketed by their own date, amount, account
    // and transfer account. Every bucket is in file order and its head moves
    // past each entry as the walk reaches it, so whatever lies at or after a
    // head comes later in the walk.
    struct Bucket
    {
        QList<int> members;
        qsizetype head = 0;
    };
    const auto eligible = [](const Pending &e) {
        return !e.record.transferAccount.isEmpty() && !e.record.accountName.isEmpty() && !e.target.isEmpty()
            && e.record.transferAccount.compare(e.record.accountName, Qt::CaseInsensitive) != 0;
    };
    const auto bucketKey = [](const QDate &date, qint64 amount, const QString &account, const QString &transfer) {
        return QStringLiteral("%1|%2|%3|%4").arg(dateToText(date)).arg(amount).arg(account.toLower(),
                                                                                  transfer.toLower());
    };
    QHash<QString, Bucket> buckets;
    for (int i = 0; i < m_entries.size(); ++i) {
        const QifRecord &r = m_entries[i].record;
        if (eligible(m_entries[i]))
            buckets[bucketKey(r.date, r.amount, r.accountName, r.transferAccount)].members.append(i);
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        Pending &entry = m_entries[i];
        if (!eligible(entry))
            continue;
        const QifRecord &r = entry.record;
        Bucket &own = buckets[bucketKey(r.date, r.amount, r.accountName, r.transferAccount)];
        while (own.head < own.members.size() && own.members[own.head] <= i)
            ++own.head;
        if (entry.partner >= 0)
            continue;
        const auto it = buckets.find(bucketKey(r.date, -r.amount, r.transferAccount, r.accountName));
        if (it == buckets.end())
            continue;
        for (qsizetype k = it->head; k < it->members.size(); ++k) {
            Pending &other = m_entries[it->members[k]];
            if (other.partner >= 0 || other.target == entry.target)
                continue;
            entry.partner = it->members[k];
            other.partner = i;
            ++m_result.transfersLinked;
            break;
        }
    }
}

bool QifImport::resolveUnpaired(const Pending &entry, Transaction &t, std::optional<Link> &link)
{
    const QifRecord &r = entry.record;
    t.transferLinkId.clear();
    t.transferDestAccountId.clear();
    t.memo = r.memo;
    if (r.transferAccount.isEmpty() || r.transferAccount.compare(r.accountName, Qt::CaseInsensitive) == 0)
        return true;
    const QString destination = targetForName(r.transferAccount);
    if (destination.isEmpty() || destination == entry.target) {
        t.memo = withHint(r.transferAccount, r.memo);
        return true;
    }
    AccountState &state = stateFor(destination);
    const auto it = state.byKey.constFind(candidateKey(r.date, -r.amount, r.accountName));
    if (it != state.byKey.constEnd()) {
        for (int position : *it) {
            const Candidate &candidate = state.candidates[position];
            if (candidate.used)
                continue;
            if (hintName(candidate.transaction.memo).isEmpty())
                return abort(QStringLiteral("retroactive candidate lost its hint"));
            Transaction updated = candidate.transaction;
            updated.memo = withoutHint(updated.memo);
            updated.transferLinkId = t.id;
            updated.transferDestAccountId = entry.target;
            updated.updatedAt = m_now;
            updated.version += 1;
            updated.syncStatus = SyncStatus::Pending;
            t.transferLinkId = updated.id;
            t.transferDestAccountId = updated.accountId;
            link = Link{destination, position, updated};
            return true;
        }
    }
    t.memo = withHint(r.transferAccount, r.memo);
    return true;
}

bool QifImport::applyLink(const Link &link)
{
    if (!m_service->m_stores.transactions->update(link.updated))
        return abort(QStringLiteral("failed to update retroactive partner"));
    m_states[link.account].candidates[link.candidate].used = true;
    ++m_result.transfersLinked;
    ++m_result.retroactiveLinked;
    return true;
}

bool QifImport::partnerSkipped(int index)
{
    const int partner = m_entries[index].partner;
    if (partner < 0)
        return true;
    --m_result.transfersLinked;
    m_entries[index].partner = -1;
    Pending &other = m_entries[partner];
    other.partner = -1;
    if (partner > index)
        return true;   // not processed yet: it will be handled as unpaired

    // Already stored with a link to the skipped entry's id, a row that will
    // never exist: it becomes what it would have been without a partner.
    if (!other.inserted)
        return true;
    Transaction t = *other.inserted;
    other.inserted.reset();
    std::optional<Link> link;
    if (!resolveUnpaired(other, t, link))
        return false;
    t.updatedAt = m_now;
    if (!m_service->m_stores.transactions->update(t))
        return abort(QStringLiteral("failed to unlink a transfer whose partner was skipped"));
    return !link || applyLink(*link);
}

bool QifImport::insertSplits(const Pending &entry, const Transaction &t)
{
    for (const QifSplit &split : entry.record.splits) {
        SplitLine line;
        line.id = newUuid();
        line.transactionId = t.id;
        line.categoryId = m_categories.idFor(split.category);
        line.amount = split.amount;
        line.memo = split.transferAccount.isEmpty() ? split.memo : withHint(split.transferAccount, split.memo);
        line.createdAt = t.createdAt;
        line.updatedAt = t.createdAt;
        // A split line must name a category; a transfer or uncategorised
        // split has none and cannot be stored as a line of its own.
        if (line.categoryId.isEmpty())
            continue;
        if (!m_service->m_stores.splitLines->insert(line))
            return false;
    }
    return true;
}

bool QifImport::processEntry(int index)
{
    Pending &entry = m_entries[index];
    const QifRecord &r = entry.record;
    if (entry.target.isEmpty()) {
        ++m_result.unmappedSkipped;
        return true;
    }
    stateFor(entry.target);   // loaded before anything of this entry is written

    QString payee = r.payee;
    if (payee.isEmpty()) {
        if (!r.number.isEmpty() && !r.security.isEmpty())
            payee = QStringLiteral("%1: %2").arg(r.number, r.security);
        else if (!r.security.isEmpty())
            payee = r.security;
        else if (!r.number.isEmpty())
            payee = r.number;
        else if (!r.transferAccount.isEmpty())
            payee = r.transferAccount;
        else
            payee = ImportService::tr("Imported transaction");
    }
    const QString key = ImportService::duplicateKey(r.date, r.amount, payee);
    if (m_states[entry.target].keys.contains(key)) {
        ++m_result.duplicates;
        return partnerSkipped(index);
    }

    Transaction t;
    t.id = entry.id;
    t.accountId = entry.target;
    t.date = r.date;
    t.payee = payee;
    t.memo = r.memo;
    t.amount = r.amount;
    t.checkNumber = r.number;
    t.cleared = r.cleared;
    t.reconciled = r.reconciled;
    t.categoryId = m_categories.idFor(r.category);
    t.isSplit = !r.splits.isEmpty();
    t.createdAt = m_now;
    t.updatedAt = m_now;
    // Split categories are created before the entry's own savepoint, so a
    // rolled-back entry cannot take a mapped category with it.
    for (const QifSplit &split : r.splits)
        m_categories.idFor(split.category);

    std::optional<Link> link;
    if (entry.partner >= 0) {
        const Pending &partner = m_entries[entry.partner];
        t.transferLinkId = partner.id;
        t.transferDestAccountId = partner.target;
    } else if (!resolveUnpaired(entry, t, link)) {
        return false;
    }

    // A transaction and its split lines are stored together or not at all.
    std::optional<SqlTransaction> entryTransaction;
    if (!r.splits.isEmpty())
        entryTransaction.emplace(QSqlDatabase::database());
    bool stored = (!entryTransaction || entryTransaction->isActive()) && m_service->m_stores.transactions->insert(t)
                  && insertSplits(entry, t);
    if (stored && entryTransaction)
        stored = entryTransaction->commit();
    if (!stored) {
        entryTransaction.reset();
        if (!SqliteHandle::inTransaction())
            return abort(QStringLiteral("the database transaction ended unexpectedly"));
        qWarning().noquote() << "QIF import: insert failed for" << dateToText(r.date) << payee << "amount"
                             << r.amount << "account" << entry.target;
        ++m_result.dbErrorSkipped;
        return partnerSkipped(index);
    }
    if (link && !applyLink(*link))
        return false;
    if (entry.partner > index)
        entry.inserted = t;
    else if (entry.partner >= 0)
        m_entries[entry.partner].inserted.reset();
    ++m_result.imported;
    m_states[entry.target].keys.insert(key);
    return true;
}

bool QifImport::abort(const QString &reason)
{
    m_abortReason = reason;
    return false;
}

ImportResult QifImport::run(const QStringList &filePaths)
{
    if (!readFiles(filePaths))
        return m_result;

    const int total = int(m_entries.size());
    Q_EMIT m_service->importStarted(total);
    SqlTransaction transaction(QSqlDatabase::database());
    bool ok = transaction.isActive();
    if (!ok)
        m_abortReason = QStringLiteral("cannot begin a transaction: %1").arg(transaction.errorText());
    // Accounts and listed categories are made inside the transaction, so a
    // failed or cancelled import leaves none of them behind.
    if (ok && !m_service->createAccounts(m_newAccounts, m_mapping, m_abortReason))
        ok = false;
    if (ok) {
        resolveTargets();
        pairTransfers();
        for (const QifCategoryEntry &category : std::as_const(m_listedCategories)) {
            if (!m_categories.contains(category.name))
                m_categories.idFor(category.name, category.income ? CategoryType::Income : CategoryType::Expense);
        }
    }
    for (int i = 0; ok && i < total; ++i) {
        ok = processEntry(i);
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
            qWarning().noquote() << "QIF import aborted:" << m_abortReason;
        transaction.rollback();
        markFailed(m_result, m_abortReason);
    }
    Q_EMIT m_service->importProgress(total, total);
    return m_result;
}
