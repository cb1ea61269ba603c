#include "app/appstate.h"
#include "common/testappstate.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"
#include "services/undohistory.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/screens/categorytreemodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

// The category tree as a person uses it: building it from the stored rows,
// searching, the form for new and changed categories, deleting through the
// prompt, undo, and the tree keeping its shape over reloads.
class tst_CategoriesScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void treeFromRows_data();
    void treeFromRows();
    void treeLeavesOutDeletedRowsAndBreaksLoops();
    void topLevelSortsWithoutRegardToCase();
    void search_data();
    void search();
    void clearingTheSearchCollapses();
    void contextMenuEntries_data();
    void contextMenuEntries();
    void contextMenuRunsTheChosenEntry();
    void newCategoryThroughTheForm();
    void newSubcategory_data();
    void newSubcategory();
    void editThroughTheForm();
    void editTransferKeepsItsType();
    void duplicateNameIsRefusedAndTheFormKeepsItsText();
    void undoAndRedoReachTheTree();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void expansionAndCurrentRowSurviveAReload();
    void formTaxCode();
    void formOkNeedsAName();
    void formBuildsTheCategory();
    void menuEntryOpensOneWindow();

private:
    QString idOf(const QString &name, const QString &parentName = QString()) const;
    // The rows a person sees: top-level names, and "Parent>Child" for the
    // children of expanded rows, in view order.
    QStringList visibleRows() const;
    QModelIndex rowOf(const QString &id) const;
    // Runs `fill` on the next category form, then presses OK (or Cancel).
    void answerNextForm(const std::function<void(CategoryFormDialog *)> &fill, bool accept = true, int attempts = 0);
    QStringList contextMenuTexts(const QPoint &pos);

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<CategoriesScreen> m_screen;
    QList<MessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    // After a warning, the form that opens again is read and cancelled.
    bool m_cancelReopenedForm = false;
    QString m_reopenedName;
    int m_round = 0;
};

void tst_CategoriesScreen::initTestCase()
{
    TestAppState::redirectSettings();
    // The tree sorts in the locale's collation, which in the C locale of a
    // build machine is plain code point order.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setResponder([this](const MessageBox::Request &request) {
        m_boxes.append(request);
        if (request.icon == QMessageBox::Warning && m_cancelReopenedForm) {
            QTimer::singleShot(0, this, [this] {
                if (auto *form = qobject_cast<CategoryFormDialog *>(QApplication::activeModalWidget())) {
                    m_reopenedName = form->nameField()->text();
                    form->reject();
                }
            });
        }
        return request.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
    });
}

void tst_CategoriesScreen::init()
{
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_cancelReopenedForm = false;
    m_reopenedName.clear();
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    m_screen = std::make_unique<CategoriesScreen>(m_state.get());
    m_screen->resize(600, 500);
    m_screen->show();
    m_screen->reload();
}

void tst_CategoriesScreen::cleanup()
{
    ++m_round;
    m_screen.reset();
    m_state.reset();
}

QString tst_CategoriesScreen::idOf(const QString &name, const QString &parentName) const
{
    const QList<Category> all = m_state->categoryRepository()->findAll();
    const QString parentId = parentName.isEmpty() ? QString() : idOf(parentName);
    for (const Category &category : all) {
        if (category.name == name && category.parentId == parentId)
            return category.id;
    }
    return {};
}

QStringList tst_CategoriesScreen::visibleRows() const
{
    QStringList rows;
    const QAbstractItemModel *model = m_screen->view()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex top = model->index(row, 0);
        rows.append(top.data().toString());
        if (!m_screen->view()->isExpanded(top))
            continue;
        for (int child = 0; child < model->rowCount(top); ++child)
            rows.append(top.data().toString() + QLatin1Char('>') + model->index(child, 0, top).data().toString());
    }
    return rows;
}

QModelIndex tst_CategoriesScreen::rowOf(const QString &id) const
{
    return m_screen->proxy()->mapFromSource(m_screen->model()->indexOf(id));
}

void tst_CategoriesScreen::answerNextForm(const std::function<void(CategoryFormDialog *)> &fill, bool accept,
                                          int attempts)
{
    // The form may open only after a menu closes: look again a little later.
    QTimer::singleShot(attempts == 0 ? 0 : 10, this, [this, fill, accept, attempts, round = m_round] {
        if (round != m_round)
            return;   // left over from an earlier test function
        auto *form = qobject_cast<CategoryFormDialog *>(QApplication::activeModalWidget());
        if (!form) {
            if (attempts < 300)
                answerNextForm(fill, accept, attempts + 1);
            return;
        }
        fill(form);
        if (accept)
            form->accept();
        else
            form->reject();
    });
}

QStringList tst_CategoriesScreen::contextMenuTexts(const QPoint &pos)
{
    QStringList texts;
    QTimer::singleShot(0, this, [&texts] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        menu->close();
    });
    m_screen->onContextMenu(pos);
    return texts;
}

void tst_CategoriesScreen::treeFromRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");    // the name of the row it sits under; empty at the top
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QColor>("typeColour");   // invalid: the view's own
    QTest::addColumn<QString>("taxCode");

    QTest::newRow("parentIsBold") << "Food" << "" << true << "expense" << QColor() << "";
    QTest::newRow("childUnderItsParent") << "Dining" << "Food" << false << "expense" << QColor() << "";
    QTest::newRow("orphanAtTheTop") << "Orphan" << "" << false << "expense" << QColor() << "";
    QTest::newRow("incomeInGreen") << "Salary" << "" << false << "income" << QColor(0, 136, 0) << "";
    QTest::newRow("transferAsStored") << "Moves" << "" << false << "transfer" << QColor() << "";
    QTest::newRow("taxCodeWhenRelevant") << "Charity" << "" << false << "expense" << QColor() << "charitable";
    QTest::newRow("noTaxCodeWhenNotRelevant") << "Stale" << "" << false << "expense" << QColor() << "";
}

void tst_CategoriesScreen::treeFromRows()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(bool, bold);
    QFETCH(QString, type);
    QFETCH(QColor, typeColour);
    QFETCH(QString, taxCode);

    const auto row = [](const char *id, const char *rowName, const char *parentId, CategoryType rowType,
                        bool tax = false, const char *code = "") {
        Category c;
        c.id = QString::fromLatin1(id);
        c.name = QString::fromLatin1(rowName);
        c.parentId = QString::fromLatin1(parentId);
        c.type = rowType;
        c.isTaxRelevant = tax;
        c.taxCategory = QString::fromLatin1(code);
        return c;
    };
    // Children before their parents, as findAll's order by name gives them.
    const QList<Category> rows{row("c2", "Dining", "c1", CategoryType::Expense),
                               row("c1", "Food", "", CategoryType::Expense),
                               row("c3", "Orphan", "gone", CategoryType::Expense),
                               row("c4", "Salary", "", CategoryType::Income),
                               row("c5", "Moves", "", CategoryType::Transfer),
                               row("c6", "Charity", "", CategoryType::Expense, true, "charitable"),
                               row("c7", "Stale", "", CategoryType::Expense, false, "left over")};
    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setCategories(rows);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Category"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tax Code"));

    QModelIndex found;
    for (const Category &c : rows) {
        if (c.name == name)
            found = model.indexOf(c.id);
    }
    QVERIFY(found.isValid());
    QCOMPARE(found.data().toString(), name);
    QCOMPARE(found.parent().data().toString(), parent);
    QCOMPARE(found.data(Qt::FontRole).value<QFont>().bold(), bold);
    const QModelIndex typeCell = found.siblingAtColumn(CategoryTreeModel::TypeColumn);
    QCOMPARE(typeCell.data().toString(), type);
    QCOMPARE(typeCell.data(Qt::ForegroundRole).value<QColor>(), typeColour);
    QCOMPARE(found.siblingAtColumn(CategoryTreeModel::TaxCodeColumn).data().toString(), taxCode);
    QCOMPARE(found.data(CategoryTreeModel::IdRole).toString(), model.categoryAt(found)->id);
}

// Rows from sync may be deleted or name each other as parents; none may
// vanish from the tree or hang it.
void tst_CategoriesScreen::treeLeavesOutDeletedRowsAndBreaksLoops()
{
    const auto row = [](const char *id, const char *parentId, bool deleted = false) {
        Category c;
        c.id = c.name = QString::fromLatin1(id);
        c.parentId = QString::fromLatin1(parentId);
        if (deleted)
            c.deletedAt = QDateTime::currentDateTimeUtc();
        return c;
    };
    CategoryTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setCategories({row("A", "B"), row("B", "A"), row("Self", "Self"), row("Gone", "", true),
                         row("UnderGone", "Gone"), row("A", "")});
    QCOMPARE(model.rowCount(), 3);   // A (with B), Self, UnderGone
    QVERIFY(!model.indexOf(QStringLiteral("Gone")).isValid());
    QCOMPARE(model.indexOf(QStringLiteral("B")).parent(), model.indexOf(QStringLiteral("A")));
    QVERIFY(!model.indexOf(QStringLiteral("A")).parent().isValid());
    QVERIFY(!model.indexOf(QStringLiteral("Self")).parent().isValid());
    QVERIFY(!model.indexOf(QStringLiteral("UnderGone")).parent().isValid());
    QCOMPARE(model.indexOf(QStringLiteral("A")).data(Qt::FontRole).value<QFont>().bold(), true);
}

void tst_CategoriesScreen::topLevelSortsWithoutRegardToCase()
{
    QVERIFY(m_state->categoryService()->create([] {
        Category c;
        c.name = QStringLiteral("aardvark care");
        return c;
    }()).ok());
    const QStringList rows = visibleRows();
    QCOMPARE(rows.value(0), QStringLiteral("aardvark care"));
    QCOMPARE(rows.value(1), QStringLiteral("Business Expenses"));
    QCOMPARE(rows.size(), 30);   // the 29 top-level defaults and the new one, all collapsed
}

void tst_CategoriesScreen::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("subcategoryUnderItsParent") << "hoa" << QStringList{"Housing", "Housing>HOA"};
    QTest::newRow("upperCaseFindsBoth") << "MAINT"
                                        << QStringList{"Housing", "Housing>Maintenance", "Transportation",
                                                       "Transportation>Maintenance"};
    QTest::newRow("parentBringsItsChildren")
        << "utilities"
        << QStringList{"Utilities", "Utilities>Electric", "Utilities>Gas", "Utilities>Internet", "Utilities>Phone",
                       "Utilities>Water"};
    QTest::newRow("middleOfAName") << "/fu" << QStringList{"Transportation", "Transportation>Gas/Fuel"};
    QTest::newRow("nothing") << "zzz" << QStringList{};
}

void tst_CategoriesScreen::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QAbstractItemModelTester tester(m_screen->proxy(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_screen->searchField()->setText(text);
    QCOMPARE(visibleRows(), rows);
}

void tst_CategoriesScreen::clearingTheSearchCollapses()
{
    m_screen->view()->expand(rowOf(idOf(QStringLiteral("Insurance"))));
    m_screen->searchField()->setText(QStringLiteral("gas"));
    QCOMPARE(visibleRows(), (QStringList{"Transportation", "Transportation>Gas/Fuel", "Utilities", "Utilities>Gas"}));
    m_screen->searchField()->clear();
    const QStringList rows = visibleRows();
    QCOMPARE(rows.size(), 29);
    QVERIFY(rows.filter(QStringLiteral(">")).isEmpty());
}

void tst_CategoriesScreen::contextMenuEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("topLevel") << "Housing" << ""
                              << QStringList{"&New Category", "Add &Subcategory", "-", "&Edit", "&Delete"};
    QTest::newRow("subcategory") << "HOA" << "Housing" << QStringList{"&New Category", "-", "&Edit", "&Delete"};
    QTest::newRow("belowTheRows") << "" << "" << QStringList{"&New Category"};
}

void tst_CategoriesScreen::contextMenuEntries()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QStringList, entries);

    QPoint pos(10, m_screen->view()->viewport()->height() - 3);
    if (!name.isEmpty()) {
        const QString id = idOf(name, parent);
        QVERIFY(m_screen->selectCategory(id));
        pos = m_screen->view()->visualRect(rowOf(id)).center();
    } else {
        m_screen->searchField()->setText(QStringLiteral("hoa"));   // two rows, room below
        QVERIFY(!m_screen->view()->indexAt(pos).isValid());
    }
    QCOMPARE(contextMenuTexts(pos), entries);
}

void tst_CategoriesScreen::contextMenuRunsTheChosenEntry()
{
    const QString housing = idOf(QStringLiteral("Housing"));
    const QPoint pos = m_screen->view()->visualRect(rowOf(housing)).center();
    QString title;
    QString parentShown;
    answerNextForm([&](CategoryFormDialog *form) {
        title = form->windowTitle();
        parentShown = form->parentLabel() ? form->parentLabel()->text() : QString();
        form->nameField()->setText(QStringLiteral("Garage"));
    });
    QTimer::singleShot(0, this, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text() == QLatin1String("Add &Subcategory"))
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    m_screen->onContextMenu(pos);
    QCOMPARE(title, QStringLiteral("New Subcategory"));
    QCOMPARE(parentShown, QStringLiteral("Housing"));
    QVERIFY(!idOf(QStringLiteral("Garage"), QStringLiteral("Housing")).isEmpty());
}

void tst_CategoriesScreen::newCategoryThroughTheForm()
{
    QString title;
    bool hasParentRow = true;
    answerNextForm([&](CategoryFormDialog *form) {
        title = form->windowTitle();
        hasParentRow = form->parentLabel() != nullptr;
        form->nameField()->setText(QStringLiteral("  Side Gigs "));
        form->typeCombo()->setCurrentIndex(form->typeCombo()->findText(QStringLiteral("Income")));
        form->taxRelevantBox()->setChecked(true);
        form->taxCodeField()->setText(QStringLiteral("self_employment"));
    });
    m_screen->newButton()->click();

    QCOMPARE(title, QStringLiteral("New Category"));
    QVERIFY(!hasParentRow);
    const QString id = idOf(QStringLiteral("Side Gigs"));
    QVERIFY(!id.isEmpty());
    const Category stored = *m_state->categoryRepository()->findById(id);
    QCOMPARE(stored.type, CategoryType::Income);
    QVERIFY(stored.isTaxRelevant);
    QCOMPARE(stored.taxCategory, QStringLiteral("self_employment"));
    QVERIFY(stored.parentId.isEmpty());
    // The tree shows it at once, current, with its tax code.
    QCOMPARE(m_screen->currentCategoryId(), id);
    QCOMPARE(rowOf(id).siblingAtColumn(CategoryTreeModel::TaxCodeColumn).data().toString(),
             QStringLiteral("self_employment"));
    QCOMPARE(m_state->undoHistory()->undoText(), QStringLiteral("New Category"));
    QVERIFY(m_boxes.isEmpty());
}

void tst_CategoriesScreen::newSubcategory_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("currentParent");

    QTest::newRow("fromTheParent") << "Utilities" << "";
    // From a subcategory the new row goes next to it, under the same parent.
    QTest::newRow("fromASibling") << "Water" << "Utilities";
}

void tst_CategoriesScreen::newSubcategory()
{
    QFETCH(QString, current);
    QFETCH(QString, currentParent);
    const QString utilities = idOf(QStringLiteral("Utilities"));
    QVERIFY(m_screen->selectCategory(idOf(current, currentParent)));
    m_screen->view()->collapseAll();
    QString parentShown;
    answerNextForm([&](CategoryFormDialog *form) {
        parentShown = form->parentLabel()->text();
        form->nameField()->setText(QStringLiteral("Trash Pickup"));
    });
    m_screen->onCreateSubcategory();

    QCOMPARE(parentShown, QStringLiteral("Utilities"));
    const QString id = idOf(QStringLiteral("Trash Pickup"), QStringLiteral("Utilities"));
    QVERIFY(!id.isEmpty());
    QVERIFY(m_screen->view()->isExpanded(rowOf(utilities)));
    QCOMPARE(m_screen->currentCategoryId(), id);
    QCOMPARE(m_state->undoHistory()->undoText(), QStringLiteral("New Subcategory"));
}

void tst_CategoriesScreen::editThroughTheForm()
{
    const QString hoa = idOf(QStringLiteral("HOA"), QStringLiteral("Housing"));
    QVERIFY(m_screen->selectCategory(hoa));
    QString title;
    QString nameShown;
    QString parentShown;
    answerNextForm([&](CategoryFormDialog *form) {
        title = form->windowTitle();
        nameShown = form->nameField()->text();
        parentShown = form->parentLabel()->text();
        form->nameField()->setText(QStringLiteral("HOA Dues"));
        form->taxRelevantBox()->setChecked(true);
        form->taxCodeField()->setText(QStringLiteral("hoa"));
    });
    m_screen->onEditCategory();

    QCOMPARE(title, QStringLiteral("Edit Category"));
    QCOMPARE(nameShown, QStringLiteral("HOA"));
    QCOMPARE(parentShown, QStringLiteral("Housing"));
    const Category stored = *m_state->categoryRepository()->findById(hoa);
    QCOMPARE(stored.name, QStringLiteral("HOA Dues"));
    QCOMPARE(stored.taxCategory, QStringLiteral("hoa"));
    QCOMPARE(stored.parentId, idOf(QStringLiteral("Housing")));
    QCOMPARE(rowOf(hoa).data().toString(), QStringLiteral("HOA Dues"));
    QCOMPARE(m_state->undoHistory()->undoText(), QStringLiteral("Edit Category"));

    // Cancel stores nothing.
    answerNextForm([](CategoryFormDialog *form) { form->nameField()->setText(QStringLiteral("Other")); }, false);
    m_screen->onEditCategory();
    QCOMPARE(m_state->categoryRepository()->findById(hoa)->name, QStringLiteral("HOA Dues"));
}

void tst_CategoriesScreen::editTransferKeepsItsType()
{
    Category transfer;
    transfer.name = QStringLiteral("Between Accounts");
    transfer.type = CategoryType::Transfer;
    const Result<Category> created = m_state->categoryService()->create(transfer);
    QVERIFY(created.ok());
    QVERIFY(m_screen->selectCategory(created->id));
    QStringList types;
    answerNextForm([&](CategoryFormDialog *form) {
        for (int i = 0; i < form->typeCombo()->count(); ++i)
            types.append(form->typeCombo()->itemText(i));
        form->nameField()->setText(QStringLiteral("Transfers"));
    });
    m_screen->onEditCategory();
    QCOMPARE(types, (QStringList{"Expense", "Income", "Transfer"}));
    const Category stored = *m_state->categoryRepository()->findById(created->id);
    QCOMPARE(stored.name, QStringLiteral("Transfers"));
    QCOMPARE(stored.type, CategoryType::Transfer);
}

void tst_CategoriesScreen::duplicateNameIsRefusedAndTheFormKeepsItsText()
{
    const int before = m_state->categoryRepository()->count();
    m_cancelReopenedForm = true;
    answerNextForm([](CategoryFormDialog *form) { form->nameField()->setText(QStringLiteral("housing")); });
    m_screen->onCreateCategory();

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.constFirst().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.constFirst().title, QStringLiteral("New Category"));
    QCOMPARE(m_boxes.constFirst().text, QStringLiteral("There is already a category named \"Housing\"."));
    QCOMPARE(m_reopenedName, QStringLiteral("housing"));
    QCOMPARE(m_state->categoryRepository()->count(), before);
    QVERIFY(!m_state->undoHistory()->canUndo());
}

void tst_CategoriesScreen::undoAndRedoReachTheTree()
{
    answerNextForm([](CategoryFormDialog *form) { form->nameField()->setText(QStringLiteral("Hobbies")); });
    m_screen->onCreateCategory();
    const QString hobbies = idOf(QStringLiteral("Hobbies"));
    QVERIFY(rowOf(hobbies).isValid());

    UndoHistory *undo = m_state->undoHistory();
    QVERIFY(undo->undo().ok());
    QVERIFY(!rowOf(hobbies).isValid());
    QVERIFY(undo->redo().ok());
    QVERIFY(rowOf(hobbies).isValid());

    QVERIFY(m_screen->selectCategory(hobbies));
    answerNextForm([](CategoryFormDialog *form) { form->nameField()->setText(QStringLiteral("Crafts")); });
    m_screen->onEditCategory();
    QCOMPARE(rowOf(hobbies).data().toString(), QStringLiteral("Crafts"));
    QVERIFY(undo->undo().ok());
    QCOMPARE(rowOf(hobbies).data().toString(), QStringLiteral("Hobbies"));
    QVERIFY(undo->redo().ok());
    QCOMPARE(rowOf(hobbies).data().toString(), QStringLiteral("Crafts"));
}

void tst_CategoriesScreen::deleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(QMessageBox::Yes) << false << true;
    QTest::newRow("no") << int(QMessageBox::No) << false << false;
    QTest::newRow("deleteKeyInTheTree") << int(QMessageBox::Yes) << true << true;
}

void tst_CategoriesScreen::deleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, byKey);
    QFETCH(bool, deleted);
    m_answer = QMessageBox::StandardButton(answer);
    const QString utilities = idOf(QStringLiteral("Utilities"));
    const QString gas = idOf(QStringLiteral("Gas"), QStringLiteral("Utilities"));
    QVERIFY(m_screen->selectCategory(utilities));
    if (byKey) {
        QApplication::setActiveWindow(m_screen.get());
        m_screen->view()->setFocus();
        QTRY_VERIFY(m_screen->view()->hasFocus());
        QTest::keyClick(m_screen->view(), Qt::Key_Delete);
    } else {
        m_screen->onDeleteCategory();
    }

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.constFirst().icon, QMessageBox::Question);
    QCOMPARE(m_boxes.constFirst().title, QStringLiteral("Delete Category"));
    QCOMPARE(m_boxes.constFirst().text,
             QStringLiteral("Delete \"Utilities\"? Transactions using this category will become uncategorized."));
    QCOMPARE(m_boxes.constFirst().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(rowOf(utilities).isValid(), !deleted);
    // Its subcategories move up to the top level.
    QCOMPARE(rowOf(gas).parent().isValid(), !deleted);
    QCOMPARE(m_state->undoHistory()->canUndo(), deleted);
    if (deleted) {
        QVERIFY(m_state->undoHistory()->undo().ok());
        QVERIFY(rowOf(utilities).isValid());
        QCOMPARE(rowOf(gas).parent(), rowOf(utilities));
    }
}

void tst_CategoriesScreen::expansionAndCurrentRowSurviveAReload()
{
    const QString housing = idOf(QStringLiteral("Housing"));
    const QString shopping = idOf(QStringLiteral("Shopping"));
    const QString utilities = idOf(QStringLiteral("Utilities"));
    const QString water = idOf(QStringLiteral("Water"), QStringLiteral("Utilities"));
    m_screen->view()->expand(rowOf(housing));
    m_screen->view()->expand(rowOf(shopping));
    m_screen->view()->expand(rowOf(utilities));
    m_screen->view()->collapse(rowOf(shopping));
    QVERIFY(m_screen->selectCategory(water));

    m_screen->reload();
    QVERIFY(m_screen->view()->isExpanded(rowOf(housing)));
    QVERIFY(m_screen->view()->isExpanded(rowOf(utilities)));
    QVERIFY(!m_screen->view()->isExpanded(rowOf(shopping)));
    QCOMPARE(m_screen->currentCategoryId(), water);

    // A change from elsewhere (here the service, as sync or undo would)
    // rebuilds the tree the same way.
    Category pets;
    pets.name = QStringLiteral("Pet Insurance");
    pets.parentId = idOf(QStringLiteral("Insurance"));
    QVERIFY(m_state->categoryService()->create(pets).ok());
    QVERIFY(rowOf(idOf(QStringLiteral("Pet Insurance"), QStringLiteral("Insurance"))).isValid());
    QVERIFY(m_screen->view()->isExpanded(rowOf(housing)));
    QVERIFY(m_screen->view()->isExpanded(rowOf(utilities)));
    QVERIFY(!m_screen->view()->isExpanded(rowOf(idOf(QStringLiteral("Insurance")))));
    QCOMPARE(m_screen->currentCategoryId(), water);
}

void tst_CategoriesScreen::formTaxCode()
{
    Category category;
    category.id = QStringLiteral("c1");
    category.name = QStringLiteral("Charity");
    category.isTaxRelevant = true;
    category.taxCategory = QStringLiteral("charitable_contributions");
    CategoryFormDialog form(category, QString());
    QVERIFY(form.taxCodeField()->isEnabled());
    QVERIFY(form.taxCodeLabel()->isEnabled());
    QCOMPARE(form.taxCodeField()->text(), QStringLiteral("charitable_contributions"));
    QCOMPARE(form.taxRelevantBox()->toolTip(), QStringLiteral("Mark this category for inclusion in tax-time reports."));

    form.taxRelevantBox()->setChecked(false);
    QVERIFY(!form.taxCodeField()->isEnabled());
    QVERIFY(!form.taxCodeLabel()->isEnabled());
    QVERIFY(form.taxCodeField()->text().isEmpty());
    QVERIFY(!form.category().isTaxRelevant);
    QVERIFY(form.category().taxCategory.isEmpty());

    form.taxRelevantBox()->setChecked(true);
    QVERIFY(form.taxCodeField()->isEnabled());
    QVERIFY(form.taxCodeField()->text().isEmpty());
    form.taxCodeField()->setText(QStringLiteral("  gifts  "));
    QCOMPARE(form.category().taxCategory, QStringLiteral("gifts"));
}

void tst_CategoriesScreen::formOkNeedsAName()
{
    CategoryFormDialog form{QString(), QString()};
    QPushButton *ok = form.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    form.nameField()->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    form.accept();   // Return in the name field
    QCOMPARE(form.result(), int(QDialog::Rejected));
    form.nameField()->setText(QStringLiteral("Pets"));
    QVERIFY(ok->isEnabled());
    QCOMPARE(form.nameField()->placeholderText(), QStringLiteral("Category name"));
    QVERIFY(form.minimumWidth() >= 420);
}

void tst_CategoriesScreen::formBuildsTheCategory()
{
    CategoryFormDialog fresh(QStringLiteral("parent-1"), QStringLiteral("Housing"));
    QCOMPARE(fresh.windowTitle(), QStringLiteral("New Subcategory"));
    QVERIFY(fresh.parentLabel()->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    fresh.nameField()->setText(QStringLiteral(" Garage "));
    fresh.typeCombo()->setCurrentIndex(fresh.typeCombo()->findData(QStringLiteral("income")));
    const Category built = fresh.category();
    QVERIFY(built.id.contains(QRegularExpression(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"))));
    QCOMPARE(built.name, QStringLiteral("Garage"));
    QCOMPARE(built.type, CategoryType::Income);
    QCOMPARE(built.parentId, QStringLiteral("parent-1"));
    QVERIFY(built.createdAt.isValid());
    QCOMPARE(built.createdAt.timeSpec(), Qt::UTC);
    QCOMPARE(built.syncStatus, SyncStatus::Pending);
    QVERIFY(fresh.category().id != built.id);

    Category existing;
    existing.id = QStringLiteral("keep-me");
    existing.name = QStringLiteral("Pets");
    existing.type = CategoryType::Income;
    existing.parentId = QStringLiteral("p");
    existing.icon = QStringLiteral("paw");
    existing.createdAt = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    CategoryFormDialog edit(existing, QStringLiteral("Parent"));
    QCOMPARE(edit.typeCombo()->currentData().toString(), QStringLiteral("income"));
    const Category edited = edit.category();
    QCOMPARE(edited.id, existing.id);
    QCOMPARE(edited.createdAt, existing.createdAt);
    QCOMPARE(edited.parentId, existing.parentId);
    QCOMPARE(edited.icon, existing.icon);

    // A name longer than a new one may be (from another device) is kept whole.
    existing.name = QString(CategoryService::kMaxNameLength + 20, QLatin1Char('n'));
    CategoryFormDialog longName(existing, QString());
    QCOMPARE(longName.category().name, existing.name);
}

void tst_CategoriesScreen::menuEntryOpensOneWindow()
{
    m_screen.reset();
    MainWindow window(m_state.get());
    window.show();
    QAction *entry = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == QLatin1String("C&ategories"))
                entry = action;
        }
    }
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    QCOMPARE(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+4")));
    entry->trigger();
    auto *screen = window.findChild<CategoriesScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Categories"));
    QCOMPARE(screen->size(), QSize(600, 500));
    QCOMPARE(screen->model()->rowCount(), 29);

    screen->close();
    entry->trigger();
    QCOMPARE(window.findChildren<CategoriesScreen *>().size(), 1);
    QVERIFY(screen->isVisible());
}

QTEST_MAIN(tst_CategoriesScreen)
#include "tst_categoriesscreen.moc"
