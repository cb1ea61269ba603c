#pragma once

#include "data/result.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

// One undoable step: its name for the Edit menu ("Delete Transaction") and
// how to go back and forth.
class UndoStep
{
public:
    virtual ~UndoStep() = default;
    virtual QString text() const = 0;
    virtual Result<void> undo() = 0;
    virtual Result<void> redo() = 0;
};

// The steps a person can undo and redo, newest last. A new step drops what
// could have been redone. A step whose undo or redo fails stays where it
// was, so the person can see the error and try again. Kept to a bounded
// number of steps.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    explicit UndoHistory(QObject *parent = nullptr);
    ~UndoHistory() override;

    void push(std::unique_ptr<UndoStep> step);
    Result<void> undo();
    Result<void> redo();
    void clear();

    bool canUndo() const { return m_next > 0; }
    bool canRedo() const { return m_next < m_steps.size(); }
    QString undoText() const;
    QString redoText() const;
    // True while a step runs, so operations it calls record nothing new.
    bool isReplaying() const { return m_replaying; }

    static constexpr std::size_t Limit = 100;

Q_SIGNALS:
    void changed();

private:
    std::vector<std::unique_ptr<UndoStep>> m_steps;
    std::size_t m_next = 0;   // steps before this index can be undone
    bool m_replaying = false;
};
