#pragma once

#include "data/account.h"
#include "services/importservice.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;

// The part of the import screen that lists the accounts found in QIF or
// OFX files, one row each with where its records go: a new account the
// import creates, nowhere, or an existing account. An existing account is
// preselected when it bears the name the import would give a new one (so
// the account an earlier import of the same file created is found again),
// or, for OFX, when it is the only account of the type whose number ends
// in the same four digits. It writes nothing; the screen hands what it
// collects to the import.
class ImportSourceMapping : public QWidget
{
    Q_OBJECT

public:
    explicit ImportSourceMapping(QWidget *parent = nullptr);

    void showQif(const QifAnalysis &analysis, const QList<Account> &accounts);
    void showOfx(const OfxAnalysis &analysis, const QList<Account> &accounts);
    // Removes the rows and hides the part.
    void clear();

    // Source key to account id (empty to skip), and the accounts to create.
    void collect(QMap<QString, QString> &mapping, QMap<QString, Account> &newAccounts) const;
    // The rows' combos in order, for the keyboard order of the screen.
    QList<QComboBox *> combos() const;

private:
    struct Row
    {
        QString key;
        QString newAccountName;
        AccountType type = AccountType::Checking;
        std::optional<Currency> currency;
        QString numberLast4;
        QComboBox *combo = nullptr;
    };

    void addRow(const QString &label, Row row, const QList<Account> &accounts);

    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QFormLayout *m_rows = nullptr;
    QList<Row> m_entries;
};
