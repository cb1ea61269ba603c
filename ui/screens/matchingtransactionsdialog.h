#pragma once

#include "services/reportservice.h"

#include <QDialog>
#include <QList>

class ReportSection;

// Lists the transactions behind a report figure, one table per currency
// with a total row, read-only. It is not modal, so the report stays usable
// beside it, and it deletes itself when closed.
class MatchingTransactionsDialog : public QDialog
{
    Q_OBJECT

public:
    MatchingTransactionsDialog(const QString &title, const QList<CurrencySection<TransactionReportRow>> &sections,
                               QWidget *parent = nullptr);

    QList<ReportSection *> sections() const { return m_sections; }

private:
    QList<ReportSection *> m_sections;
};
