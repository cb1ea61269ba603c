#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The page shown when no account can be shown and the user is not signed
// in: it invites a first account or a sign-in, and greets a returning user
// differently.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState *state, QWidget *parent = nullptr);

    void setReturningUser(bool returning);

    QString titleText() const;
    bool isHowItWorksVisible() const;
    bool isSignInAgainVisible() const;
    QPushButton *createButton() const { return m_createButton; }
    QPushButton *signInButton() const { return m_signInButton; }

Q_SIGNALS:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget *buildHowItWorksCard();
    static void makeProminent(QPushButton *button);
    static void makeLink(QPushButton *button);

    AppState *m_state;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_signInAgain = nullptr;
    QWidget *m_howItWorks = nullptr;
    QPushButton *m_createButton = nullptr;
    QPushButton *m_signInButton = nullptr;
};
