#include "ui/screens/accountdevicespage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "ui/messagebox.h"
#include "ui/screens/accounttexts.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrlAccount {

AccountDevicesPage::AccountDevicesPage(Client *client, const ReplyGuard *guard, QWidget *parent)
    : AccountPage(tr("Devices"), client, guard, parent)
{
    showDevices({});
}

void AccountDevicesPage::refresh()
{
    const quint64 fetch = ++m_fetch;
    m_client->accountClient()->getDevices(guarded<const QList<Device> &>([this, fetch](const QList<Device> &devices) {
        if (fetch == m_fetch)
            showDevices(devices);
    }));
}

QString AccountDevicesPage::deviceName(const Device &device)
{
    return device.device_name.isEmpty() ? tr("Unknown Device") : device.device_name;
}

void AccountDevicesPage::showDevices(const QList<Device> &devices)
{
    clearContent();
    addSectionHeader(tr("Registered Devices"), tr("Devices that have synced with your account."));
    if (devices.isEmpty()) {
        auto *none = secondaryLabel(tr("No devices registered."));
        none->setObjectName(QStringLiteral("emptyNote"));
        content()->addWidget(none);
        return;
    }
    for (const Device &device : devices) {
        auto *block = new QWidget;
        block->setObjectName(QStringLiteral("deviceRow"));
        auto *lines = new QVBoxLayout(block);
        lines->setContentsMargins(0, 4, 0, 4);
        lines->setSpacing(2);
        // The one rich-text label: the name in it is escaped.
        auto *name = new QLabel(QStringLiteral("<b>%1</b>").arg(deviceName(device).toHtmlEscaped()));
        name->setTextFormat(Qt::RichText);
        name->setWordWrap(true);
        name->setObjectName(QStringLiteral("deviceName"));
        lines->addWidget(name);
        QString platform = device.platform;
        if (!device.app_version.isEmpty())
            platform += QStringLiteral("  ·  v%1").arg(device.app_version);
        auto *details = secondaryLabel(platform);
        details->setWordWrap(true);
        details->setObjectName(QStringLiteral("deviceDetails"));
        lines->addWidget(details);
        auto *seen = secondaryLabel(relativeTime(device.last_sync_at));
        seen->setObjectName(QStringLiteral("deviceLastSync"));
        lines->addWidget(seen);
        auto *remove = new QPushButton(tr("Remove"));
        connect(remove, &QPushButton::clicked, this, [this, device, button = QPointer<QPushButton>(remove)] {
            if (removeDevice(device) && button)
                button->setEnabled(false);
        });
        addRow(block, {remove});
    }
}

bool AccountDevicesPage::removeDevice(const Device &device)
{
    const QString name = deviceName(device);
    if (MessageBox::question(this, tr("Remove Device"), tr("Remove %1?").arg(name), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return false;
    m_client->accountClient()->removeDevice(device.id, guarded<bool>([this, name](bool ok) {
        if (ok)
            Q_EMIT succeeded(tr("Device removed."));
        else
            Q_EMIT failed(tr("Could not remove %1.").arg(name));
        refresh();
    }));
    return true;
}

} // namespace OrlAccount
