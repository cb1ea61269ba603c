#pragma once

#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;
class QPushButton;

// All payees of live transactions, renamed or merged across every
// transaction through the payee service (one step, undoable).
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState *state, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *renameField() const { return m_renameField; }

public Q_SLOTS:
    void reload();
    void onRename();
    void onMerge();

Q_SIGNALS:
    void payeesChanged();

private:
    QStringList selectedPayees() const;
    void updateButtons();

    AppState *m_state;
    QListWidget *m_list;
    QLineEdit *m_renameField;
    QPushButton *m_renameButton;
    QPushButton *m_mergeButton;
};
