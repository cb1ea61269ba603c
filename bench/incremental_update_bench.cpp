// One saved edit in the middle of a large register, from
// TransactionService::edit() until the register model and the sidebar
// balances are current, two ways in the same run:
//
//  ours:     the change journal's ids, TransactionRepository::
//            findRegisterRowsByIds and RegisterModel::updateRows, then the
//            changed accounts' balances (the register model's closing
//            balance for the account it shows, the change's own balance
//            delta for any other, one query when it has none);
//  baseline: the full path, TransactionRepository::findRegisterRows into
//            RegisterModel::setRows and AccountRepository::balances().
//
// The data set is the generator's (1,000,000 transactions by default,
// --transactions to change it), cached in $TMPDIR on first use and copied,
// so the edits never reach the cached file. The register shown is the
// account whose size is nearest 100,000 rows. Prints both medians, their
// ratio and how the goal (<= 20 ms, >= 50x) was met; exits non-zero when
// the patched register or the sidebar differ from a reload.

#include "bench/benchsupport.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactiondraft.h"
#include "services/transactionservice.h"
#include "ui/register/registermodel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kGoalMs = 20.0;
constexpr double kGoalRatio = 50.0;

// The account whose live transaction count is nearest `target`.
QString accountNearest(const Database &database, qint64 target, qint64 *size)
{
    QSqlQuery query(database.connection());
    query.exec(QStringLiteral("SELECT account_id, COUNT(*) FROM transactions WHERE deleted_at IS NULL "
                              "GROUP BY account_id ORDER BY account_id"));
    QString best;
    *size = 0;
    while (query.next()) {
        const qint64 count = query.value(1).toLongLong();
        if (best.isEmpty() || std::llabs(count - target) < std::llabs(*size - target)) {
            best = query.value(0).toString();
            *size = count;
        }
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption transactionsOption(QStringLiteral("transactions"),
                                                QStringLiteral("Rows of the generated data set."),
                                                QStringLiteral("n"), QStringLiteral("1000000"));
    const QCommandLineOption roundsOption(QStringLiteral("rounds"), QStringLiteral("Timed rounds of each path."),
                                          QStringLiteral("n"), QStringLiteral("7"));
    parser.addOptions({transactionsOption, roundsOption});
    parser.process(app);
    bool ok = false;
    DataGeneratorOptions options;
    options.transactions = parser.value(transactionsOption).toLongLong(&ok);
    if (!ok || options.transactions < 1000) {
        std::fprintf(stderr, "--transactions wants a number of at least 1000\n");
        return 2;
    }
    const int rounds = parser.value(roundsOption).toInt(&ok);
    if (!ok || rounds < 1) {
        std::fprintf(stderr, "--rounds wants a positive number\n");
        return 2;
    }

    QElapsedTimer setup;
    setup.start();
    const QString cached = Bench::cachedDataSet(options);
    if (cached.isEmpty())
        return 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillby.db"));
    if (!dir.isValid() || !QFile::copy(cached, path)) {
        std::fprintf(stderr, "cannot copy the data set\n");
        return 1;
    }
    Database database;
    if (!database.open(path) || !database.runMigrations()) {
        std::fprintf(stderr, "cannot open the data set\n");
        return 1;
    }
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    SplitLineRepository splitLines(&database);
    CategoryRepository categories(&database);
    TransactionService service(&accounts, &transactions, &splitLines, &categories);

    qint64 registerSize = 0;
    const QString shown = accountNearest(database, 100000, &registerSize);
    RegisterModel model;
    model.setRows(transactions.findRegisterRows(shown));
    QHash<QString, qint64> sidebar = accounts.balances();
    std::printf("data set: %lld transactions, register of %lld rows; ready in %.1f s (generation, when not "
                "cached, is part of it)\n",
                static_cast<long long>(options.transactions), static_cast<long long>(registerSize),
                double(setup.elapsed()) / 1000.0);

    // What the register screen and the main window do with one committed change.
    // The part after the commit is timed on its own as well: the write and
    // its commit are the same in both paths.
    bool incremental = true;
    int fallbacks = 0;
    std::vector<Bench::Timing> afterCommit[2];
    QObject::connect(database.changes(), &ChangeJournal::committed, &app, [&](const ChangeSet &changes) {
        const Bench::Stopwatch watch;
        const auto done = qScopeGuard([&] { afterCommit[incremental ? 0 : 1].push_back(watch.elapsed()); });
        if (!incremental) {
            model.setRows(transactions.findRegisterRows(shown));
            sidebar = accounts.balances();
            return;
        }
        const QSet<QString> &ids = changes.ids(ChangeSet::Entity::Transaction);
        std::optional<QList<RegisterRow>> rows = transactions.findRegisterRowsByIds(ids.values());
        bool patched = false;
        if (rows) {
            rows->removeIf([&shown](const RegisterRow &row) { return row.accountId != shown; });
            patched = model.updateRows(ids, *std::move(rows));
        }
        if (!patched) {
            ++fallbacks;
            model.setRows(transactions.findRegisterRows(shown));
        }
        for (const QString &accountId : changes.registerAccounts()) {
            std::optional<qint64> balance;
            if (accountId == shown)
                balance = model.closingBalance();
            else if (const std::optional<qint64> delta = changes.balanceDelta(accountId))
                balance = checkedAdd(sidebar.value(accountId), *delta);
            if (!balance)
                balance = accounts.balance(accountId);
            sidebar.insert(accountId, *balance);
        }
    });

    // A row near the middle of the register, edited to a new amount each round.
    const auto middleRow = [&model](bool transfer) {
        const int middle = model.transactionCount() / 2;
        for (int step = 0; step < middle; ++step) {
            for (const int i : {middle + step, middle - step}) {
                const RegisterRow &row = model.rows().at(i);
                if (!row.id.isEmpty() && !row.isSplit && row.transferLinkId.isEmpty() != transfer)
                    return row.id;
            }
        }
        return QString();
    };
    bool allRight = true;
    for (const bool transfer : {false, true}) {
        const QString editedId = middleRow(transfer);
        if (editedId.isEmpty())
            continue;
        for (auto &timings : afterCommit)
            timings.clear();
        int edits = 0;
        bool editFailed = false;
        const auto edit = [&](bool useIncremental) {
            const std::optional<Transaction> stored = transactions.findById(editedId);
            TransactionDraft draft = TransactionDraft::fromTransaction(*stored);
            draft.amount = -1000 - (++edits);
            incremental = useIncremental;
            if (!service.edit(editedId, draft))
                editFailed = true;
        };
        // Both paths read the stored row for the draft inside the timed part alike.
        const Bench::Comparison result = Bench::compare(rounds, [&] { edit(true); }, [&] { edit(false); });
        if (editFailed) {
            std::fprintf(stderr, "TransactionService::edit failed\n");
            return 1;
        }

        // Checked against a reload after a last incremental edit.
        edit(true);
        RegisterModel reloaded;
        reloaded.setRows(transactions.findRegisterRows(shown));
        bool same = reloaded.transactionCount() == model.transactionCount();
        for (int i = 0; same && i < reloaded.transactionCount(); ++i) {
            same = reloaded.rows().at(i).id == model.rows().at(i).id
                   && reloaded.rows().at(i).runningBalance == model.rows().at(i).runningBalance
                   && reloaded.rows().at(i).amount == model.rows().at(i).amount;
        }
        const bool sidebarRight = sidebar == accounts.balances();
        allRight = allRight && same && sidebarRight;

        const Bench::Timing oursAfter = Bench::median(afterCommit[0]);
        const Bench::Timing baselineAfter = Bench::median(afterCommit[1]);
        const double ratio = result.ours.wallMs > 0 ? result.baseline.wallMs / result.ours.wallMs : 0;
        const double cpuRatio = result.ours.cpuMs > 0 ? result.baseline.cpuMs / result.ours.cpuMs : 0;
        const bool met = result.ours.wallMs <= kGoalMs && ratio >= kGoalRatio;
        std::printf("edit of one %s in the middle until register and sidebar are current (median of %d)\n"
                    "  incremental   %8.2f ms wall  %8.2f ms CPU\n"
                    "  full reload   %8.2f ms wall  %8.2f ms CPU\n"
                    "  speed-up      %8.1fx wall  %8.1fx CPU   (goal <= %.0f ms and >= %.0fx) %s\n"
                    "after the commit only (register and sidebar brought up to date)\n"
                    "  incremental   %8.2f ms wall  %8.2f ms CPU\n"
                    "  full reload   %8.2f ms wall  %8.2f ms CPU\n"
                    "  speed-up      %8.1fx wall  %8.1fx CPU\n"
                    "  fallbacks to a reload: %d; register matches a reload: %s; sidebar matches: %s\n",
                    transfer ? "transfer (its other half in another account)" : "plain transaction", rounds,
                    result.ours.wallMs, result.ours.cpuMs, result.baseline.wallMs, result.baseline.cpuMs, ratio,
                    cpuRatio, kGoalMs, kGoalRatio, met ? "OK" : "MISSED", oursAfter.wallMs, oursAfter.cpuMs,
                    baselineAfter.wallMs, baselineAfter.cpuMs,
                    oursAfter.wallMs > 0 ? baselineAfter.wallMs / oursAfter.wallMs : 0.0,
                    oursAfter.cpuMs > 0 ? baselineAfter.cpuMs / oursAfter.cpuMs : 0.0, fallbacks, same ? "yes" : "NO",
                    sidebarRight ? "yes" : "NO");
        std::fflush(stdout);
    }
    return allRight ? 0 : 1;
}
