#pragma once

#include <QLabel>

// A label that shows an amount of money. A type of its own so styling and
// tests can find money labels; it behaves like a plain QLabel.
class BalanceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget *parent = nullptr);
};
