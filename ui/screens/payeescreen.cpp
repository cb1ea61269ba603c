#include "ui/screens/payeescreen.h"

#include "app/appstate.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/payeeservice.h"
#include "ui/messagebox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_list(new QListWidget(this))
    , m_renameField(new QLineEdit(this))
    , m_renameButton(new QPushButton(tr("Rename Selected"), this))
    , m_mergeButton(new QPushButton(tr("Merge Selected"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto *title = new QLabel(tr("Payee Management"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setObjectName(QStringLiteral("payeeList"));
    layout->addWidget(m_list, 1);

    auto *row = new QHBoxLayout;
    auto *label = new QLabel(tr("Rename to:"), this);
    label->setBuddy(m_renameField);
    row->addWidget(label);
    m_renameField->setClearButtonEnabled(true);
    row->addWidget(m_renameField, 1);
    row->addWidget(m_renameButton);
    row->addWidget(m_mergeButton);
    layout->addLayout(row);

    connect(m_renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(m_mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_renameField, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &PayeeScreen::updateButtons);
    connect(m_renameField, &QLineEdit::textChanged, this, &PayeeScreen::updateButtons);
    // Undo, imports and sync change payees too; a shown list follows them.
    connect(m_state->database()->changes(), &ChangeJournal::committed, this, [this] {
        if (isVisible())
            reload();
    });
    updateButtons();
}

void PayeeScreen::reload()
{
    const QStringList selected = selectedPayees();
    m_list->clear();
    m_list->addItems(m_state->transactionRepository()->distinctPayees());
    for (int i = 0; i < m_list->count(); ++i) {
        if (selected.contains(m_list->item(i)->text()))
            m_list->item(i)->setSelected(true);
    }
    updateButtons();
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    // In list order, so "the first selected" is the one highest in the list.
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->isSelected())
            payees.append(m_list->item(i)->text());
    }
    return payees;
}

void PayeeScreen::updateButtons()
{
    const int selected = int(m_list->selectedItems().size());
    m_renameButton->setEnabled(selected > 0 && !m_renameField->text().trimmed().isEmpty());
    m_mergeButton->setEnabled(selected > 1);
}

void PayeeScreen::onRename()
{
    const QString name = m_renameField->text().trimmed();
    const QStringList payees = selectedPayees();
    if (name.isEmpty() || payees.isEmpty())
        return;
    const Result<int> renamed = m_state->payeeService()->rename(payees, name);
    if (!renamed) {
        MessageBox::warning(this, tr("Rename Failed"), renamed.error());
        return;
    }
    MessageBox::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, renamed.value()));
    m_renameField->clear();
    reload();
    Q_EMIT payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList payees = selectedPayees();
    if (payees.size() < 2) {
        MessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    const QString typed = m_renameField->text().trimmed();
    const QString target = typed.isEmpty() ? payees.constFirst() : typed;
    if (MessageBox::question(this, tr("Merge Payees"),
                             tr("Merge %1 payees into \"%2\"?").arg(payees.size()).arg(target))
        != QMessageBox::Yes)
        return;
    const Result<int> merged = m_state->payeeService()->merge(payees, target);
    if (!merged) {
        MessageBox::warning(this, tr("Merge Failed"), merged.error());
        return;
    }
    MessageBox::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, merged.value()));
    m_renameField->clear();
    reload();
    Q_EMIT payeesChanged();
}
