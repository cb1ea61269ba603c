#pragma once

#include <QWidget>

class AccountRepository;
class AccountService;
class QListWidget;
class QPushButton;

// The Deleted Accounts block of the Data & Sync page: the soft-deleted
// accounts by name, and Restore Selected, which brings one back with what
// its deletion took along (through the account service). The whole block
// hides while there is nothing to restore.
class SettingsDeletedAccounts : public QWidget
{
    Q_OBJECT

public:
    SettingsDeletedAccounts(AccountRepository *accounts, AccountService *service, QWidget *parent = nullptr);

    void reload();

    QListWidget *list() const { return m_list; }
    QPushButton *restoreButton() const { return m_restore; }

public Q_SLOTS:
    void restoreSelectedAccount();

Q_SIGNALS:
    void accountRestored();

private:
    AccountRepository *m_accounts;
    AccountService *m_service;
    QListWidget *m_list;
    QPushButton *m_restore;
};
