#pragma once

#include "account/accounttypes.h"
#include "ui/screens/accountpage.h"

namespace OrlAccount {

// The account screen's Devices page: every device registered with the
// account, when it last synced, and removing one. A removal says how it went
// once the service has answered, and the list is fetched again.
class AccountDevicesPage : public AccountPage
{
    Q_OBJECT

public:
    AccountDevicesPage(Client *client, const ReplyGuard *guard, QWidget *parent = nullptr);

    void refresh() override;
    void showDevices(const QList<Device> &devices);
    // False when the user said No.
    bool removeDevice(const Device &device);

    static QString deviceName(const Device &device);

private:
    quint64 m_fetch = 0;
};

} // namespace OrlAccount
