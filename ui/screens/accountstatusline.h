#pragma once

#include <QLabel>

class QTimer;

// The line under the account screen's pages that says how the last action
// went: green for a success (cleared after 3 s), red for a failure (after
// 4 s). A new message replaces the old one and its clearing time.
class AccountStatusLine : public QLabel
{
    Q_OBJECT

public:
    static constexpr int SuccessMs = 3000;
    static constexpr int ErrorMs = 4000;

    explicit AccountStatusLine(QWidget *parent = nullptr);

    void showSuccess(const QString &text);
    void showError(const QString &text);
    bool isError() const { return m_error; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void showMessage(const QString &text, const QString &style, int milliseconds);
    void applyFont();

    QTimer *m_clear;
    bool m_error = false;
};
