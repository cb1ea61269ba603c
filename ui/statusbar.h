#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QPushButton;

// The main window's status bar: account count and due recurring count on the
// left, transient messages, a busy indicator while the update client works,
// and the sync state on the right. When the online service ended the
// sign-in, it says so with a "Sign In" button until the user signs in again.
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
    void showSignInAgain(const QString &text);
    void hideSignInAgain();

    QString accountCountText() const;
    QString recurringDueText() const;
    bool isRecurringDueVisible() const;
    QString syncText() const;
    bool isBusy() const;
    bool isSignInOfferVisible() const;
    QString signInOfferText() const;
    QPushButton *signInButton() const { return m_signInButton; }

Q_SIGNALS:
    void signInRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_syncLabel;
    QLabel *m_countLabel;
    QLabel *m_recurringLabel;
    QLabel *m_progressLabel;
    QProgressBar *m_busyBar;
    QWidget *m_signInOffer;
    QLabel *m_signInText;
    QPushButton *m_signInButton;
};
