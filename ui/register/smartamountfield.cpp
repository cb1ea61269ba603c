#include "ui/register/smartamountfield.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (!text.isEmpty()) {
        QString point = locale().decimalPoint();
        if (point.isEmpty())
            point = QStringLiteral(".");
        const QChar typed = text.at(0);
        if (typed == point.at(0) || typed == QLatin1Char('.') || typed == QLatin1Char(',')) {
            const int at = lineEdit()->text().indexOf(point);
            if (at >= 0) {
                lineEdit()->deselect();
                lineEdit()->setCursorPosition(at + point.size());
                event->accept();
                return;
            }
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
