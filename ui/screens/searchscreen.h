#pragma once

#include "services/searchservice.h"

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class SearchResultsModel;
struct TransactionMatch;

// Full-text search over every account's transactions with the account,
// category, date-range and cleared filters. Typing searches 300 ms after
// the last key; the filters search at once. A report figure can open it
// with narrower filters of its own (a category by name, a payee, a
// currency, expenses only), shown in a line above the results until the
// person drops them. Results follow committed changes while the window is
// shown, and are brought up to date when it is shown again. Activating a
// result (double-click or Return) asks for that transaction to be opened;
// the screen itself never writes.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SearchScreen(AppState *state, QWidget *parent = nullptr);

    // Refills the account and category lists, keeping what is chosen when
    // it still exists.
    void reloadFilterLists();
    // Puts the focus in the search field with its text selected.
    void focusSearchField();
    // Sets the filters to a report figure's and searches: its account and
    // dates go into the filter row, the rest into the narrowing line.
    void showReportMatch(const TransactionMatch &match, const QString &title);
    // The query the widgets ask for now.
    SearchQuery currentQuery() const;

    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *accountCombo() const { return m_accountCombo; }
    QComboBox *categoryCombo() const { return m_categoryCombo; }
    QCheckBox *dateRangeCheck() const { return m_dateRangeCheck; }
    QDateEdit *fromEdit() const { return m_fromEdit; }
    QDateEdit *toEdit() const { return m_toEdit; }
    QCheckBox *clearedOnlyCheck() const { return m_clearedOnlyCheck; }
    QTableView *resultsView() const { return m_view; }
    SearchResultsModel *model() const { return m_model; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QLabel *narrowingLabel() const { return m_narrowingLabel; }
    QPushButton *dropNarrowingButton() const { return m_dropNarrowingButton; }
    QTimer *typingTimer() const { return m_typingTimer; }
    // How many searches ran, for tests of the typing delay.
    int searchCount() const { return m_searchCount; }

Q_SIGNALS:
    void editTransactionRequested(const QString &transactionId);

public Q_SLOTS:
    void performSearch();

protected:
    void showEvent(QShowEvent *event) override;
    // Down in the search field moves into the results.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void onResultsMayHaveChanged();
    void onDateRangeToggled(bool on);
    void onDateChanged();
    void activateRow(const QModelIndex &index);
    void dropNarrowing();
    void showNarrowing(const QString &title);

    AppState *m_state;
    SearchService *m_service;
    SearchResultsModel *m_model;
    QLineEdit *m_searchField = nullptr;
    QComboBox *m_accountCombo = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QCheckBox *m_dateRangeCheck = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QCheckBox *m_clearedOnlyCheck = nullptr;
    QWidget *m_narrowingRow = nullptr;
    QLabel *m_narrowingLabel = nullptr;
    QPushButton *m_dropNarrowingButton = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_statusLabel = nullptr;
    QTimer *m_typingTimer = nullptr;
    // The report figure's filters that have no widget of their own.
    SearchQuery m_narrowing;
    bool m_hasNarrowing = false;
    // Set while the filters are filled in code, so each change does not search.
    bool m_settingFilters = false;
    // A change arrived while hidden: search again when shown.
    bool m_stale = false;
    // Accounts or categories changed since the lists were filled.
    bool m_staleLists = false;
    int m_searchCount = 0;
};
