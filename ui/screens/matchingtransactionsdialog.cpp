#include "ui/screens/matchingtransactionsdialog.h"

#include "ui/screens/reportsection.h"
#include "ui/screens/reporttablemodel.h"
#include "ui/thememanager.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

MatchingTransactionsDialog::MatchingTransactionsDialog(const QString &title,
                                                       const QList<CurrencySection<TransactionReportRow>> &sections,
                                                       QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    resize(760, 460);

    qsizetype count = 0;
    for (const auto &section : sections)
        count += section.rows.size();

    auto *heading = new QLabel(title, this);
    heading->setTextFormat(Qt::PlainText);
    applyFontRole(heading, FontRole::PageTitle);
    auto *summary = new QLabel(tr("%n transaction(s)", nullptr, int(count)), this);
    summary->setObjectName(QStringLiteral("matchCount"));
    summary->setStyleSheet(QStringLiteral("color: %1;").arg(mutedTextColor().name()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(heading);
    layout->addWidget(summary);

    const QList<ReportTableModel::Column> columns{
        {tr("Date"), ReportTableModel::Kind::Date},     {tr("Account"), ReportTableModel::Kind::Text},
        {tr("Payee"), ReportTableModel::Kind::Text},    {tr("Category"), ReportTableModel::Kind::Text},
        {tr("Memo"), ReportTableModel::Kind::Text},     {tr("Amount"), ReportTableModel::Kind::Amount}};
    for (const auto &part : sections) {
        auto *section = new ReportSection(this);
        section->setChartVisible(false);
        if (sections.size() > 1)
            section->setHeading(currencyDisplayLabel(part.currency));
        ReportTableModel *model = section->model();
        model->setColumns(columns);
        model->setRows(
            int(part.rows.size()),
            [rows = part.rows](int row, int column) -> QVariant {
                const TransactionReportRow &r = rows.at(row);
                switch (column) {
                case 0: return r.date;
                case 1: return r.accountName;
                case 2: return r.payee;
                case 3: return r.categoryName;
                case 4: return r.memo;
                default: return r.amount;
                }
            },
            part.currency);
        model->setTotalRow(tr("Total"));
        section->table()->resizeColumnsToContents();
        layout->addWidget(section, 1);
        m_sections.append(section);
    }
    if (sections.isEmpty()) {
        auto *none = new QLabel(tr("No transactions match any more."), this);
        layout->addWidget(none, 1, Qt::AlignCenter);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
