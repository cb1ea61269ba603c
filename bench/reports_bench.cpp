// Each report of the reports screen shown with its chart, against the
// report service call the tab makes, alone, in the same run:
//
//  ours:     ReportsScreen::runReportTab (the service call, the table
//            models, the chart), the tab brought to the front and its page
//            painted into an image, as a window of 1280 x 900 would be;
//  baseline: the same ReportService call with the same arguments.
//
// The data set is the generator's (1,000,000 transactions by default,
// --transactions to change it, accounts in dollars, euros, pounds and yen),
// cached in $TMPDIR on first use and copied, so opening it never changes the
// cached file. The filters are the widest a person can pick: all accounts,
// "All Time" (every stored date), "This Year vs Last Year" on the data set's
// last day. Prints both medians (CPU and wall time) and their ratio per
// report; the goal is a CPU ratio of at most 1.3 for each. Exits non-zero
// when one misses it.

#include "app/appstate.h"
#include "bench/benchsupport.h"
#include "data/clock.h"
#include "services/reportservice.h"
#include "ui/screens/reportpage.h"
#include "ui/screens/reportperiods.h"
#include "ui/screens/reportsscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDateEdit>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr double kGoal = 1.3;

bool report(const char *name, const Bench::Comparison &result)
{
    const double cpuRatio = result.baseline.cpuMs > 0 ? result.ours.cpuMs / result.baseline.cpuMs : 0;
    const double wallRatio = result.baseline.wallMs > 0 ? result.ours.wallMs / result.baseline.wallMs : 0;
    const bool ok = cpuRatio <= kGoal;
    std::printf("%s\n  screen with chart %9.1f ms CPU  %9.1f ms wall\n  service call      %9.1f ms CPU  %9.1f ms wall\n"
                "  ratio             %9.2f CPU  %9.2f wall   (goal <= %.2f) %s\n",
                name, result.ours.cpuMs, result.ours.wallMs, result.baseline.cpuMs, result.baseline.wallMs,
                cpuRatio, wallRatio, kGoal, ok ? "OK" : "MISSED");
    std::fflush(stdout);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption transactionsOption(QStringLiteral("transactions"),
                                                QStringLiteral("Rows of the generated data set."),
                                                QStringLiteral("n"), QStringLiteral("1000000"));
    const QCommandLineOption roundsOption(QStringLiteral("rounds"), QStringLiteral("Timed rounds of each path."),
                                          QStringLiteral("n"), QStringLiteral("5"));
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

    const QString cached = Bench::cachedDataSet(options);
    if (cached.isEmpty())
        return 1;
    QTemporaryDir dir;
    if (!dir.isValid() || !QFile::copy(cached, dir.filePath(QStringLiteral("quillby.db")))) {
        std::fprintf(stderr, "cannot copy the data set\n");
        return 1;
    }
    qputenv("QUILLBY_DATA_DIR", dir.path().toUtf8());
    // The presets are worked out from the data set's own "today".
    Clock::setToday(options.today);

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "cannot open the data set\n");
        return 1;
    }
    ReportService service(state.database());
    ReportsScreen screen(&state, &service);
    screen.resize(1280, 900);
    screen.show();
    QCoreApplication::processEvents();
    // One full run over every tab, then the widest period.
    screen.refresh();
    screen.findChild<QComboBox *>(QStringLiteral("periodCombo"))->setCurrentIndex(ReportPeriods::AllTime);
    QCoreApplication::processEvents();

    const QDate from = screen.findChild<QDateEdit *>(QStringLiteral("fromDate"))->date();
    const QDate to = screen.findChild<QDateEdit *>(QStringLiteral("toDate"))->date();
    const auto compared = ReportPeriods::compare(ReportPeriods::ThisYearVsLastYear, options.today);
    std::printf("%lld transactions, %s to %s; year over year %s to %s against %s to %s\n",
                qint64(options.transactions), qPrintable(from.toString(Qt::ISODate)),
                qPrintable(to.toString(Qt::ISODate)), qPrintable(compared->first.from.toString(Qt::ISODate)),
                qPrintable(compared->first.to.toString(Qt::ISODate)),
                qPrintable(compared->second.from.toString(Qt::ISODate)),
                qPrintable(compared->second.to.toString(Qt::ISODate)));

    struct Tab
    {
        int tab;
        const char *name;
        std::function<qsizetype()> service;
    };
    auto rows = [](const auto &sections) {
        qsizetype count = 0;
        for (const auto &section : sections)
            count += section.rows.size();
        return count;
    };
    const QString all;
    const Tab tabs[] = {
        {ReportsScreen::CategorySpendingTab, "Category Spending (bars)",
         [&] { return rows(service.categorySpendingByCurrency(from, to, all)); }},
        {ReportsScreen::PayeeSummaryTab, "Payee Summary (no chart)",
         [&] { return rows(service.payeeSummaryByCurrency(from, to, all)); }},
        {ReportsScreen::TaxReportTab, "Tax Report (no chart)", [&] { return rows(service.taxReportByCurrency(from, to)); }},
        {ReportsScreen::IncomeVsExpensesTab, "Income vs Expenses (bars and net line)",
         [&] { return rows(service.incomeVsExpensesByCurrency(from, to, all)); }},
        {ReportsScreen::CashFlowTab, "Cash Flow (bars and net line)",
         [&] { return rows(service.cashFlowByCurrency(from, to, all)); }},
        {ReportsScreen::YearOverYearTab, "Year-over-Year (paired bars)",
         [&] {
             return rows(service.yearOverYearByCurrency(compared->first.from, compared->first.to,
                                                        compared->second.from, compared->second.to, all));
         }},
        {ReportsScreen::AccountSummaryTab, "Account Summary (bars)",
         [&] { return rows(service.accountSummaryByCurrency()); }},
        {ReportsScreen::TransactionsTab, "Transactions (no chart)",
         [&] { return rows(service.transactionListByCurrency(from, to, all, QString())); }},
    };

    bool met = true;
    for (const Tab &tab : tabs) {
        ReportPage *page = screen.page(tab.tab);
        qsizetype serviceRows = 0;
        const Bench::Comparison result = Bench::compare(
            rounds,
            [&] {
                screen.runReportTab(tab.tab);
                screen.tabs()->setCurrentIndex(tab.tab);
                QCoreApplication::processEvents();
                const QImage shown = page->grab().toImage();
                if (shown.isNull())
                    qFatal("the page painted nothing");
            },
            [&] { serviceRows = tab.service(); });
        std::printf("%s: %lld rows in %d section(s)\n", tab.name, qint64(serviceRows), page->sectionCount());
        met = report(tab.name, result) && met;
    }
    return met ? 0 : 1;
}
