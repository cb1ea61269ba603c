#pragma once

#include "data/enums.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class CategoryRepository;
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
    // Why a file was refused, or why the import stopped; empty otherwise.
    QString error;
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
};

struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int totalRecords = 0;
};

// Brings transactions from files into the database: a CSV file into one
// account through a column mapping, or QIF files into several accounts at
// once, linking the transfers between them, also to the other halves left by
// an earlier import. Each import is one database transaction: all of it is
// stored, or nothing. It runs on the calling thread and keeps a progress
// display alive by letting the event loop run briefly (without user input)
// every 100 records. It does not create accounts; the caller maps them.
class ImportService : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kDefaultMaxFileSize = 200LL * 1024 * 1024;

    ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                  SplitLineRepository *splitLines, QObject *parent = nullptr);

    ImportResult importCsv(const QString &filePath, const QString &accountId, const CsvMapping &mapping);
    QifAnalysis analyzeQif(const QStringList &filePaths);
    // `accountMapping`: QIF source key (account name or file path, compared
    // without case) to target account id; a missing or empty id skips it.
    ImportResult importQif(const QStringList &filePaths, const QMap<QString, QString> &accountMapping);

    // Files larger than this are refused whole.
    void setMaxFileSize(qint64 bytes) { m_maxFileSize = bytes; }
    qint64 maxFileSize() const { return m_maxFileSize; }

    // "[→ name]": marks a transfer whose other half was not found, so a later
    // import can find and link it.
    static QString transferHint(const QString &accountName);
    // "yyyy-MM-dd|cents|payee": same date, amount and payee is a duplicate.
    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);

Q_SIGNALS:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    friend class QifImport;

    enum class ReadStatus { Ok, Unreadable, TooLarge };
    ReadStatus readFile(const QString &path, QString &text) const;
    QString tooLargeText(const QString &path) const;
    // Every 100th record: report and let the progress display repaint.
    void stepProgress(int current, int total);

    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    qint64 m_maxFileSize = kDefaultMaxFileSize;
};
