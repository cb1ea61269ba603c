#pragma once

#include "data/enums.h"
#include "data/splitline.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class AppState;
class QComboBox;
class QDoubleSpinBox;
class QTableWidget;

// The editable table of a transaction's split lines: a category, a positive
// amount and a memo per row, with buttons to add and remove rows. Amounts are
// magnitudes in the given currency; the caller supplies the sign when it
// takes the lines. It reads the category list once and writes nothing.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    enum Column { CategoryColumn, AmountColumn, MemoColumn, ColumnCount };

    explicit SplitLinesWidget(AppState *appState, QWidget *parent = nullptr);

    // Amount decimals and prefix follow the currency (US dollars until set).
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // Replaces every row; an empty list gives two blank rows to fill in.
    void setLines(const QList<SplitLine> &lines);
    // Rows with a non-zero amount as new lines, negated when sign < 0. The
    // transaction id is left for the caller.
    QList<SplitLine> lines(int sign) const;
    // Sum of the rows' amounts in minor units.
    qint64 total() const;
    // The first row with an amount but no category, or -1. Such a line
    // cannot be stored: every stored split line names a category.
    int firstUncategorizedRow() const;

    // Shows the first amount the user typed and the field could not take, at
    // that field, and returns false; true when every amount was taken.
    bool checkAmounts();

    int rowCount() const;
    QTableWidget *table() const { return m_table; }
    QComboBox *categoryCombo(int row) const;
    QDoubleSpinBox *amountSpin(int row) const;

public Q_SLOTS:
    void addLine();
    // Appends a line of that magnitude without a category and puts the
    // focus on its category.
    void addLineWithAmount(qint64 amount);
    // Removes the current row; focus inside a row's combo or spin box makes it current.
    void removeCurrentLine();

Q_SIGNALS:
    void changed();

private:
    void followFocus(QWidget *now);

    AppState *m_appState;
    QTableWidget *m_table;
    Currency m_currency = Currency::USD;
    // (id, name); the first is ("", "(none)").
    QList<QPair<QString, QString>> m_categoryChoices;
};
