#include "ui/screens/searchscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "services/reportservice.h"
#include "ui/screens/searchresultsmodel.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTypingDelayMs = 300;
const QString kDateFormat = QStringLiteral("MM/dd/yyyy");

// Selects the item carrying `id`; false, leaving the combo alone, when none does.
bool selectById(QComboBox *combo, const QString &id)
{
    const int index = combo->findData(id);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

} // namespace

SearchScreen::SearchScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(new SearchService(state->database(), this))
    , m_model(new SearchResultsModel(this))
    , m_typingTimer(new QTimer(this))
{
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(kTypingDelayMs);
    connect(m_typingTimer, &QTimer::timeout, this, &SearchScreen::performSearch);
    buildLayout();
    connect(m_service, &SearchService::resultsMayHaveChanged, this, [this](bool namesChanged) {
        if (namesChanged)
            m_staleLists = true;
        onResultsMayHaveChanged();
    });
    // Nothing has been searched yet: the first showing does it.
    m_stale = true;
    m_staleLists = true;
}

void SearchScreen::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(12, 12, 12, 10);
    root->setSpacing(10);

    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMaxLength(SearchService::kMaxTextLength);
    connect(m_searchField, &QLineEdit::textChanged, this, [this] {
        if (!m_settingFilters)
            m_typingTimer->start();
    });
    connect(m_searchField, &QLineEdit::returnPressed, this, &SearchScreen::performSearch);
    m_searchField->installEventFilter(this);
    root->addWidget(m_searchField);

    auto *filters = new QHBoxLayout;
    filters->setSpacing(6);
    auto *accountLabel = new QLabel(tr("Account:"), this);
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_accountCombo->setMinimumContentsLength(14);
    m_accountCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    accountLabel->setBuddy(m_accountCombo);
    auto *categoryLabel = new QLabel(tr("Category:"), this);
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_categoryCombo->setMinimumContentsLength(14);
    m_categoryCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    categoryLabel->setBuddy(m_categoryCombo);
    m_dateRangeCheck = new QCheckBox(tr("Date range:"), this);
    const QDate today = Clock::today();
    m_fromEdit = new QDateEdit(today.addMonths(-1), this);
    m_toEdit = new QDateEdit(today, this);
    for (QDateEdit *edit : {m_fromEdit, m_toEdit}) {
        edit->setDisplayFormat(kDateFormat);
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
    }
    auto *toLabel = new QLabel(tr("to"), this);
    m_clearedOnlyCheck = new QCheckBox(tr("Cleared only"), this);
    // Two lines, so that at the window's first width of 800 pixels the
    // lists show their names whole beside the dates.
    filters->addWidget(accountLabel);
    filters->addWidget(m_accountCombo, 1);
    filters->addSpacing(12);
    filters->addWidget(categoryLabel);
    filters->addWidget(m_categoryCombo, 1);
    root->addLayout(filters);
    auto *dates = new QHBoxLayout;
    dates->setSpacing(6);
    dates->addWidget(m_dateRangeCheck);
    dates->addWidget(m_fromEdit);
    dates->addWidget(toLabel);
    dates->addWidget(m_toEdit);
    dates->addSpacing(12);
    dates->addWidget(m_clearedOnlyCheck);
    dates->addStretch(1);
    root->addLayout(dates);

    auto runUnlessFilling = [this] {
        if (!m_settingFilters)
            performSearch();
    };
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, runUnlessFilling);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, runUnlessFilling);
    connect(m_clearedOnlyCheck, &QCheckBox::toggled, this, runUnlessFilling);
    connect(m_dateRangeCheck, &QCheckBox::toggled, this, &SearchScreen::onDateRangeToggled);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &SearchScreen::onDateChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &SearchScreen::onDateChanged);

    m_narrowingRow = new QWidget(this);
    auto *narrowing = new QHBoxLayout(m_narrowingRow);
    narrowing->setContentsMargins(0, 0, 0, 0);
    m_narrowingLabel = new QLabel(m_narrowingRow);
    m_narrowingLabel->setWordWrap(true);
    m_narrowingLabel->setTextFormat(Qt::PlainText);
    m_dropNarrowingButton = new QPushButton(tr("Clear Report Filter"), m_narrowingRow);
    connect(m_dropNarrowingButton, &QPushButton::clicked, this, &SearchScreen::dropNarrowing);
    narrowing->addWidget(m_narrowingLabel, 1);
    narrowing->addWidget(m_dropNarrowingButton);
    m_narrowingRow->hide();
    root->addWidget(m_narrowingRow);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("searchResults"));
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    m_view->setTabKeyNavigation(false);
    QHeaderView *header = m_view->horizontalHeader();
    header->setHighlightSections(false);
    for (int column = 0; column < SearchResultsModel::ColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {SearchResultsModel::Payee, SearchResultsModel::Category, SearchResultsModel::Memo})
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    // Double-click, or Return on the current row.
    connect(m_view, &QAbstractItemView::activated, this, &SearchScreen::activateRow);
    root->addWidget(m_view, 1);

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("searchStatus"));
    m_statusLabel->setTextFormat(Qt::PlainText);
    root->addWidget(m_statusLabel);

    setTabOrder(m_searchField, m_accountCombo);
    setTabOrder(m_accountCombo, m_categoryCombo);
    setTabOrder(m_categoryCombo, m_dateRangeCheck);
    setTabOrder(m_dateRangeCheck, m_fromEdit);
    setTabOrder(m_fromEdit, m_toEdit);
    setTabOrder(m_toEdit, m_clearedOnlyCheck);
    setTabOrder(m_clearedOnlyCheck, m_dropNarrowingButton);
    setTabOrder(m_dropNarrowingButton, m_view);
}

void SearchScreen::reloadFilterLists()
{
    m_staleLists = false;
    const QString accountId = m_accountCombo->currentData().toString();
    const QString categoryId = m_categoryCombo->currentData().toString();
    m_settingFilters = true;

    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll())
        m_accountCombo->addItem(account.name, account.id);

    // Subcategories whose name another live category bears show under their
    // parent's name, as the register shows them.
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QHash<QString, int> nameCounts;
    QHash<QString, QString> namesById;
    for (const Category &category : categories) {
        ++nameCounts[category.name];
        namesById.insert(category.id, category.name);
    }
    QList<QPair<QString, QString>> shown;
    for (const Category &category : categories) {
        QString text = category.name;
        if (!category.parentId.isEmpty() && nameCounts.value(category.name) > 1)
            text = namesById.value(category.parentId) + QStringLiteral(" > ") + category.name;
        shown.append({text, category.id});
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(shown.begin(), shown.end(),
                     [&collator](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("All Categories"), QString());
    for (const auto &[text, id] : std::as_const(shown))
        m_categoryCombo->addItem(text, id);

    const bool accountKept = accountId.isEmpty() || selectById(m_accountCombo, accountId);
    const bool categoryKept = categoryId.isEmpty() || selectById(m_categoryCombo, categoryId);
    m_settingFilters = false;
    // A chosen account or category that is gone no longer filters.
    if (!accountKept || !categoryKept)
        m_stale = true;
    if (m_stale && isVisible())
        performSearch();
}

void SearchScreen::focusSearchField()
{
    m_searchField->setFocus(Qt::OtherFocusReason);
    m_searchField->selectAll();
}

SearchQuery SearchScreen::currentQuery() const
{
    SearchQuery query = m_hasNarrowing ? m_narrowing : SearchQuery();
    query.text = m_searchField->text().trimmed();
    const QString accountId = m_accountCombo->currentData().toString();
    // A report's account that the list does not hold still narrows.
    if (!accountId.isEmpty() || !m_hasNarrowing)
        query.filter.accountId = accountId;
    query.filter.categoryId = m_categoryCombo->currentData().toString();
    if (m_dateRangeCheck->isChecked()) {
        query.filter.dateFrom = m_fromEdit->date();
        query.filter.dateTo = m_toEdit->date();
    } else {
        query.filter.dateFrom = QDate();
        query.filter.dateTo = QDate();
    }
    if (m_clearedOnlyCheck->isChecked())
        query.filter.cleared = true;
    else
        query.filter.cleared.reset();
    return query;
}

void SearchScreen::performSearch()
{
    m_typingTimer->stop();
    m_stale = false;
    ++m_searchCount;
    const Result<QList<SearchResult>> found = m_service->search(currentQuery());
    if (!found) {
        m_model->setResults({});
        m_statusLabel->setStyleSheet(QStringLiteral("color: %1;").arg(negativeColor().name()));
        m_statusLabel->setText(found.error());
        return;
    }
    const SearchResult *current = m_model->resultAt(m_view->currentIndex().row());
    const QString currentId = current ? current->row.id : QString();
    const int column = std::max(0, m_view->currentIndex().column());
    const qsizetype count = found->size();
    m_model->setResults(found.value());
    const int row = m_model->rowForId(currentId);
    if (row >= 0)
        m_view->setCurrentIndex(m_model->index(row, column));
    m_statusLabel->setStyleSheet(QString());
    if (count >= SearchQuery().limit)
        m_statusLabel->setText(tr("Showing the newest %n matches; narrow the search to see older ones.", nullptr,
                                  int(count)));
    else if (count == 0)
        m_statusLabel->setText(tr("No transactions match."));
    else
        m_statusLabel->setText(tr("%n transaction(s) found.", nullptr, int(count)));
}

void SearchScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_staleLists)
        reloadFilterLists();
    if (m_stale)
        performSearch();
}

bool SearchScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_searchField && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        // What was typed but not yet searched for is searched first.
        if (m_typingTimer->isActive())
            performSearch();
        if (!m_view->currentIndex().isValid())
            m_view->setCurrentIndex(m_model->index(0, SearchResultsModel::Payee));
        m_view->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SearchScreen::onResultsMayHaveChanged()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    if (m_staleLists)
        reloadFilterLists();
    performSearch();
}

void SearchScreen::onDateRangeToggled(bool on)
{
    m_fromEdit->setEnabled(on);
    m_toEdit->setEnabled(on);
    if (!m_settingFilters)
        performSearch();
}

void SearchScreen::onDateChanged()
{
    if (!m_settingFilters && m_dateRangeCheck->isChecked())
        performSearch();
}

void SearchScreen::activateRow(const QModelIndex &index)
{
    if (const SearchResult *result = m_model->resultAt(index.row()))
        Q_EMIT editTransactionRequested(result->row.id);
}

void SearchScreen::showReportMatch(const TransactionMatch &match, const QString &title)
{
    if (m_staleLists)
        reloadFilterLists();
    m_settingFilters = true;
    m_searchField->clear();
    m_narrowing = SearchQuery();
    // The account list takes the report's account; one it no longer holds
    // (deleted since) still narrows, from the narrowing line.
    const bool listed = !match.accountId.isEmpty() && selectById(m_accountCombo, match.accountId);
    if (!listed)
        m_accountCombo->setCurrentIndex(0);
    m_narrowing.filter.accountId = listed ? QString() : match.accountId;
    m_categoryCombo->setCurrentIndex(0);
    const bool dated = match.from.isValid() && match.to.isValid();
    if (dated) {
        m_fromEdit->setDate(match.from);
        m_toEdit->setDate(match.to);
    }
    m_dateRangeCheck->setChecked(dated);
    m_fromEdit->setEnabled(dated);
    m_toEdit->setEnabled(dated);
    m_clearedOnlyCheck->setChecked(false);
    m_narrowing.categoryName = match.categoryName;
    m_narrowing.payee = match.payee;
    m_narrowing.currency = match.currency;
    if (match.expensesOnly)
        m_narrowing.maximumAmount = -1;
    m_settingFilters = false;
    m_hasNarrowing = true;
    showNarrowing(title);
    performSearch();
}

void SearchScreen::showNarrowing(const QString &title)
{
    QStringList parts;
    if (m_narrowing.categoryName)
        parts.append(tr("category \u201C%1\u201D").arg(*m_narrowing.categoryName));
    if (m_narrowing.payee)
        parts.append(tr("payee \u201C%1\u201D").arg(*m_narrowing.payee));
    if (m_narrowing.maximumAmount)
        parts.append(tr("expenses only"));
    if (m_narrowing.currency)
        parts.append(tr("accounts in %1").arg(currencyDisplayLabel(*m_narrowing.currency)));
    if (!m_narrowing.filter.accountId.isEmpty())
        parts.append(tr("an account no longer listed"));
    QString text = title.isEmpty() ? tr("From a report") : tr("From the report figure \u201C%1\u201D").arg(title);
    if (!parts.isEmpty())
        text += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    m_narrowingLabel->setText(text);
    m_narrowingRow->setVisible(true);
}

void SearchScreen::dropNarrowing()
{
    m_hasNarrowing = false;
    m_narrowing = SearchQuery();
    m_narrowingRow->hide();
    performSearch();
}
