#include "ui/register/tabcompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QStringList kPayees = {QStringLiteral("Green Grocer"), QStringLiteral("Grocer's Market"),
                             QStringLiteral("Hardware Store")};

void configure(QCompleter *completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
}

// A delegate whose line-edit editors complete payees the way the register does.
class PayeeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        auto *completer = new TabCompleter(kPayees, edit);
        configure(completer);
        edit->setCompleter(completer);
        return edit;
    }
};

} // namespace

class tst_TabCompleter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tabAcceptsAndMovesAlongTheRow_data();
    void tabAcceptsAndMovesAlongTheRow();
    void tabMovesToMemoInPayeeMemoEditor();
    void comboBoxTakesExactItemOrText_data();
    void comboBoxTakesExactItemOrText();
    void tabWithoutPopupIsOrdinaryFocusChange();

private:
    void activate(QWidget *window);

    std::unique_ptr<QWidget> m_window;
};

void tst_TabCompleter::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(500, 300);
}

void tst_TabCompleter::cleanup()
{
    m_window.reset();
}

void tst_TabCompleter::activate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void tst_TabCompleter::tabAcceptsAndMovesAlongTheRow_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("nextColumn");

    QTest::newRow("tabFillsSuggestion") << Qt::Key_Tab << Qt::KeyboardModifiers() << 1 << "Grocer's Market" << 2;
    QTest::newRow("backtabGoesBack") << Qt::Key_Backtab << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0
                                     << "Green Grocer" << 0;
    QTest::newRow("nothingHighlightedKeepsText") << Qt::Key_Tab << Qt::KeyboardModifiers() << -1 << "gro" << 2;
}

void tst_TabCompleter::tabAcceptsAndMovesAlongTheRow()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, highlighted);
    QFETCH(QString, stored);
    QFETCH(int, nextColumn);

    QStandardItemModel model(1, 3);
    auto *view = new QTableView(m_window.get());
    view->setModel(&model);
    view->setItemDelegate(new PayeeDelegate(view));
    view->resize(480, 200);
    activate(m_window.get());

    const QModelIndex payee = model.index(0, 1);
    view->setCurrentIndex(payee);
    view->edit(payee);
    auto *edit = qobject_cast<QLineEdit *>(view->indexWidget(payee));
    QVERIFY(edit);
    auto *completer = qobject_cast<TabCompleter *>(edit->completer());
    QVERIFY(completer);
    QSignalSpy activated(completer, qOverload<const QString &>(&QCompleter::activated));

    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    completer->popup()->setCurrentIndex(highlighted >= 0 ? completer->completionModel()->index(highlighted, 0)
                                                         : QModelIndex());
    QTest::keyClick(completer->popup(), key, modifiers);

    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(model.data(payee).toString(), stored);
    QCOMPARE(activated.size(), highlighted >= 0 ? 1 : 0);
    if (highlighted >= 0)
        QCOMPARE(activated.at(0).at(0).toString(), stored);
    QCOMPARE(view->currentIndex(), model.index(0, nextColumn));
    QTRY_VERIFY(view->indexWidget(model.index(0, nextColumn)) != nullptr);
}

void tst_TabCompleter::tabMovesToMemoInPayeeMemoEditor()
{
    auto *editor = new QWidget(m_window.get());
    auto *layout = new QVBoxLayout(editor);
    auto *payee = new QLineEdit(editor);
    auto *memo = new QLineEdit(editor);
    layout->addWidget(payee);
    layout->addWidget(memo);
    auto *completer = new TabCompleter(kPayees, payee);
    configure(completer);
    payee->setCompleter(completer);
    activate(m_window.get());

    payee->setFocus();
    QTest::keyClicks(payee, QStringLiteral("hard"));
    QTRY_VERIFY(completer->popup()->isVisible());
    completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
    QTest::keyClick(completer->popup(), Qt::Key_Tab);

    QCOMPARE(payee->text(), QStringLiteral("Hardware Store"));
    QVERIFY(!completer->popup()->isVisible());
    QTRY_VERIFY(memo->hasFocus());
}

void tst_TabCompleter::comboBoxTakesExactItemOrText_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("exactItem") << QStringList{QStringLiteral("Groceries"), QStringLiteral("Hardware Store")} << 1;
    QTest::newRow("caseDiffers") << QStringList{QStringLiteral("hardware store")} << -1;
}

void tst_TabCompleter::comboBoxTakesExactItemOrText()
{
    QFETCH(QStringList, items);
    QFETCH(int, expectedIndex);

    auto *combo = new QComboBox(m_window.get());
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    auto *completer = new TabCompleter(kPayees, combo);
    configure(completer);
    combo->setCompleter(completer);
    QCOMPARE(completer->widget(), combo);
    activate(m_window.get());

    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("ware"));
    QTRY_VERIFY(completer->popup()->isVisible());
    completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
    QTest::keyClick(completer->popup(), Qt::Key_Tab);

    QCOMPARE(combo->currentText(), QStringLiteral("Hardware Store"));
    if (expectedIndex >= 0)
        QCOMPARE(combo->currentIndex(), expectedIndex);
    else
        QCOMPARE(combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive), -1);
}

void tst_TabCompleter::tabWithoutPopupIsOrdinaryFocusChange()
{
    auto *layout = new QVBoxLayout(m_window.get());
    auto *first = new QLineEdit;
    auto *second = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    auto *completer = new TabCompleter(kPayees, first);
    configure(completer);
    first->setCompleter(completer);
    QSignalSpy activated(completer, qOverload<const QString &>(&QCompleter::activated));
    activate(m_window.get());

    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("zzz"));
    QVERIFY(!completer->popup()->isVisible());
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(second->hasFocus());
    QCOMPARE(first->text(), QStringLiteral("zzz"));
    QCOMPARE(activated.size(), 0);
}

QTEST_MAIN(tst_TabCompleter)
#include "tst_tabcompleter.moc"
