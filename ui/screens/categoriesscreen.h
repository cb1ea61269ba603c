#pragma once

#include "data/category.h"
#include "data/result.h"

#include <QSet>
#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class CategoryFormDialog;
class CategoryTreeModel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

// The category tree with search, create, edit and delete. Creating and
// editing go through the category service, deleting through the category
// removal, each one undoable step; the screen itself never writes. The tree
// follows committed category changes (its own, undo and redo, sync) and
// keeps which categories are expanded and which one is current.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);

    QTreeView *view() const { return m_view; }
    CategoryTreeModel *model() const { return m_model; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }
    QLineEdit *searchField() const { return m_searchField; }
    QPushButton *newButton() const { return m_newButton; }

    // The id of the current row's category, empty when none.
    QString currentCategoryId() const;
    // Makes the category's row current (expanding its parent); false when
    // it is not shown.
    bool selectCategory(const QString &id);

public Q_SLOTS:
    // Rebuilds the tree from the live categories, expanding again what was
    // expanded and keeping the current row.
    void reload();
    void onCreateCategory();
    // A new subcategory of the current row's top-level category.
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();
    void onContextMenu(const QPoint &pos);

private:
    void buildLayout();
    void onSearchTextChanged(const QString &text);
    QSet<QString> expandedIds() const;
    QModelIndex proxyIndexOf(const QString &id) const;
    std::optional<Category> currentCategory() const;
    // Shows the form until it is cancelled or what it holds is stored;
    // a refusal is shown and the form opens again as it was left.
    std::optional<Category> runForm(CategoryFormDialog &dialog,
                                    const std::function<Result<Category>(const Category &)> &save);

    AppState *m_state;
    CategoryTreeModel *m_model;
    QSortFilterProxyModel *m_proxy;
    // Made in the order of the layout, which the focus follows.
    QLineEdit *m_searchField;
    QPushButton *m_newButton;
    QTreeView *m_view;
};
