#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;
class QTableView;
class RecurringModel;
class RecurringService;

// Lists the recurring templates and runs the user's commands on them: new,
// edit, delete, confirm, skip, enter early, confirm all due and enter the
// next 7 days. Every posting goes through the recurring service. After
// "Confirm All Due" and "Enter Next 7 Days" it says how many were posted and
// how many templates are still due, and it names every template the service
// turned off that is still off, with the reason.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    RecurringScreen(AppState *state, RecurringService *service, QWidget *parent = nullptr);

    RecurringModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }

public Q_SLOTS:
    // Reloads the list (keeping the sort) and the due count.
    void refresh();
    void onContextMenu(const QPoint &pos);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();
    void enterNextSevenDays();

Q_SIGNALS:
    // After any command that posted transactions.
    void transactionsChanged();

private:
    int currentRow() const;
    void showStoppedTemplates();
    void showResult(const QString &text);

    AppState *m_state;
    RecurringService *m_service;
    RecurringModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_dueLabel = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLabel *m_stoppedLabel = nullptr;
};
