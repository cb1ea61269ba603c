#pragma once

#include "ui/register/registerlineedit.h"

#include <QDate>

// The register's date editor: single keys jump the date (t, +, -, m, h, y, r,
// w, k) and F4 or Alt+Down opens a calendar. It announces nothing; the
// register reads its text when the row is committed.
class SmartDateEdit : public RegisterLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    // Stores the date, shows it as month/day/year and selects the whole text.
    void setDate(const QDate &date);

public Q_SLOTS:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDate m_date;
};
