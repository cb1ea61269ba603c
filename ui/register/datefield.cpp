#include "ui/register/datefield.h"

#include "data/clock.h"
#include "ui/register/dateinput.h"

#include <QFocusEvent>
#include <QKeyEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_date(Clock::today())
{
    addCalendarAction(this, [this] { openCalendarPopup(); });
    setText(formatDateText(m_date));
}

void DateField::setDate(const QDate &date)
{
    if (date == m_date)
        return;
    m_date = date;
    setText(formatDateText(date));
    Q_EMIT dateChanged(date);
}

void DateField::openCalendarPopup()
{
    showCalendarPopup(this, parseDateText(text(), m_date), [this](const QDate &picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier))) {
        openCalendarPopup();
        event->accept();
        return;
    }
    QDate date = parseDateText(text(), m_date);
    if (applyDateKey(event, date)) {
        setDate(date);
        // Also when the date did not change: a typed variant shows in the one format.
        setText(formatDateText(m_date));
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    const QDate parsed = parseDateText(text(), m_date);
    if (parsed != m_date) {
        m_date = parsed;
        Q_EMIT dateChanged(parsed);
    }
    setText(formatDateText(m_date));
    QLineEdit::focusOutEvent(event);
}
