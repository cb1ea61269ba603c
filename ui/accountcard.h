#pragma once

#include "data/account.h"

#include <QWidget>

class BalanceLabel;
class QLabel;

// One account in the sidebar: type glyph, name, balance and a subtitle with
// the institution (or type) and the last four digits of the number.
class AccountCard : public QWidget
{
    Q_OBJECT

public:
    AccountCard(const Account &account, qint64 balance, QWidget *parent = nullptr);

    QString balanceText() const;
    QString balanceColor() const { return m_balanceColor; }
    QString subtitleText() const;

    static QChar glyphFor(AccountType type);
    static QString subtitleFor(const Account &account);

private:
    BalanceLabel *m_balance = nullptr;
    QLabel *m_subtitle = nullptr;
    QString m_balanceColor;
};
