#pragma once

#include "data/account.h"
#include "data/enums.h"
#include "services/ofxparser.h"

#include <QEventLoop>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class AccountRepository;
class AccountService;
class CategoryRepository;
class ImportIdRepository;
class SplitLineRepository;
class TransactionRepository;

// What one import did. When `aborted` is set nothing was written, and the
// counters of written work (imported and linked) are 0.
struct ImportResult
{
    int imported = 0;
    int duplicates = 0;
    int unparseable = 0;
    int metadataSkipped = 0;
    int unmappedSkipped = 0;
    int transfersLinked = 0;
    int retroactiveLinked = 0;
    int dbErrorSkipped = 0;
    bool aborted = false;
    // The person stopped it; `aborted` is set as well.
    bool cancelled = false;
    // Why a file was refused (then nothing was written either), or why the
    // import stopped; empty otherwise.
    QString error;

    // Nothing was stored because of a refused file, a database failure or
    // the person's cancel.
    bool failed() const { return aborted || !error.isEmpty(); }
};

struct CsvMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool firstRowIsHeader = true;
    QString dateFormat;   // a QDate format; empty detects the format per cell
};

struct QifSourceAccount
{
    QString key;
    QString displayName;
    bool isFileKey = false;
    AccountType suggestedType = AccountType::Checking;
    // The name an account created for it gets: the QIF account name, or the
    // file name up to its first "." for a file without account headers.
    QString newAccountName;
};

struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int totalRecords = 0;
    // Files that could not be read, one line each; an import of them fails.
    QString error;
};

// One bank or card account of the OFX files, to be mapped like a QIF one.
struct OfxSourceAccount
{
    QString key;
    QString displayName;      // "Checking ending in 6789"
    QString newAccountName;   // "Checking 6789"
    QString number;
    AccountType suggestedType = AccountType::Checking;
    std::optional<Currency> currency;   // when the statement's is one of ours
};

// The accounts and lines of the OFX files, read once: the import stores
// these lines without reading the files again.
struct OfxAnalysis
{
    QList<OfxSourceAccount> accounts;
    QList<OfxTransaction> transactions;
    int unparseable = 0;
    int investmentStatements = 0;
    bool cancelled = false;
    // Files that could not be read, one line each; an import of them fails.
    QString error;
};

// Brings transactions from files into the database: a CSV file into one
// account through a column mapping, QIF files into several accounts at
// once, linking the transfers between them, also to the other halves left by
// an earlier import, and OFX/QFX statements into the accounts their bank and
// card accounts are mapped to, skipping lines whose bank id (FITID) an
// earlier import already stored. Each import is one database transaction:
// the accounts it was asked to create, the categories, rows and links are
// all stored, or nothing. It runs on the calling thread and keeps a
// progress display alive by letting the event loop run briefly every 100
// records; cancel() stops it at the next of those.
class ImportService : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kDefaultMaxFileSize = 200LL * 1024 * 1024;

    // The repositories and services an import writes through. Without the
    // account parts, amounts are read with two decimals and an import asked
    // to create accounts fails; without the import ids, OFX imports fail.
    struct Stores
    {
        TransactionRepository *transactions = nullptr;
        CategoryRepository *categories = nullptr;
        SplitLineRepository *splitLines = nullptr;
        AccountRepository *accounts = nullptr;
        AccountService *accountService = nullptr;
        ImportIdRepository *importIds = nullptr;
    };

    ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                  SplitLineRepository *splitLines, QObject *parent = nullptr);
    explicit ImportService(const Stores &stores, QObject *parent = nullptr);

    // Into the account `accountId`; amounts in its currency's decimals.
    ImportResult importCsv(const QString &filePath, const QString &accountId, const CsvMapping &mapping);

    QifAnalysis analyzeQif(const QStringList &filePaths);
    // `accountMapping`: QIF source key to target account id; a missing or
    // empty id skips it. Account names compare without case, file paths
    // (the keys of files without account headers) as the file system
    // compares them. `newAccounts`: source keys whose records go to an
    // account created, as given there, inside the import's transaction.
    ImportResult importQif(const QStringList &filePaths, const QMap<QString, QString> &accountMapping,
                           const QMap<QString, Account> &newAccounts = {});

    // Reads the files (reporting analysisProgress); cancel() stops it.
    OfxAnalysis analyzeOfx(const QStringList &filePaths);
    // `accountMapping` and `newAccounts` as for QIF, keyed by the OFX
    // account keys, which compare exactly.
    ImportResult importOfx(const OfxAnalysis &analysis, const QMap<QString, QString> &accountMapping,
                           const QMap<QString, Account> &newAccounts = {});
    ImportResult importOfx(const QStringList &filePaths, const QMap<QString, QString> &accountMapping,
                           const QMap<QString, Account> &newAccounts = {});

    // Files larger than this are refused whole.
    void setMaxFileSize(qint64 bytes) { m_maxFileSize = bytes; }
    qint64 maxFileSize() const { return m_maxFileSize; }

    // What the event loop may handle during the short runs between records:
    // no user input by default, so nothing else starts meanwhile. A caller
    // whose progress window blocks every other window (application modal)
    // lets input through, so its Cancel button works.
    void setEventFlags(QEventLoop::ProcessEventsFlags flags) { m_eventFlags = flags; }

    // "[→ name]": marks a transfer whose other half was not found, so a later
    // import can find and link it.
    static QString transferHint(const QString &accountName);
    // "yyyy-MM-dd|minor units|payee": same date, amount and payee is a duplicate.
    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);
    // Whether two QIF file paths name the same file by the file system's
    // rules: exactly on Linux, without case where the system ignores it.
    static bool samePath(const QString &a, const QString &b);

public Q_SLOTS:
    // Stops the running import (rolling it back) or OFX reading at the next
    // step; an import started later runs normally.
    void cancel() { m_cancelRequested = true; }

Q_SIGNALS:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);
    // While analyzeOfx reads: statement lines read so far, and their total.
    void analysisProgress(int current, int total);

private:
    friend class QifImport;
    friend class OfxImport;

    enum class ReadStatus { Ok, Unreadable, TooLarge };
    ReadStatus readFile(const QString &path, QString &text) const;
    QString readError(ReadStatus status, const QString &path) const;
    // Every 100th record: report, let the progress display repaint, and
    // tell whether to go on (false once cancel() was called).
    bool stepProgress(int current, int total);
    // Creates the requested accounts inside the open transaction and maps
    // their keys to them; false with `error` set when one fails.
    bool createAccounts(const QMap<QString, Account> &newAccounts, QMap<QString, QString> &mapping,
                        QString &error);
    // Digits after the point of the account's currency; 2 when unknown.
    int decimalsOf(const QString &accountId) const;
    QString cancelledText() const;

    Stores m_stores;
    qint64 m_maxFileSize = kDefaultMaxFileSize;
    QEventLoop::ProcessEventsFlags m_eventFlags = QEventLoop::ExcludeUserInputEvents;
    bool m_cancelRequested = false;
};
