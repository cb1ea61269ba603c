#include "ui/settingsdeletedaccounts.h"

#include "data/accountrepository.h"
#include "services/accountservice.h"
#include "ui/messagebox.h"
#include "ui/settingspage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SettingsDeletedAccounts::SettingsDeletedAccounts(AccountRepository *accounts, AccountService *service, QWidget *parent)
    : QWidget(parent)
    , m_accounts(accounts)
    , m_service(service)
    , m_list(new QListWidget)
    , m_restore(SettingsPage::primaryButton(tr("Restore Selected")))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(SettingsPage::sectionHeader(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here.")));
    m_list->setObjectName(QStringLiteral("deletedAccountsList"));
    m_list->setMaximumHeight(120);
    layout->addWidget(m_list);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    m_restore->setObjectName(QStringLiteral("restoreAccountButton"));
    m_restore->setEnabled(false);
    row->addWidget(m_restore);
    layout->addLayout(row);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int current) { m_restore->setEnabled(current >= 0); });
    connect(m_restore, &QPushButton::clicked, this, &SettingsDeletedAccounts::restoreSelectedAccount);
}

void SettingsDeletedAccounts::reload()
{
    m_list->clear();
    m_restore->setEnabled(false);
    const QList<Account> deleted = m_accounts ? m_accounts->findDeleted() : QList<Account>();
    setVisible(!deleted.isEmpty());
    for (const Account &account : deleted) {
        auto *item = new QListWidgetItem(account.name, m_list);
        item->setData(Qt::UserRole, account.id);
    }
    m_list->setCurrentRow(-1);
}

void SettingsDeletedAccounts::restoreSelectedAccount()
{
    const QListWidgetItem *item = m_list->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty() || !m_service)
        return;
    const std::optional<Account> account = m_accounts->findById(id);
    // Restored meanwhile (another window, a sync): nothing to do but show it.
    if (account && account->deletedAt) {
        Account live = *account;
        live.deletedAt.reset();
        // A snapshot of the live account makes the service bring back the
        // rows that were deleted together with it, and nothing deleted earlier.
        if (const Result<void> restored = m_service->restore({id, live}); !restored) {
            MessageBox::warning(this, tr("Restore Failed"),
                                tr("\"%1\" could not be restored. Nothing was changed.").arg(account->name));
            reload();
            return;
        }
    }
    reload();
    Q_EMIT accountRestored();
}
