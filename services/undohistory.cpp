#include "services/undohistory.h"

#include <QScopedValueRollback>

UndoHistory::UndoHistory(QObject *parent)
    : QObject(parent)
{
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::push(std::unique_ptr<UndoStep> step)
{
    if (m_replaying || !step)
        return;
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_next), m_steps.end());
    m_steps.push_back(std::move(step));
    if (m_steps.size() > Limit)
        m_steps.erase(m_steps.begin());
    m_next = m_steps.size();
    Q_EMIT changed();
}

Result<void> UndoHistory::undo()
{
    if (!canUndo())
        return Result<void>::failure(tr("Nothing to undo"));
    Result<void> result;
    {
        const QScopedValueRollback replaying(m_replaying, true);
        result = m_steps[m_next - 1]->undo();
    }
    if (result)
        --m_next;
    Q_EMIT changed();
    return result;
}

Result<void> UndoHistory::redo()
{
    if (!canRedo())
        return Result<void>::failure(tr("Nothing to redo"));
    Result<void> result;
    {
        const QScopedValueRollback replaying(m_replaying, true);
        result = m_steps[m_next]->redo();
    }
    if (result)
        ++m_next;
    Q_EMIT changed();
    return result;
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_next = 0;
    Q_EMIT changed();
}

QString UndoHistory::undoText() const
{
    return canUndo() ? m_steps[m_next - 1]->text() : QString();
}

QString UndoHistory::redoText() const
{
    return canRedo() ? m_steps[m_next]->text() : QString();
}
