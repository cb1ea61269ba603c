#include "ui/accountcard.h"

#include "data/money.h"
#include "ui/register/balancelabel.h"
#include "ui/register/elidedlabel.h"
#include "ui/thememanager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AccountCard::AccountCard(const Account &account, qint64 balance, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);

    auto *icon = new QLabel(QString(glyphFor(account.type)));
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(22);
    icon->setFont(iconFont);
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(QStringLiteral("color: #4DB6AC;"));
    layout->addWidget(icon);

    auto *block = new QVBoxLayout;
    block->setSpacing(3);
    auto *top = new QHBoxLayout;
    top->setSpacing(8);

    auto *name = new ElidedLabel;
    name->setFullText(account.name);
    applyFontRole(name, FontRole::BodyStrong);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    name->setToolTip(account.name);
    top->addWidget(name, 1);

    // The name gives way first; the balance keeps its whole text unless it
    // is longer than any ordinary amount, and then it is cut short too.
    m_balance = new BalanceLabel;
    m_balance->setFullText(formatMoney(balance, account.currency));
    applyFontRole(m_balance, FontRole::Amount);
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balanceColor = balance < 0 ? QStringLiteral("#FF8A80") : QStringLiteral("#66BB6A");
    m_balance->setStyleSheet(QStringLiteral("color: %1;").arg(m_balanceColor));
    top->addWidget(m_balance);
    block->addLayout(top);

    m_subtitle = new QLabel(subtitleFor(account));
    applyFontRole(m_subtitle, FontRole::Caption);
    m_subtitle->setStyleSheet(QStringLiteral("color: #8FAF9F;"));
    block->addWidget(m_subtitle);

    layout->addLayout(block, 1);
}

QString AccountCard::balanceText() const
{
    return m_balance->text();
}

QString AccountCard::subtitleText() const
{
    return m_subtitle->text();
}

QChar AccountCard::glyphFor(AccountType type)
{
    switch (type) {
    case AccountType::Checking: return QChar(0xE84F);
    case AccountType::Savings: return QChar(0xE2EB);
    case AccountType::CreditCard: return QChar(0xE870);
    case AccountType::Cash: return QChar(0xE57D);
    case AccountType::Investment: return QChar(0xE8E5);
    case AccountType::Other: break;
    }
    return QChar(0xE850);
}

QString AccountCard::subtitleFor(const Account &account)
{
    QString subtitle = account.institution.isEmpty() ? accountTypeDisplayName(account.type)
                                                     : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    return subtitle;
}
