#pragma once

#include "account/accounttypes.h"
#include "ui/screens/replyguard.h"
#include "ui/sharingbackend.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace OrlAccount {

class Client;

// The wording of the share dialog, given by the caller; an empty text
// means the dialog's English default.
struct ShareDialogTexts
{
    enum Text {
        WindowTitle,
        Heading,
        Explanation,
        PeopleTitle,
        AddTitle,
        EmptyList,
        NoGroupNote,
        AllMembersNote,
        ShareButton,
        RemoveButton,
        CloseButton,
        ShareRole,
        ShareFailedTitle,
        RemoveFailedTitle,
        RemoveQuestionTitle,
        RemoveQuestion,
        Count
    };
    std::array<QString, Count> texts;

    QString text(Text which) const;
};

// The modal dialog in which a signed-in user decides who may see one of
// their accounts: the people with access, each with a button that takes it
// away, and the members of the user's family group without access, each
// with a button that shares; anyone else can be added by e-mail address.
// It works through a SharingBackend and reads the group through the
// account client. Sharing needs the account on the sync service: until it
// has been synced there, the share buttons stay disabled and say why.
// Answers that arrive after the dialog closed (or was destroyed) are
// dropped. A member list that could not be read says so rather than
// claiming nobody has access.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId, const ShareDialogTexts &texts,
                       QWidget *parent = nullptr);

    // False until the account has reached the sync service; set before the
    // dialog is shown.
    void setAccountOnServer(bool onServer);
    bool isAccountOnServer() const { return m_onServer; }

    // What the dialog shows, for tests and screenshots.
    QStringList peopleWithAccess() const;
    QStringList peopleToAdd() const;
    QString errorText() const;
    bool isErrorVisible() const;
    QString peopleListNote() const;
    bool isNoGroupNoteVisible() const;
    bool isAllMembersNoteVisible() const;
    bool isBusy() const { return m_busy; }
    QLineEdit *emailField() const { return m_email; }
    QPushButton *emailShareButton() const { return m_emailShare; }
    // The row button of the named person, in either list; null when absent.
    QPushButton *buttonFor(const QString &name) const;

Q_SIGNALS:
    void sharingChanged();

protected:
    void done(int result) override;

private:
    void reloadSharing();
    void loadGroupMembers();
    void loadShares();
    void rebuildLists();
    void shareWithMember(const QString &identifier, const QString &name);
    void shareByEmail();
    void removeShare(const QString &userId, const QString &name);
    void setBusy(bool busy);
    void showError(const QString &text);
    void updateShareControls();
    static void clearLayout(QVBoxLayout *layout);
    QLabel *noteLabel(const QString &text) const;

    template<typename... Args, typename Handler>
    std::function<void(Args...)> guarded(Handler handler)
    {
        return m_guard.guard<Args...>(this, std::move(handler));
    }

    Client *m_client;
    SharingBackend *m_backend;
    QString m_accountId;
    ShareDialogTexts m_texts;
    ReplyGuard m_guard;

    QList<ShareMember> m_shares;
    QList<GroupMember> m_groupMembers;
    QString m_ownId;
    // Only the answer to the latest request of each kind is used.
    int m_sharesRequest = 0;
    int m_groupRequest = 0;
    bool m_sharesLoaded = false;
    bool m_groupLoaded = false;
    QString m_sharesError;
    bool m_busy = false;
    bool m_onServer = true;

    QLabel *m_error;
    QVBoxLayout *m_peopleList;
    QVBoxLayout *m_addList;
    QLabel *m_peopleNote = nullptr;
    QLabel *m_noGroupNote;
    QLabel *m_allMembersNote;
    QLineEdit *m_email;
    QPushButton *m_emailShare;
};

} // namespace OrlAccount
