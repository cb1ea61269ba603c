#pragma once

#include "data/category.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>

#include <vector>

// The live categories as a tree: each under the category its parentId
// names, or at the top when that category is missing or deleted (or when
// the parents would form a loop). Columns: name (bold for a category with
// children), the stored type key (income in green) and the tax code of a
// tax-relevant category. Read-only; filled whole by setCategories.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, TypeColumn, TaxCodeColumn, ColumnCount };
    static constexpr int IdRole = Qt::UserRole + 1;

    explicit CategoryTreeModel(QObject *parent = nullptr);

    // Replaces the tree inside a model reset; deleted rows are left out.
    void setCategories(const QList<Category> &categories);

    // The category at the index, null for an invalid index.
    const Category *categoryAt(const QModelIndex &index) const;
    // The index of the category in the column, invalid when it is not shown.
    QModelIndex indexOf(const QString &id, int column = NameColumn) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node
    {
        Category category;
        int parent = -1;   // index into m_nodes; -1: the invisible root
        int row = 0;       // position among its parent's children
        QList<int> children;
    };

    const QList<int> &childrenOf(const QModelIndex &parent) const;
    const Node *nodeAt(const QModelIndex &index) const;

    std::vector<Node> m_nodes;
    QList<int> m_topLevel;
    QHash<QString, int> m_byId;
};
