#include "ui/screens/categorytreemodel.h"

#include "ui/thememanager.h"

#include <QColor>
#include <QFont>

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void CategoryTreeModel::setCategories(const QList<Category> &categories)
{
    beginResetModel();
    m_nodes.clear();
    m_topLevel.clear();
    m_byId.clear();
    for (const Category &category : categories) {
        if (category.deletedAt || category.id.isEmpty() || m_byId.contains(category.id))
            continue;
        m_byId.insert(category.id, int(m_nodes.size()));
        m_nodes.push_back({category, -1, 0, {}});
    }
    const int count = int(m_nodes.size());
    for (Node &node : m_nodes)
        node.parent = m_byId.value(node.category.parentId, -1);
    // Rows from elsewhere (sync, an old backup) may name each other as
    // parents; a category whose chain of parents comes back to it goes to
    // the top, which breaks the loop for the others too.
    for (int i = 0; i < count; ++i) {
        int up = m_nodes[i].parent;
        for (int steps = 0; up != -1 && up != i && steps < count; ++steps)
            up = m_nodes[up].parent;
        if (up != -1)
            m_nodes[i].parent = -1;
    }
    for (int i = 0; i < count; ++i) {
        Node &node = m_nodes[i];
        QList<int> &siblings = node.parent == -1 ? m_topLevel : m_nodes[node.parent].children;
        node.row = int(siblings.size());
        siblings.append(i);
    }
    endResetModel();
}

const CategoryTreeModel::Node *CategoryTreeModel::nodeAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() >= m_nodes.size())
        return nullptr;
    return &m_nodes[index.internalId()];
}

const Category *CategoryTreeModel::categoryAt(const QModelIndex &index) const
{
    const Node *node = nodeAt(index);
    return node ? &node->category : nullptr;
}

QModelIndex CategoryTreeModel::indexOf(const QString &id, int column) const
{
    const auto found = m_byId.constFind(id);
    if (found == m_byId.cend() || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(m_nodes[*found].row, column, quintptr(*found));
}

const QList<int> &CategoryTreeModel::childrenOf(const QModelIndex &parent) const
{
    static const QList<int> none;
    if (!parent.isValid())
        return m_topLevel;
    const Node *node = nodeAt(parent);
    return node && parent.column() == NameColumn ? node->children : none;
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const QList<int> &children = childrenOf(parent);
    if (row < 0 || row >= children.size() || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column, quintptr(children[row]));
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &child) const
{
    const Node *node = nodeAt(child);
    if (!node || node->parent == -1)
        return {};
    return createIndex(m_nodes[node->parent].row, NameColumn, quintptr(node->parent));
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    return int(childrenOf(parent).size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const
{
    const Node *node = nodeAt(index);
    if (!node)
        return {};
    const Category &category = node->category;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            return categoryTypeToString(category.type);
        case TaxCodeColumn:
            return category.isTaxRelevant ? category.taxCategory : QString();
        default:
            return {};
        }
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.isEmpty()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        // The dark theme's own green: the light one is too dim on a dark base.
        if (index.column() == TypeColumn && category.type == CategoryType::Income)
            return isDarkPalette() ? positiveColor() : QColor(0, 136, 0);
        return {};
    case IdRole:
        return category.id;
    default:
        return {};
    }
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return {};
    }
}
