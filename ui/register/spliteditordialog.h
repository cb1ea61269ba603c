#pragma once

#include "data/enums.h"
#include "data/splitline.h"

#include <QDialog>
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Edits only the split lines of an existing transaction: the lines table under
// the transaction's total and the amount still to distribute. OK accepts
// lines that do not add up (the remaining amount is only coloured), though
// not a line with an amount and no category; storing
// them, and deciding what a now empty split means, is the caller's job.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    // amount is the transaction's signed amount in minor units of currency.
    SplitEditorDialog(AppState *appState, qint64 amount, const QList<SplitLine> &lines, Currency currency,
                      QWidget *parent = nullptr);

    // The lines with the sign of the transaction amount, zero rows dropped.
    QList<SplitLine> lines() const;

    SplitLinesWidget *linesWidget() const { return m_lines; }
    QLabel *remainingLabel() const { return m_remainingLabel; }
    QLabel *totalLabel() const { return m_totalLabel; }

public Q_SLOTS:
    void updateRemaining();
    // Accepts whatever the remaining amount, but not a line without a category.
    void accept() override;

private:
    AppState *m_appState;
    qint64 m_amount;
    Currency m_currency;
    QLabel *m_totalLabel;
    QLabel *m_remainingLabel;
    SplitLinesWidget *m_lines;
};
