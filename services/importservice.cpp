#include "services/importservice.h"

#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/sqlitehandle.h"
#include "data/sqltransaction.h"
#include "data/timestamps.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/accountservice.h"
#include "services/csvparser.h"
#include "services/importcategories.h"
#include "services/importencoding.h"
#include "services/importofx.h"
#include "services/importqif.h"
#include "services/qifparser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>

namespace {

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
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

std::optional<Currency> knownCurrency(const QString &code)
{
    for (const Currency currency : kAllCurrencies) {
        if (currencyToString(currency) == code)
            return currency;
    }
    return std::nullopt;
}

} // namespace

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             SplitLineRepository *splitLines, QObject *parent)
    : ImportService(Stores{transactions, categories, splitLines}, parent)
{
}

ImportService::ImportService(const Stores &stores, QObject *parent)
    : QObject(parent)
    , m_stores(stores)
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

bool ImportService::samePath(const QString &a, const QString &b)
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

ImportService::ReadStatus ImportService::readFile(const QString &path, QString &text) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Unreadable;
    if (file.size() > m_maxFileSize) {
        qWarning().noquote() << "Import: refused a file of" << file.size() << "bytes";
        return ReadStatus::TooLarge;
    }
    // Read at most one byte past the limit, in case the size was not known.
    const QByteArray bytes = file.read(m_maxFileSize + 1);
    if (bytes.size() > m_maxFileSize)
        return ReadStatus::TooLarge;
    text = ImportEncoding::decode(bytes);
    return ReadStatus::Ok;
}

QString ImportService::readError(ReadStatus status, const QString &path) const
{
    if (status == ReadStatus::TooLarge) {
        return tr("%1 is larger than %2 MB and was not imported.")
            .arg(fileName(path))
            .arg(m_maxFileSize / (1024 * 1024));
    }
    return tr("%1 could not be read.").arg(fileName(path));
}

QString ImportService::cancelledText() const
{
    return tr("The import was cancelled.");
}

bool ImportService::stepProgress(int current, int total)
{
    if (current % 100 == 0) {
        Q_EMIT importProgress(current, total);
        QCoreApplication::processEvents(m_eventFlags, 5);
    }
    return !m_cancelRequested;
}

bool ImportService::createAccounts(const QMap<QString, Account> &newAccounts, QMap<QString, QString> &mapping,
                                   QString &error)
{
    for (auto it = newAccounts.constBegin(); it != newAccounts.constEnd(); ++it) {
        if (!m_stores.accountService) {
            error = QStringLiteral("no account service to create accounts with");
            return false;
        }
        const Result<Account> created = m_stores.accountService->createWithin(it.value());
        if (!created) {
            error = QStringLiteral("cannot create an account: %1").arg(created.error());
            return false;
        }
        mapping.insert(it.key(), created->id);
    }
    return true;
}

int ImportService::decimalsOf(const QString &accountId) const
{
    if (!m_stores.accounts)
        return 2;
    const std::optional<Account> account = m_stores.accounts->findById(accountId);
    return account ? currencyDecimals(account->currency) : 2;
}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId, const CsvMapping &mapping)
{
    m_cancelRequested = false;
    ImportResult result;
    Currency currency = Currency::USD;
    if (m_stores.accounts) {
        const std::optional<Account> account = m_stores.accounts->findById(accountId);
        if (!account || account->deletedAt) {
            result.error = tr("The account to import into no longer exists.");
            return result;
        }
        currency = account->currency;
    }
    QString text;
    const ReadStatus status = readFile(filePath, text);
    if (status != ReadStatus::Ok) {
        result.error = readError(status, filePath);
        return result;
    }

    const QList<QStringList> rows = CsvParser::parse(text);
    text.clear();
    QSet<QString> keys;
    const QList<Transaction> existing = m_stores.transactions->findByAccount(accountId);
    for (const Transaction &t : existing)
        keys.insert(duplicateKey(t.date, t.amount, t.payee));
    const QDateTime now = Clock::now();
    ImportCategories categories(m_stores.categories, now);

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
        if (!stepProgress(n, total)) {
            result.cancelled = true;
            failure = cancelledText();
            break;
        }
        const QString *dateCell = cell(row, mapping.dateColumn);
        const QString *payeeCell = cell(row, mapping.payeeColumn);
        const QString *amountCell = cell(row, mapping.amountColumn);
        if (!dateCell || !payeeCell || !amountCell) {
            ++result.unparseable;
            continue;
        }
        const QDate date = CsvParser::parseDate(*dateCell, mapping.dateFormat);
        const std::optional<qint64> amount = CsvParser::parseAmount(*amountCell, currency);
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
        if (m_stores.transactions->insert(t)) {
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
        if (!result.cancelled)
            qWarning().noquote() << "CSV import aborted:" << failure;
        transaction.rollback();
        // Nothing written survives a rollback, so a failed import claims none of it.
        result.aborted = true;
        result.imported = 0;
        result.error = failure;
    }
    Q_EMIT importProgress(total, total);
    return result;
}

QifAnalysis ImportService::analyzeQif(const QStringList &filePaths)
{
    QifAnalysis analysis;
    QStringList refused;
    QSet<QString> seen;   // lowercase account names
    for (const QString &path : filePaths) {
        QString text;
        const ReadStatus status = readFile(path, text);
        if (status != ReadStatus::Ok) {
            refused.append(readError(status, path));
            continue;
        }
        const QifFile file = QifParser::parse(text);
        analysis.totalRecords += int(file.records.size());
        if (file.accounts.isEmpty()) {
            const QString name = fileName(path);
            const QString displayName = tr("%1 (no account header)").arg(name);
            const QString bareName = name.left(name.indexOf(QLatin1Char('.')));
            analysis.accounts.append({path, displayName, true, AccountType::Checking,
                                      bareName.isEmpty() ? displayName : bareName});
        }
        for (const QifAccountEntry &account : file.accounts) {
            if (seen.contains(account.name.toLower()))
                continue;
            seen.insert(account.name.toLower());
            analysis.accounts.append(
                {account.name, account.name, false, suggestedType(account.type, account.name), account.name});
        }
        QCoreApplication::processEvents(m_eventFlags, 5);
    }
    analysis.error = refused.join(QLatin1Char('\n'));
    return analysis;
}

ImportResult ImportService::importQif(const QStringList &filePaths, const QMap<QString, QString> &accountMapping,
                                      const QMap<QString, Account> &newAccounts)
{
    m_cancelRequested = false;
    QifImport run(this, accountMapping, newAccounts);
    return run.run(filePaths);
}

OfxAnalysis ImportService::analyzeOfx(const QStringList &filePaths)
{
    m_cancelRequested = false;
    OfxAnalysis analysis;
    QStringList refused;
    QSet<QString> seen;
    for (const QString &path : filePaths) {
        const OfxFile file = OfxParser::parseFile(path, [this](int read, int total) {
            Q_EMIT analysisProgress(read, total);
            QCoreApplication::processEvents(m_eventFlags, 5);
            return !m_cancelRequested;
        });
        if (file.cancelled) {
            analysis = OfxAnalysis();
            analysis.cancelled = true;
            return analysis;
        }
        if (!file.error.isEmpty()) {
            refused.append(QStringLiteral("%1: %2").arg(fileName(path), file.error));
            continue;
        }
        analysis.unparseable += file.unparseable;
        analysis.investmentStatements += file.investmentStatements;
        analysis.transactions += file.transactions;
        for (const OfxAccount &account : file.accounts) {
            if (seen.contains(account.key))
                continue;
            seen.insert(account.key);
            OfxSourceAccount source;
            source.key = account.key;
            source.number = account.number;
            source.suggestedType = account.suggestedType;
            source.currency = knownCurrency(account.currency);
            const QString digits = account.number.right(4);
            const QString type = accountTypeDisplayName(account.suggestedType);
            source.displayName = digits.isEmpty() ? type : tr("%1 ending in %2").arg(type, digits);
            source.newAccountName = digits.isEmpty() ? type : QStringLiteral("%1 %2").arg(type, digits);
            analysis.accounts.append(source);
        }
        QCoreApplication::processEvents(m_eventFlags, 5);
    }
    if (refused.isEmpty() && analysis.accounts.isEmpty() && !filePaths.isEmpty())
        refused.append(tr("No bank or credit card statement was found."));
    analysis.error = refused.join(QLatin1Char('\n'));
    return analysis;
}

ImportResult ImportService::importOfx(const OfxAnalysis &analysis, const QMap<QString, QString> &accountMapping,
                                      const QMap<QString, Account> &newAccounts)
{
    m_cancelRequested = false;
    OfxImport run(this, accountMapping, newAccounts);
    return run.run(analysis);
}

ImportResult ImportService::importOfx(const QStringList &filePaths, const QMap<QString, QString> &accountMapping,
                                      const QMap<QString, Account> &newAccounts)
{
    return importOfx(analyzeOfx(filePaths), accountMapping, newAccounts);
}
