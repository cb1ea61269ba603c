#include "common/testdatabase.h"
#include "data/changejournal.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/importidrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/importencoding.h"
#include "services/importservice.h"
#include "services/undohistory.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <limits>

Q_DECLARE_METATYPE(ImportEncoding::Encoding)

namespace {
const QString kChecking = QStringLiteral("acc-checking");
const QString kSavings = QStringLiteral("acc-savings");
const QString kYen = QStringLiteral("acc-yen");
const QString kStamp = QStringLiteral("2024-01-01T00:00:00Z");
const QString kHintSavings = QStringLiteral("[\u2192 Savings]");

// Two halves of one transfer, as two programs would write them.
const QByteArray kCheckingQif = "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                "D03/01/2024\nT-100.00\nPMove to savings\nMrent share\nL[Savings]\n^\n"
                                "D03/02/2024\nT-20.00\nPGrocer\nLFood\n^\n";
const QByteArray kSavingsQif = "!Account\nNSavings\nTBank\n^\n!Type:Bank\n"
                               "D03/01/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n";

// An SGML checking statement of `lines` lines dated in March 2024.
QByteArray generatedOfx(int lines)
{
    QByteArray text = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1"
                      "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>42<ACCTTYPE>CHECKING</BANKACCTFROM>"
                      "<BANKTRANLIST>\n";
    for (int i = 0; i < lines; ++i) {
        text += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>202403" + QByteArray::number(10 + i % 18) + "<TRNAMT>-"
                + QByteArray::number(i + 1) + ".25<FITID>L" + QByteArray::number(i) + "<NAME>Payee "
                + QByteArray::number(i) + "</STMTTRN>\n";
    }
    return text + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

QByteArray readFixture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(path));
    return file.readAll();
}
} // namespace

class tst_ImportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void encodingDetection_data();
    void encodingDetection();

    void csvImportsMappedColumns();
    void csvDecodesFileEncodings_data();
    void csvDecodesFileEncodings();
    void csvDuplicatesWithinAndAcrossFiles();
    void csvSkipsUnreadableRows_data();
    void csvSkipsUnreadableRows();
    void csvCategoryNamesAreCaseSensitive();
    void csvMissingOrOversizedFile();
    void csvFailedInsertIsCountedAndSkipped();
    void csvCommitFailureReportsFailure();
    void csvLostTransactionLeavesNothing();
    void csvProgressSignals();
    void csvAmountsInTheAccountsDecimals_data();
    void csvAmountsInTheAccountsDecimals();
    void csvIntoAnAccountThatIsGone();
    void csvCancelLeavesNothing();

    void qifAnalysis();
    void qifReadsAmountsExactly();
    void qifPairsTransfersWithinOneImport();
    void qifLinksToEarlierImportThroughHint();
    void qifSkippedPartnerLeavesNoDanglingLink_data();
    void qifSkippedPartnerLeavesNoDanglingLink();
    void qifPayeeFallbacks_data();
    void qifPayeeFallbacks();
    void qifDuplicatesWithinAndAcrossFiles();
    void qifCountsUnmappedMetadataAndUnparseable();
    void qifCategoriesAndSplits();
    void qifHeaderlessFileIsMappedByPath();
    void qifFailedPartnerUpdateAbortsEverything();
    void qifLostTransactionAbortsEverything();
    void qifProgressAndOneChangeSignal();
    void qifUnreadableFileFailsTheWholeImport();
    void qifCreatesAccountsInsideTheImport();
    void qifStoppedImportLeavesNoAccountOrCategory_data();
    void qifStoppedImportLeavesNoAccountOrCategory();
    void qifAnalysisNamesNewAccounts();

    void ofxImportsBankStatement();
    void ofxSecondImportSkipsKnownFitIds();
    void ofxKeysStillCatchRowsWithoutFitId_data();
    void ofxKeysStillCatchRowsWithoutFitId();
    void ofxSeveralAccountsAreMapped();
    void ofxAmountsInTheAccountsDecimals_data();
    void ofxAmountsInTheAccountsDecimals();
    void ofxHugeAmountsAreSkipped();
    void ofxRefusedFilesWriteNothing_data();
    void ofxRefusedFilesWriteNothing();
    void ofxStoppedImportLeavesNothing_data();
    void ofxStoppedImportLeavesNothing();
    void ofxAnalysisCanBeCancelled();

private:
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    void addAccount(const QString &id, const QString &name, const QString &currency = QStringLiteral("USD")) const;
    void addTransaction(const QString &id, const QString &account, const QDate &date, const QString &payee,
                        qint64 amount, const QString &memo = QString()) const;
    int transactionCount() const;
    QList<Transaction> rows(const QString &account) const;
    ImportResult importCsvText(const QByteArray &text, const CsvMapping &mapping = CsvMapping());
    QMap<QString, QString> bothAccounts() const
    {
        return {{QStringLiteral("checking"), kChecking}, {QStringLiteral("SAVINGS"), kSavings}};
    }

    QString ofxFixture(const QString &name) const { return QFINDTESTDATA(QStringLiteral("data/ofx/") + name); }
    int count(const QString &table) const
    {
        return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
    }
    // The OFX account keys of a file, in file order.
    QStringList ofxKeys(const QString &path);
    // Cancels the running import once it reports `at` records.
    void cancelAt(int at);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<ImportIdRepository> m_importIds;
    std::unique_ptr<UndoHistory> m_undo;
    std::unique_ptr<AccountService> m_accountService;
    std::unique_ptr<ImportService> m_service;
    int m_fileCounter = 0;
};

void tst_ImportService::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_splitLines = std::make_unique<SplitLineRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_importIds = std::make_unique<ImportIdRepository>(m_db->database());
    m_undo = std::make_unique<UndoHistory>();
    m_accountService = std::make_unique<AccountService>(m_accounts.get(), m_transactions.get(), m_recurring.get(),
                                                        m_reconciliations.get());
    m_accountService->setUndoHistory(m_undo.get());
    ImportService::Stores stores;
    stores.transactions = m_transactions.get();
    stores.categories = m_categories.get();
    stores.splitLines = m_splitLines.get();
    stores.accounts = m_accounts.get();
    stores.accountService = m_accountService.get();
    stores.importIds = m_importIds.get();
    m_service = std::make_unique<ImportService>(stores);
    addAccount(kChecking, QStringLiteral("Checking"));
    addAccount(kSavings, QStringLiteral("Savings"));
    addAccount(kYen, QStringLiteral("Tokyo Card"), QStringLiteral("JPY"));
}

void tst_ImportService::cleanup()
{
    m_service.reset();
    m_accountService.reset();
    m_undo.reset();
    m_importIds.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_splitLines.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

QString tst_ImportService::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_db->folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_ImportService::addAccount(const QString &id, const QString &name, const QString &currency) const
{
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, created_at, "
                                      "updated_at) VALUES (?, ?, 'checking', ?, ?, ?)"),
                       {id, name, currency, kStamp, kStamp}));
}

QStringList tst_ImportService::ofxKeys(const QString &path)
{
    QStringList keys;
    for (const OfxSourceAccount &account : m_service->analyzeOfx({path}).accounts)
        keys << account.key;
    return keys;
}

void tst_ImportService::cancelAt(int at)
{
    connect(m_service.get(), &ImportService::importProgress, m_service.get(), [this, at](int current, int) {
        if (current == at)
            m_service->cancel();
    });
}

void tst_ImportService::addTransaction(const QString &id, const QString &account, const QDate &date,
                                       const QString &payee, qint64 amount, const QString &memo) const
{
    Transaction t;
    t.id = id;
    t.accountId = account;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.memo = memo;
    t.createdAt = QDateTime::currentDateTimeUtc();
    t.updatedAt = t.createdAt;
    QVERIFY(m_transactions->insert(t));
}

int tst_ImportService::transactionCount() const
{
    return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
}

QList<Transaction> tst_ImportService::rows(const QString &account) const
{
    // Newest first, and among rows of one date and creation time the last
    // stored first: reversed, the order they were stored in.
    QList<Transaction> list = m_transactions->findByAccount(account);
    std::reverse(list.begin(), list.end());
    return list;
}

ImportResult tst_ImportService::importCsvText(const QByteArray &text, const CsvMapping &mapping)
{
    const QString path = writeFile(QStringLiteral("file%1.csv").arg(++m_fileCounter), text);
    return m_service->importCsv(path, kChecking, mapping);
}

void tst_ImportService::encodingDetection_data()
{
    using E = ImportEncoding::Encoding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<E>("encoding");
    QTest::addColumn<QString>("text");

    QTest::newRow("utf8Bom") << QByteArray("\xEF\xBB\xBF" "Caf\xC3\xA9") << E::Utf8Bom << QStringLiteral("Café");
    QTest::newRow("utf16LeBom") << QByteArray("\xFF\xFE" "C\0a\0f\0\xE9\0", 10) << E::Utf16LE
                                << QStringLiteral("Café");
    QTest::newRow("utf16BeBom") << QByteArray("\xFE\xFF\0C\0a\0f\0\xE9", 10) << E::Utf16BE
                                << QStringLiteral("Café");
    QTest::newRow("utf8NoBom") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80") << E::Utf8
                               << QStringLiteral("Café € \U0001F600");
    QTest::newRow("ascii") << QByteArray("plain") << E::Utf8 << QStringLiteral("plain");
    QTest::newRow("empty") << QByteArray() << E::Utf8 << QString();
    QTest::newRow("windows1252") << QByteArray("Caf\xE9 \x80 \x93q\x94 \x9F") << E::Windows1252
                                 << QStringLiteral("Café € \u201Cq\u201D \u0178");
    QTest::newRow("cp1252Unassigned") << QByteArray("\x81\x8D\x8F\x90\x9D") << E::Windows1252
                                      << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("overlongIsNotUtf8") << QByteArray("\xC0\xAF") << E::Windows1252 << QStringLiteral("À¯");
    QTest::newRow("surrogateIsNotUtf8") << QByteArray("\xED\xA0\x80") << E::Windows1252
                                        << QStringLiteral("í\u00A0\u20AC");
    QTest::newRow("aboveMaxIsNotUtf8") << QByteArray("\xF4\x90\x80\x80") << E::Windows1252
                                       << QStringLiteral("ô\u0090\u20AC\u20AC");
    QTest::newRow("truncatedIsNotUtf8") << QByteArray("ab\xE2\x82") << E::Windows1252
                                        << QStringLiteral("abâ\u201A");
}

void tst_ImportService::encodingDetection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ImportEncoding::Encoding, encoding);
    QFETCH(QString, text);
    QCOMPARE(ImportEncoding::detect(bytes), encoding);
    QCOMPARE(ImportEncoding::decode(bytes), text);
}

void tst_ImportService::csvImportsMappedColumns()
{
    CsvMapping mapping;
    mapping.dateColumn = 1;
    mapping.payeeColumn = 0;
    mapping.amountColumn = 3;
    mapping.memoColumn = 2;
    mapping.categoryColumn = 4;
    const ImportResult result = importCsvText("Payee,Date,Memo,Amount,Category\r\n"
                                              "\"Smith, J\",2024-03-01,\"said \"\"thanks\"\"\",\"$1,250.00\",Salary\r\n"
                                              "Corner Shop,03/02/2024,\"two\nlines\",(12.50),\r\n"
                                              "Bakery,March 3, 2024,,-3.75,Salary\r\n",
                                              mapping);
    // "March 3, 2024" is not quoted, so its comma splits the date cell.
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.duplicates, 0);
    QVERIFY(!result.aborted);

    const QList<Transaction> list = rows(kChecking);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].payee, QStringLiteral("Smith, J"));
    QCOMPARE(list[0].date, QDate(2024, 3, 1));
    QCOMPARE(list[0].amount, 125000);
    QCOMPARE(list[0].memo, QStringLiteral("said \"thanks\""));
    QCOMPARE(list[0].syncStatus, SyncStatus::Pending);
    QVERIFY(!list[0].categoryId.isEmpty());
    const std::optional<Category> salary = m_categories->findById(list[0].categoryId);
    QVERIFY(salary);
    QCOMPARE(salary->name, QStringLiteral("Salary"));
    QCOMPARE(salary->type, CategoryType::Expense);

    QCOMPARE(list[1].payee, QStringLiteral("Corner Shop"));
    QCOMPARE(list[1].amount, -1250);
    QCOMPARE(list[1].memo, QStringLiteral("two\nlines"));
    QVERIFY(list[1].categoryId.isEmpty());
}

void tst_ImportService::csvDecodesFileEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("windows1252") << QByteArray("Date,Payee,Amount\n2024-01-05,Caf\xE9 Ol\xE9,-4.50\n");
    QTest::newRow("utf8Bom") << QByteArray("\xEF\xBB\xBF" "Date,Payee,Amount\n2024-01-05,Caf\xC3\xA9 Ol\xC3\xA9,-4.50\n");
    const QString text = QStringLiteral("Date,Payee,Amount\r\n2024-01-05,Café Olé,-4.50\r\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    QTest::newRow("utf16Le") << le;
    QTest::newRow("utf16Be") << be;
}

void tst_ImportService::csvDecodesFileEncodings()
{
    QFETCH(QByteArray, bytes);
    const ImportResult result = importCsvText(bytes);
    QCOMPARE(result.imported, 1);
    const QList<Transaction> list = rows(kChecking);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].payee, QStringLiteral("Café Olé"));
    QCOMPARE(list[0].amount, -450);
}

void tst_ImportService::csvDuplicatesWithinAndAcrossFiles()
{
    const QByteArray file = "Date,Payee,Amount\n2024-01-05,Shop,-4.50\n2024-01-05,Shop,-4.50\n"
                            "2024-01-05,shop,-4.50\n2024-01-06,Shop,-4.50\n";
    ImportResult first = importCsvText(file);
    QCOMPARE(first.imported, 3);   // payees compare case-sensitively
    QCOMPARE(first.duplicates, 1);

    ImportResult second = importCsvText(file);
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, 4);
    QCOMPARE(transactionCount(), 3);

    // A deleted row is no longer in the account, so it may come back.
    QVERIFY(m_transactions->softDelete(rows(kChecking).constLast().id));
    ImportResult third = importCsvText(file);
    QCOMPARE(third.imported, 1);
    QCOMPARE(third.duplicates, 3);
}

void tst_ImportService::csvSkipsUnreadableRows_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("good") << QByteArray("2024-01-05,Shop,-4.50") << 0 << qint64(-450);
    QTest::newRow("accountingNegative") << QByteArray("2024-01-05,Shop,(12.00)") << 0 << qint64(-1200);
    QTest::newRow("accountingNegativeDollar") << QByteArray("2024-01-05,Shop,($12.00)") << 0 << qint64(-1200);
    QTest::newRow("tooShort") << QByteArray("2024-01-05,Shop") << 1 << qint64(0);
    QTest::newRow("badDate") << QByteArray("2024-13-05,Shop,1.00") << 1 << qint64(0);
    QTest::newRow("absurdDate") << QByteArray("99999999,Shop,1.00") << 1 << qint64(0);
    QTest::newRow("amountText") << QByteArray("2024-01-05,Shop,abc") << 1 << qint64(0);
    QTest::newRow("amountEmpty") << QByteArray("2024-01-05,Shop,") << 1 << qint64(0);
    QTest::newRow("amountOutOf64Bits") << QByteArray("2024-01-05,Shop,1e30") << 1 << qint64(0);
    QTest::newRow("halfCent") << QByteArray("2024-01-05,Shop,1.005") << 0 << qint64(101);
    QTest::newRow("negativeHalfCent") << QByteArray("2024-01-05,Shop,-1.005") << 0 << qint64(-101);
    QTest::newRow("largestAmount") << QByteArray("2024-01-05,Shop,\"$92,233,720,368,547,758.07\"") << 0
                                   << std::numeric_limits<qint64>::max();
    QTest::newRow("amountWithoutOpposite") << QByteArray("2024-01-05,Shop,-92233720368547758.08") << 1 << qint64(0);
    QTest::newRow("amountTwentyNines") << QByteArray("2024-01-05,Shop,99999999999999999999") << 1 << qint64(0);
    QTest::newRow("amountTwoPoints") << QByteArray("2024-01-05,Shop,1.2.3") << 1 << qint64(0);
    QTest::newRow("binaryGarbage") << QByteArray("\x01\xFF\"\xFE,\0\0\x80,\x9D\"\"\"", 14) << 1 << qint64(0);
}

void tst_ImportService::csvSkipsUnreadableRows()
{
    QFETCH(QByteArray, row);
    QFETCH(int, unparseable);
    QFETCH(qint64, amount);
    const ImportResult result = importCsvText("Date,Payee,Amount\n" + row + "\n");
    QCOMPARE(result.unparseable, unparseable);
    QCOMPARE(result.imported, 1 - unparseable);
    QCOMPARE(transactionCount(), 1 - unparseable);
    if (unparseable == 0)
        QCOMPARE(rows(kChecking).constFirst().amount, amount);
}

void tst_ImportService::csvCategoryNamesAreCaseSensitive()
{
    Category groceries;
    groceries.id = QStringLiteral("cat-groceries");
    groceries.name = QStringLiteral("Groceries");
    groceries.createdAt = groceries.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_categories->insert(groceries));

    CsvMapping mapping;
    mapping.categoryColumn = 3;
    const ImportResult result = importCsvText("Date,Payee,Amount,Category\n2024-01-05,A,-1,Groceries\n"
                                              "2024-01-06,B,-2,groceries\n2024-01-07,C,-3,groceries\n",
                                              mapping);
    QCOMPARE(result.imported, 3);
    const QList<Transaction> list = rows(kChecking);
    QCOMPARE(list[0].categoryId, QStringLiteral("cat-groceries"));
    QVERIFY(list[1].categoryId != QStringLiteral("cat-groceries"));
    QCOMPARE(list[2].categoryId, list[1].categoryId);   // created once, then reused
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 2);
}

void tst_ImportService::csvMissingOrOversizedFile()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult missing = m_service->importCsv(m_db->folder() + QStringLiteral("/nope.csv"), kChecking,
                                                      CsvMapping());
    QCOMPARE(missing.imported, 0);
    QCOMPARE(missing.unparseable, 0);
    QVERIFY(!missing.aborted);
    // A file that cannot be read is a failure, not an empty import.
    QVERIFY(missing.failed());
    QVERIFY(missing.error.contains(QStringLiteral("nope.csv")));

    const ImportResult empty = importCsvText(QByteArray());
    QCOMPARE(empty.imported, 0);
    QCOMPARE(empty.unparseable, 0);
    QVERIFY(!empty.failed());

    m_service->setMaxFileSize(64);
    const QString path = writeFile(QStringLiteral("big.csv"), QByteArray("Date,Payee,Amount\n")
                                                               + QByteArray("2024-01-05,Shop,-4.50\n").repeated(4));
    const ImportResult big = m_service->importCsv(path, kChecking, CsvMapping());
    QCOMPARE(big.imported, 0);
    QVERIFY(big.failed());
    QVERIFY(big.error.contains(QStringLiteral("big.csv")));
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(started.size(), 1);   // only the empty file got as far as counting
}

void tst_ImportService::csvFailedInsertIsCountedAndSkipped()
{
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse_bad BEFORE INSERT ON transactions "
                                      "WHEN new.payee = 'Bad' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const ImportResult result = importCsvText("Date,Payee,Amount\n2024-01-05,Good,-1\n2024-01-06,Bad,-2\n"
                                              "2024-01-07,Fine,-3\n");
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.dbErrorSkipped, 1);
    QVERIFY(!result.aborted);
    QCOMPARE(transactionCount(), 2);
}

void tst_ImportService::csvCommitFailureReportsFailure()
{
    // Every insert also writes a row whose deferred foreign key is broken:
    // the inserts succeed and the final commit is what fails.
    QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE parent (id TEXT PRIMARY KEY)")));
    QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE child (parent_id TEXT REFERENCES parent(id) "
                                      "DEFERRABLE INITIALLY DEFERRED)")));
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER orphan AFTER INSERT ON transactions "
                                      "BEGIN INSERT INTO child VALUES ('missing'); END")));
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CSV import aborted: commit failed")));
    const ImportResult result = importCsvText("Date,Payee,Amount\n2024-01-05,Shop,-1\n2024-01-06,Shop,-2\n");
    QVERIFY(result.aborted);
    QCOMPARE(result.imported, 0);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM child")).toInt(), 0);
    QCOMPARE(progress.constLast(), QVariantList({2, 2}));
}

void tst_ImportService::csvLostTransactionLeavesNothing()
{
    // The third insert ends the whole database transaction; nothing before
    // or after it may stay.
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER lose_all BEFORE INSERT ON transactions "
                                      "WHEN (SELECT COUNT(*) FROM transactions) >= 2 "
                                      "BEGIN SELECT RAISE(ROLLBACK, 'gone'); END")));
    QByteArray file = "Date,Payee,Amount\n";
    for (int i = 1; i <= 6; ++i)
        file += QByteArray("2024-01-0") + QByteArray::number(i) + ",Shop,-1\n";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CSV import aborted")));
    const ImportResult result = importCsvText(file);
    QVERIFY(result.aborted);
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
}

void tst_ImportService::csvProgressSignals()
{
    QByteArray file = "Date,Payee,Amount\n";
    for (int i = 0; i < 250; ++i)
        file += "2024-01-05,Payee " + QByteArray::number(i) + ",-1\n";
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    const ImportResult result = importCsvText(file);
    QCOMPARE(result.imported, 250);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started[0][0].toInt(), 250);
    QCOMPARE(progress.size(), 3);
    QCOMPARE(progress[0], QVariantList({100, 250}));
    QCOMPARE(progress[1], QVariantList({200, 250}));
    QCOMPARE(progress[2], QVariantList({250, 250}));
    QCOMPARE(changed.size(), 1);   // one reload for the whole import
}

void tst_ImportService::qifAnalysis()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString more = writeFile(QStringLiteral("more.qif"),
                                   "!Account\nNMy Savings\n^\n!Type:Bank\nD1/1/2024\nT5\n^\n"
                                   "!Account\nNVisa\n^\n!Type:CCard\nD1/1/2024\nT-5\n^\n"
                                   "!Account\nCHECKING\n^\n!Account\nNCHECKING\n^\n!Type:Bank\nD1/2/2024\nT1\n^\n"
                                   "!Account\nNBroker\n^\n!Type:Invst\nD1/1/2024\nT1\n^\n"
                                   "!Account\nNWallet\n^\n!Type:Cash\nD1/1/2024\nT1\n^\n"
                                   "!Account\nNLoan\n^\n!Type:Oth L\nD1/1/2024\nT1\n^\n");
    const QString headerless = writeFile(QStringLiteral("plain.qif"), "!Type:Bank\nD1/1/2024\nT5\n^\n");
    const QifAnalysis analysis =
        m_service->analyzeQif({checking, more, headerless, m_db->folder() + QStringLiteral("/missing.qif")});
    QCOMPARE(analysis.totalRecords, 2 + 6 + 1);

    QStringList keys;
    for (const QifSourceAccount &account : analysis.accounts)
        keys << account.key;
    QCOMPARE(keys, QStringList({"Checking", "My Savings", "Visa", "Broker", "Wallet", "Loan", headerless}));
    const QList<AccountType> types = {AccountType::Checking, AccountType::Savings,    AccountType::CreditCard,
                                      AccountType::Investment, AccountType::Cash, AccountType::Other,
                                      AccountType::Checking};
    for (int i = 0; i < types.size(); ++i)
        QCOMPARE(analysis.accounts[i].suggestedType, types[i]);
    QCOMPARE(analysis.accounts.constLast().displayName, QStringLiteral("plain.qif (no account header)"));
    QVERIFY(analysis.accounts.constLast().isFileKey);
    QVERIFY(!analysis.accounts.constFirst().isFileKey);
}

void tst_ImportService::qifReadsAmountsExactly()
{
    const QString checking =
        writeFile(QStringLiteral("exact-checking.qif"),
                  "!Account\nNChecking\n^\n!Type:Bank\n"
                  "D1/1/2024\nT-2,0050\nPHalf cent\n^\n"
                  "D1/2/2024\nT-92,233,720,368,547,758.07\nPTo savings\nL[Savings]\n^\n"
                  "D1/3/2024\nT-92233720368547758.08\nPNo opposite\n^\n"
                  "D1/4/2024\nT1.2.3\nPTwo points\n^\n");
    const QString savings = writeFile(QStringLiteral("exact-savings.qif"),
                                      "!Account\nNSavings\n^\n!Type:Bank\n"
                                      "D1/2/2024\nT92233720368547758.07\nPFrom checking\nL[Checking]\n^\n");
    const ImportResult result = m_service->importQif({checking, savings}, bothAccounts());
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.unparseable, 2);
    QCOMPARE(result.transfersLinked, 1);

    const QList<Transaction> out = rows(kChecking);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].amount, -201);
    QCOMPARE(out[1].amount, -std::numeric_limits<qint64>::max());
    const Transaction in = rows(kSavings).constFirst();
    QCOMPARE(in.amount, std::numeric_limits<qint64>::max());
    QCOMPARE(in.transferLinkId, out[1].id);
    QCOMPARE(out[1].transferLinkId, in.id);
}

void tst_ImportService::qifPairsTransfersWithinOneImport()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString savings = writeFile(QStringLiteral("savings.qif"), kSavingsQif);
    const ImportResult result = m_service->importQif({checking, savings}, bothAccounts());
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(result.retroactiveLinked, 0);

    const Transaction out = rows(kChecking).constFirst();
    const Transaction in = rows(kSavings).constFirst();
    QCOMPARE(out.amount, -10000);
    QCOMPARE(in.amount, 10000);
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(out.transferDestAccountId, kSavings);
    QCOMPARE(in.transferDestAccountId, kChecking);
    QCOMPARE(out.memo, QStringLiteral("rent share"));
    QVERIFY(in.memo.isEmpty());
    QVERIFY(out.categoryId.isEmpty());
}

void tst_ImportService::qifLinksToEarlierImportThroughHint()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const ImportResult first = m_service->importQif({checking}, {{QStringLiteral("Checking"), kChecking}});
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.transfersLinked, 0);
    const Transaction before = rows(kChecking).constFirst();
    QCOMPARE(before.memo, kHintSavings + QStringLiteral(" rent share"));
    QVERIFY(before.transferLinkId.isEmpty());
    QVERIFY(m_transactions->markSynced(before.id, QStringLiteral("server-1")));

    const QString savings = writeFile(QStringLiteral("savings.qif"), kSavingsQif);
    const ImportResult second = m_service->importQif({savings}, bothAccounts());
    QCOMPARE(second.imported, 1);
    QCOMPARE(second.transfersLinked, 1);
    QCOMPARE(second.retroactiveLinked, 1);

    const Transaction out = rows(kChecking).constFirst();
    const Transaction in = rows(kSavings).constFirst();
    QCOMPARE(out.memo, QStringLiteral("rent share"));
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(out.transferDestAccountId, kSavings);
    QCOMPARE(out.version, before.version + 1);
    QCOMPARE(out.syncStatus, SyncStatus::Pending);
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(in.transferDestAccountId, kChecking);
    QVERIFY(in.memo.isEmpty());

    // Linked once: the row is no longer a candidate for the same file again.
    const ImportResult third = m_service->importQif({savings}, bothAccounts());
    QCOMPARE(third.duplicates, 1);
    QCOMPARE(third.transfersLinked, 0);
}

void tst_ImportService::qifSkippedPartnerLeavesNoDanglingLink_data()
{
    QTest::addColumn<QString>("existingAccount");   // where a row already exists, if anywhere
    QTest::addColumn<QString>("existingMemo");
    QTest::addColumn<QString>("failingPayee");      // an insert that a trigger refuses
    QTest::addColumn<int>("transfersLinked");
    QTest::addColumn<int>("retroactiveLinked");

    QTest::newRow("firstSideDuplicate") << kChecking << QString() << QString() << 0 << 0;
    QTest::newRow("secondSideDuplicate") << kSavings << QString() << QString() << 0 << 0;
    QTest::newRow("secondSideInsertFails") << QString() << QString() << QStringLiteral("From checking") << 0 << 0;
    QTest::newRow("firstSideInsertFails") << QString() << QString() << QStringLiteral("Move to savings") << 0 << 0;
    QTest::newRow("firstSideDuplicateWithHint") << kChecking << kHintSavings + QStringLiteral(" rent share")
                                                << QString() << 1 << 1;
}

void tst_ImportService::qifSkippedPartnerLeavesNoDanglingLink()
{
    QFETCH(QString, existingAccount);
    QFETCH(QString, existingMemo);
    QFETCH(QString, failingPayee);
    QFETCH(int, transfersLinked);
    QFETCH(int, retroactiveLinked);

    if (existingAccount == kChecking)
        addTransaction(QStringLiteral("old"), kChecking, QDate(2024, 3, 1), QStringLiteral("Move to savings"), -10000,
                       existingMemo);
    else if (existingAccount == kSavings)
        addTransaction(QStringLiteral("old"), kSavings, QDate(2024, 3, 1), QStringLiteral("From checking"), 10000);
    if (!failingPayee.isEmpty()) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN new.payee = '%1' "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                               .arg(failingPayee)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import: insert failed for")));
    }

    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString savings = writeFile(QStringLiteral("savings.qif"), kSavingsQif);
    const ImportResult result = m_service->importQif({checking, savings}, bothAccounts());
    QVERIFY(!result.aborted);
    QCOMPARE(result.transfersLinked, transfersLinked);
    QCOMPARE(result.retroactiveLinked, retroactiveLinked);
    QCOMPARE(result.duplicates, existingAccount.isEmpty() ? 0 : 1);
    QCOMPARE(result.dbErrorSkipped, failingPayee.isEmpty() ? 0 : 1);

    // Every stored link names a row that exists, and links back.
    const int dangling = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions t WHERE t.transfer_link_id "
                                                     "<> '' AND NOT EXISTS (SELECT 1 FROM transactions o WHERE "
                                                     "o.id = t.transfer_link_id AND o.transfer_link_id = t.id)"))
                              .toInt();
    QCOMPARE(dangling, 0);

    // A transfer half left without its partner carries the hint instead.
    const QList<Transaction> all = rows(kChecking) + rows(kSavings);
    for (const Transaction &t : all) {
        if (qAbs(t.amount) != 10000)
            continue;
        if (t.transferLinkId.isEmpty()) {
            QVERIFY2(t.memo.startsWith(QStringLiteral("[\u2192 ")) || t.id == QStringLiteral("old"),
                     qPrintable(t.memo));
            QVERIFY(t.transferDestAccountId.isEmpty());
        } else {
            QVERIFY(!t.memo.startsWith(QStringLiteral("[\u2192 ")));
        }
    }
}

void tst_ImportService::qifPayeeFallbacks_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("payee");

    QTest::newRow("payee") << QByteArray("PShop\nNBuy\nYACME\n") << QStringLiteral("Shop");
    QTest::newRow("numberAndSecurity") << QByteArray("NBuy\nYACME\n") << QStringLiteral("Buy: ACME");
    QTest::newRow("securityOnly") << QByteArray("YACME\n") << QStringLiteral("ACME");
    QTest::newRow("numberOnly") << QByteArray("N1001\n") << QStringLiteral("1001");
    QTest::newRow("transferAccount") << QByteArray("L[Cash Box]\n") << QStringLiteral("Cash Box");
    QTest::newRow("nothing") << QByteArray("MJust a memo\n") << QStringLiteral("Imported transaction");
}

void tst_ImportService::qifPayeeFallbacks()
{
    QFETCH(QByteArray, fields);
    QFETCH(QString, payee);
    const QString path = writeFile(QStringLiteral("p.qif"), "!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT-5\n"
                                                                + fields + "^\n");
    const ImportResult result = m_service->importQif({path}, bothAccounts());
    QCOMPARE(result.imported, 1);
    QCOMPARE(rows(kChecking).constFirst().payee, payee);
}

void tst_ImportService::qifDuplicatesWithinAndAcrossFiles()
{
    const QByteArray text = "!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT-5\nPShop\n^\nD1/1/2024\nT-5\nPShop\n^\n"
                            "D1/1/2024\nT-5\nPShop\nMother memo\n^\n";
    const QString a = writeFile(QStringLiteral("a.qif"), text);
    const QString b = writeFile(QStringLiteral("b.qif"), text);
    const ImportResult first = m_service->importQif({a}, bothAccounts());
    QCOMPARE(first.imported, 1);
    QCOMPARE(first.duplicates, 2);
    const ImportResult second = m_service->importQif({a, b}, bothAccounts());
    QCOMPARE(second.imported, 0);
    QCOMPARE(second.duplicates, 6);
    QCOMPARE(transactionCount(), 1);
}

void tst_ImportService::qifCountsUnmappedMetadataAndUnparseable()
{
    const QString path = writeFile(QStringLiteral("mixed.qif"),
                                   "!Type:Class\nNWork\n^\n!Type:Memorized\nPRent\nT-5\n^\n"
                                   "!Account\nNChecking\n^\n!Type:Bank\nD1/1/2024\nT-5\nPShop\n^\nPNo date\nT-1\n^\n"
                                   "!Account\nNElsewhere\n^\n!Type:Bank\nD1/1/2024\nT-5\nPShop\n^\n"
                                   "D1/2/2024\nT-6\nPShop\n^\n");
    const ImportResult result = m_service->importQif({path}, {{QStringLiteral("Checking"), kChecking},
                                                               {QStringLiteral("Elsewhere"), QString()}});
    QCOMPARE(result.imported, 1);
    QCOMPARE(result.metadataSkipped, 2);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.unmappedSkipped, 2);
}

void tst_ImportService::qifCategoriesAndSplits()
{
    const QString path = writeFile(QStringLiteral("cats.qif"),
                                   "!Type:Cat\nNSalary\nI\n^\nNsalary\n^\nNFood:Groceries\nE\n^\n"
                                   "!Account\nNChecking\n^\n!Type:Bank\n"
                                   "D1/1/2024\nT-100\nPPaycheck split\nSFood:Groceries\n$-60\nEweekly\n"
                                   "SRent\n$-30\nS[Savings]\n$-10\n^\n");
    const ImportResult result = m_service->importQif({path}, bothAccounts());
    QCOMPARE(result.imported, 1);

    const QList<Category> categories = m_categories->findAll();
    QHash<QString, Category> byName;
    for (const Category &c : categories)
        byName.insert(c.name, c);
    QCOMPARE(byName.size(), 4);   // Salary, salary, Food:Groceries, and Rent from the split
    QCOMPARE(byName.value(QStringLiteral("Salary")).type, CategoryType::Income);
    QCOMPARE(byName.value(QStringLiteral("salary")).type, CategoryType::Expense);
    QVERIFY(byName.contains(QStringLiteral("Rent")));

    const Transaction t = rows(kChecking).constFirst();
    QVERIFY(t.isSplit);
    QList<SplitLine> lines = m_splitLines->findByTransaction(t.id);
    std::sort(lines.begin(), lines.end(), [](const SplitLine &a, const SplitLine &b) { return a.amount < b.amount; });
    QCOMPARE(lines.size(), 2);   // the transfer split names no category and has no line of its own
    QCOMPARE(lines[0].amount, -6000);
    QCOMPARE(lines[0].categoryId, byName.value(QStringLiteral("Food:Groceries")).id);
    QCOMPARE(lines[0].memo, QStringLiteral("weekly"));
    QCOMPARE(lines[1].categoryId, byName.value(QStringLiteral("Rent")).id);
}

void tst_ImportService::qifHeaderlessFileIsMappedByPath()
{
    const QString path = writeFile(QStringLiteral("Plain.qif"), "!Type:Bank\nD25/12/2024\nT-5\nPShop\n^\n");
    const ImportResult result = m_service->importQif({path}, {{path, kSavings}});
    QCOMPARE(result.imported, 1);
    QCOMPARE(rows(kSavings).constFirst().date, QDate(2024, 12, 25));

    // A path that differs in case names another file where the file system
    // tells case apart, and the same one where it does not.
    const ImportResult otherCase = m_service->importQif({path}, {{path.toUpper(), kChecking}});
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    QCOMPARE(otherCase.imported, 1);
#else
    QCOMPARE(otherCase.imported, 0);
    QCOMPARE(otherCase.unmappedSkipped, 1);
    QVERIFY(ImportService::samePath(path, path));
    QVERIFY(!ImportService::samePath(path, path.toUpper()));
#endif
}

void tst_ImportService::qifFailedPartnerUpdateAbortsEverything()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    QCOMPARE(m_service->importQif({checking}, bothAccounts()).imported, 2);
    const Transaction before = rows(kChecking).constFirst();
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER no_updates BEFORE UPDATE ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'read only'); END")));

    const QString savings = writeFile(QStringLiteral("savings.qif"),
                                      kSavingsQif + "D03/03/2024\nT5\nPInterest\n^\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::update failed")));
    QTest::ignoreMessage(QtWarningMsg, "QIF import aborted: failed to update retroactive partner");
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    const ImportResult result = m_service->importQif({savings}, bothAccounts());
    QVERIFY(result.aborted);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(rows(kSavings).size(), 0);
    const Transaction after = rows(kChecking).constFirst();
    QCOMPARE(after.memo, before.memo);
    QVERIFY(after.transferLinkId.isEmpty());
    QCOMPARE(progress.constLast(), QVariantList({2, 2}));
}

void tst_ImportService::qifLostTransactionAbortsEverything()
{
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER lose_all BEFORE INSERT ON transactions "
                                      "WHEN (SELECT COUNT(*) FROM transactions) >= 1 "
                                      "BEGIN SELECT RAISE(ROLLBACK, 'gone'); END")));
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString savings = writeFile(QStringLiteral("savings.qif"), kSavingsQif);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::insert failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import aborted")));
    const ImportResult result = m_service->importQif({checking, savings}, bothAccounts());
    QVERIFY(result.aborted);
    QCOMPARE(result.imported, 0);
    QCOMPARE(result.transfersLinked, 0);
    QCOMPARE(transactionCount(), 0);
}

void tst_ImportService::qifProgressAndOneChangeSignal()
{
    QByteArray text = "!Account\nNChecking\n^\n!Type:Bank\n";
    for (int i = 0; i < 150; ++i)
        text += "D1/1/2024\nT-" + QByteArray::number(i + 1) + "\nPShop\n^\n";
    const QString path = writeFile(QStringLiteral("many.qif"), text);
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    const ImportResult result = m_service->importQif({path}, bothAccounts());
    QCOMPARE(result.imported, 150);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started[0][0].toInt(), 150);
    QCOMPARE(progress.size(), 2);
    QCOMPARE(progress[0], QVariantList({100, 150}));
    QCOMPARE(progress[1], QVariantList({150, 150}));
    // One notice, after the commit, naming the one account that changed.
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toString(), kChecking);
}

void tst_ImportService::csvAmountsInTheAccountsDecimals_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("dollarCents") << kChecking << QByteArray("-12.34") << qint64(-1234);
    QTest::newRow("dollarWhole") << kChecking << QByteArray("7") << qint64(700);
    QTest::newRow("yenWhole") << kYen << QByteArray("-1200") << qint64(-1200);
    QTest::newRow("yenSymbolAndGrouping") << kYen << QByteArray("\"¥1,200\"") << qint64(1200);
    QTest::newRow("yenFractionRoundsAway") << kYen << QByteArray("-980.5") << qint64(-981);
    QTest::newRow("yenFractionBelowHalf") << kYen << QByteArray("980.49") << qint64(980);
}

void tst_ImportService::csvAmountsInTheAccountsDecimals()
{
    QFETCH(QString, account);
    QFETCH(QByteArray, cell);
    QFETCH(qint64, amount);
    const QString path = writeFile(QStringLiteral("amounts.csv"), "Date,Payee,Amount\n2024-01-05,Shop," + cell + "\n");
    const ImportResult result = m_service->importCsv(path, account, CsvMapping());
    QCOMPARE(result.imported, 1);
    QCOMPARE(rows(account).constFirst().amount, amount);
}

void tst_ImportService::csvIntoAnAccountThatIsGone()
{
    QVERIFY(m_accounts->softDelete(kSavings));
    const QString path = writeFile(QStringLiteral("gone.csv"), "Date,Payee,Amount\n2024-01-05,Shop,-1\n");
    const ImportResult deleted = m_service->importCsv(path, kSavings, CsvMapping());
    QVERIFY(deleted.failed());
    QVERIFY(!deleted.error.isEmpty());
    const ImportResult unknown = m_service->importCsv(path, QStringLiteral("no-such-account"), CsvMapping());
    QVERIFY(unknown.failed());
    QCOMPARE(transactionCount(), 0);
}

void tst_ImportService::csvCancelLeavesNothing()
{
    QByteArray file = "Date,Payee,Amount,Category\n";
    for (int i = 0; i < 250; ++i)
        file += "2024-01-05,Payee " + QByteArray::number(i) + ",-1,New category " + QByteArray::number(i) + "\n";
    const int categoriesBefore = count(QStringLiteral("categories"));
    QSignalSpy committed(m_db->database()->changes(), &ChangeJournal::committed);
    cancelAt(200);
    CsvMapping mapping;
    mapping.categoryColumn = 3;
    const ImportResult result = importCsvText(file, mapping);
    QVERIFY(result.aborted);
    QVERIFY(result.cancelled);
    QVERIFY(result.failed());
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(count(QStringLiteral("categories")), categoriesBefore);
    QCOMPARE(committed.size(), 0);

    // The next import is not cancelled by the last one's request.
    QCOMPARE(importCsvText("Date,Payee,Amount\n2024-01-05,Shop,-1\n").imported, 1);
}

void tst_ImportService::qifUnreadableFileFailsTheWholeImport()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString missing = m_db->folder() + QStringLiteral("/savings-missing.qif");
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult result = m_service->importQif({checking, missing}, bothAccounts());
    QVERIFY(result.failed());
    QVERIFY(result.error.contains(QStringLiteral("savings-missing.qif")));
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(started.size(), 0);

    const QifAnalysis analysis = m_service->analyzeQif({checking, missing});
    QCOMPARE(analysis.accounts.size(), 1);
    QVERIFY(analysis.error.contains(QStringLiteral("savings-missing.qif")));
}

void tst_ImportService::qifCreatesAccountsInsideTheImport()
{
    const QString checking = writeFile(QStringLiteral("checking.qif"), kCheckingQif);
    const QString savings = writeFile(QStringLiteral("savings.qif"), kSavingsQif);
    Account newChecking;
    newChecking.name = QStringLiteral("Checking (imported)");
    Account newSavings;
    newSavings.name = QStringLiteral("My Savings");
    newSavings.type = AccountType::Savings;
    QSignalSpy committed(m_db->database()->changes(), &ChangeJournal::committed);
    const ImportResult result = m_service->importQif(
        {checking, savings}, {}, {{QStringLiteral("CHECKING"), newChecking}, {QStringLiteral("Savings"), newSavings}});
    QVERIFY(!result.failed());
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(committed.size(), 1);   // accounts and rows announced together

    QHash<QString, Account> byName;
    for (const Account &account : m_accounts->findAll())
        byName.insert(account.name, account);
    QCOMPARE(byName.size(), 5);
    const Account created = byName.value(QStringLiteral("My Savings"));
    QCOMPARE(created.type, AccountType::Savings);
    QCOMPARE(created.syncStatus, SyncStatus::Pending);
    const QList<Transaction> in = rows(created.id);
    QCOMPARE(in.size(), 1);
    QCOMPARE(in[0].transferDestAccountId, byName.value(QStringLiteral("Checking (imported)")).id);
    // Imports are not undone step by step: the account is no undo step of its own.
    QVERIFY(!m_undo->canUndo());
}

void tst_ImportService::qifStoppedImportLeavesNoAccountOrCategory_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("commitFails") << "commit";
    QTest::newRow("transactionLost") << "lost";
    QTest::newRow("accountRefused") << "account";
}

void tst_ImportService::qifStoppedImportLeavesNoAccountOrCategory()
{
    QFETCH(QString, how);
    QByteArray text = "!Type:Cat\nNHobbies\nI\n^\n!Account\nNChecking\n^\n!Type:Bank\n";
    for (int i = 0; i < 250; ++i)
        text += "D1/1/2024\nT-" + QByteArray::number(i + 1) + "\nPShop\nLGarden " + QByteArray::number(i) + "\n^\n";
    const QString path = writeFile(QStringLiteral("many.qif"), text);
    if (how == QLatin1String("cancel")) {
        cancelAt(200);
    } else if (how == QLatin1String("commit")) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE parent (id TEXT PRIMARY KEY)")));
        QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE child (parent_id TEXT REFERENCES parent(id) "
                                          "DEFERRABLE INITIALLY DEFERRED)")));
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER orphan AFTER INSERT ON transactions "
                                          "BEGIN INSERT INTO child VALUES ('missing'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import aborted: commit failed")));
    } else if (how == QLatin1String("lost")) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER lose_all BEFORE INSERT ON transactions "
                                          "WHEN (SELECT COUNT(*) FROM transactions) >= 50 "
                                          "BEGIN SELECT RAISE(ROLLBACK, 'gone'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::insert failed")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import aborted")));
    } else {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON accounts WHEN new.name = 'Second' "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("AccountRepository::insert failed")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import aborted: cannot create")));
    }
    const int accountsBefore = count(QStringLiteral("accounts"));
    const int categoriesBefore = count(QStringLiteral("categories"));
    Account first;
    first.name = QStringLiteral("First");
    Account second;
    second.name = QStringLiteral("Second");
    QSignalSpy committed(m_db->database()->changes(), &ChangeJournal::committed);
    const ImportResult result = m_service->importQif(
        {path}, {}, {{QStringLiteral("Checking"), first}, {QStringLiteral("Unused"), second}});
    QVERIFY(result.aborted);
    QVERIFY(result.failed());
    QCOMPARE(result.cancelled, how == QLatin1String("cancel"));
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(count(QStringLiteral("accounts")), accountsBefore);
    QCOMPARE(count(QStringLiteral("categories")), categoriesBefore);
    QCOMPARE(committed.size(), 0);
    QVERIFY(!m_undo->canUndo());
}

void tst_ImportService::qifAnalysisNamesNewAccounts()
{
    const QString named = writeFile(QStringLiteral("named.qif"), "!Account\nNHoliday Fund\n^\n!Type:Bank\nD1/1/2024\nT5\n^\n");
    const QString plain = writeFile(QStringLiteral("statement.2024.qif"), "!Type:Bank\nD1/1/2024\nT5\n^\n");
    const QString dotted = writeFile(QStringLiteral(".qif"), "!Type:Bank\nD1/1/2024\nT5\n^\n");
    const QifAnalysis analysis = m_service->analyzeQif({named, plain, dotted});
    QCOMPARE(analysis.accounts.size(), 3);
    QCOMPARE(analysis.accounts[0].newAccountName, QStringLiteral("Holiday Fund"));
    QCOMPARE(analysis.accounts[1].newAccountName, QStringLiteral("statement"));
    QCOMPARE(analysis.accounts[1].displayName, QStringLiteral("statement.2024.qif (no account header)"));
    QCOMPARE(analysis.accounts[2].newAccountName, QStringLiteral(".qif (no account header)"));
    QVERIFY(analysis.error.isEmpty());
}

void tst_ImportService::ofxImportsBankStatement()
{
    const QString path = ofxFixture(QStringLiteral("bank-sgml.ofx"));
    const QStringList keys = ofxKeys(path);
    QCOMPARE(keys.size(), 1);
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult result = m_service->importOfx({path}, {{keys[0], kChecking}});
    QVERIFY(!result.failed());
    QCOMPARE(result.imported, 5);
    QCOMPARE(result.duplicates, 0);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started[0][0].toInt(), 5);

    QList<qint64> amounts;
    for (const Transaction &t : rows(kChecking))
        amounts << t.amount;
    // Two coffees at the same price on the same day are two lines: their
    // FITIDs tell them apart.
    QCOMPARE(amounts, (QList<qint64>{-4520, -12000, 250000, -350, -350}));
    const Transaction check = rows(kChecking)[1];
    QCOMPARE(check.payee, QStringLiteral("Landlord & Co"));
    QCOMPARE(check.checkNumber, QStringLiteral("1042"));
    QCOMPARE(check.syncStatus, SyncStatus::Pending);
    const QHash<QString, QString> fitIds = m_importIds->findByAccount(kChecking);
    QCOMPARE(fitIds.size(), 5);
    QCOMPARE(fitIds.value(check.id), QStringLiteral("20240110-002"));
}

void tst_ImportService::ofxSecondImportSkipsKnownFitIds()
{
    const QString path = ofxFixture(QStringLiteral("bank-sgml.ofx"));
    const QMap<QString, QString> mapping = {{ofxKeys(path).constFirst(), kChecking}};
    QCOMPARE(m_service->importOfx({path}, mapping).imported, 5);
    const ImportResult again = m_service->importOfx({path}, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 5);

    // The bank renamed a payee in the next download of the same lines, and
    // added a third coffee of the same price on the same day.
    QByteArray next = readFixture(path);
    next.replace("<NAME>Corner Grocer", "<NAME>CORNER GROCER #12");
    next.replace("</BANKTRANLIST>", "<STMTTRN>\r\n<TRNTYPE>POS\r\n<DTPOSTED>20240120\r\n<TRNAMT>-3.50\r\n"
                                    "<FITID>20240120-006\r\n<MEMO>Coffee kiosk\r\n</STMTTRN>\r\n</BANKTRANLIST>");
    const ImportResult overlap = m_service->importOfx({writeFile(QStringLiteral("next.ofx"), next)}, mapping);
    QCOMPARE(overlap.imported, 1);
    QCOMPARE(overlap.duplicates, 5);
    QCOMPARE(transactionCount(), 6);
}

void tst_ImportService::ofxKeysStillCatchRowsWithoutFitId_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("duplicates");

    // A row typed in or imported from CSV has no FITID: a line of the same
    // date, amount and payee is that row.
    QTest::newRow("rowWithoutFitId") << "row" << "bank-sgml.ofx" << 4 << 1;
    // Without FITIDs, the file's own lines are told apart by their keys only.
    QTest::newRow("fileWithoutFitIds") << "" << "missing-fitid.ofx" << 4 << 1;
    // A deleted row is no longer in the account, so its line may come back.
    QTest::newRow("deletedRow") << "deleted" << "bank-sgml.ofx" << 1 << 4;
}

void tst_ImportService::ofxKeysStillCatchRowsWithoutFitId()
{
    QFETCH(QString, setup);
    QFETCH(QString, file);
    QFETCH(int, imported);
    QFETCH(int, duplicates);
    const QString path = ofxFixture(file);
    const QMap<QString, QString> mapping = {{ofxKeys(path).constFirst(), kChecking}};
    if (setup == QLatin1String("row"))
        addTransaction(QStringLiteral("typed"), kChecking, QDate(2024, 1, 5), QStringLiteral("Corner Grocer"), -4520);
    if (setup == QLatin1String("deleted")) {
        QCOMPARE(m_service->importOfx({path}, mapping).imported, 5);
        QVERIFY(m_transactions->softDelete(rows(kChecking).constFirst().id));
    }
    const ImportResult result = m_service->importOfx({path}, mapping);
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.duplicates, duplicates);
}

void tst_ImportService::ofxSeveralAccountsAreMapped()
{
    const QString path = ofxFixture(QStringLiteral("several-accounts.qfx"));
    const OfxAnalysis analysis = m_service->analyzeOfx({path});
    QVERIFY(analysis.error.isEmpty());
    QCOMPARE(analysis.accounts.size(), 3);
    QCOMPARE(analysis.investmentStatements, 1);
    QCOMPARE(analysis.accounts[1].displayName, QStringLiteral("Savings ending in 4444"));
    QCOMPARE(analysis.accounts[2].newAccountName, QStringLiteral("Credit Card 0004"));
    QCOMPARE(analysis.accounts[2].suggestedType, AccountType::CreditCard);
    QCOMPARE(analysis.accounts[2].currency, std::optional<Currency>(Currency::USD));

    Account card;
    card.name = analysis.accounts[2].newAccountName;
    card.type = AccountType::CreditCard;
    const ImportResult result = m_service->importOfx(
        analysis, {{analysis.accounts[0].key, kChecking}, {analysis.accounts[1].key, QString()}},
        {{analysis.accounts[2].key, card}});
    QVERIFY(!result.failed());
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.unmappedSkipped, 2);
    QCOMPARE(result.metadataSkipped, 0);
    QCOMPARE(rows(kChecking).size(), 2);
    QCOMPARE(rows(kSavings).size(), 0);
    QString cardId;
    for (const Account &account : m_accounts->findAll()) {
        if (account.name == QLatin1String("Credit Card 0004"))
            cardId = account.id;
    }
    QVERIFY(!cardId.isEmpty());
    QCOMPARE(rows(cardId).constFirst().amount, -2399);
}

void tst_ImportService::ofxAmountsInTheAccountsDecimals_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QList<qint64>>("amounts");

    QTest::newRow("yen") << kYen << QList<qint64>{-1200, -981, 5000};
    QTest::newRow("dollars") << kChecking << QList<qint64>{-120000, -98050, 500000};
}

void tst_ImportService::ofxAmountsInTheAccountsDecimals()
{
    QFETCH(QString, account);
    QFETCH(QList<qint64>, amounts);
    const QString path = ofxFixture(QStringLiteral("creditcard-xml.ofx"));
    const ImportResult result = m_service->importOfx({path}, {{ofxKeys(path).constFirst(), account}});
    QCOMPARE(result.imported, 3);
    QList<qint64> stored;
    for (const Transaction &t : rows(account))
        stored << t.amount;
    QCOMPARE(stored, amounts);
    QCOMPARE(rows(account).constFirst().payee, QStringLiteral("Café Ramen 東京"));
}

void tst_ImportService::ofxHugeAmountsAreSkipped()
{
    const QString path = ofxFixture(QStringLiteral("huge-amounts.ofx"));
    const ImportResult result = m_service->importOfx({path}, {{ofxKeys(path).constFirst(), kChecking}});
    QVERIFY(!result.failed());
    // Infinity, 10^23 and 9.2 * 10^16 dollars do not fit; 92 trillion does.
    QCOMPARE(result.unparseable, 3);
    QCOMPARE(result.imported, 2);
    for (const Transaction &t : rows(kChecking))
        QCOMPARE(t.amount, Q_INT64_C(-9223372036854775));
}

void tst_ImportService::ofxRefusedFilesWriteNothing_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("missingFile") << "missing";
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("binary") << "binary";
    QTest::newRow("oneOfTwoRefused") << "second";
    QTest::newRow("noStatement") << "nostatement";
}

void tst_ImportService::ofxRefusedFilesWriteNothing()
{
    QFETCH(QString, which);
    const QString bank = ofxFixture(QStringLiteral("bank-sgml.ofx"));
    const QByteArray bytes = readFixture(bank);
    QStringList paths;
    if (which == QLatin1String("missing"))
        paths << m_db->folder() + QStringLiteral("/missing.ofx");
    else if (which == QLatin1String("truncated"))
        paths << writeFile(QStringLiteral("cut.ofx"), bytes.left(bytes.size() / 2));
    else if (which == QLatin1String("binary"))
        paths << writeFile(QStringLiteral("binary.ofx"), QByteArray("\x01\x02<OFX>\0\xff</OFX>", 16));
    else if (which == QLatin1String("second"))
        paths << bank << writeFile(QStringLiteral("cut.ofx"), bytes.left(bytes.size() / 2));
    else
        paths << writeFile(QStringLiteral("empty.ofx"), "OFXHEADER:100\n\n<OFX><SIGNONMSGSRSV1></SIGNONMSGSRSV1></OFX>\n");
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult result = m_service->importOfx(paths, {{ofxKeys(bank).constFirst(), kChecking}});
    QVERIFY(result.failed());
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(started.size(), 0);
}

void tst_ImportService::ofxStoppedImportLeavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("commitFails") << "commit";
    QTest::newRow("fitIdRefused") << "fitid";
    QTest::newRow("transactionLost") << "lost";
}

void tst_ImportService::ofxStoppedImportLeavesNothing()
{
    QFETCH(QString, how);
    const QString path = writeFile(QStringLiteral("many.ofx"), generatedOfx(250));
    if (how == QLatin1String("cancel")) {
        cancelAt(200);
    } else if (how == QLatin1String("commit")) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE parent (id TEXT PRIMARY KEY)")));
        QVERIFY(m_db->exec(QStringLiteral("CREATE TABLE child (parent_id TEXT REFERENCES parent(id) "
                                          "DEFERRABLE INITIALLY DEFERRED)")));
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER orphan AFTER INSERT ON transactions "
                                          "BEGIN INSERT INTO child VALUES ('missing'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^OFX import aborted: commit failed")));
    } else if (how == QLatin1String("fitid")) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF fitid ON transactions "
                                          "WHEN new.fitid = 'L120' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ImportIdRepository::set failed")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^OFX import aborted: the bank id")));
    } else {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER lose_all BEFORE INSERT ON transactions "
                                          "WHEN (SELECT COUNT(*) FROM transactions) >= 50 "
                                          "BEGIN SELECT RAISE(ROLLBACK, 'gone'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::insert failed")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^OFX import aborted")));
    }
    const int accountsBefore = count(QStringLiteral("accounts"));
    Account created;
    created.name = QStringLiteral("Checking 0042");
    QSignalSpy committed(m_db->database()->changes(), &ChangeJournal::committed);
    const ImportResult result = m_service->importOfx({path}, {}, {{ofxKeys(path).constFirst(), created}});
    QVERIFY(result.aborted);
    QCOMPARE(result.cancelled, how == QLatin1String("cancel"));
    QCOMPARE(result.imported, 0);
    QCOMPARE(transactionCount(), 0);
    QCOMPARE(count(QStringLiteral("accounts")), accountsBefore);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE fitid IS NOT NULL")).toInt(), 0);
    QCOMPARE(committed.size(), 0);
}

void tst_ImportService::ofxAnalysisCanBeCancelled()
{
    const QString path = writeFile(QStringLiteral("long.ofx"), generatedOfx(2500));
    QList<int> reports;
    connect(m_service.get(), &ImportService::analysisProgress, m_service.get(), [this, &reports](int read, int) {
        reports << read;
        m_service->cancel();
    });
    const OfxAnalysis analysis = m_service->analyzeOfx({path});
    QVERIFY(analysis.cancelled);
    QVERIFY(analysis.accounts.isEmpty());
    QVERIFY(analysis.transactions.isEmpty());
    QCOMPARE(reports, QList<int>{1000});
    const ImportResult result = m_service->importOfx(analysis, {});
    QVERIFY(result.failed());
    QVERIFY(result.cancelled);
    QCOMPARE(transactionCount(), 0);
}

QTEST_GUILESS_MAIN(tst_ImportService)
#include "tst_importservice.moc"
