#include "ui/register/elidedlabel.h"

#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    setText(text);
    update();
}

QString ElidedLabel::elidedText() const
{
    return fontMetrics().elidedText(m_fullText, Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(m_fullText), metrics.height());
}

QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(0, fontMetrics().height());
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
