#include "ui/screens/recurringscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/recurringrepository.h"
#include "services/recurringservice.h"
#include "ui/messagebox.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/thememanager.h"

#include <QHBoxLayout>
#include <QHash>
#include <QSet>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

bool isDue(const RecurringTransaction &r)
{
    return r.isActive && r.nextDueDate.isValid() && r.nextDueDate <= Clock::today();
}

} // namespace

RecurringScreen::RecurringScreen(AppState *state, RecurringService *service, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(service)
{
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    applyFontRole(title, FontRole::PageTitle);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    applyFontRole(m_dueLabel, FontRole::BodyStrong);

    auto *confirmAll = new QPushButton(tr("Confirm All Due"), this);
    auto *enterWeek = new QPushButton(tr("Enter Next 7 Days"), this);
    auto *create = new QPushButton(tr("New Recurring"), this);
    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(enterWeek, &QPushButton::clicked, this, &RecurringScreen::enterNextSevenDays);
    connect(create, &QPushButton::clicked, this, &RecurringScreen::showNewForm);

    auto *header = new QHBoxLayout;
    header->addWidget(title);
    header->addWidget(m_dueLabel);
    header->addStretch();
    header->addWidget(confirmAll);
    header->addWidget(enterWeek);
    header->addWidget(create);

    m_model = new RecurringModel(state->accountRepository(), this);
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { showEditForm(index.row()); });

    // What the last command did, and templates the service turned off: the
    // user hears of both here rather than only in the log.
    m_resultLabel = new QLabel(this);
    m_resultLabel->setObjectName(QStringLiteral("resultLabel"));
    m_resultLabel->setWordWrap(true);
    m_resultLabel->setVisible(false);
    m_stoppedLabel = new QLabel(this);
    m_stoppedLabel->setObjectName(QStringLiteral("stoppedLabel"));
    m_stoppedLabel->setWordWrap(true);
    m_stoppedLabel->setTextFormat(Qt::PlainText);
    m_stoppedLabel->setVisible(false);
    connect(m_service, &RecurringService::templateStopped, this, &RecurringScreen::refresh);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(header);
    layout->addWidget(m_resultLabel);
    layout->addWidget(m_stoppedLabel);
    layout->addWidget(m_view);

    refresh();
}

void RecurringScreen::refresh()
{
    m_model->setTemplates(m_service->all());
    // The columns fit their texts; Payee takes the room that is left.
    m_view->resizeColumnsToContents();
    const int due = m_service->pendingCount();
    if (due >= 1) {
        m_dueLabel->setText(tr("(%1 due)").arg(due));
        m_dueLabel->setStyleSheet(isDarkPalette() ? QStringLiteral("color: #66BB6A;")
                                                  : QStringLiteral("color: #008800;"));
    } else {
        m_dueLabel->clear();
    }
    showStoppedTemplates();
}

void RecurringScreen::showStoppedTemplates()
{
    // Only those still off: a template the user turned back on is settled.
    QHash<QString, bool> active;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const RecurringTransaction r = m_model->templateAt(row);
        active.insert(r.id, r.isActive);
    }
    QStringList lines;
    QSet<QString> told;
    const QList<RecurringService::Stop> stops = m_service->stops();
    for (auto stop = stops.crbegin(); stop != stops.crend(); ++stop) {
        const auto found = active.constFind(stop->recurringId);
        if (found == active.constEnd() || found.value() || told.contains(stop->recurringId))
            continue;
        told.insert(stop->recurringId);
        if (stop->reason == RecurringService::StopReason::CatchUpCap)
            lines.prepend(tr("\"%1\" was turned off: it was still behind after %2 postings in one run "
                             "(next due %3). Check its dates, then edit it and turn Active back on.")
                              .arg(stop->payee)
                              .arg(RecurringService::kMaxPostingsPerRun)
                              .arg(QLocale().toString(stop->nextDueDate, QLocale::ShortFormat)));
        else
            lines.prepend(tr("\"%1\" was turned off: its next due date is not a usable date. Edit it, "
                             "set its start date and turn Active back on.")
                              .arg(stop->payee));
    }
    m_stoppedLabel->setText(lines.join(QLatin1Char('\n')));
    m_stoppedLabel->setStyleSheet(isDarkPalette() ? QStringLiteral("color: #FF8A80;")
                                                  : QStringLiteral("color: #C62828;"));
    m_stoppedLabel->setVisible(!lines.isEmpty());
}

void RecurringScreen::showResult(const QString &text)
{
    m_resultLabel->setText(text);
    m_resultLabel->setVisible(!text.isEmpty());
}

void RecurringScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid())
        return;
    const int row = index.row();
    const RecurringTransaction r = m_model->templateAt(row);
    const bool due = isDue(r);
    const bool future = r.isActive && r.nextDueDate.isValid() && r.nextDueDate > Clock::today();

    QMenu menu(this);
    QAction *edit = menu.addAction(tr("&Edit"));
    QAction *confirmAction = menu.addAction(tr("&Confirm"));
    QAction *skipAction = menu.addAction(tr("&Skip"));
    QAction *early = menu.addAction(tr("Enter &Early..."));
    menu.addSeparator();
    QAction *remove = menu.addAction(tr("&Delete"));
    confirmAction->setEnabled(due);
    skipAction->setEnabled(due);
    early->setEnabled(future);

    QAction *chosen = menu.exec(m_view->viewport()->mapToGlobal(pos));
    if (chosen == edit)
        showEditForm(row);
    else if (chosen == confirmAction)
        confirmSelected();
    else if (chosen == skipAction)
        skipSelected();
    else if (chosen == early)
        enterEarlySelected();
    else if (chosen == remove)
        deleteSelected();
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_state, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto saved = m_service->saveTemplate(dialog.recurring()); !saved)
        MessageBox::warning(this, tr("Recurring Transactions"), saved.error());
    refresh();
}

void RecurringScreen::showEditForm(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    RecurringFormDialog dialog(m_state, m_model->templateAt(row), RecurringFormDialog::Purpose::Edit, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto saved = m_service->saveTemplate(dialog.recurring()); !saved)
        MessageBox::warning(this, tr("Recurring Transactions"), saved.error());
    refresh();
}

void RecurringScreen::confirmSelected()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (m_service->confirm(m_model->templateAt(row)))
        Q_EMIT transactionsChanged();
    refresh();
}

void RecurringScreen::enterEarlySelected()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const RecurringTransaction r = m_model->templateAt(row);
    const QString text = tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit "
                            "or delete it later.")
                             .arg(r.payee, QLocale().toString(r.nextDueDate, QStringLiteral("MMM d, yyyy")));
    if (MessageBox::question(this, tr("Enter Early"), text) != QMessageBox::Yes)
        return;
    if (m_service->confirm(r))
        Q_EMIT transactionsChanged();
    refresh();
}

void RecurringScreen::skipSelected()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_service->skip(m_model->templateAt(row));
    refresh();
}

void RecurringScreen::deleteSelected()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const RecurringTransaction r = m_model->templateAt(row);
    if (MessageBox::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(r.payee),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (const Result<void> removed = m_service->removeTemplate(r.id); !removed)
        MessageBox::warning(this, tr("Recurring Transactions"), removed.error());
    refresh();
}

void RecurringScreen::confirmAllDue()
{
    // One occurrence per due template: a template further behind stays due
    // for the next one, and the user is told so.
    const int posted = m_service->confirmAllDue();
    const int stillDue = m_service->pendingCount();
    QStringList parts;
    if (posted > 0)
        parts.append(tr("Transactions posted: %n, one for each template that was due.", nullptr, posted));
    else if (stillDue == 0)
        parts.append(tr("Nothing was due."));
    else
        parts.append(tr("Nothing could be posted."));
    if (stillDue > 0)
        parts.append(tr("Templates still due: %n. Confirm All Due posts one occurrence of each at a time; "
                        "Enter Next 7 Days posts all of them.",
                        nullptr, stillDue));
    if (posted > 0) {
        Q_EMIT transactionsChanged();
        refresh();
    }
    showResult(parts.join(QLatin1Char(' ')));
}

void RecurringScreen::enterNextSevenDays()
{
    const QString text = tr("Enter all recurring transactions due in the next 7 days? They are dated their due "
                            "dates and you can edit or delete them later.");
    if (MessageBox::question(this, tr("Enter Next 7 Days"), text) != QMessageBox::Yes)
        return;
    const int posted = m_service->enterDueThrough(Clock::today().addDays(7));
    if (posted > 0) {
        Q_EMIT transactionsChanged();
        refresh();
    }
    showResult(posted > 0 ? tr("Transactions posted: %n.", nullptr, posted)
                          : tr("Nothing is due in the next 7 days."));
}

int RecurringScreen::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}
