#pragma once

#include <QDoubleSpinBox>

// A right-aligned money spin box with two decimals. Typing the decimal point
// (the locale's, "." or ",") jumps the cursor to the cents instead of typing
// a second point. Range and value are left to the user of the widget.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
