#include "ui/screens/categoriesscreen.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/changejournal.h"
#include "data/database.h"
#include "services/categoryremoval.h"
#include "services/categoryservice.h"
#include "ui/messagebox.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/screens/categorytreemodel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
    , m_searchField(new QLineEdit(this))
    , m_newButton(new QPushButton(tr("+ New Category"), this))
    , m_view(new QTreeView(this))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    // A match keeps its parent in view, so a subcategory is found in place.
    m_proxy->setRecursiveFilteringEnabled(true);
    // A matching parent brings its subcategories along.
    m_proxy->setAutoAcceptChildRows(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    buildLayout();

    connect(m_searchField, &QLineEdit::textChanged, this, &CategoriesScreen::onSearchTextChanged);
    connect(m_newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::activated, this, &CategoriesScreen::onEditCategory);
    // Undo and redo, imports and sync change categories too.
    connect(m_state->database()->changes(), &ChangeJournal::committed, this, [this](const ChangeSet &changes) {
        if (changes.contains(ChangeSet::Entity::Category))
            reload();
    });
    reload();
}

void CategoriesScreen::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Categories"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    header->addWidget(title);
    header->addSpacing(12);
    m_searchField->setPlaceholderText(tr("Search categories..."));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setMaxLength(CategoryService::kMaxNameLength);
    header->addWidget(m_searchField, 1);
    header->addWidget(m_newButton);
    layout->addLayout(header);

    m_view->setModel(m_proxy);
    m_view->setAlternatingRowColors(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Double-click opens the category for editing; the arrows expand.
    m_view->setExpandsOnDoubleClick(false);
    // Rows as roomy as the other lists of the program; the rest of the
    // look stays the theme's.
    m_view->setStyleSheet(QStringLiteral("QTreeView::item { padding: 3px 6px 3px 2px; }"));
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    QHeaderView *columns = m_view->header();
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(CategoryTreeModel::TypeColumn, QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(CategoryTreeModel::TaxCodeColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_view, 1);

    auto *remove = new QAction(this);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_view->addAction(remove);
    connect(remove, &QAction::triggered, this, &CategoriesScreen::onDeleteCategory);
}

QModelIndex CategoriesScreen::proxyIndexOf(const QString &id) const
{
    return m_proxy->mapFromSource(m_model->indexOf(id));
}

QSet<QString> CategoriesScreen::expandedIds() const
{
    QSet<QString> ids;
    QList<QModelIndex> pending{QModelIndex()};
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeLast();
        for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
            const QModelIndex index = m_proxy->index(row, CategoryTreeModel::NameColumn, parent);
            if (m_view->isExpanded(index)) {
                ids.insert(index.data(CategoryTreeModel::IdRole).toString());
                pending.append(index);
            }
        }
    }
    return ids;
}

void CategoriesScreen::reload()
{
    const QSet<QString> expanded = expandedIds();
    const QString current = currentCategoryId();
    m_model->setCategories(m_state->categoryRepository()->findAll());
    if (!m_searchField->text().isEmpty()) {
        m_view->expandAll();
    } else {
        for (const QString &id : expanded) {
            const QModelIndex index = proxyIndexOf(id);
            if (index.isValid())
                m_view->expand(index);
        }
    }
    if (const QModelIndex index = proxyIndexOf(current); index.isValid())
        m_view->setCurrentIndex(index);
}

void CategoriesScreen::onSearchTextChanged(const QString &text)
{
    m_proxy->setFilterFixedString(text);
    if (text.isEmpty())
        m_view->collapseAll();
    else
        m_view->expandAll();
}

QString CategoriesScreen::currentCategoryId() const
{
    const Category *category = m_model->categoryAt(m_proxy->mapToSource(m_view->currentIndex()));
    return category ? category->id : QString();
}

std::optional<Category> CategoriesScreen::currentCategory() const
{
    const Category *category = m_model->categoryAt(m_proxy->mapToSource(m_view->currentIndex()));
    return category ? std::optional<Category>(*category) : std::nullopt;
}

bool CategoriesScreen::selectCategory(const QString &id)
{
    const QModelIndex index = proxyIndexOf(id);
    if (!index.isValid())
        return false;
    if (index.parent().isValid())
        m_view->expand(index.parent());
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    return true;
}

std::optional<Category> CategoriesScreen::runForm(CategoryFormDialog &dialog,
                                                  const std::function<Result<Category>(const Category &)> &save)
{
    while (dialog.exec() == QDialog::Accepted) {
        const Category category = dialog.category();
        if (category.name.isEmpty())
            return std::nullopt;
        const Result<Category> saved = save(category);
        if (saved)
            return saved.value();
        MessageBox::warning(this, dialog.windowTitle(), saved.error());
    }
    return std::nullopt;
}

void CategoriesScreen::onCreateCategory()
{
    CategoryFormDialog dialog(QString(), QString(), this);
    CategoryService *service = m_state->categoryService();
    const auto created = runForm(dialog, [service](const Category &c) { return service->create(c); });
    if (created)
        selectCategory(created->id);
}

void CategoriesScreen::onCreateSubcategory()
{
    const std::optional<Category> current = currentCategory();
    if (!current)
        return;
    // Subcategories get no children of their own: from one, the new row
    // goes under its parent.
    std::optional<Category> parent = current;
    if (!current->parentId.isEmpty())
        parent = m_state->categoryRepository()->findById(current->parentId);
    if (!parent || parent->deletedAt || !parent->parentId.isEmpty())
        return;
    CategoryFormDialog dialog(parent->id, parent->name, this);
    CategoryService *service = m_state->categoryService();
    const auto created = runForm(dialog, [service](const Category &c) { return service->create(c); });
    if (created)
        selectCategory(created->id);
}

void CategoriesScreen::onEditCategory()
{
    const std::optional<Category> current = currentCategory();
    if (!current)
        return;
    QString parentName;
    if (!current->parentId.isEmpty()) {
        if (const std::optional<Category> parent = m_state->categoryRepository()->findById(current->parentId))
            parentName = parent->name;
    }
    CategoryFormDialog dialog(*current, parentName, this);
    CategoryService *service = m_state->categoryService();
    const auto saved = runForm(dialog, [service](const Category &c) { return service->edit(c); });
    if (saved)
        selectCategory(saved->id);
}

void CategoriesScreen::onDeleteCategory()
{
    const std::optional<Category> current = currentCategory();
    if (!current)
        return;
    if (MessageBox::question(this, tr("Delete Category"),
                             tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
                                 .arg(current->name))
        != QMessageBox::Yes)
        return;
    if (const auto removed = m_state->categoryRemoval()->remove(current->id); !removed)
        MessageBox::warning(this, tr("Delete Category"), removed.error());
}

void CategoriesScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid())
        m_view->setCurrentIndex(index);
    const Category *category = index.isValid() ? m_model->categoryAt(m_proxy->mapToSource(index)) : nullptr;

    QMenu menu(this);
    QAction *create = menu.addAction(tr("&New Category"));
    QAction *subcategory = nullptr;
    QAction *edit = nullptr;
    QAction *remove = nullptr;
    if (category) {
        if (category->parentId.isEmpty())
            subcategory = menu.addAction(tr("Add &Subcategory"));
        menu.addSeparator();
        edit = menu.addAction(tr("&Edit"));
        remove = menu.addAction(tr("&Delete"));
    }
    QAction *chosen = menu.exec(m_view->viewport()->mapToGlobal(pos));
    if (!chosen)
        return;
    if (chosen == create)
        onCreateCategory();
    else if (chosen == subcategory)
        onCreateSubcategory();
    else if (chosen == edit)
        onEditCategory();
    else if (chosen == remove)
        onDeleteCategory();
}
