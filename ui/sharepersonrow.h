#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace OrlAccount {

// One person in the share dialog: a round avatar with their initials, the
// name with the e-mail address under it (when it says more than the name),
// and the row's action button. Names and addresses come from the network
// and are shown as plain text.
class SharePersonRow : public QWidget
{
    Q_OBJECT

public:
    SharePersonRow(const QString &name, const QString &email, const QString &buttonText, QWidget *parent = nullptr);

    QPushButton *button() const { return m_button; }
    QString name() const { return m_name; }

    // One or two letters for the avatar: the first letters of the first and
    // last word of the name, or the first letter of the address, or "?".
    static QString initialsFor(const QString &name, const QString &email);
    // A round label of `size` pixels with the initials on a colour of the person's own.
    static QLabel *avatarLabel(const QString &name, const QString &email, int size);

private:
    QString m_name;
    QPushButton *m_button;
};

} // namespace OrlAccount
