#include "ui/screens/reportsscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/changejournal.h"
#include "data/clock.h"
#include "data/database.h"
#include "ui/messagebox.h"
#include "ui/screens/matchingtransactionsdialog.h"
#include "ui/screens/reportchartview.h"
#include "ui/screens/reportpage.h"
#include "ui/screens/reportperiods.h"
#include "ui/screens/reportsection.h"
#include "ui/screens/reporttablemodel.h"
#include "ui/thememanager.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMetaMethod>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

// Charts of categories show the largest few; the table lists them all.
constexpr int kChartedCategories = 10;

const QString kMutedStyle = QStringLiteral("color: #6E8A7E;");

using Column = ReportTableModel::Column;
using Kind = ReportTableModel::Kind;

struct SectionContent
{
    Currency currency = Currency::USD;
    int rowCount = 0;
    ReportTableModel::CellFunction cell;
    ReportChartData chart;
};

QString shortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString accountTypeLabel(const QString &key)
{
    if (key == QLatin1String("checking"))
        return QCoreApplication::translate("AccountType", "Checking");
    if (key == QLatin1String("savings"))
        return QCoreApplication::translate("AccountType", "Savings");
    if (key == QLatin1String("credit_card"))
        return QCoreApplication::translate("AccountType", "Credit Card");
    if (key == QLatin1String("cash"))
        return QCoreApplication::translate("AccountType", "Cash");
    if (key == QLatin1String("investment"))
        return QCoreApplication::translate("AccountType", "Investment");
    return QCoreApplication::translate("AccountType", "Other");
}

// Columns as wide as their first rows, and never so narrow that amounts
// crowd each other while the last column takes all the room.
void fitColumns(QTableView *table, const QList<Column> &columns)
{
    table->resizeColumnsToContents();
    const int minimum = table->fontMetrics().horizontalAdvance(QStringLiteral("-$000,000.00")) + 24;
    for (int column = 0; column + 1 < columns.size(); ++column) {
        const int wanted = columns.at(column).kind == Kind::Text ? minimum + minimum / 2 : minimum;
        if (table->columnWidth(column) < wanted)
            table->setColumnWidth(column, wanted);
    }
}

// Puts one section per content on the page (one empty section in
// `emptyCurrency` when there is none), with a total row when a label is
// given and the section has rows.
void showSections(ReportPage *page, const QList<Column> &columns, const QList<SectionContent> &contents,
                  Currency emptyCurrency, const QString &totalLabel = QString())
{
    QList<Currency> currencies;
    for (const SectionContent &content : contents)
        currencies << content.currency;
    page->setSections(currencies);
    for (int i = 0; i < page->sectionCount(); ++i) {
        ReportSection *section = page->section(i);
        ReportTableModel *model = section->model();
        if (model->columnCount() != columns.size())
            model->setColumns(columns);
        if (i >= contents.size()) {
            model->setRows(0, nullptr, emptyCurrency);
            ReportChartData nothing;
            nothing.currency = emptyCurrency;
            section->chartView()->setData(nothing);
            continue;
        }
        const SectionContent &content = contents.at(i);
        model->setRows(content.rowCount, content.cell, content.currency);
        if (!totalLabel.isEmpty() && content.rowCount > 0)
            model->setTotalRow(totalLabel);
        section->chartView()->setData(content.chart);
        // Fitted to the first rows it gets; after that the widths are the user's.
        if (content.rowCount > 0 && !section->table()->property("fitted").toBool()) {
            fitColumns(section->table(), columns);
            section->table()->setProperty("fitted", true);
        }
    }
}

// The rows of a category report whose bars are drawn: the first ones, in
// the report's order.
QList<int> firstRows(qsizetype count)
{
    QList<int> rows;
    for (int row = 0; row < qMin<qsizetype>(count, kChartedCategories); ++row)
        rows << row;
    return rows;
}

} // namespace

ReportsScreen::ReportsScreen(AppState *state, ReportService *service, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(service)
    , m_chooseSaveFile([](QWidget *dialogParent, const QString &title, const QString &defaultName,
                          const QString &filter) {
        return QFileDialog::getSaveFileName(dialogParent, title, defaultName, filter);
    })
{
    auto *title = new QLabel(tr("Reports"), this);
    applyFontRole(title, FontRole::LargeTitle);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    const struct
    {
        const char *key;
        QString title;
        bool chart;
    } tabs[TabCount] = {
        {"categorySpending", tr("Category Spending"), true}, {"payeeSummary", tr("Payee Summary"), false},
        {"taxReport", tr("Tax Report"), false},              {"incomeVsExpenses", tr("Income vs Expenses"), true},
        {"cashFlow", tr("Cash Flow"), true},                 {"yearOverYear", tr("Year-over-Year"), true},
        {"accountSummary", tr("Account Summary"), true},     {"transactions", tr("Transactions"), false},
    };
    for (const auto &tab : tabs) {
        auto *page = new ReportPage(QString::fromLatin1(tab.key), tab.chart);
        m_tabs->addTab(page, tab.title);
        m_pages.append(page);
    }
    m_pages[CategorySpendingTab]->setHint(tr("Double-click a category, or click its bar, to list its transactions."));
    m_pages[PayeeSummaryTab]->setHint(tr("Double-click a payee to list its transactions."));
    m_pages[YearOverYearTab]->setHint(tr("Click a bar to list the transactions of that category and period."));
    buildYearOverYearControls(m_pages[YearOverYearTab]);

    connect(m_pages[CategorySpendingTab], &ReportPage::rowActivated, this, &ReportsScreen::openCategory);
    connect(m_pages[CategorySpendingTab], &ReportPage::barClicked, this, [this](int section, int, int category) {
        const ReportSection *shown = m_pages[CategorySpendingTab]->section(section);
        if (shown)
            openCategory(section, shown->chartView()->data().rows.value(category, -1));
    });
    connect(m_pages[PayeeSummaryTab], &ReportPage::rowActivated, this, &ReportsScreen::openPayee);
    connect(m_pages[YearOverYearTab], &ReportPage::barClicked, this, &ReportsScreen::openYearOverYearBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(buildFilterRow());
    layout->addSpacing(8);
    layout->addWidget(m_tabs, 1);

    // Nothing runs until the first refresh.
    m_updating = true;
    onDatePresetChanged(ReportPeriods::ThisMonth);
    onComparePresetChanged(ReportPeriods::ThisYearVsLastYear);
    m_updating = false;

    connect(m_state->database()->changes(), &ChangeJournal::committed, this, &ReportsScreen::onChangesCommitted);
}

QWidget *ReportsScreen::buildFilterRow()
{
    auto *rowWidget = new QWidget(this);
    auto *row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    m_accountCombo = new QComboBox(rowWidget);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(140);
    // Wide enough for most account names, whichever is chosen.
    m_accountCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_accountCombo->setMinimumContentsLength(16);
    m_accountCombo->addItem(tr("All Accounts"), QString());
    m_presetCombo = new QComboBox(rowWidget);
    m_presetCombo->setObjectName(QStringLiteral("periodCombo"));
    m_presetCombo->setMinimumWidth(130);
    m_presetCombo->addItems(ReportPeriods::presetLabels());
    m_rangeLabel = new QLabel(rowWidget);
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    m_rangeLabel->setStyleSheet(kMutedStyle);
    m_fromEdit = makeDateEdit();
    m_fromEdit->setObjectName(QStringLiteral("fromDate"));
    m_toEdit = makeDateEdit();
    m_toEdit->setObjectName(QStringLiteral("toDate"));
    m_exportButton = new QPushButton(tr("Export CSV"), rowWidget);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));

    row->addWidget(new QLabel(tr("Account:"), rowWidget));
    row->addWidget(m_accountCombo);
    row->addSpacing(12);
    row->addWidget(new QLabel(tr("Period:"), rowWidget));
    row->addWidget(m_presetCombo);
    row->addWidget(m_rangeLabel);
    row->addWidget(m_fromEdit);
    row->addWidget(m_toEdit);
    row->addStretch(1);
    row->addWidget(m_exportButton);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_presetCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    return rowWidget;
}

void ReportsScreen::buildYearOverYearControls(ReportPage *page)
{
    m_compareCombo = new QComboBox(page);
    m_compareCombo->setObjectName(QStringLiteral("compareCombo"));
    m_compareCombo->addItems(ReportPeriods::compareLabels());
    m_compareLabel = new QLabel(page);
    m_compareLabel->setObjectName(QStringLiteral("compareLabel"));
    m_compareLabel->setStyleSheet(kMutedStyle);

    auto *compareRow = new QHBoxLayout;
    compareRow->setSpacing(8);
    compareRow->addWidget(new QLabel(tr("Compare:"), page));
    compareRow->addWidget(m_compareCombo);
    compareRow->addSpacing(12);
    compareRow->addWidget(m_compareLabel);
    compareRow->addStretch(1);

    m_customCompareRow = new QWidget(page);
    m_customCompareRow->setObjectName(QStringLiteral("customCompareRow"));
    m_period1From = makeDateEdit();
    m_period1To = makeDateEdit();
    m_period2From = makeDateEdit();
    m_period2To = makeDateEdit();
    auto *customRow = new QHBoxLayout(m_customCompareRow);
    customRow->setContentsMargins(0, 0, 0, 0);
    customRow->setSpacing(8);
    customRow->addWidget(new QLabel(tr("P1:"), m_customCompareRow));
    customRow->addWidget(m_period1From);
    customRow->addWidget(new QLabel(QStringLiteral("–"), m_customCompareRow));
    customRow->addWidget(m_period1To);
    customRow->addSpacing(12);
    customRow->addWidget(new QLabel(tr("P2:"), m_customCompareRow));
    customRow->addWidget(m_period2From);
    customRow->addWidget(new QLabel(QStringLiteral("–"), m_customCompareRow));
    customRow->addWidget(m_period2To);
    customRow->addStretch(1);
    m_customCompareRow->setVisible(false);

    page->controlsLayout()->addLayout(compareRow);
    page->controlsLayout()->addWidget(m_customCompareRow);

    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparePresetChanged);
    for (QDateEdit *edit : {m_period1From, m_period1To, m_period2From, m_period2To}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            updateCompareLabel();
            onFilterChanged();
        });
    }
}

QDateEdit *ReportsScreen::makeDateEdit()
{
    const QLocale locale;
    auto *edit = new QDateEdit(this);
    edit->setLocale(locale);
    edit->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    // Old history and planned entries both belong in a custom period.
    edit->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setLocale(locale);
    edit->calendarWidget()->setFirstDayOfWeek(locale.firstDayOfWeek());
    return edit;
}

void ReportsScreen::followTheme(ThemeManager *theme)
{
    if (!theme)
        return;
    connect(theme, &ThemeManager::themeChanged, this, &ReportsScreen::applyTheme);
    connect(theme, &ThemeManager::fontScaleChanged, this, &ReportsScreen::applyTheme);
}

void ReportsScreen::setSaveFileChooser(SaveFileChooser chooser)
{
    m_chooseSaveFile = std::move(chooser);
}

QString ReportsScreen::exportFileName(int tab)
{
    static const char *const names[TabCount] = {
        "category_spending.csv", "payee_summary.csv",  "tax_report.csv",      "income_vs_expenses.csv",
        "cash_flow.csv",         "year_over_year.csv", "account_summary.csv", "transactions.csv"};
    return tab >= 0 && tab < TabCount ? QString::fromLatin1(names[tab]) : QString();
}

void ReportsScreen::applyTheme()
{
    for (ReportPage *page : std::as_const(m_pages))
        page->applyTheme();
}

void ReportsScreen::onChangesCommitted(const ChangeSet &changes)
{
    // While hidden the screen waits: the main window refreshes it on show.
    if (!isVisible())
        return;
    if (changes.contains(ChangeSet::Entity::Account) || changes.contains(ChangeSet::Entity::Transaction)
        || changes.contains(ChangeSet::Entity::Category))
        refresh();
}

void ReportsScreen::reloadAccounts()
{
    const QString current = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll())
        m_accountCombo->addItem(account.name, account.id);
    const int index = m_accountCombo->findData(current);
    m_accountCombo->setCurrentIndex(index >= 0 ? index : 0);
}

void ReportsScreen::refresh()
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    reloadAccounts();
    // "This Month" moves with the calendar and "All Time" with the data.
    if (m_presetCombo->currentIndex() != ReportPeriods::Custom)
        onDatePresetChanged(m_presetCombo->currentIndex());
    if (m_compareCombo->currentIndex() != ReportPeriods::CompareCustom)
        onComparePresetChanged(m_compareCombo->currentIndex());
    m_updating = wasUpdating;
    runReport();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    if (index < 0 || index >= ReportPeriods::PresetCount)
        return;
    const bool custom = index == ReportPeriods::Custom;
    m_fromEdit->setVisible(custom);
    m_toEdit->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (!custom) {
        const std::optional<DateRange> range = ReportPeriods::preset(
            index, Clock::today(),
            index == ReportPeriods::AllTime ? m_service->storedDateRange() : std::nullopt);
        const bool wasUpdating = m_updating;
        m_updating = true;
        m_fromEdit->setDate(range->from);
        m_toEdit->setDate(range->to);
        m_updating = wasUpdating;
        m_rangeLabel->setText(tr("%1 – %2").arg(shortDate(range->from), shortDate(range->to)));
    }
    onFilterChanged();
}

void ReportsScreen::onComparePresetChanged(int index)
{
    if (index < 0 || index >= ReportPeriods::CompareCount)
        return;
    const bool wasUpdating = m_updating;
    m_updating = true;
    const bool custom = index == ReportPeriods::CompareCustom;
    m_customCompareRow->setVisible(custom);
    m_compareLabel->setVisible(!custom);
    if (const auto periods = ReportPeriods::compare(index, Clock::today())) {
        m_period1From->setDate(periods->first.from);
        m_period1To->setDate(periods->first.to);
        m_period2From->setDate(periods->second.from);
        m_period2To->setDate(periods->second.to);
    }
    updateCompareLabel();
    m_updating = wasUpdating;
    onFilterChanged();
}

void ReportsScreen::updateCompareLabel()
{
    m_compareLabel->setText(tr("P1: %1 – %2    P2: %3 – %4")
                                .arg(shortDate(m_period1From->date()), shortDate(m_period1To->date()),
                                     shortDate(m_period2From->date()), shortDate(m_period2To->date())));
}

void ReportsScreen::onFilterChanged()
{
    if (!m_updating)
        runReport();
}

ReportsScreen::Filters ReportsScreen::currentFilters() const
{
    return {m_accountCombo->currentData().toString(),
            m_fromEdit->date(),
            m_toEdit->date(),
            m_period1From->date(),
            m_period1To->date(),
            m_period2From->date(),
            m_period2To->date()};
}

Currency ReportsScreen::currencyWithoutRows() const
{
    if (!m_shown.accountId.isEmpty()) {
        if (const std::optional<Account> account = m_state->accountRepository()->findById(m_shown.accountId))
            return account->currency;
    }
    return Currency::USD;
}

void ReportsScreen::runReport()
{
    m_shown = currentFilters();
    for (int tab = 0; tab < TabCount; ++tab)
        runReportTab(tab);
}

void ReportsScreen::runReportTab(int tab)
{
    m_shown = currentFilters();
    switch (tab) {
    case CategorySpendingTab:
        fillCategorySpending();
        break;
    case PayeeSummaryTab:
        fillPayeeSummary();
        break;
    case TaxReportTab:
        fillTaxReport();
        break;
    case IncomeVsExpensesTab:
    case CashFlowTab:
        fillMonthly(tab);
        break;
    case YearOverYearTab:
        fillYearOverYear();
        break;
    case AccountSummaryTab:
        fillAccountSummary();
        break;
    case TransactionsTab:
        fillTransactions();
        break;
    default:
        break;
    }
}

void ReportsScreen::fillCategorySpending()
{
    m_categorySections = m_service->categorySpendingByCurrency(m_shown.from, m_shown.to, m_shown.accountId);
    QList<SectionContent> contents;
    for (const auto &section : std::as_const(m_categorySections)) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            return column == 0 ? QVariant(rows.at(row).name) : QVariant(rows.at(row).total);
        };
        ReportChartData &chart = content.chart;
        chart.orientation = ReportChartData::Orientation::Horizontal;
        chart.currency = section.currency;
        chart.plotMagnitudes = true;
        chart.rows = firstRows(section.rows.size());
        ReportChartSeries spending{tr("Spending"), {}, ReportChartSeries::Tone::Accent};
        for (const int row : std::as_const(chart.rows)) {
            chart.categories << section.rows.at(row).name;
            spending.amounts << section.rows.at(row).total;
        }
        chart.bars << spending;
        contents << content;
    }
    showSections(m_pages[CategorySpendingTab], {{tr("Category"), Kind::Text}, {tr("Total"), Kind::Amount}}, contents,
                 currencyWithoutRows());
}

void ReportsScreen::fillPayeeSummary()
{
    m_payeeSections = m_service->payeeSummaryByCurrency(m_shown.from, m_shown.to, m_shown.accountId);
    QList<SectionContent> contents;
    for (const auto &section : std::as_const(m_payeeSections)) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const PayeeTotal &r = rows.at(row);
            return column == 0 ? QVariant(r.payee) : column == 1 ? QVariant(r.total) : QVariant(r.count);
        };
        contents << content;
    }
    showSections(m_pages[PayeeSummaryTab],
                 {{tr("Payee"), Kind::Text}, {tr("Total"), Kind::Amount}, {tr("Count"), Kind::Count}}, contents,
                 currencyWithoutRows());
}

void ReportsScreen::fillTaxReport()
{
    // The tax report covers every account, whatever the filter says.
    QList<SectionContent> contents;
    for (const auto &section : m_service->taxReportByCurrency(m_shown.from, m_shown.to)) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const TaxLine &r = rows.at(row);
            return column == 0 ? QVariant(r.categoryName) : column == 1 ? QVariant(r.taxCategory) : QVariant(r.total);
        };
        contents << content;
    }
    showSections(m_pages[TaxReportTab],
                 {{tr("Category"), Kind::Text}, {tr("Tax Code"), Kind::Text}, {tr("Total"), Kind::Amount}}, contents,
                 Currency::USD);
}

void ReportsScreen::fillMonthly(int tab)
{
    const bool income = tab == IncomeVsExpensesTab;
    const QList<CurrencySection<PeriodTotals>> sections =
        income ? m_service->incomeVsExpensesByCurrency(m_shown.from, m_shown.to, m_shown.accountId)
               : m_service->cashFlowByCurrency(m_shown.from, m_shown.to, m_shown.accountId);
    const QString in = income ? tr("Income") : tr("Inflows");
    const QString out = income ? tr("Expenses") : tr("Outflows");
    QList<SectionContent> contents;
    for (const auto &section : sections) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const PeriodTotals &r = rows.at(row);
            switch (column) {
            case 0: return r.label;
            case 1: return r.first;
            case 2: return r.second;
            default: return r.third;
            }
        };
        ReportChartData &chart = content.chart;
        chart.currency = section.currency;
        ReportChartSeries inflow{in, {}, ReportChartSeries::Tone::Positive};
        ReportChartSeries outflow{out, {}, ReportChartSeries::Tone::Negative};
        ReportChartSeries net{tr("Net"), {}, ReportChartSeries::Tone::Strong};
        for (int row = 0; row < section.rows.size(); ++row) {
            const PeriodTotals &r = section.rows.at(row);
            chart.categories << r.label;
            chart.rows << row;
            inflow.amounts << r.first;
            outflow.amounts << r.second;
            net.amounts << r.third;
        }
        chart.bars << inflow << outflow;
        chart.line = net;
        contents << content;
    }
    showSections(m_pages[tab], {{tr("Month"), Kind::Text}, {in, Kind::Amount}, {out, Kind::Amount},
                                {tr("Net"), Kind::Amount}},
                 contents, currencyWithoutRows(), tr("Total"));
}

void ReportsScreen::fillYearOverYear()
{
    m_yearOverYearSections = m_service->yearOverYearByCurrency(m_shown.period1From, m_shown.period1To,
                                                               m_shown.period2From, m_shown.period2To,
                                                               m_shown.accountId);
    QList<SectionContent> contents;
    for (const auto &section : std::as_const(m_yearOverYearSections)) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const PeriodTotals &r = rows.at(row);
            switch (column) {
            case 0: return r.label;
            case 1: return r.first;
            case 2: return r.second;
            default: return r.third;
            }
        };
        // The categories that moved the most money in either period.
        QList<int> charted(section.rows.size());
        std::iota(charted.begin(), charted.end(), 0);
        auto size = [&section](int row) {
            const PeriodTotals &r = section.rows.at(row);
            return std::max(r.first == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                          : std::abs(r.first),
                            r.second == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                           : std::abs(r.second));
        };
        std::stable_sort(charted.begin(), charted.end(), [&size](int a, int b) { return size(a) > size(b); });
        charted.resize(qMin<qsizetype>(charted.size(), kChartedCategories));

        ReportChartData &chart = content.chart;
        chart.orientation = ReportChartData::Orientation::Horizontal;
        chart.currency = section.currency;
        chart.rows = charted;
        ReportChartSeries first{tr("Period 1"), {}, ReportChartSeries::Tone::Muted};
        ReportChartSeries second{tr("Period 2"), {}, ReportChartSeries::Tone::Accent};
        for (const int row : std::as_const(charted)) {
            chart.categories << section.rows.at(row).label;
            first.amounts << section.rows.at(row).first;
            second.amounts << section.rows.at(row).second;
        }
        chart.bars << first << second;
        contents << content;
    }
    showSections(m_pages[YearOverYearTab],
                 {{tr("Category"), Kind::Text}, {tr("Period 1"), Kind::Amount}, {tr("Period 2"), Kind::Amount},
                  {tr("Difference"), Kind::Amount}},
                 contents, currencyWithoutRows());
}

void ReportsScreen::fillAccountSummary()
{
    // Every account, whatever the filters say.
    QList<SectionContent> contents;
    for (const auto &section : m_service->accountSummaryByCurrency()) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const AccountSummaryRow &r = rows.at(row);
            switch (column) {
            case 0: return r.name;
            case 1: return accountTypeLabel(r.accountType);
            case 2: return r.cleared;
            case 3: return r.uncleared;
            default: return r.balance;
            }
        };
        ReportChartData &chart = content.chart;
        chart.orientation = ReportChartData::Orientation::Horizontal;
        chart.currency = section.currency;
        ReportChartSeries balance{tr("Total"), {}, ReportChartSeries::Tone::Accent};
        for (int row = 0; row < section.rows.size(); ++row) {
            chart.categories << section.rows.at(row).name;
            chart.rows << row;
            balance.amounts << section.rows.at(row).balance;
        }
        chart.bars << balance;
        contents << content;
    }
    showSections(m_pages[AccountSummaryTab],
                 {{tr("Account"), Kind::Text}, {tr("Type"), Kind::Text}, {tr("Cleared"), Kind::Amount},
                  {tr("Uncleared"), Kind::Amount}, {tr("Total"), Kind::Amount}},
                 contents, Currency::USD);
}

void ReportsScreen::fillTransactions()
{
    QList<SectionContent> contents;
    for (const auto &section :
         m_service->transactionListByCurrency(m_shown.from, m_shown.to, m_shown.accountId, QString())) {
        SectionContent content;
        content.currency = section.currency;
        content.rowCount = int(section.rows.size());
        content.cell = [rows = section.rows](int row, int column) -> QVariant {
            const TransactionReportRow &r = rows.at(row);
            switch (column) {
            case 0: return r.date;
            case 1: return r.accountName;
            case 2: return r.payee;
            case 3: return r.categoryName;
            case 4: return r.memo;
            default: return r.amount;
            }
        };
        contents << content;
    }
    showSections(m_pages[TransactionsTab],
                 {{tr("Date"), Kind::Date}, {tr("Account"), Kind::Text}, {tr("Payee"), Kind::Text},
                  {tr("Category"), Kind::Text}, {tr("Memo"), Kind::Text}, {tr("Amount"), Kind::Amount}},
                 contents, currencyWithoutRows());
}

void ReportsScreen::openCategory(int section, int row)
{
    if (section < 0 || section >= m_categorySections.size())
        return;
    const CurrencySection<CategoryTotal> &shown = m_categorySections.at(section);
    if (row < 0 || row >= shown.rows.size())
        return;
    TransactionMatch match;
    match.from = m_shown.from;
    match.to = m_shown.to;
    match.accountId = m_shown.accountId;
    match.currency = shown.currency;
    match.categoryName = shown.rows.at(row).name;
    // Category spending counts expenses only; so does its list.
    match.expensesOnly = true;
    requestTransactions(match, tr("Spending on %1").arg(shown.rows.at(row).name));
}

void ReportsScreen::openPayee(int section, int row)
{
    if (section < 0 || section >= m_payeeSections.size())
        return;
    const CurrencySection<PayeeTotal> &shown = m_payeeSections.at(section);
    if (row < 0 || row >= shown.rows.size())
        return;
    TransactionMatch match;
    match.from = m_shown.from;
    match.to = m_shown.to;
    match.accountId = m_shown.accountId;
    match.currency = shown.currency;
    match.payee = shown.rows.at(row).payee;
    requestTransactions(match, tr("Transactions with %1").arg(shown.rows.at(row).payee));
}

void ReportsScreen::openYearOverYearBar(int section, int series, int category)
{
    const ReportSection *shownSection = m_pages[YearOverYearTab]->section(section);
    if (!shownSection || section >= m_yearOverYearSections.size() || series < 0 || series > 1)
        return;
    const int row = shownSection->chartView()->data().rows.value(category, -1);
    const CurrencySection<PeriodTotals> &shown = m_yearOverYearSections.at(section);
    if (row < 0 || row >= shown.rows.size())
        return;
    TransactionMatch match;
    match.from = series == 0 ? m_shown.period1From : m_shown.period2From;
    match.to = series == 0 ? m_shown.period1To : m_shown.period2To;
    match.accountId = m_shown.accountId;
    match.currency = shown.currency;
    match.categoryName = shown.rows.at(row).label;
    requestTransactions(match, tr("%1, %2 – %3")
                                   .arg(shown.rows.at(row).label, shortDate(match.from), shortDate(match.to)));
}

void ReportsScreen::requestTransactions(const TransactionMatch &match, const QString &title)
{
    // A screen that can show them better (a search) takes them when it is
    // connected; until then the list opens here.
    if (isSignalConnected(QMetaMethod::fromSignal(&ReportsScreen::transactionsRequested))) {
        Q_EMIT transactionsRequested(match, title);
        return;
    }
    showMatchingTransactions(match, title);
}

void ReportsScreen::showMatchingTransactions(const TransactionMatch &match, const QString &title)
{
    auto *dialog = new MatchingTransactionsDialog(title, m_service->matchingTransactions(match), this);
    dialog->show();
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    const ReportPage *page = m_pages.value(tab);
    if (!page || !page->hasRows())
        return;
    const QString path = m_chooseSaveFile(this, tr("Export CSV"), exportFileName(tab), tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    exportCurrentTabTo(path);
}

bool ReportsScreen::exportCurrentTabTo(const QString &path)
{
    const ReportPage *page = m_pages.value(m_tabs->currentIndex());
    if (!page)
        return false;
    const ReportTableModel *first = page->section(0)->model();
    // Amounts go out as plain numbers; the currency column says what they count.
    QStringList headers = first->headers();
    headers << tr("Currency");
    QList<QStringList> rows;
    for (int s = 0; s < page->sectionCount(); ++s) {
        const ReportTableModel *model = page->section(s)->model();
        const QString currency = currencyToString(model->currency());
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->exportText(row, column);
            cells << currency;
            rows << cells;
        }
    }
    const QByteArray bytes = ReportService::toCsv(headers, rows, first->numberColumns()).toUtf8();

    // Written beside the target and renamed over it only when complete, so
    // a failure never leaves half a file in place of a good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(bytes) != bytes.size() || !file.commit()) {
        MessageBox::warning(this, tr("Export CSV"),
                            tr("The report could not be saved as \"%1\".\n\n%2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}
