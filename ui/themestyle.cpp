#include "ui/themestyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

ThemeStyle::ThemeStyle(const QString &baseStyleKey)
    : QProxyStyle(baseStyleKey)
{
}

void ThemeStyle::install()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())
        || qobject_cast<ThemeStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new ThemeStyle(QApplication::style()->name()));
}

void ThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool indicator = element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton;
    if (!indicator || !isDark(option->palette)
        || baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    // A keyboard-focused indicator already carries the highlight outline.
    if (option->state.testFlag(State_HasFocus) && option->state.testFlag(State_KeyboardFocusChange))
        return;

    // The placeholder colour is the palette's quiet foreground; a disabled
    // indicator gets it halfway towards the base so it still reads as a box.
    QColor outline = option->palette.color(QPalette::Active, QPalette::PlaceholderText);
    if (!option->state.testFlag(State_Enabled)) {
        const QColor base = option->palette.color(QPalette::Active, QPalette::Base);
        outline = QColor((outline.red() + base.red()) / 2, (outline.green() + base.green()) / 2,
                         (outline.blue() + base.blue()) / 2);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(outline, 1));
    const QRect rect = option->rect;
    if (element == PE_IndicatorCheckBox) {
        // The same one-pixel frame Fusion strokes around the box.
        painter->drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        // The same circle Fusion strokes around the radio button.
        const QPointF center = rect.center() + QPoint(1, 1);
        const qreal radius = (rect.width() + (rect.width() + 1) % 2) / 2.0 - 1;
        painter->drawEllipse(center, radius, radius);
    }
    painter->restore();
}
