#include "ui/register/dateinput.h"

#include "data/clock.h"
#include "ui/uisettings.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

QString formatDateText(const QDate &date)
{
    return date.toString(QLatin1String(kDateFormat));
}

bool applyDateKey(const QKeyEvent *event, QDate &date)
{
    const QString key = event->text().toLower();
    if (key.isEmpty())
        return false;
    const QDate base = date.isValid() ? date : Clock::today();
    QDate result;
    if (key == QLatin1String("t"))
        result = Clock::today();
    else if (key == QLatin1String("+") || key == QLatin1String("="))
        result = base.addDays(1);
    else if (key == QLatin1String("-"))
        result = base.addDays(-1);
    else if (key == QLatin1String("m"))
        result = QDate(base.year(), base.month(), 1);
    else if (key == QLatin1String("h"))
        result = QDate(base.year(), base.month(), base.daysInMonth());
    else if (key == QLatin1String("y"))
        result = QDate(base.year(), 1, 1);
    else if (key == QLatin1String("r"))
        result = QDate(base.year(), 12, 31);
    else if (key == QLatin1String("w"))
        // Weeks run Sunday to Saturday here, whatever the calendar's first day.
        result = base.addDays(-(base.dayOfWeek() % 7));
    else if (key == QLatin1String("k"))
        result = base.addDays(6 - base.dayOfWeek() % 7);
    else
        return false;
    date = result;
    return true;
}

QDate parseDateText(const QString &text, const QDate &fallback)
{
    const QString trimmed = text.trimmed();
    const QLatin1String fourDigitFormats[] = {QLatin1String("M/d/yyyy"), QLatin1String("MM/dd/yyyy")};
    for (const QLatin1String &format : fourDigitFormats) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid())
            return date;
    }
    // Qt reads a two-digit year as 19xx; nobody entering a transaction today
    // means 1924 by "24", and dates before 2000 count as broken elsewhere.
    const QLatin1String twoDigitFormats[] = {QLatin1String("M/d/yy"), QLatin1String("MM/dd/yy")};
    for (const QLatin1String &format : twoDigitFormats) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid()) {
            const QDate shifted(2000 + date.year() % 100, date.month(), date.day());
            if (shifted.isValid())
                return shifted;
        }
    }
    return fallback;
}

QPoint popupPosition(const QRect &anchor, const QSize &popup, const QRect &available)
{
    const int roomBelow = available.bottom() - anchor.bottom();
    const int roomAbove = anchor.top() - available.top();
    const bool below = popup.height() <= roomBelow || (popup.height() > roomAbove && roomBelow >= roomAbove);
    int y = below ? anchor.bottom() + 1 : anchor.top() - popup.height();
    y = qMax(available.top(), qMin(y, available.bottom() + 1 - popup.height()));
    int x = qMin(anchor.left(), available.right() + 1 - popup.width());
    x = qMax(available.left(), x);
    return QPoint(x, y);
}

QCalendarWidget *showCalendarPopup(QWidget *anchor, const QDate &date,
                                   const std::function<void(const QDate &)> &callback)
{
    auto *calendar = new QCalendarWidget(anchor);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setFirstDayOfWeek(firstDayOfWeek());
    calendar->setLocale(QLocale());
    calendar->setSelectedDate(date.isValid() ? date : Clock::today());
    calendar->setGridVisible(true);

    auto pick = [calendar, callback](QDate picked) {
        // The callback may delete the anchor, and with it the calendar.
        QPointer<QCalendarWidget> guard(calendar);
        if (callback)
            callback(picked);
        if (guard)
            guard->close();
    };
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar, pick);
    QObject::connect(calendar, &QCalendarWidget::activated, calendar, pick);

    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QScreen *screen = QGuiApplication::screenAt(anchorRect.center());
    if (!screen)
        screen = anchor->screen();
    calendar->resize(calendar->sizeHint());
    calendar->move(popupPosition(anchorRect, calendar->size(), screen->availableGeometry()));
    calendar->show();
    calendar->setFocus();
    return calendar;
}

namespace {

QIcon calendarIcon(const QWidget *widget)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(widget->palette().color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

void addCalendarAction(QLineEdit *edit, const std::function<void()> &open)
{
    QAction *action = edit->addAction(calendarIcon(edit), QLineEdit::TrailingPosition);
    action->setToolTip(QCoreApplication::translate("DateInput", "Open calendar (F4)"));
    QObject::connect(action, &QAction::triggered, edit, [open] { open(); });
}
