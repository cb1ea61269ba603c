#pragma once

#include "services/reportservice.h"

#include <QDate>
#include <QList>
#include <QWidget>

#include <functional>

class AppState;
class ChangeSet;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class ReportPage;
class ThemeManager;

// The reports window: an account filter and a period on top, eight reports
// in tabs, and CSV export of the tab in view. Figures come from the report
// service; the screen formats them, adds totals to the monthly reports and
// draws a chart above the tables where a picture says more (spending by
// category, the two monthly reports, year over year, account summary).
// Amounts of different currencies are never added up: with several, every
// report shows one section per currency. A double-click on a category or
// payee row, or a click on a category bar, lists the transactions behind
// it: through transactionsRequested when something listens to it, in a
// dialog of the screen otherwise. It writes nothing but export files.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        IncomeVsExpensesTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        TransactionsTab,
        TabCount
    };

    // Returns the chosen path, or an empty string when the user cancels.
    using SaveFileChooser = std::function<QString(QWidget *parent, const QString &title, const QString &defaultName,
                                                  const QString &filter)>;

    ReportsScreen(AppState *state, ReportService *service, QWidget *parent = nullptr);

    // Redraws the charts whenever the theme or the font scale changes.
    void followTheme(ThemeManager *theme);
    // Replaces the save dialog (tests answer it without a person).
    void setSaveFileChooser(SaveFileChooser chooser);

    QTabWidget *tabs() const { return m_tabs; }
    ReportPage *page(int tab) const { return m_pages.value(tab); }
    static QString exportFileName(int tab);

public Q_SLOTS:
    // Reloads the account list, brings the period up to date and runs.
    void refresh();
    void onDatePresetChanged(int index);
    void onFilterChanged();
    // Refills every tab.
    void runReport();
    // Refills one tab with the filters as they are.
    void runReportTab(int tab);
    void exportCurrentTab();
    // Writes the current tab to `path`; a failure is shown in a message
    // box and leaves any earlier file at that path as it was.
    bool exportCurrentTabTo(const QString &path);
    // Opens a list of the transactions (see transactionsRequested).
    void showMatchingTransactions(const TransactionMatch &match, const QString &title);

Q_SIGNALS:
    // Someone asked for the transactions behind a figure. When nothing is
    // connected the screen lists them itself.
    void transactionsRequested(const TransactionMatch &match, const QString &title);

private:
    struct Filters
    {
        QString accountId;
        QDate from;
        QDate to;
        QDate period1From;
        QDate period1To;
        QDate period2From;
        QDate period2To;
    };

    QWidget *buildFilterRow();
    void buildYearOverYearControls(ReportPage *page);
    QDateEdit *makeDateEdit();
    void reloadAccounts();
    void onComparePresetChanged(int index);
    void updateCompareLabel();
    Filters currentFilters() const;
    Currency currencyWithoutRows() const;
    void applyTheme();
    void onChangesCommitted(const ChangeSet &changes);

    void fillCategorySpending();
    void fillPayeeSummary();
    void fillTaxReport();
    void fillMonthly(int tab);
    void fillYearOverYear();
    void fillAccountSummary();
    void fillTransactions();

    void openCategory(int section, int row);
    void openPayee(int section, int row);
    void openYearOverYearBar(int section, int series, int category);
    void requestTransactions(const TransactionMatch &match, const QString &title);

    AppState *m_state;
    ReportService *m_service;
    bool m_updating = true;
    SaveFileChooser m_chooseSaveFile;

    QComboBox *m_accountCombo = nullptr;
    QComboBox *m_presetCombo = nullptr;
    QLabel *m_rangeLabel = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QPushButton *m_exportButton = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<ReportPage *> m_pages;

    QComboBox *m_compareCombo = nullptr;
    QLabel *m_compareLabel = nullptr;
    QWidget *m_customCompareRow = nullptr;
    QDateEdit *m_period1From = nullptr;
    QDateEdit *m_period1To = nullptr;
    QDateEdit *m_period2From = nullptr;
    QDateEdit *m_period2To = nullptr;

    // What the tabs show, for the transactions behind a figure.
    Filters m_shown;
    QList<CurrencySection<CategoryTotal>> m_categorySections;
    QList<CurrencySection<PayeeTotal>> m_payeeSections;
    QList<CurrencySection<PeriodTotals>> m_yearOverYearSections;
};
