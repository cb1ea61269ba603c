#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class AppState;
class QWidget;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class ReconciliationService;

// The reconciliation windows of the main window. Each account has at most
// one reconciliation window: asking again for the same account brings that
// window back to the front with its ticks, while other accounts get windows
// of their own. A reconciliation window closes (and is deleted) when it is
// finished or cancelled. The history is one window, shown for the account
// it was last asked for. Owns the reconciliation service the windows use.
class ReconciliationWindows : public QObject
{
    Q_OBJECT

public:
    // `host`: the window the others belong to and are centred on.
    ReconciliationWindows(AppState *state, QWidget *host);
    ~ReconciliationWindows() override;

    // The account's reconciliation window, shown and raised; null when the
    // account does not exist.
    ReconciliationScreen *openReconciliation(const QString &accountId);
    ReconciliationHistoryScreen *openHistory(const QString &accountId);

    // The open reconciliation window of the account, or null.
    ReconciliationScreen *reconciliationFor(const QString &accountId) const;
    ReconciliationService *service() const { return m_service; }

    static constexpr QSize kReconciliationSize{1100, 720};
    static constexpr QSize kHistorySize{750, 500};

private:
    // Makes the screen a window of the host at its default size (kept
    // within the screen), on first show only, then shows and raises it.
    void present(QWidget *window, QSize defaultSize);

    AppState *m_state;
    QWidget *m_host;
    ReconciliationService *m_service;
    QHash<QString, QPointer<ReconciliationScreen>> m_reconciliations;
    QPointer<ReconciliationHistoryScreen> m_history;
};
