#include "ui/screens/importsourcemapping.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QString kCreate = QStringLiteral("__create__");
const QString kSkip = QStringLiteral("__skip__");

} // namespace

ImportSourceMapping::ImportSourceMapping(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sourcePart"));
    m_title = new QLabel;
    m_title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_text = new QLabel;
    m_text->setWordWrap(true);

    auto *rows = new QWidget;
    m_rows = new QFormLayout(rows);
    m_rows->setObjectName(QStringLiteral("qifMapRowsLayout"));
    m_rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_rows->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    layout->addWidget(m_text);
    layout->addWidget(scroll, 1);
    hide();
}

void ImportSourceMapping::clear()
{
    while (m_rows->rowCount() > 0)
        m_rows->removeRow(0);
    m_entries.clear();
    hide();
}

void ImportSourceMapping::showQif(const QifAnalysis &analysis, const QList<Account> &accounts)
{
    clear();
    m_title->setText(tr("QIF source accounts:"));
    m_text->setText(tr("Choose where each Quicken account should be imported. Accounts mapped across the selected "
                       "files will have their transfers linked automatically."));
    for (const QifSourceAccount &account : analysis.accounts) {
        Row row;
        row.key = account.key;
        row.newAccountName = account.newAccountName;
        row.type = account.suggestedType;
        addRow(account.displayName, row, accounts);
    }
    show();
}

void ImportSourceMapping::showOfx(const OfxAnalysis &analysis, const QList<Account> &accounts)
{
    clear();
    m_title->setText(tr("OFX accounts:"));
    QString text = tr("Choose where the statement of each bank or card account should be imported. Lines the bank "
                      "already sent in an earlier import are skipped.");
    if (analysis.investmentStatements > 0)
        text += QLatin1Char(' ')
                + tr("%n investment statement(s) in the file(s) will not be imported.", nullptr,
                     analysis.investmentStatements);
    m_text->setText(text);
    for (const OfxSourceAccount &account : analysis.accounts) {
        Row row;
        row.key = account.key;
        row.newAccountName = account.newAccountName;
        row.type = account.suggestedType;
        row.currency = account.currency;
        row.numberLast4 = account.number.right(4);
        addRow(account.displayName, row, accounts);
    }
    show();
}

void ImportSourceMapping::addRow(const QString &label, Row row, const QList<Account> &accounts)
{
    row.combo = new QComboBox;
    row.combo->setObjectName(QStringLiteral("sourceCombo%1").arg(m_entries.size()));
    row.combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.combo->addItem(tr("\u2014 Create new account \"%1\" \u2014").arg(row.newAccountName), kCreate);
    row.combo->addItem(tr("\u2014 Skip these transactions \u2014"), kSkip);
    int byName = -1;
    int byNumber = -1;
    int numberMatches = 0;
    for (const Account &account : accounts) {
        row.combo->addItem(account.name, account.id);
        // An account this import would create exists already: most often
        // the one an earlier import of the same file created.
        if (account.name.compare(row.newAccountName, Qt::CaseInsensitive) == 0)
            byName = row.combo->count() - 1;
        if (!row.numberLast4.isEmpty() && account.accountNumberLast4 == row.numberLast4 && account.type == row.type) {
            byNumber = row.combo->count() - 1;
            ++numberMatches;
        }
    }
    if (byName >= 0)
        row.combo->setCurrentIndex(byName);
    else if (numberMatches == 1)
        row.combo->setCurrentIndex(byNumber);
    auto *text = new QLabel(label);
    text->setTextFormat(Qt::PlainText);
    m_rows->addRow(text, row.combo);
    m_entries.append(row);
}

void ImportSourceMapping::collect(QMap<QString, QString> &mapping, QMap<QString, Account> &newAccounts) const
{
    for (const Row &row : m_entries) {
        const QString choice = row.combo->currentData().toString();
        if (choice == kSkip) {
            mapping.insert(row.key, QString());
        } else if (choice == kCreate) {
            Account account;
            account.name = row.newAccountName;
            account.type = row.type;
            account.currency = row.currency.value_or(Currency::USD);
            account.accountNumberLast4 = row.numberLast4;
            newAccounts.insert(row.key, account);
        } else {
            mapping.insert(row.key, choice);
        }
    }
}

QList<QComboBox *> ImportSourceMapping::combos() const
{
    QList<QComboBox *> list;
    for (const Row &row : m_entries)
        list.append(row.combo);
    return list;
}
