#include "ui/shareaccountlauncher.h"

#include "account/client.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "ui/messagebox.h"
#include "ui/sharemembersdialog.h"
#include "ui/syncapisharingbackend.h"

ShareAccountLauncher::ShareAccountLauncher(AppState *state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    if (OrlAccount::Client *client = m_state->client())
        m_backend = new OrlAccount::SyncApiSharingBackend(client->syncApi(), this);
}

ShareAccountLauncher::Outcome ShareAccountLauncher::open(QWidget *parent, const QString &accountId)
{
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    if (!account || account->deletedAt)
        return Outcome::NoSuchAccount;

    OrlAccount::Client *client = m_state->client();
    if (!client || !client->isAuthenticated()) {
        const auto answer = MessageBox::question(parent, tr("Sign In Required"), tr("Sharing requires a Orlindo account."),
                                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
                                                 {{QMessageBox::Ok, tr("Learn More")}});
        return answer == QMessageBox::Ok ? Outcome::SignInWanted : Outcome::Declined;
    }

    using Texts = OrlAccount::ShareDialogTexts;
    Texts texts;
    texts.texts[Texts::WindowTitle] = tr("Share Account");
    texts.texts[Texts::Heading] = tr("Sharing: %1").arg(account->name);
    texts.texts[Texts::Explanation] = tr("Share this account with members of your Orlindo family group. They'll see the "
                                         "same register, balances, and reconciliation history on their devices.");
    texts.texts[Texts::PeopleTitle] = tr("Shared with");
    texts.texts[Texts::EmptyList] = tr("Not shared with anyone yet.");
    texts.texts[Texts::NoGroupNote] = tr("You're not in a family group. Start one or join one in File › Orlindo Account "
                                         "› Group, or share by e-mail address below.");
    texts.texts[Texts::ShareButton] = tr("Share");
    texts.texts[Texts::RemoveButton] = tr("Remove access");
    texts.texts[Texts::CloseButton] = tr("Close");
    texts.texts[Texts::ShareRole] = QStringLiteral("member");
    texts.texts[Texts::ShareFailedTitle] = tr("Share Failed");
    texts.texts[Texts::RemoveFailedTitle] = tr("Remove Failed");
    texts.texts[Texts::RemoveQuestionTitle] = tr("Remove Share");
    texts.texts[Texts::RemoveQuestion] = tr("Remove %1's access to this account?");

    OrlAccount::ShareMembersDialog dialog(client, m_backend, accountId, texts, parent);
    // Only an account the service has received can be shared.
    dialog.setAccountOnServer(!account->serverId.isEmpty());
    connect(&dialog, &OrlAccount::ShareMembersDialog::sharingChanged, this, &ShareAccountLauncher::sharingChanged);
    dialog.exec();
    return Outcome::Shown;
}
