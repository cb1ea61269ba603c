#include "ui/register/elidedlabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ElidedLabel::setFullText(const QString &text)
{
    setText(text);
    update();
}

QString ElidedLabel::elidedText() const
{
    // The size hint is the advance rounded to whole pixels, which can be a
    // fraction short of the exact width; a text given its size hint is whole.
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    if (metrics.horizontalAdvance(text()) <= width)
        return text();
    return metrics.elidedText(text(), Qt::ElideRight, width);
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = contentsMargins();
    return QSize(metrics.horizontalAdvance(text()) + margins.left() + margins.right(),
                 metrics.height() + margins.top() + margins.bottom());
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(margins.left() + margins.right(), fontMetrics().height() + margins.top() + margins.bottom());
}

bool ElidedLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (isElided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), elidedText(),
                          foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    update();
}
