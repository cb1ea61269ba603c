#pragma once

#include <QDate>
#include <QLineEdit>

// The forms' date field: the same single-key jumps and calendar popup as the
// register's date editor, plus a change signal. Typed text is taken when the
// field loses focus; text no date format accepts snaps back to the last date.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    // When the date differs: stores it, shows it and emits dateChanged.
    void setDate(const QDate &date);

public Q_SLOTS:
    void openCalendarPopup();

Q_SIGNALS:
    void dateChanged(const QDate &date);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QDate m_date;
};
