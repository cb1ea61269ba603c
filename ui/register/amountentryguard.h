#pragma once

#include "data/enums.h"

#include <QObject>
#include <QString>

class QDoubleSpinBox;

// Keeps an amount field from taking an entry it could not read without a
// word. A spin box drops keys and pastes it cannot read ("abc", a twentieth
// digit) and puts its last value back when it is left with text it cannot
// read; the guard notices both, frames the field in red with the reason as
// its tool tip, and until the user takes away or types over what the field
// shows, check() refuses, so the dialog's OK is refused at the field
// instead of storing the old value.
// Text that the field shows is checked as well, so a field that keeps what
// was typed is covered the same way.
class AmountEntryGuard : public QObject
{
    Q_OBJECT

public:
    // Starts watching the field and returns its guard (a child of the field);
    // a second call returns the same guard.
    static AmountEntryGuard *attach(QDoubleSpinBox *field);
    // The field's guard, or nullptr when none was attached.
    static AmountEntryGuard *of(const QDoubleSpinBox *field);

    // Why the entry cannot be taken; empty when it can.
    QString problem() const;
    // With a problem: shows it at the field, focuses and selects the field,
    // and returns false. Otherwise true.
    bool check();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AmountEntryGuard(QDoubleSpinBox *field);

    Currency currency() const;
    QString textProblem() const;
    void rejectInput();
    void noteUnreadableText();
    void mark(const QString &message);
    void clearMark();

    QDoubleSpinBox *m_field;
    QString m_problem;
    QString m_shownText;
    QString m_toolTipBefore;
    QString m_styleBefore;
    bool m_marked = false;
    bool m_rejected = false;   // marked for a refused key or paste, not for the text
};
