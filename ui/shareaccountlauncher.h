#pragma once

#include <QObject>
#include <QString>

class AppState;
class QWidget;

namespace OrlAccount {
class SharingBackend;
}

// Opens the share dialog for one account, the way the main window offers
// it: signed out, it explains that sharing needs an online account and
// says whether the person wants to sign in; signed in, it runs the modal
// dialog with the program's wording, telling it whether the account has
// reached the sync service yet. It owns the sharing client the dialogs use.
class ShareAccountLauncher : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Shown, SignInWanted, Declined, NoSuchAccount };

    explicit ShareAccountLauncher(AppState *state, QObject *parent = nullptr);

    Outcome open(QWidget *parent, const QString &accountId);

    OrlAccount::SharingBackend *backend() const { return m_backend; }

Q_SIGNALS:
    // Someone gained or lost access: the data set should be synced soon.
    void sharingChanged();

private:
    AppState *m_state;
    OrlAccount::SharingBackend *m_backend = nullptr;
};
