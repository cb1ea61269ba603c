// Imports a generated OFX statement of 100,000 lines into an empty checking
// account through ImportService, and inserts the same rows (FITID included)
// through the raw SQLite C API in one transaction with one prepared
// statement as the baseline, measured in the same run. The reading of the
// file (our preparation plus libofx, in passes of 1,000 lines) is timed on
// its own and kept out of the ratio, which compares storage with storage.
// For scale, a 10,000-line file is also read in passes and in one pass: the
// whole file in one pass would take minutes, libofx's time growing with the
// square of the lines it holds at once. Prints CPU and wall medians and the
// ratio; exits non-zero when an import did not store every row.

#include "bench/benchsupport.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/importidrepository.h"
#include "data/splitlinerepository.h"
#include "data/timestamps.h"
#include "data/transactionrepository.h"
#include "data/uuids.h"
#include "services/importservice.h"
#include "services/ofxparser.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 100000;
constexpr int kRounds = 3;
const char *const kAccountId = "acc-checking";

QByteArray statement(int lines)
{
    QByteArray text = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
                      "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
                      "<OFX>\r\n<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS>"
                      "<DTSERVER>20240331<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>\r\n<BANKMSGSRSV1><STMTTRNRS>"
                      "<TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM>"
                      "<BANKID>121000248<ACCTID>000123456789<ACCTTYPE>CHECKING</BANKACCTFROM>\r\n"
                      "<BANKTRANLIST><DTSTART>20180101<DTEND>20241231\r\n";
    text.reserve(lines * 150);
    quint64 state = 20240301;
    const QDate start(2018, 1, 1);
    for (int i = 0; i < lines; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const qint64 cents = qint64((state >> 33) % 50000) + 1;
        const QByteArray date = start.addDays(i / 40).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        text += "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>" + date + "\r\n<TRNAMT>-" + QByteArray::number(cents / 100)
                + '.' + QByteArray::number(cents % 100).rightJustified(2, '0') + "\r\n<FITID>" + date + '-'
                + QByteArray::number(i) + "\r\n<NAME>Payee #" + QByteArray::number(i) + "\r\n"
                + ((i % 4) == 0 ? "<MEMO>receipt " + QByteArray::number(i) + "\r\n" : QByteArray())
                + "</STMTTRN>\r\n";
    }
    return text + "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20241231</LEDGERBAL></STMTRS></STMTTRNRS>"
                  "</BANKMSGSRSV1>\r\n</OFX>\r\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool createDatabase(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return false;
    QSqlQuery query(database.connection());
    query.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, created_at, updated_at) "
                                 "VALUES (?, 'Checking', 'checking', ?, ?)"));
    query.addBindValue(QLatin1String(kAccountId));
    query.addBindValue(nowTimestamp());
    query.addBindValue(nowTimestamp());
    return query.exec();
}

// One import of the analysis into a fresh database; negative when it did
// not store every line.
Bench::Timing timeImport(const QString &dbPath, const OfxAnalysis &analysis)
{
    if (!createDatabase(dbPath))
        return {-1, -1};
    Database database;
    if (!database.open(dbPath))
        return {-1, -1};
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    AccountRepository accounts(&database);
    ImportIdRepository importIds(&database);
    ImportService::Stores stores;
    stores.transactions = &transactions;
    stores.categories = &categories;
    stores.splitLines = &splitLines;
    stores.accounts = &accounts;
    stores.importIds = &importIds;
    ImportService service(stores);
    const QMap<QString, QString> mapping = {{analysis.accounts.constFirst().key, QLatin1String(kAccountId)}};
    const Bench::Stopwatch watch;
    const ImportResult result = service.importOfx(analysis, mapping);
    const Bench::Timing timing = watch.elapsed();
    if (result.failed() || result.imported != kLines) {
        std::fprintf(stderr, "import stored %d of %d rows: %s\n", result.imported, kLines, qPrintable(result.error));
        return {-1, -1};
    }
    return timing;
}

bool exec(sqlite3 *db, const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s: %s\n", sql, error);
    sqlite3_free(error);
    return false;
}

// The same rows through one prepared statement in one transaction; the
// values (amounts in cents, ids) are made before the clock starts.
Bench::Timing timeRaw(const QString &dbPath, const OfxAnalysis &analysis)
{
    if (!createDatabase(dbPath))
        return {-1, -1};
    struct Texts
    {
        QByteArray id, date, payee, memo, fitId;
        qint64 amount;
    };
    std::vector<Texts> rows;
    rows.reserve(analysis.transactions.size());
    for (const OfxTransaction &t : analysis.transactions) {
        rows.push_back({newUuid().toUtf8(), dateToText(t.date).toUtf8(), t.payee.toUtf8(), t.memo.toUtf8(),
                        t.fitId.toUtf8(), qint64(std::llround(t.amount.toDouble() * 100))});
    }
    const QByteArray now = nowTimestamp().toUtf8();
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return {-1, -1};
    Bench::Timing timing{-1, -1};
    sqlite3_stmt *insert = nullptr;
    if (exec(db, "PRAGMA journal_mode=WAL") && exec(db, "PRAGMA foreign_keys=ON")) {
        const Bench::Stopwatch watch;
        bool ok = exec(db, "BEGIN")
                  && sqlite3_prepare_v2(db,
                                        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                        "category_id, check_number, cleared, reconciled, transfer_link_id, "
                                        "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                                        "server_id, created_at, updated_at, fitid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                                        -1, &insert, nullptr)
                         == SQLITE_OK;
        for (size_t i = 0; ok && i < rows.size(); ++i) {
            const Texts &t = rows[i];
            const auto text = [&](int column, const QByteArray &value) {
                sqlite3_bind_text(insert, column, value.constData(), int(value.size()), SQLITE_STATIC);
            };
            text(1, t.id);
            sqlite3_bind_text(insert, 2, kAccountId, -1, SQLITE_STATIC);
            text(3, t.date);
            text(4, t.payee);
            text(5, t.memo);
            sqlite3_bind_int64(insert, 6, t.amount);
            sqlite3_bind_null(insert, 7);
            for (int column : {8, 11, 12, 14, 17})
                sqlite3_bind_text(insert, column, "", 0, SQLITE_STATIC);
            for (int column : {9, 10, 13})
                sqlite3_bind_int(insert, column, 0);
            sqlite3_bind_int(insert, 15, 1);
            sqlite3_bind_text(insert, 16, "pending", -1, SQLITE_STATIC);
            text(18, now);
            text(19, now);
            text(20, t.fitId);
            ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        }
        sqlite3_finalize(insert);
        if (ok && exec(db, "COMMIT"))
            timing = watch.elapsed();
    }
    sqlite3_close(db);
    return timing;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statement.ofx"));
    const QByteArray bytes = statement(kLines);
    if (!dir.isValid() || !writeFile(path, bytes))
        return 1;

    // Reading: our preparation and libofx in passes, then the preparation alone.
    std::vector<Bench::Timing> reads;
    OfxAnalysis analysis;
    ImportService reader(nullptr, nullptr, nullptr);
    for (int i = 0; i < kRounds; ++i) {
        const Bench::Stopwatch watch;
        analysis = reader.analyzeOfx({path});
        reads.push_back(watch.elapsed());
    }
    std::vector<Bench::Timing> preparations;
    for (int i = 0; i < kRounds; ++i) {
        const Bench::Stopwatch watch;
        const OfxParser::Passes passes = OfxParser::passes(bytes, OfxParser::kLinesPerPass);
        preparations.push_back(watch.elapsed());
        if (passes.documents.size() != kLines / OfxParser::kLinesPerPass)
            return 1;
    }
    const QByteArray sampleBytes = statement(10000);
    const auto timeSample = [&sampleBytes](int linesPerPass) {
        const Bench::Stopwatch watch;
        const OfxFile file = OfxParser::parse(sampleBytes, {}, linesPerPass);
        const Bench::Timing timing = watch.elapsed();
        return file.transactions.size() == 10000 ? timing : Bench::Timing{-1, -1};
    };
    const Bench::Timing samplePasses = timeSample(OfxParser::kLinesPerPass);
    const Bench::Timing sampleOnePass = timeSample(10000);
    if (!analysis.error.isEmpty() || analysis.transactions.size() != kLines) {
        std::fprintf(stderr, "read %lld of %d lines: %s\n", qint64(analysis.transactions.size()), kLines,
                     qPrintable(analysis.error));
        return 1;
    }

    std::vector<Bench::Timing> ours;
    std::vector<Bench::Timing> raw;
    for (int i = 0; i < kRounds; ++i) {
        ours.push_back(timeImport(dir.filePath(QStringLiteral("ours.db")), analysis));
        raw.push_back(timeRaw(dir.filePath(QStringLiteral("raw.db")), analysis));
        if (ours.back().cpuMs < 0 || raw.back().cpuMs < 0)
            return 1;
    }
    const Bench::Timing read = Bench::median(reads);
    const Bench::Timing prepared = Bench::median(preparations);
    std::printf("OFX statement of %d lines, %.1f MB; medians of %d runs\n", kLines, bytes.size() / 1048576.0,
                kRounds);
    std::printf("Reading the file (kept out of the ratio)\n"
                "  all, in passes of %d lines  %9.1f ms CPU  %9.1f ms wall\n"
                "  of which our preparation     %9.1f ms CPU\n"
                "  of which libofx              %9.1f ms CPU\n"
                "  10,000 lines in passes       %9.1f ms CPU\n"
                "  10,000 lines in one pass     %9.1f ms CPU\n",
                OfxParser::kLinesPerPass, read.cpuMs, read.wallMs, prepared.cpuMs, read.cpuMs - prepared.cpuMs,
                samplePasses.cpuMs, sampleOnePass.cpuMs);
    const bool ok =
        Bench::report("OFX import of the read lines into an empty account", {Bench::median(ours), Bench::median(raw)},
                      2.0);
    return ok ? 0 : 1;
}
