#pragma once

#include "data/result.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class CategoryRepository;
class Database;
class UndoHistory;

// Deleting a category as its prompt promises, in one database transaction:
// its transactions and recurring templates become uncategorized, its
// subcategories move up to the top level, and its split lines (which must
// name a category) move to its parent, or, for a top-level category, to an
// "Uncategorized" category made when first needed. Every changed row is
// stamped for sync; with an undo history set the deletion is one step.
class CategoryRemoval : public QObject
{
    Q_OBJECT

public:
    CategoryRemoval(Database *database, CategoryRepository *categories, QObject *parent = nullptr);

    void setUndoHistory(UndoHistory *history) { m_undo = history; }

    struct Outcome
    {
        int transactions = 0;
        int splitLines = 0;
        int subcategories = 0;
        int recurring = 0;
        QString splitLinesMovedTo;   // category id, empty when no line moved
    };
    Result<Outcome> remove(const QString &categoryId);

    // What a deletion changed, to put back on undo: (row id, earlier value).
    struct Snapshot
    {
        QString categoryId;
        QList<QPair<QString, QString>> transactions;
        QList<QPair<QString, QString>> splitLines;
        QStringList splitTransactions;
        QList<QPair<QString, QString>> subcategories;
        QList<QPair<QString, QString>> recurring;
        // The "Uncategorized" category this deletion made or brought back.
        QString madeHome;
    };

private:
    struct Removed
    {
        Outcome outcome;
        Snapshot before;
    };
    // The deletion itself, recording nothing in the undo history.
    Result<Removed> removeRows(const QString &categoryId);
    Result<void> putBack(const Snapshot &snapshot);
    QString splitLineHome(const QString &parentId, bool *made, bool *ok);
    QList<QPair<QString, QString>> pairs(const QString &sql, const QString &bind, bool *ok) const;

    Database *m_database;
    CategoryRepository *m_categories;
    UndoHistory *m_undo = nullptr;
};
