#include "ui/register/balancelabel.h"

BalanceLabel::BalanceLabel(QWidget *parent)
    : ElidedLabel(parent)
{
}

QSize BalanceLabel::minimumSizeHint() const
{
    const QSize whole = sizeHint();
    const QMargins margins = contentsMargins();
    const int longestKept = fontMetrics().horizontalAdvance(QStringLiteral("-$999,999,999.99")) + margins.left()
                            + margins.right();
    return QSize(qMin(whole.width(), longestKept), whole.height());
}
