#pragma once

#include "data/enums.h"
#include "data/splitline.h"

#include <QDialog>
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Edits only the split lines of an existing transaction: the lines table under
// the transaction's total and the amount still to distribute. OK takes only
// lines that add up to the total, each with a category: with an amount left
// over it offers a line of its own for the rest (the user then names its
// category), and, when the caller can store a new total, to make the lines'
// sum the transaction's total. Lines that are all empty are taken as they
// are. Storing the lines, and deciding what a now empty split means, is the
// caller's job.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    // amount is the transaction's signed amount in minor units of currency.
    SplitEditorDialog(AppState *appState, qint64 amount, const QList<SplitLine> &lines, Currency currency,
                      QWidget *parent = nullptr);

    // The lines with the sign of the transaction amount, zero rows dropped.
    QList<SplitLine> lines() const;
    // The transaction's signed amount: as given, or the lines' sum when the
    // user chose to change the total.
    qint64 amount() const { return m_amount; }
    // Offer "change the total" when the lines do not add up; only for a
    // caller that stores amount() with the lines. Off by default.
    void setTotalChangeable(bool changeable) { m_totalChangeable = changeable; }

    SplitLinesWidget *linesWidget() const { return m_lines; }
    QLabel *remainingLabel() const { return m_remainingLabel; }
    QLabel *totalLabel() const { return m_totalLabel; }

public Q_SLOTS:
    void updateRemaining();
    // Refuses an amount the field could not take, a line without a category
    // and lines that do not add up to the total (see the class comment).
    void accept() override;

private:
    qint64 magnitude() const;
    // Asks what to do with lines that add up to `total` instead of the
    // amount; true when the dialog may close.
    bool settleRemainder(qint64 total);

    AppState *m_appState;
    qint64 m_amount;
    Currency m_currency;
    bool m_totalChangeable = false;
    QLabel *m_totalLabel;
    QLabel *m_remainingLabel;
    SplitLinesWidget *m_lines;
};
