#include "ui/register/transactiondetailsdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/messagebox.h"
#include "ui/thememanager.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kMutedStyle = "color: #6E8A7E;";

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("—") : text;
}

QString localTimeText(const QDateTime &timestamp)
{
    if (!timestamp.isValid())
        return QStringLiteral("—");
    return QLocale().toString(timestamp.toLocalTime(), QLocale::ShortFormat);
}

QLabel *selectableLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState *appState, const Transaction &transaction,
                                                   QWidget *parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_transaction(transaction)
{
    setWindowTitle(tr("Transaction Details"));
    setMinimumSize(480, 420);
    if (const std::optional<Account> account = m_appState->accountRepository()->findById(transaction.accountId))
        m_currency = account->currency;

    auto *layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    layout->addLayout(m_form);

    addValueRow(m_form, tr("Date:"), QLocale().toString(transaction.date, QLocale::LongFormat));
    addValueRow(m_form, tr("Payee:"), transaction.payee);

    const qint64 magnitude = transaction.amount < 0 ? -transaction.amount : transaction.amount;
    const QString amountText =
        transaction.amount < 0 ? tr("- %1").arg(money(magnitude)) : money(magnitude);
    QLabel *amount = addValueRow(m_form, tr("Amount:"), amountText);
    const QColor amountColor = transaction.amount < 0 ? negativeColor() : positiveColor();
    amount->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(amountColor.name()));

    if (transaction.isSplit) {
        QLabel *category = addValueRow(m_form, tr("Category:"), tr("—Split—"));
        category->setStyleSheet(QLatin1String(kMutedStyle));
    } else {
        QString name;
        if (!transaction.categoryId.isEmpty()) {
            if (const auto category = m_appState->categoryRepository()->findById(transaction.categoryId))
                name = category->name;
        }
        addValueRow(m_form, tr("Category:"), name);
    }

    QLabel *memo = addValueRow(m_form, tr("Memo:"), transaction.memo);
    memo->setWordWrap(true);
    // Only a field that may grow gets the form's width, and a wrapped memo
    // needs it to find its height.
    memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addValueRow(m_form, tr("Check #:"), transaction.checkNumber);
    if (!transaction.transferDestAccountId.isEmpty()) {
        const auto target = m_appState->accountRepository()->findById(transaction.transferDestAccountId);
        addValueRow(m_form, tr("Transfer to:"), target ? target->name : transaction.transferDestAccountId);
    }
    m_statusLabel = addValueRow(m_form, tr("Status:"), QString());

    if (transaction.isSplit)
        addSplitSection(layout);

    layout->addSpacing(8);
    auto *entered = new QLabel(tr("Entered: %1").arg(localTimeText(transaction.createdAt)), this);
    auto *modified = new QLabel(tr("Last modified: %1").arg(localTimeText(transaction.updatedAt)), this);
    for (QLabel *label : {entered, modified}) {
        applyFontRole(label, FontRole::Caption);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    layout->addStretch();

    auto *buttons = new QDialogButtonBox(this);
    m_editButton = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    m_clearedButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_deleteButton = buttons->addButton(tr("Delete..."), QDialogButtonBox::DestructiveRole);
    m_closeButton = buttons->addButton(QDialogButtonBox::Close);
    // Return closes the dialog. A dialog without a default picks the first
    // auto-default button it finds, which here could be "Delete...", and a
    // focused action button would take Return as a click of its own.
    for (QPushButton *button : {m_editButton, m_clearedButton, m_deleteButton})
        button->setAutoDefault(false);
    m_closeButton->setDefault(true);
    connect(m_editButton, &QPushButton::clicked, this, [this] {
        m_editRequested = true;
        accept();
    });
    connect(m_clearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::toggleCleared);
    connect(m_deleteButton, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    updateStatus();
    m_closeButton->setFocus();
}

QLabel *TransactionDetailsDialog::addValueRow(QFormLayout *form, const QString &label, const QString &value)
{
    QLabel *field = selectableLabel(orDash(value), this);
    form->addRow(label, field);
    return field;
}

void TransactionDetailsDialog::addSplitSection(QLayout *layout)
{
    layout->addItem(new QSpacerItem(0, 8, QSizePolicy::Minimum, QSizePolicy::Fixed));
    auto *heading = new QLabel(tr("Split lines"), this);
    applyFontRole(heading, FontRole::BodyStrong);
    layout->addWidget(heading);

    const QList<SplitLine> lines = m_appState->splitLineRepository()->findByTransaction(m_transaction.id);
    if (lines.isEmpty()) {
        auto *none = new QLabel(tr("(no split lines on record)"), this);
        none->setStyleSheet(QLatin1String(kMutedStyle));
        layout->addWidget(none);
        return;
    }

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    const QFont amountFont = monospaceFont();
    qint64 sum = 0;
    int row = 0;
    auto addAmount = [&](qint64 amount, int gridRow) {
        QLabel *label = selectableLabel(money(amount < 0 ? -amount : amount), this);
        label->setFont(amountFont);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, gridRow, 1);
    };
    for (const SplitLine &line : lines) {
        QString name;
        if (!line.categoryId.isEmpty()) {
            if (const auto category = m_appState->categoryRepository()->findById(line.categoryId))
                name = category->name;
        }
        grid->addWidget(selectableLabel(name.isEmpty() ? tr("(uncategorized)") : name, this), row, 0);
        addAmount(line.amount, row);
        ++row;
        if (!line.memo.isEmpty()) {
            QLabel *memo = selectableLabel(line.memo, this);
            applyFontRole(memo, FontRole::Caption);
            memo->setStyleSheet(QLatin1String(kMutedStyle));
            memo->setWordWrap(true);
            memo->setContentsMargins(12, 0, 0, 0);
            grid->addWidget(memo, row++, 0, 1, 2);
        }
        sum += line.amount;
    }
    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, row++, 0, 1, 2);
    auto *total = new QLabel(tr("Total"), this);
    applyFontRole(total, FontRole::BodyStrong);
    grid->addWidget(total, row, 0);
    addAmount(sum, row);
    layout->addItem(grid);
}

void TransactionDetailsDialog::updateStatus()
{
    const QString status = m_transaction.reconciled ? tr("Reconciled")
                           : m_transaction.cleared  ? tr("Cleared")
                                                    : tr("Uncleared");
    m_statusLabel->setText(status);
    m_clearedButton->setText(m_transaction.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
}

QString TransactionDetailsDialog::money(qint64 amount) const
{
    return formatMoney(amount, m_currency);
}

QString TransactionDetailsDialog::valueText(const QString &label) const
{
    for (int row = 0; row < m_form->rowCount(); ++row) {
        QLayoutItem *labelItem = m_form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem *fieldItem = m_form->itemAt(row, QFormLayout::FieldRole);
        const auto *labelWidget = labelItem ? qobject_cast<QLabel *>(labelItem->widget()) : nullptr;
        const auto *fieldWidget = fieldItem ? qobject_cast<QLabel *>(fieldItem->widget()) : nullptr;
        if (labelWidget && fieldWidget && labelWidget->text() == label)
            return fieldWidget->text();
    }
    return QString();
}

void TransactionDetailsDialog::toggleCleared()
{
    const Result<Transaction> changed =
        m_appState->transactionService()->setCleared(m_transaction.id, !m_transaction.cleared);
    if (!changed) {
        MessageBox::warning(this, tr("Transaction Details"), changed.error());
        return;
    }
    m_transaction = changed.value();
    updateStatus();
}

void TransactionDetailsDialog::deleteTransaction()
{
    const qint64 magnitude = m_transaction.amount < 0 ? -m_transaction.amount : m_transaction.amount;
    const QString text =
        m_transaction.transferLinkId.isEmpty()
            ? tr("Delete \"%1\" for %2?").arg(m_transaction.payee, money(magnitude))
            : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                  .arg(m_transaction.payee, money(magnitude));
    if (MessageBox::question(this, tr("Delete Transaction"), text, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No)
        != QMessageBox::Yes)
        return;

    // Nothing stored under an empty id (the register's opening row): nothing to delete.
    if (m_transaction.id.isEmpty()) {
        accept();
        return;
    }
    if (const Result<void> removed = m_appState->transactionService()->remove(m_transaction.id); !removed) {
        MessageBox::warning(this, tr("Delete Transaction"), removed.error());
        return;
    }
    m_deleted = true;
    accept();
}

void TransactionDetailsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        layout()->activate();
        adjustSize();
    });
}
