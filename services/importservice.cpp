#include "services/importservice.h"

#include "data/clock.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/csvparser.h"
#include "services/importencoding.h"
#include "services/qifparser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>

#include <optional>

namespace {

const QString kHintPrefix = QStringLiteral("[\u2192 ");

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

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

AccountType suggestedType(const QString &typeText, const QString &accountName)
{
    if (typeText == QLatin1String("ccard"))
        return AccountType::CreditCard;
    if (typeText == QLatin1String("invst"))
        return AccountType::Investment;
    if (typeText == QLatin1String("cash"))
        return AccountType::Cash;
    if (typeText == QLatin1String("oth a") || typeText == QLatin1String("oth l"))
        return AccountType::Other;
    if (accountName.contains(QLatin1String("saving"), Qt::CaseInsensitive))
        return AccountType::Savings;
    return AccountType::Checking;
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

// Category name to id, creating a missing name as it is first asked for.
class CategoryMap
{
public:
    CategoryMap(CategoryRepository *repository, const QDateTime &now)
        : m_repository(repository)
        , m_now(now)
    {
        const QList<Category> all = repository->findAll();
        for (const Category &category : all)
            m_ids.insert(category.name, category.id);
    }

    bool contains(const QString &name) const { return m_ids.contains(name); }

    // Empty for an empty name. A failed insert still leaves the id mapped;
    // the rows that use it then fail on the foreign key and are counted.
    QString idFor(const QString &name, CategoryType type = CategoryType::Expense)
    {
        if (name.isEmpty())
            return QString();
        const auto it = m_ids.constFind(name);
        if (it != m_ids.constEnd())
            return *it;
        Category category;
        category.id = newUuid();
        category.name = name;
        category.type = type;
        category.createdAt = m_now;
        category.updatedAt = m_now;
        m_repository->insert(category);
        m_ids.insert(name, category.id);
        return category.id;
    }

private:
    CategoryRepository *m_repository;
    QDateTime m_now;
    QHash<QString, QString> m_ids;
};

} // namespace

// One run of importQif: the pending entries, the per-account state and the
// counters, for the length of one call.
class QifImport
{
public:
    QifImport(ImportService *service, const QMap<QString, QString> &mapping)
        : m_service(service)
        , m_now(Clock::now())
        , m_categories(service->m_categories, m_now)
    {
        for (auto it = mapping.constBegin(); it != mapping.constEnd(); ++it) {
            if (!it.value().isEmpty())
                m_mapping.insert(it.key().toLower(), it.value());
        }
    }

    ImportResult run(const QStringList &filePaths);

private:
    struct Pending
    {
        QifRecord record;
        QString target;
        int partner = -1;
        QString id;
        std::optional<Transaction> inserted;   // kept while its partner is still to come
    };

    struct Candidate
    {
        Transaction transaction;
        bool used = false;
    };

    struct AccountState
    {
        QSet<QString> keys;
        QList<Candidate> candidates;
        // "date|cents|lowercase hint name" to candidate positions, oldest first.
        QHash<QString, QList<int>> byKey;
    };

    // A prepared update of an earlier row that gets linked to the new one.
    struct Link
    {
        QString account;
        int candidate = -1;
        Transaction updated;
    };

    static QString candidateKey(const QDate &date, qint64 amount, const QString &name)
    {
        return QStringLiteral("%1|%2|%3").arg(dateToText(date)).arg(amount).arg(name.toLower());
    }

    QString targetFor(const QString &key) const { return m_mapping.value(key.toLower()); }
    AccountState &stateFor(const QString &accountId);
    void readFiles(const QStringList &filePaths);
    void pairTransfers();
    bool processEntry(int index);
    // The outcome of a transfer without a partner in this import: a link to
    // an earlier row that names this account in its hint, or the hint.
    bool resolveUnpaired(const Pending &entry, Transaction &t, std::optional<Link> &link);
    bool applyLink(const Link &link);
    // A skipped entry leaves its partner without the other half.
    bool partnerSkipped(int index);
    bool insertSplits(const Pending &entry, const Transaction &t);
    bool abort(const QString &reason);

    ImportService *m_service;
    QDateTime m_now;
    CategoryMap m_categories;
    QHash<QString, QString> m_mapping;   // lowercase source key to target
    QList<Pending> m_entries;
    QList<QifCategoryEntry> m_listedCategories;
    QHash<QString, AccountState> m_states;
    ImportResult m_result;
    QString m_abortReason;
};

QifImport::AccountState &QifImport::stateFor(const QString &accountId)
{
    auto it = m_states.find(accountId);
    if (it != m_states.end())
        return *it;
    AccountState &state = m_states[accountId];
    const QList<Transaction> existing = m_service->m_transactions->findByAccount(accountId);
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

void QifImport::readFiles(const QStringList &filePaths)
{
    QSet<QString> categoryNames;
    for (const QString &path : filePaths) {
        QString text;
        const auto status = m_service->readFile(path, text);
        if (status == ImportService::ReadStatus::TooLarge)
            m_result.error = m_service->tooLargeText(path);
        if (status != ImportService::ReadStatus::Ok)
            continue;
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
            entry.target = targetFor(record.accountName.isEmpty() ? path : record.accountName);
            entry.id = newUuid();
            entry.record = std::move(record);
            m_entries.append(std::move(entry));
        }
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
    const QString destination = targetFor(r.transferAccount);
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
    if (!m_service->m_transactions->update(link.updated))
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
    if (!m_service->m_transactions->update(t))
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
        if (!m_service->m_splitLines->insert(line))
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
    bool stored = (!entryTransaction || entryTransaction->isActive()) && m_service->m_transactions->insert(t)
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
    readFiles(filePaths);
    pairTransfers();
    for (const QifCategoryEntry &category : std::as_const(m_listedCategories)) {
        if (!m_categories.contains(category.name))
            m_categories.idFor(category.name, category.income ? CategoryType::Income : CategoryType::Expense);
    }

    const int total = int(m_entries.size());
    Q_EMIT m_service->importStarted(total);
    SqlTransaction transaction(QSqlDatabase::database());
    bool ok = transaction.isActive();
    if (!ok)
        m_abortReason = QStringLiteral("cannot begin a transaction: %1").arg(transaction.errorText());
    for (int i = 0; ok && i < total; ++i) {
        ok = processEntry(i);
        m_service->stepProgress(i + 1, total);
    }
    if (ok && !transaction.commit()) {
        ok = false;
        m_abortReason = QStringLiteral("commit failed: %1").arg(transaction.errorText());
    }
    if (!ok) {
        qWarning().noquote() << "QIF import aborted:" << m_abortReason;
        transaction.rollback();
        markFailed(m_result, m_abortReason);
    }
    Q_EMIT m_service->importProgress(total, total);
    return m_result;
}

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             SplitLineRepository *splitLines, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

QString ImportService::transferHint(const QString &accountName)
{
    return QStringLiteral("[\u2192 %1]").arg(accountName);
}

QString ImportService::duplicateKey(const QDate &date, qint64 amount, const QString &payee)
{
    return QStringLiteral("%1|%2|%3").arg(dateToText(date)).arg(amount).arg(payee);
}

ImportService::ReadStatus ImportService::readFile(const QString &path, QString &text) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Unreadable;
    if (file.size() > m_maxFileSize) {
        qWarning().noquote() << "Import: refused" << path << "of" << file.size() << "bytes";
        return ReadStatus::TooLarge;
    }
    // Read at most one byte past the limit, in case the size was not known.
    const QByteArray bytes = file.read(m_maxFileSize + 1);
    if (bytes.size() > m_maxFileSize)
        return ReadStatus::TooLarge;
    text = ImportEncoding::decode(bytes);
    return ReadStatus::Ok;
}

QString ImportService::tooLargeText(const QString &path) const
{
    return tr("%1 is larger than %2 MB and was not imported.")
        .arg(fileName(path))
        .arg(m_maxFileSize / (1024 * 1024));
}

void ImportService::stepProgress(int current, int total)
{
    if (current % 100 != 0)
        return;
    Q_EMIT importProgress(current, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId, const CsvMapping &mapping)
{
    ImportResult result;
    QString text;
    const ReadStatus status = readFile(filePath, text);
    if (status == ReadStatus::TooLarge)
        result.error = tooLargeText(filePath);
    if (status != ReadStatus::Ok)
        return result;

    const QList<QStringList> rows = CsvParser::parse(text);
    text.clear();
    QSet<QString> keys;
    const QList<Transaction> existing = m_transactions->findByAccount(accountId);
    for (const Transaction &t : existing)
        keys.insert(duplicateKey(t.date, t.amount, t.payee));
    const QDateTime now = Clock::now();
    CategoryMap categories(m_categories, now);

    const int first = mapping.firstRowIsHeader ? 1 : 0;
    const int total = qMax(0, int(rows.size()) - first);
    Q_EMIT importStarted(total);

    const auto cell = [](const QStringList &row, int column) -> const QString * {
        return column >= 0 && column < row.size() ? &row[column] : nullptr;
    };

    SqlTransaction transaction(QSqlDatabase::database());
    QString failure;
    if (!transaction.isActive())
        failure = QStringLiteral("cannot begin a transaction: %1").arg(transaction.errorText());
    for (int n = 1; failure.isEmpty() && n <= total; ++n) {
        const QStringList &row = rows[first + n - 1];
        stepProgress(n, total);
        const QString *dateCell = cell(row, mapping.dateColumn);
        const QString *payeeCell = cell(row, mapping.payeeColumn);
        const QString *amountCell = cell(row, mapping.amountColumn);
        if (!dateCell || !payeeCell || !amountCell) {
            ++result.unparseable;
            continue;
        }
        const QDate date = CsvParser::parseDate(*dateCell, mapping.dateFormat);
        const std::optional<qint64> amount = CsvParser::parseAmount(*amountCell);
        if (!date.isValid() || !amount) {
            ++result.unparseable;
            continue;
        }
        const QString key = duplicateKey(date, *amount, *payeeCell);
        if (keys.contains(key)) {
            ++result.duplicates;
            continue;
        }

        Transaction t;
        t.id = newUuid();
        t.accountId = accountId;
        t.date = date;
        t.payee = *payeeCell;
        t.amount = *amount;
        if (const QString *memo = cell(row, mapping.memoColumn))
            t.memo = *memo;
        if (const QString *category = cell(row, mapping.categoryColumn))
            t.categoryId = categories.idFor(*category);
        t.createdAt = now;
        t.updatedAt = now;
        if (m_transactions->insert(t)) {
            ++result.imported;
            keys.insert(key);
        } else if (!SqliteHandle::inTransaction()) {
            failure = QStringLiteral("the database transaction ended unexpectedly");
        } else {
            ++result.dbErrorSkipped;
        }
    }
    if (failure.isEmpty() && !transaction.commit())
        failure = QStringLiteral("commit failed: %1").arg(transaction.errorText());
    if (!failure.isEmpty()) {
        qWarning().noquote() << "CSV import aborted:" << failure;
        transaction.rollback();
        markFailed(result, failure);
    }
    Q_EMIT importProgress(total, total);
    return result;
}

QifAnalysis ImportService::analyzeQif(const QStringList &filePaths)
{
    QifAnalysis analysis;
    QSet<QString> seen;   // lowercase account names
    for (const QString &path : filePaths) {
        QString text;
        if (readFile(path, text) != ReadStatus::Ok)
            continue;
        const QifFile file = QifParser::parse(text);
        analysis.totalRecords += int(file.records.size());
        if (file.accounts.isEmpty()) {
            analysis.accounts.append({path, tr("%1 (no account header)").arg(fileName(path)), true,
                                      AccountType::Checking});
        }
        for (const QifAccountEntry &account : file.accounts) {
            if (seen.contains(account.name.toLower()))
                continue;
            seen.insert(account.name.toLower());
            analysis.accounts.append({account.name, account.name, false, suggestedType(account.type, account.name)});
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
    return analysis;
}

ImportResult ImportService::importQif(const QStringList &filePaths, const QMap<QString, QString> &accountMapping)
{
    QifImport run(this, accountMapping);
    return run.run(filePaths);
}
