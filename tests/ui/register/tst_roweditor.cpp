#include "common/testappstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/uuids.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registerlineedit.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/register/roweditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Field = RowEditor::Field;
using Slot = RegisterModel::EntrySlot;

Q_DECLARE_METATYPE(RowEditor::Field)

char *toString(const RowEditor::Field &field)
{
    return QTest::toString(QStringLiteral("column %1%2").arg(field.column).arg(field.memoLine ? " (memo line)" : ""));
}

// The rows a register shows: a plain transaction, a split one, and the new row.
enum class RowKind { Stored, Split, New };

namespace {

Field at(int column, bool memoLine = false)
{
    return {column, memoLine};
}

} // namespace

Q_DECLARE_METATYPE(RowKind)

// The row editor on a register table of its own, wired as the register
// screen wires it: the delegate hands it its editors, and a row whose cell
// Enter opens becomes the row edited.
class tst_RowEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void focusChain_data();
    void focusChain();
    void leavingAFieldWritesItBack_data();
    void leavingAFieldWritesItBack();
    void tabWithCompletionListOpen_data();
    void tabWithCompletionListOpen();
    void commandsFromInsideAnEditor_data();
    void commandsFromInsideAnEditor();

private:
    void setTwoLine(bool on);
    int rowOf(RowKind kind) const;
    // Makes `field` of the row current, with its editor open when asked.
    void startAt(RowKind kind, const Field &field, bool editing);
    QWidget *focus() const { return QApplication::focusWidget(); }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<RegisterModel> m_model;
    RegisterTableView *m_view = nullptr;
    RegisterDelegate *m_delegate = nullptr;
    RowEditor *m_rowEditor = nullptr;
};

void tst_RowEditor::initTestCase()
{
    TestAppState::redirectSettings();
    qRegisterMetaType<RowEditor::Field>();
}

void tst_RowEditor::init()
{
    Clock::setToday(QDate(2024, 6, 15));
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->initialize());
    Account savings;
    savings.id = newUuid();
    savings.name = QStringLiteral("Savings");
    savings.createdAt = savings.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->accountRepository()->insert(savings));

    m_model = std::make_unique<RegisterModel>();
    QList<RegisterRow> rows(2);
    for (int i = 0; i < 2; ++i) {
        rows[i].id = newUuid();
        rows[i].date = QDate(2024, 5, 1 + i);
        rows[i].payee = i == 0 ? QStringLiteral("Landlord") : QStringLiteral("Market");
        rows[i].amount = -1000;
        rows[i].isSplit = i == 1;
    }
    m_model->setRows(rows);

    m_window = std::make_unique<QWidget>();
    m_window->resize(1400, 400);
    auto *layout = new QVBoxLayout(m_window.get());
    m_view = new RegisterTableView;
    layout->addWidget(m_view);
    m_delegate = new RegisterDelegate(m_state.get(), m_view);
    m_view->setModel(m_model.get());
    m_view->setItemDelegate(m_delegate);
    m_view->setTabKeyNavigation(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_view->verticalHeader()->setDefaultSectionSize(52);
    m_rowEditor = new RowEditor(m_view, m_model.get(), m_view);
    m_delegate->setRowEditor(m_rowEditor);
    connect(m_rowEditor, &RowEditor::rowEditRequested, m_rowEditor, [this](int row) {
        if (row != m_model->editRow() && m_model->loadEntry(row))
            m_model->setEditRow(row);
    });

    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_RowEditor::cleanup()
{
    m_window.reset();
    m_model.reset();
    m_state.reset();
    Clock::setToday(QDate());
}

void tst_RowEditor::setTwoLine(bool on)
{
    m_delegate->setTwoLineMode(on);
    m_model->setTwoLineMode(on);
    m_view->setColumnHidden(RegisterModel::Memo, on);
}

int tst_RowEditor::rowOf(RowKind kind) const
{
    switch (kind) {
    case RowKind::Stored:
        return 0;
    case RowKind::Split:
        return 1;
    case RowKind::New:
        break;
    }
    return m_model->newRowPosition();
}

void tst_RowEditor::startAt(RowKind kind, const Field &field, bool editing)
{
    const int row = rowOf(kind);
    if (kind != RowKind::New) {
        QVERIFY(m_model->loadEntry(row));
        m_model->setEditRow(row);
    }
    const QModelIndex index = m_model->index(row, field.column);
    m_view->setCurrentIndex(index);
    m_view->setFocus();
    if (!editing) {
        QCOMPARE(focus(), m_view);
        return;
    }
    m_view->edit(index);
    QVERIFY(m_rowEditor->editor());
    if (field.memoLine) {
        auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(m_rowEditor->editor());
        QVERIFY(payeeMemo);
        payeeMemo->memoEdit()->setFocus();
    }
    QCOMPARE(m_rowEditor->currentField(), field);
}

void tst_RowEditor::focusChain_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<int>("hiddenColumn");    // -1: none
    QTest::addColumn<RowKind>("row");
    QTest::addColumn<Field>("from");
    QTest::addColumn<bool>("editing");          // from inside the field's editor, else from the table
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Field>("to");
    QTest::addColumn<bool>("opened");           // an editor is open on `to`

    using M = RegisterModel;
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers shift(Qt::ShiftModifier);
    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    const int enter = Qt::Key_Return;
    const int escape = Qt::Key_Escape;
    const auto row = [](const char *name, bool twoLine, int hidden, RowKind kind, Field from, bool editing, int key,
                        Qt::KeyboardModifiers modifiers, Field to, bool opened) {
        QTest::newRow(name) << twoLine << hidden << kind << from << editing << key << modifiers << to << opened;
    };

    row("dateTabToCheckNumber", false, -1, RowKind::New, at(M::Date), true, tab, none, at(M::CheckNumber), true);
    row("payeeTabToCategory", false, -1, RowKind::New, at(M::Payee), true, tab, none, at(M::Category), true);
    row("categoryTabToMemo", false, -1, RowKind::New, at(M::Category), true, tab, none, at(M::Memo), true);
    row("memoTabToPayment", false, -1, RowKind::New, at(M::Memo), true, tab, none, at(M::Payment), true);
    row("depositTabToCleared", false, -1, RowKind::New, at(M::Deposit), true, tab, none, at(M::Cleared), true);
    row("clearedTabGoesNoFurther", false, -1, RowKind::New, at(M::Cleared), true, tab, none, at(M::Cleared), false);
    row("checkNumberBacktabToDate", false, -1, RowKind::New, at(M::CheckNumber), true, backtab, shift, at(M::Date),
        true);
    row("shiftTabGoesBackToo", false, -1, RowKind::New, at(M::CheckNumber), true, tab, shift, at(M::Date), true);
    row("dateBacktabGoesNoFurther", false, -1, RowKind::New, at(M::Date), true, backtab, shift, at(M::Date), false);
    row("payeeEnterToCategory", false, -1, RowKind::New, at(M::Payee), true, enter, none, at(M::Category), true);
    row("payeeEscapeStays", false, -1, RowKind::New, at(M::Payee), true, escape, none, at(M::Payee), false);
    row("hiddenColumnSkipped", false, M::CheckNumber, RowKind::New, at(M::Date), true, tab, none, at(M::Payee), true);
    row("hiddenColumnSkippedBack", false, M::CheckNumber, RowKind::New, at(M::Payee), true, backtab, shift,
        at(M::Date), true);
    row("tableTabOpensNext", false, -1, RowKind::New, at(M::Payee), false, tab, none, at(M::Category), true);
    row("tableBacktabOpensPrevious", false, -1, RowKind::New, at(M::Payee), false, backtab, shift,
        at(M::CheckNumber), true);
    row("tableEnterOpensTheCell", false, -1, RowKind::Stored, at(M::Payee), false, enter, none, at(M::Payee), true);
    row("tableTabOnClearedStays", false, -1, RowKind::New, at(M::Cleared), false, tab, none, at(M::Cleared), false);

    row("twoLineCheckNumberTabToPayeeLine", true, -1, RowKind::New, at(M::CheckNumber), true, tab, none,
        at(M::Payee), true);
    row("twoLinePayeeTabToMemoLine", true, -1, RowKind::New, at(M::Payee), true, tab, none, at(M::Payee, true), true);
    row("twoLineMemoLineTabToCategory", true, -1, RowKind::New, at(M::Payee, true), true, tab, none, at(M::Category),
        true);
    row("twoLineMemoLineBacktabToPayeeLine", true, -1, RowKind::New, at(M::Payee, true), true, backtab, shift,
        at(M::Payee), true);
    row("twoLinePayeeBacktabToCheckNumber", true, -1, RowKind::New, at(M::Payee), true, backtab, shift,
        at(M::CheckNumber), true);
    row("twoLineCategoryBacktabToMemoLine", true, -1, RowKind::New, at(M::Category), true, backtab, shift,
        at(M::Payee, true), true);
    row("twoLineTableBacktabToMemoLine", true, -1, RowKind::New, at(M::Category), false, backtab, shift,
        at(M::Payee, true), true);
    row("twoLinePayeeEnterToCategory", true, -1, RowKind::New, at(M::Payee), true, enter, none, at(M::Category),
        true);
    row("twoLineMemoLineEnterToCategory", true, -1, RowKind::New, at(M::Payee, true), true, enter, none,
        at(M::Category), true);
    row("twoLineMemoLineEscapeStays", true, -1, RowKind::New, at(M::Payee, true), true, escape, none, at(M::Payee),
        false);

    // A split transaction's category and amounts are no fields to type in:
    // the keys stop there without an editor and go on from there.
    row("splitPayeeTabToCategory", false, -1, RowKind::Split, at(M::Payee), true, tab, none, at(M::Category), false);
    row("splitCategoryTabToMemo", false, -1, RowKind::Split, at(M::Category), false, tab, none, at(M::Memo), true);
    row("splitCategoryEnterToMemo", false, -1, RowKind::Split, at(M::Category), false, enter, none, at(M::Memo),
        true);
    row("splitMemoBacktabToCategory", false, -1, RowKind::Split, at(M::Memo), true, backtab, shift, at(M::Category),
        false);
    row("splitPaymentTabToDeposit", false, -1, RowKind::Split, at(M::Payment), false, tab, none, at(M::Deposit),
        false);
    row("splitDepositTabToCleared", false, -1, RowKind::Split, at(M::Deposit), false, tab, none, at(M::Cleared),
        true);
    row("splitClearedBacktabToDeposit", false, -1, RowKind::Split, at(M::Cleared), true, backtab, shift,
        at(M::Deposit), false);
}

void tst_RowEditor::focusChain()
{
    QFETCH(bool, twoLine);
    QFETCH(int, hiddenColumn);
    QFETCH(RowKind, row);
    QFETCH(Field, from);
    QFETCH(bool, editing);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Field, to);
    QFETCH(bool, opened);

    setTwoLine(twoLine);
    if (hiddenColumn >= 0)
        m_view->setColumnHidden(hiddenColumn, true);
    startAt(row, from, editing);
    QSignalSpy saves(m_rowEditor, &RowEditor::saveRequested);

    QTest::keyClick(focus(), Qt::Key(key), modifiers);

    QCOMPARE(m_rowEditor->currentField(), to);
    QCOMPARE(m_view->currentIndex().row(), rowOf(row));
    QWidget *editor = m_rowEditor->editor();
    QCOMPARE(editor != nullptr, opened);
    // The keyboard goes on from there: into the open editor, else the table.
    if (opened)
        QVERIFY(editor == focus() || editor->isAncestorOf(focus()));
    else
        QCOMPARE(focus(), m_view);
    QCOMPARE(saves.size(), 0);
}

void tst_RowEditor::leavingAFieldWritesItBack_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("kept");

    QTest::newRow("tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << "Cafe";
    QTest::newRow("backtab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "Cafe";
    QTest::newRow("enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "Cafe";
    QTest::newRow("escapeDropsIt") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << "";
}

void tst_RowEditor::leavingAFieldWritesItBack()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, kept);

    startAt(RowKind::New, at(RegisterModel::Payee), true);
    QTest::keyClicks(focus(), QStringLiteral("Cafe"));
    QCOMPARE(m_model->entryText(Slot::Payee), QString());
    QTest::keyClick(focus(), Qt::Key(key), modifiers);
    QCOMPARE(m_model->entryText(Slot::Payee), kept);
}

void tst_RowEditor::tabWithCompletionListOpen_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Field>("to");

    using M = RegisterModel;
    QTest::newRow("tab") << false << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << at(M::Category);
    QTest::newRow("backtab") << false << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << at(M::CheckNumber);
    QTest::newRow("twoLineTab") << true << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << at(M::Payee, true);
    QTest::newRow("twoLineBacktab") << true << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                    << at(M::CheckNumber);
}

void tst_RowEditor::tabWithCompletionListOpen()
{
    QFETCH(bool, twoLine);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Field, to);

    setTwoLine(twoLine);
    startAt(RowKind::New, at(RegisterModel::Payee), true);
    auto *payee = qobject_cast<QLineEdit *>(focus());
    QVERIFY(payee);
    QTest::keyClicks(payee, QStringLiteral("sav"));
    QCompleter *completer = payee->completer();
    QTRY_VERIFY(completer->popup()->isVisible());
    completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));

    // The list takes the keys while it is open.
    QTest::keyClick(completer->popup(), Qt::Key(key), modifiers);

    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(payee->text(), QStringLiteral("[Transfer] Savings"));
    QCOMPARE(m_rowEditor->currentField(), to);
    QVERIFY(m_rowEditor->editor());
}

void tst_RowEditor::commandsFromInsideAnEditor_data()
{
    QTest::addColumn<RowKind>("row");
    QTest::addColumn<Field>("field");
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("request");   // the signal asked for; empty: none, the editor keeps the key

    using M = RegisterModel;
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    const Qt::KeyboardModifiers alt(Qt::AltModifier);
    const auto row = [](const char *name, RowKind kind, Field field, bool twoLine, const char *typed, int key,
                        Qt::KeyboardModifiers modifiers, const char *request) {
        QTest::newRow(name) << kind << field << twoLine << QString(typed) << key << modifiers << QString(request);
    };

    row("ctrlReturnSaves", RowKind::New, at(M::Payee), false, "Cafe", Qt::Key_Return, ctrl, "saveRequested");
    row("keypadCtrlEnterSaves", RowKind::New, at(M::Payee), false, "Cafe", Qt::Key_Enter,
        ctrl | Qt::KeypadModifier, "saveRequested");
    row("enterOnLastFieldSaves", RowKind::New, at(M::Cleared), false, "c", Qt::Key_Return, none, "saveRequested");
    row("ctrlDDeletes", RowKind::Stored, at(M::Payee), false, "", Qt::Key_D, ctrl, "deleteRequested");
    row("ctrlDFromMemoLineDeletes", RowKind::New, at(M::Payee, true), true, "memo", Qt::Key_D, ctrl,
        "deleteRequested");
    row("ctrlIInserts", RowKind::Stored, at(M::Memo), false, "", Qt::Key_I, ctrl, "insertRequested");
    row("ctrlNOpensNewTransaction", RowKind::New, at(M::Date), false, "", Qt::Key_N, ctrl,
        "newTransactionRequested");
    row("ctrlEEditsInDialog", RowKind::Stored, at(M::Payee), false, "", Qt::Key_E, ctrl, "editInDialogRequested");
    row("ctrlEEditsNewRowInDialog", RowKind::New, at(M::Payee), false, "Cafe", Qt::Key_E, ctrl,
        "editInDialogRequested");
    row("ctrlShiftEIsTheEditors", RowKind::Stored, at(M::Payee), false, "", Qt::Key_E,
        ctrl | Qt::ShiftModifier, "");
    row("altReturnShowsDetails", RowKind::Stored, at(M::Memo), false, "", Qt::Key_Return, alt, "detailsRequested");
    row("altReturnOnNewRowIsNothing", RowKind::New, at(M::Memo), false, "", Qt::Key_Return, alt, "");
    row("ctrlMMemorizes", RowKind::Stored, at(M::Payee), false, "", Qt::Key_M, ctrl, "memorizeRequested");
    row("ctrlMOnNewRowIsNothing", RowKind::New, at(M::Payee), false, "Cafe", Qt::Key_M, ctrl, "");
    row("apostropheInEmptyFieldCopies", RowKind::New, at(M::Payee), false, "", Qt::Key_Apostrophe, none,
        "copyFromAboveRequested");
    row("apostropheAfterTextIsText", RowKind::New, at(M::Payee), false, "Kids", Qt::Key_Apostrophe, none, "");
    row("apostropheOnEmptyMemoLineCopies", RowKind::New, at(M::Payee, true), true, "", Qt::Key_Apostrophe, none,
        "copyFromAboveRequested");
}

void tst_RowEditor::commandsFromInsideAnEditor()
{
    QFETCH(RowKind, row);
    QFETCH(Field, field);
    QFETCH(bool, twoLine);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, request);

    setTwoLine(twoLine);
    startAt(row, field, true);
    if (!typed.isEmpty())
        QTest::keyClicks(focus(), typed);
    auto *line = qobject_cast<QLineEdit *>(focus());
    QVERIFY(line);
    const QString before = line->text();

    // Every request the row editor makes, by name.
    QMap<QString, std::shared_ptr<QSignalSpy>> spies;
    const QMetaObject *meta = m_rowEditor->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            spies.insert(QString::fromLatin1(method.name()), std::make_shared<QSignalSpy>(m_rowEditor, method));
    }
    QVERIFY(request.isEmpty() || spies.contains(request));

    QTest::keyClick(line, Qt::Key(key), modifiers);

    for (auto spy = spies.cbegin(); spy != spies.cend(); ++spy)
        QCOMPARE(qMakePair(spy.key(), int(spy.value()->size())), qMakePair(spy.key(), spy.key() == request ? 1 : 0));
    const int rowNumber = rowOf(row);
    if (!request.isEmpty()) {
        const QList<QVariant> arguments = spies.value(request)->at(0);
        // A request about a row names the row the editor is in.
        if (!arguments.isEmpty())
            QCOMPARE(arguments.at(0).toInt(), rowNumber);
        return;
    }
    // The key was the editor's, which is still open on the field.
    QCOMPARE(m_rowEditor->currentField(), field);
    QVERIFY(m_rowEditor->editor());
    if (key == Qt::Key_Apostrophe)
        QCOMPARE(line->text(), before + QLatin1Char('\''));
}

QTEST_MAIN(tst_RowEditor)
#include "tst_roweditor.moc"
