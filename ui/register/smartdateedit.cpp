#include "ui/register/smartdateedit.h"

#include "data/clock.h"
#include "ui/register/dateinput.h"

#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : RegisterLineEdit(parent)
{
    addCalendarAction(this, [this] { openCalendarPopup(); });
    setDate(Clock::today());
}

void SmartDateEdit::setDate(const QDate &date)
{
    m_date = date;
    setText(formatDateText(date));
    selectAll();
}

void SmartDateEdit::openCalendarPopup()
{
    showCalendarPopup(this, parseDateText(text(), m_date), [this](const QDate &picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier))) {
        openCalendarPopup();
        event->accept();
        return;
    }
    // Keys work from the date on show, so a typed date is stepped from, not lost.
    QDate date = parseDateText(text(), m_date);
    if (applyDateKey(event, date)) {
        setDate(date);
        event->accept();
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}
