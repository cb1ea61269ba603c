#include "ui/register/registerdelegate.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "ui/register/dateinput.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registercombobox.h"
#include "ui/register/registerlineedit.h"
#include "ui/register/registermodel.h"
#include "ui/register/roweditor.h"
#include "ui/register/smartdateedit.h"
#include "ui/register/tabcompleter.h"
#include "ui/thememanager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace {

constexpr int kTwoLineHeight = 52;
constexpr int kFirstLineHeight = 36;

RegisterModel *registerModel(const QAbstractItemModel *model)
{
    return qobject_cast<RegisterModel *>(const_cast<QAbstractItemModel *>(model));
}

bool isAmountColumn(int column)
{
    return column == RegisterModel::Payment || column == RegisterModel::Deposit
           || column == RegisterModel::Balance;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *appState, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_appState(appState)
{
}

void RegisterDelegate::setRowEditor(RowEditor *rowEditor)
{
    m_rowEditor = rowEditor;
}

QStringList RegisterDelegate::payeeCompletions() const
{
    QStringList items = m_appState->transactionRepository()->distinctPayees();
    m_transferTargets.clear();
    for (const Account &account : m_appState->accountRepository()->findAll()) {
        if (account.id == m_accountId)
            continue;
        const QString entry = tr("[Transfer] %1").arg(account.name);
        // Two accounts of one name offer one entry; the first keeps it.
        if (m_transferTargets.contains(entry))
            continue;
        m_transferTargets.insert(entry, account.id);
        if (!items.contains(entry))
            items.prepend(entry);
    }
    return items;
}

void RegisterDelegate::storePayee(RegisterModel *model, const QString &text) const
{
    using Slot = RegisterModel::EntrySlot;
    // A transfer entry names its account by id; any other new text makes
    // the row a plain transaction again. Unchanged text keeps what the row
    // was, so editing another field of a transfer leaves it a transfer.
    if (const auto target = m_transferTargets.constFind(text.trimmed()); target != m_transferTargets.cend())
        model->setEntryText(Slot::TransferAccountId, *target);
    else if (text != model->entryText(Slot::Payee))
        model->setEntryText(Slot::TransferAccountId, QString());
    model->setEntryText(Slot::Payee, text);
}

int RegisterDelegate::matchCategoryItem(const QComboBox *combo, const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return -1;
    const auto childName = [](const QString &item) {
        const qsizetype arrow = item.lastIndexOf(QLatin1String(" > "));
        return arrow < 0 ? item : item.mid(arrow + 3);
    };
    int prefixMatch = -1;
    int prefixMatches = 0;
    for (int i = 1; i < combo->count(); ++i) {
        const QString item = combo->itemText(i);
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            return i;
        if (item.startsWith(text, Qt::CaseInsensitive) || childName(item).startsWith(text, Qt::CaseInsensitive)) {
            prefixMatch = i;
            ++prefixMatches;
        }
    }
    // An exact child name wins over prefixes ("Gas" over "Gas & Fuel").
    for (int i = 1; i < combo->count(); ++i) {
        if (childName(combo->itemText(i)).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return prefixMatches == 1 ? prefixMatch : -1;
}

void RegisterDelegate::autoFillFromPayee(RegisterModel *model, const QString &payee, QWidget *editor) const
{
    if (!model || payee.isEmpty() || model->isAutoFilled())
        return;
    const std::optional<Transaction> last = m_appState->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return;
    // Once per entry, and never over what the person typed.
    model->setAutoFilled(true);
    using Slot = RegisterModel::EntrySlot;
    if (!model->isTouched(Slot::Payment) && !model->isTouched(Slot::Deposit)) {
        if (last->amount < 0) {
            model->setEntryText(Slot::Payment, model->amountText(last->amount).mid(1));
            model->setEntryText(Slot::Deposit, QString());
        } else {
            model->setEntryText(Slot::Deposit, model->amountText(last->amount));
            model->setEntryText(Slot::Payment, QString());
        }
    }
    if (!last->categoryId.isEmpty() && !model->isTouched(Slot::Category)) {
        if (const std::optional<Category> category = m_appState->categoryRepository()->findById(last->categoryId)) {
            model->setEntryText(Slot::Category, category->name);
            model->setEntryText(Slot::CategoryId, category->id);
        }
    }
    if (!last->memo.isEmpty() && !model->isTouched(Slot::Memo)) {
        model->setEntryText(Slot::Memo, last->memo);
        if (auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(editor))
            payeeMemo->memoEdit()->setText(last->memo);
    }
    model->refreshRow(model->newRowPosition());
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_twoLineMode) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const int column = index.column();
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    QColor secondLine = opt.palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base);

    QRect top = opt.rect;
    top.setHeight(qMin(kFirstLineHeight, opt.rect.height()));
    // The row being typed keeps its tint across both lines.
    if (const RegisterModel *model = registerModel(index.model())) {
        const int editRow = model->editRow();
        if (index.row() == editRow || (editRow < 0 && model->isNewRow(index.row()))) {
            secondLine = QColor(isDarkPalette() ? "#1A2E28" : "#E8F5E9");
            if (!selected)
                painter->fillRect(opt.rect, secondLine);
        }
    }
    if (column == RegisterModel::Payee) {
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    } else {
        QStyleOptionViewItem topOpt = opt;
        topOpt.rect = top;
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &topOpt, painter, widget);
        painter->fillRect(QRect(opt.rect.left(), top.bottom() + 1, opt.rect.width(), opt.rect.height() - top.height()),
                          secondLine);
    }

    QColor textColor = opt.palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (selected)
        textColor = opt.palette.color(QPalette::HighlightedText);
    else if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        textColor = foreground.value<QColor>();
    else if (foreground.canConvert<QBrush>())
        textColor = foreground.value<QBrush>().color();
    if (column == RegisterModel::Balance && !selected) {
        QString plain = text;
        plain.remove(QLatin1Char('$')).remove(QLatin1Char(',')).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        bool ok = false;
        const double value = plain.trimmed().toDouble(&ok);
        if ((ok && value < 0) || text.contains(QLatin1Char('(')))
            textColor = negativeColor();
    }

    Qt::Alignment horizontal = Qt::AlignLeft;
    if (isAmountColumn(column))
        horizontal = Qt::AlignRight;
    else if (column == RegisterModel::Cleared)
        horizontal = Qt::AlignHCenter;

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(textColor);
    const QRect firstLine = top.adjusted(4, 0, -4, 0);
    painter->drawText(firstLine, int(horizontal | Qt::AlignVCenter),
                      opt.fontMetrics.elidedText(text, Qt::ElideRight, firstLine.width()));

    if (column == RegisterModel::Payee || column == RegisterModel::Category) {
        const QString memo = index.siblingAtColumn(RegisterModel::Memo).data(Qt::DisplayRole).toString();
        const RegisterModel *model = registerModel(index.model());
        // The blank new row shows the column title as a placeholder; no memo there.
        const bool placeholder = model && model->editRow() < 0 && model->isNewRow(index.row())
                                 && model->entryText(RegisterModel::EntrySlot::Memo).isEmpty();
        if (!memo.isEmpty() && !placeholder) {
            QFont italic = opt.font;
            italic.setItalic(true);
            italic.setPointSizeF(qMax(7.0, (italic.pointSizeF() > 0 ? italic.pointSizeF() : 10.0) - 1.0));
            const QFontMetrics metrics(italic);
            painter->setFont(italic);
            painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : mutedTextColor());
            painter->setClipRect(opt.rect);
            QRect second(opt.rect.left() + 4, top.bottom() + 1, opt.rect.width() - 8,
                         opt.rect.bottom() - top.bottom());
            QString shown = memo;
            if (column == RegisterModel::Category) {
                // Drawn from the payee's left edge and clipped to this cell, so
                // a long memo runs on from the payee cell under the category.
                const auto *table = qobject_cast<const QTableView *>(widget);
                if (table) {
                    const int payeeLeft = table->horizontalHeader()->sectionViewportPosition(RegisterModel::Payee);
                    second.setLeft(payeeLeft + 4);
                    second.setRight(opt.rect.right() - 4);
                }
                shown = metrics.elidedText(memo, Qt::ElideRight, second.width());
            }
            painter->drawText(second, int(Qt::AlignLeft | Qt::AlignVCenter), shown);
        }
    }
    painter->restore();
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLineMode)
        size.setHeight(kTwoLineHeight);
    return size;
}

QWidget *RegisterDelegate::createPayeeEditor(QWidget *parent, int row) const
{
    const RegisterModel *model = nullptr;
    if (auto *view = qobject_cast<QAbstractItemView *>(parent ? parent->parentWidget() : nullptr))
        model = registerModel(view->model());

    RegisterLineEdit *payee = nullptr;
    QWidget *editor = nullptr;
    if (m_twoLineMode) {
        auto *payeeMemo = new PayeeMemoEditor(parent);
        payee = payeeMemo->payeeEdit();
        editor = payeeMemo;
    } else {
        payee = new RegisterLineEdit(parent);
        payee->setFocusPolicy(Qt::ClickFocus);
        editor = payee;
    }
    auto *completer = new TabCompleter(payeeCompletions(), payee);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    payee->setCompleter(completer);

    connect(completer, qOverload<const QString &>(&QCompleter::activated), editor,
            [this, model, row, editor](const QString &text) {
                if (model && model->isNewRow(row))
                    autoFillFromPayee(const_cast<RegisterModel *>(model), text.trimmed(), editor);
            });
    return editor;
}

QWidget *RegisterDelegate::createCategoryEditor(QWidget *parent) const
{
    auto *combo = new RegisterComboBox(parent);
    combo->setFocusPolicy(Qt::ClickFocus);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItem(QString(), QString());
    const QList<Category> categories = m_appState->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    for (const Category &category : categories) {
        const QString parentName = category.parentId.isEmpty() ? QString() : names.value(category.parentId);
        const QString text = parentName.isEmpty() ? category.name : tr("%1 > %2").arg(parentName, category.name);
        combo->addItem(text, category.id);
    }
    auto *completer = new TabCompleter(combo->model(), combo);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    combo->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), combo, [combo](const QString &text) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
    });
    return combo;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    QWidget *editor = makeEditor(parent, index);
    if (editor && m_rowEditor)
        m_rowEditor->adopt(editor);
    return editor;
}

QWidget *RegisterDelegate::makeEditor(QWidget *parent, const QModelIndex &index) const
{
    switch (index.column()) {
    case RegisterModel::Date: {
        auto *edit = new SmartDateEdit(parent);
        edit->setFocusPolicy(Qt::ClickFocus);
        return edit;
    }
    case RegisterModel::Payee:
        return createPayeeEditor(parent, index.row());
    case RegisterModel::Category:
        return createCategoryEditor(parent);
    case RegisterModel::Balance:
        return nullptr;
    default:
        break;
    }
    auto *edit = new RegisterLineEdit(parent);
    edit->setFocusPolicy(Qt::ClickFocus);
    if (index.column() == RegisterModel::Payment || index.column() == RegisterModel::Deposit)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() == RegisterModel::Cleared) {
        edit->setMaxLength(1);
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate parsed = RegisterModel::dateFromText(value);
        if (parsed.isValid())
            date->setDate(parsed);
    } else if (auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(editor)) {
        payeeMemo->payeeEdit()->setText(value);
        payeeMemo->memoEdit()->setText(index.siblingAtColumn(RegisterModel::Memo).data(Qt::EditRole).toString());
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int item = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setCurrentText(value);
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(value);
    }
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    RegisterModel *registerModelPtr = registerModel(model);
    const bool newRow = registerModelPtr && registerModelPtr->isNewRow(index.row());
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        // A text that is no date stays as typed, so the commit refuses it
        // instead of storing some other day.
        const QDate parsed = parseDateText(date->text(), QDate());
        model->setData(index, parsed.isValid() ? RegisterModel::dateText(parsed) : date->text().trimmed(),
                       Qt::EditRole);
    } else if (auto *payeeMemo = qobject_cast<PayeeMemoEditor *>(editor)) {
        if (!registerModelPtr)
            return;
        const QString memo = payeeMemo->memoEdit()->text();
        const QString payee = payeeMemo->payeeEdit()->text();
        using Slot = RegisterModel::EntrySlot;
        if (memo != registerModelPtr->entryText(Slot::Memo)) {
            registerModelPtr->setEntryText(Slot::Memo, memo);
            registerModelPtr->markTouched(Slot::Memo);
        }
        storePayee(registerModelPtr, payee);
        registerModelPtr->refreshRow(index.row());
        if (newRow)
            autoFillFromPayee(registerModelPtr, payee.trimmed(), editor);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // A half-typed name takes the one category it can only mean; a text
        // that is no category's keeps no id, and the commit refuses it.
        const int item = matchCategoryItem(combo, combo->currentText());
        model->setData(index, item >= 0 ? combo->itemText(item) : combo->currentText(), Qt::EditRole);
        if (registerModelPtr)
            registerModelPtr->setEntryText(RegisterModel::EntrySlot::CategoryId,
                                           item >= 0 ? combo->itemData(item).toString() : QString());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (index.column() == RegisterModel::Payee && registerModelPtr) {
            storePayee(registerModelPtr, line->text());
            registerModelPtr->refreshRow(index.row());
        } else {
            model->setData(index, line->text(), Qt::EditRole);
        }
        if (index.column() == RegisterModel::Payee && newRow)
            autoFillFromPayee(registerModelPtr, line->text().trimmed(), editor);
    }
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    if (!m_twoLineMode)
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    QRect rect = option.rect;
    if (index.column() != RegisterModel::Payee)
        rect.setHeight(qMin(kFirstLineHeight, rect.height()));
    editor->setGeometry(rect);
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (m_rowEditor && event->type() == QEvent::KeyPress)
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}
