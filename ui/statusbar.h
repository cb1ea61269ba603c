#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account count and due recurring count on the
// left, transient messages, a busy indicator while the update client works,
// and the sync state on the right.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setAccountCount(int count);
    void setRecurringDue(int count);
    void setSyncText(const QString &text);
    void showTimedMessage(const QString &text, int milliseconds);
    void showProgress(const QString &text);
    void hideProgress();
    void applyTheme();

    QString accountCountText() const;
    QString recurringDueText() const;
    bool isRecurringDueVisible() const;
    QString syncText() const;
    bool isBusy() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_syncLabel;
    QLabel *m_countLabel;
    QLabel *m_recurringLabel;
    QLabel *m_progressLabel;
    QProgressBar *m_busyBar;
};
