#pragma once

#include "services/undohistory.h"

#include <functional>

// An undo step that puts back a stored state: the state before the
// operation on undo, the state after it on redo. `apply` writes a state
// (with fresh stamps, so sync sees the undo as a change of its own).
template <typename Snapshot>
class SnapshotStep : public UndoStep
{
public:
    using Apply = std::function<Result<void>(const Snapshot &)>;

    SnapshotStep(QString text, Snapshot before, Snapshot after, Apply apply)
        : m_text(std::move(text))
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_apply(std::move(apply))
    {
    }

    QString text() const override { return m_text; }
    Result<void> undo() override { return m_apply(m_before); }
    Result<void> redo() override { return m_apply(m_after); }

private:
    QString m_text;
    Snapshot m_before;
    Snapshot m_after;
    Apply m_apply;
};
