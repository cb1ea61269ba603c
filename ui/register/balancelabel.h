#pragma once

#include "ui/register/elidedlabel.h"

// A label that shows an amount of money. It asks for room for the whole
// amount and, up to the size of a nine-digit amount with cents, insists on
// it, so ordinary balances are never cut; a longer amount may be cut short
// with an ellipsis (and shown whole in the tool tip) rather than widen the
// window. Also a type of its own so styling and tests can find money labels.
class BalanceLabel : public ElidedLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
};
