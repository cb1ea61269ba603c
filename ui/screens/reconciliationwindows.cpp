#include "ui/screens/reconciliationwindows.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "services/reconciliationservice.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"

#include <QScreen>
#include <QWidget>

ReconciliationWindows::ReconciliationWindows(AppState *state, QWidget *host)
    : QObject(host)
    , m_state(state)
    , m_host(host)
{
    m_service = new ReconciliationService(state->database(), state->accountRepository(),
                                          state->transactionRepository(), state->reconciliationRepository(), this);
    m_service->setUndoHistory(state->undoHistory());
}

ReconciliationWindows::~ReconciliationWindows()
{
    // The open screens use the service, which goes with this object; they
    // go first. Deleting one takes it out of the hash, so a copy is walked.
    const QList<QPointer<ReconciliationScreen>> screens = m_reconciliations.values();
    for (const QPointer<ReconciliationScreen> &screen : screens)
        delete screen.data();
}

ReconciliationScreen *ReconciliationWindows::reconciliationFor(const QString &accountId) const
{
    // A closed window lingers until its deletion comes round; it is no
    // longer the account's window.
    ReconciliationScreen *screen = m_reconciliations.value(accountId).data();
    return screen && !screen->isHidden() ? screen : nullptr;
}

ReconciliationScreen *ReconciliationWindows::openReconciliation(const QString &accountId)
{
    if (ReconciliationScreen *open = reconciliationFor(accountId)) {
        present(open, kReconciliationSize);
        return open;
    }
    const std::optional<Account> account =
        accountId.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(accountId);
    if (!account || account->deletedAt)
        return nullptr;

    auto *screen = new ReconciliationScreen(m_state, m_service);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setAccount(accountId);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, screen, &QWidget::close);
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    m_reconciliations.insert(accountId, screen);
    connect(screen, &QObject::destroyed, this, [this, accountId] {
        // A later window of the same account may already have taken the slot.
        if (!m_reconciliations.value(accountId))
            m_reconciliations.remove(accountId);
    });
    present(screen, kReconciliationSize);
    return screen;
}

ReconciliationHistoryScreen *ReconciliationWindows::openHistory(const QString &accountId)
{
    const std::optional<Account> account =
        accountId.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(accountId);
    if (!account || account->deletedAt)
        return nullptr;
    if (!m_history)
        m_history = new ReconciliationHistoryScreen(m_state);
    m_history->setAccount(accountId);
    m_history->setWindowTitle(tr("Reconciliation History"));
    present(m_history, kHistorySize);
    return m_history;
}

void ReconciliationWindows::present(QWidget *window, QSize defaultSize)
{
    if (!window->parent()) {
        window->setParent(m_host, Qt::Window);
        // On a small screen the window fits it, title bar and frame
        // included, rather than leaving its buttons below the edge. The
        // host's frame stands for the one this window will get.
        const QScreen *screen = m_host ? m_host->screen() : nullptr;
        QSize frame;
        if (m_host && m_host->isVisible())
            frame = m_host->frameGeometry().size() - m_host->geometry().size();
        const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), defaultSize + frame);
        const QSize size = defaultSize.boundedTo(area.size() - frame);
        window->resize(size);
        if (m_host && m_host->isVisible()) {
            QRect outer(QPoint(), size + frame);
            outer.moveCenter(m_host->frameGeometry().center());
            outer.moveLeft(qMax(area.left(), qMin(outer.left(), area.right() + 1 - outer.width())));
            outer.moveTop(qMax(area.top(), qMin(outer.top(), area.bottom() + 1 - outer.height())));
            window->move(outer.topLeft());
        }
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}
