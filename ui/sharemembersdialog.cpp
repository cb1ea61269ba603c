#include "ui/sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "ui/messagebox.h"
#include "ui/sharepersonrow.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

namespace OrlAccount {

namespace {

QString placeholderStyle()
{
    return QStringLiteral("color: %1;").arg(QApplication::palette().color(QPalette::PlaceholderText).name());
}

QLabel *titleLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

} // namespace

QString ShareDialogTexts::text(Text which) const
{
    const QString &given = texts.at(which);
    if (!given.isEmpty())
        return given;
    switch (which) {
    case PeopleTitle:
        return ShareMembersDialog::tr("People with access");
    case AddTitle:
        return ShareMembersDialog::tr("Add people");
    case EmptyList:
        return ShareMembersDialog::tr("Not shared with anyone yet.");
    case NoGroupNote:
        return ShareMembersDialog::tr("You are not in a family group yet.");
    case AllMembersNote:
        return ShareMembersDialog::tr("All group members already have access");
    case ShareButton:
        return ShareMembersDialog::tr("Share");
    case RemoveButton:
        return ShareMembersDialog::tr("Remove access");
    case CloseButton:
        return ShareMembersDialog::tr("Close");
    case RemoveQuestionTitle:
        return ShareMembersDialog::tr("Remove access?");
    case RemoveQuestion:
        return ShareMembersDialog::tr("%1 will no longer have access. Continue?");
    default:
        return {};
    }
}

ShareMembersDialog::ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId,
                                       const ShareDialogTexts &texts, QWidget *parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(texts)
    , m_error(new QLabel)
    , m_peopleList(new QVBoxLayout)
    , m_addList(new QVBoxLayout)
    , m_noGroupNote(noteLabel(texts.text(ShareDialogTexts::NoGroupNote)))
    , m_allMembersNote(noteLabel(texts.text(ShareDialogTexts::AllMembersNote)))
    , m_email(new QLineEdit)
    , m_emailShare(new QPushButton(texts.text(ShareDialogTexts::ShareButton)))
{
    setWindowTitle(m_texts.text(ShareDialogTexts::WindowTitle));
    setMinimumSize(560, 560);
    auto *layout = new QVBoxLayout(this);

    if (const QString heading = m_texts.text(ShareDialogTexts::Heading); !heading.isEmpty()) {
        auto *label = new QLabel(heading);
        label->setObjectName(QStringLiteral("shareHeading"));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        QFont font = label->font();
        font.setPointSize((font.pointSize() > 0 ? font.pointSize() : 10) + 2);
        font.setWeight(QFont::DemiBold);
        label->setFont(font);
        layout->addWidget(label);
    }
    if (const QString explanation = m_texts.text(ShareDialogTexts::Explanation); !explanation.isEmpty()) {
        auto *label = new QLabel(explanation);
        label->setObjectName(QStringLiteral("shareExplanation"));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setStyleSheet(placeholderStyle());
        layout->addWidget(label);
    }
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_error->setObjectName(QStringLiteral("shareError"));
    m_error->setTextFormat(Qt::PlainText);
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("QLabel { color: #b00020; padding: 4px 0; }"));
    m_error->hide();
    layout->addWidget(m_error);

    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(titleLabel(m_texts.text(ShareDialogTexts::PeopleTitle)));
    column->addLayout(m_peopleList);
    column->addSpacing(8);
    column->addWidget(titleLabel(m_texts.text(ShareDialogTexts::AddTitle)));
    column->addLayout(m_addList);
    column->addWidget(m_noGroupNote);
    column->addWidget(m_allMembersNote);
    m_noGroupNote->hide();
    m_allMembersNote->hide();

    // Anyone with an online account, in the family group or not.
    auto *byEmail = new QLabel(tr("Or share with someone by their e-mail address:"));
    byEmail->setWordWrap(true);
    byEmail->setContentsMargins(0, 8, 0, 0);
    column->addWidget(byEmail);
    auto *emailRow = new QHBoxLayout;
    m_email->setObjectName(QStringLiteral("shareEmail"));
    m_email->setPlaceholderText(tr("name@example.com"));
    m_email->setMaxLength(254);
    m_emailShare->setObjectName(QStringLiteral("shareEmailButton"));
    m_emailShare->setCursor(Qt::PointingHandCursor);
    emailRow->addWidget(m_email, 1);
    emailRow->addWidget(m_emailShare);
    column->addLayout(emailRow);
    column->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto *close = new QPushButton(m_texts.text(ShareDialogTexts::CloseButton));
    close->setObjectName(QStringLiteral("shareCloseButton"));
    close->setDefault(true);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_emailShare, &QPushButton::clicked, this, &ShareMembersDialog::shareByEmail);
    connect(m_email, &QLineEdit::returnPressed, this, &ShareMembersDialog::shareByEmail);

    rebuildLists();
    // From the event loop, so the caller can say first whether the account
    // is on the service at all.
    QTimer::singleShot(0, this, &ShareMembersDialog::reloadSharing);
}

QLabel *ShareMembersDialog::noteLabel(const QString &text) const
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setContentsMargins(0, 8, 0, 0);
    label->setStyleSheet(placeholderStyle());
    return label;
}

void ShareMembersDialog::setAccountOnServer(bool onServer)
{
    if (m_onServer == onServer)
        return;
    m_onServer = onServer;
    // A list asked for before is of no use either way: ask (or stop asking) anew.
    if (m_sharesRequest > 0)
        loadShares();
    else
        rebuildLists();
}

void ShareMembersDialog::done(int result)
{
    // Closed: what is still on its way would only change a dialog nobody sees.
    m_guard.invalidate();
    QDialog::done(result);
}

void ShareMembersDialog::reloadSharing()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersDialog::loadGroupMembers()
{
    const int request = ++m_groupRequest;
    if (!m_client) {
        m_groupLoaded = true;
        rebuildLists();
        return;
    }
    m_client->accountClient()->getProfile(guarded<const Profile &>([this, request](const Profile &profile) {
        if (request != m_groupRequest)
            return;
        // One id for a person across the services; the token says it too.
        m_ownId = profile.id.isEmpty() ? m_client->authClient()->userId() : profile.id;
        m_client->accountClient()->getGroup(guarded<const Group &>([this, request](const Group &group) {
            if (request != m_groupRequest)
                return;
            m_groupMembers = group.id.isEmpty() ? QList<GroupMember>() : group.members;
            m_groupLoaded = true;
            rebuildLists();
        }));
    }));
}

void ShareMembersDialog::loadShares()
{
    const int request = ++m_sharesRequest;
    if (!m_onServer || !m_backend) {
        m_shares.clear();
        m_sharesError.clear();
        m_sharesLoaded = true;
        rebuildLists();
        return;
    }
    m_backend->listMembers(m_accountId, guarded<bool, const QList<ShareMember> &, const QString &>(
                                            [this, request](bool ok, const QList<ShareMember> &members, const QString &error) {
                                                if (request != m_sharesRequest)
                                                    return;
                                                m_shares = ok ? members : QList<ShareMember>();
                                                m_sharesError = ok ? QString()
                                                                   : (error.isEmpty() ? tr("The service did not answer.") : error);
                                                m_sharesLoaded = true;
                                                rebuildLists();
                                            }));
}

void ShareMembersDialog::clearLayout(QVBoxLayout *layout)
{
    // Rows leave at once and are deleted from the event loop: one of their
    // buttons may be in the middle of its own click (a question box open).
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

void ShareMembersDialog::rebuildLists()
{
    clearLayout(m_peopleList);
    clearLayout(m_addList);
    m_peopleNote = nullptr;

    const auto groupMember = [this](const QString &userId) -> const GroupMember * {
        for (const GroupMember &member : std::as_const(m_groupMembers)) {
            if (member.account_id == userId)
                return &member;
        }
        return nullptr;
    };

    int listed = 0;
    QSet<QString> withAccess;
    for (const ShareMember &share : std::as_const(m_shares)) {
        withAccess.insert(share.user_id);
        if (share.role == QLatin1String("owner"))
            continue;
        QString name = share.display_name;
        QString email = share.email;
        if (const GroupMember *member = groupMember(share.user_id)) {
            if (name.isEmpty())
                name = member->display_name;
            if (email.isEmpty())
                email = member->email;
        }
        auto *row = new SharePersonRow(name, email, m_texts.text(ShareDialogTexts::RemoveButton));
        row->setObjectName(QStringLiteral("sharedPerson"));
        const QString userId = share.user_id;
        const QString shown = row->name().isEmpty() ? userId : row->name();
        connect(row->button(), &QPushButton::clicked, this, [this, userId, shown] { removeShare(userId, shown); });
        m_peopleList->addWidget(row);
        ++listed;
    }
    if (!m_sharesError.isEmpty()) {
        m_peopleNote = new QLabel(tr("Could not load who has access: %1").arg(m_sharesError));
        m_peopleNote->setObjectName(QStringLiteral("peopleError"));
        m_peopleNote->setTextFormat(Qt::PlainText);
        m_peopleNote->setWordWrap(true);
        m_peopleNote->setStyleSheet(QStringLiteral("QLabel { color: #b00020; padding: 4px 0; }"));
    } else if (listed == 0) {
        m_peopleNote = noteLabel(m_sharesLoaded ? m_texts.text(ShareDialogTexts::EmptyList) : tr("Loading..."));
        m_peopleNote->setObjectName(QStringLiteral("peopleNote"));
        m_peopleNote->setContentsMargins(0, 4, 0, 4);
    }
    if (m_peopleNote)
        m_peopleList->addWidget(m_peopleNote);
    if (!m_onServer) {
        auto *note = noteLabel(tr("This account has not reached the sync service yet. Once it has synced, you can share it."));
        note->setObjectName(QStringLiteral("notOnServerNote"));
        m_peopleList->addWidget(note);
    }

    int candidates = 0;
    if (m_groupLoaded) {
        for (const GroupMember &member : std::as_const(m_groupMembers)) {
            if (member.account_id == m_ownId)
                continue;
            const QString identifier = m_backend ? m_backend->memberShareId(member) : member.account_id;
            if (withAccess.contains(identifier) || withAccess.contains(member.account_id))
                continue;
            auto *row = new SharePersonRow(member.display_name, member.email, m_texts.text(ShareDialogTexts::ShareButton));
            row->setObjectName(QStringLiteral("groupPerson"));
            const QString shown = row->name().isEmpty() ? identifier : row->name();
            connect(row->button(), &QPushButton::clicked, this, [this, identifier, shown] { shareWithMember(identifier, shown); });
            m_addList->addWidget(row);
            ++candidates;
        }
    }
    m_noGroupNote->setVisible(m_groupLoaded && m_groupMembers.isEmpty());
    m_allMembersNote->setVisible(m_groupLoaded && !m_groupMembers.isEmpty() && candidates == 0);
    updateShareControls();
}

void ShareMembersDialog::updateShareControls()
{
    const QString notYet = tr("This account has not reached the sync service yet. Sync it, then share it.");
    const auto setUp = [this, &notYet](QPushButton *button, bool sharing) {
        button->setEnabled(!m_busy && (!sharing || m_onServer));
        button->setToolTip(sharing && !m_onServer ? notYet : QString());
    };
    for (int i = 0; i < m_addList->count(); ++i) {
        if (auto *row = qobject_cast<SharePersonRow *>(m_addList->itemAt(i)->widget()))
            setUp(row->button(), true);
    }
    for (int i = 0; i < m_peopleList->count(); ++i) {
        if (auto *row = qobject_cast<SharePersonRow *>(m_peopleList->itemAt(i)->widget()))
            setUp(row->button(), false);
    }
    setUp(m_emailShare, true);
    m_email->setEnabled(m_onServer);
}

void ShareMembersDialog::setBusy(bool busy)
{
    m_busy = busy;
    updateShareControls();
}

void ShareMembersDialog::showError(const QString &text)
{
    m_error->setText(text);
    m_error->show();
}

void ShareMembersDialog::shareWithMember(const QString &identifier, const QString &name)
{
    if (m_busy || !m_onServer || !m_backend)
        return;
    setBusy(true);
    m_error->hide();
    m_backend->shareWith(m_accountId, identifier, m_texts.text(ShareDialogTexts::ShareRole),
                         guarded<bool, const QString &>([this, identifier, name](bool ok, const QString &error) {
                             setBusy(false);
                             if (!ok) {
                                 showError(error.isEmpty() ? tr("Could not share with %1.").arg(name) : error);
                                 return;
                             }
                             if (m_email->text().trimmed() == identifier)
                                 m_email->clear();
                             Q_EMIT sharingChanged();
                             reloadSharing();
                         }));
}

void ShareMembersDialog::shareByEmail()
{
    const QString email = m_email->text().trimmed();
    if (m_busy || !m_onServer)
        return;
    const qsizetype at = email.indexOf(QLatin1Char('@'));
    if (at <= 0 || at == email.size() - 1 || email.contains(QLatin1Char(' '))) {
        showError(tr("Enter an e-mail address such as name@example.com."));
        return;
    }
    shareWithMember(email, email);
}

void ShareMembersDialog::removeShare(const QString &userId, const QString &name)
{
    if (m_busy || !m_backend)
        return;
    const auto answer = MessageBox::question(this, m_texts.text(ShareDialogTexts::RemoveQuestionTitle),
                                             m_texts.text(ShareDialogTexts::RemoveQuestion).arg(name),
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // Something else may have started while the question was open.
    if (answer != QMessageBox::Yes || m_busy)
        return;
    setBusy(true);
    m_error->hide();
    m_backend->removeShare(m_accountId, userId, guarded<bool, const QString &>([this, name](bool ok, const QString &error) {
                               setBusy(false);
                               if (!ok) {
                                   QString text = tr("Could not remove %1.").arg(name);
                                   if (!error.isEmpty())
                                       text += QLatin1Char(' ') + error;
                                   showError(text);
                                   return;
                               }
                               Q_EMIT sharingChanged();
                               reloadSharing();
                           }));
}

QStringList ShareMembersDialog::peopleWithAccess() const
{
    QStringList names;
    for (int i = 0; i < m_peopleList->count(); ++i) {
        if (auto *row = qobject_cast<SharePersonRow *>(m_peopleList->itemAt(i)->widget()))
            names << row->name();
    }
    return names;
}

QStringList ShareMembersDialog::peopleToAdd() const
{
    QStringList names;
    for (int i = 0; i < m_addList->count(); ++i) {
        if (auto *row = qobject_cast<SharePersonRow *>(m_addList->itemAt(i)->widget()))
            names << row->name();
    }
    return names;
}

QPushButton *ShareMembersDialog::buttonFor(const QString &name) const
{
    for (QVBoxLayout *list : {m_peopleList, m_addList}) {
        for (int i = 0; i < list->count(); ++i) {
            auto *row = qobject_cast<SharePersonRow *>(list->itemAt(i)->widget());
            if (row && row->name() == name)
                return row->button();
        }
    }
    return nullptr;
}

QString ShareMembersDialog::errorText() const
{
    return m_error->text();
}

bool ShareMembersDialog::isErrorVisible() const
{
    return !m_error->isHidden();
}

QString ShareMembersDialog::peopleListNote() const
{
    return m_peopleNote ? m_peopleNote->text() : QString();
}

bool ShareMembersDialog::isNoGroupNoteVisible() const
{
    return !m_noGroupNote->isHidden();
}

bool ShareMembersDialog::isAllMembersNoteVisible() const
{
    return !m_allMembersNote->isHidden();
}

} // namespace OrlAccount
