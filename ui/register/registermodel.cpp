#include "ui/register/registermodel.h"

#include "data/clock.h"
#include "data/money.h"
#include "ui/register/registerroles.h"
#include "ui/thememanager.h"

#include <QCollator>
#include <QColor>

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// One row's place in a sort: its key for the chosen column, its date for
// ties, and where it stands now.
struct SortItem
{
    qint64 key;
    qint64 day;
    int index;
};

// Ranks the distinct texts of one column in the collation order that
// QString::localeAwareCompare uses, so the sort itself compares integers.
// Texts the collator finds equal share a rank. Payees, categories and memos
// repeat a lot, so each distinct text is collated once.
template <typename Field>
void rankTexts(const QList<RegisterRow> &rows, Field field, std::vector<SortItem> &items)
{
    QHash<QString, int> distinctIndex;
    std::vector<const QString *> distinct;
    std::vector<int> rowDistinct(items.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &text = field(rows.at(i));
        auto it = distinctIndex.constFind(text);
        if (it == distinctIndex.constEnd()) {
            it = distinctIndex.insert(text, int(distinct.size()));
            distinct.push_back(&text);
        }
        rowDistinct[size_t(i)] = it.value();
    }

    const QCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(distinct.size());
    for (const QString *text : distinct)
        keys.push_back(collator.sortKey(*text));

    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });

    std::vector<qint64> rank(distinct.size());
    qint64 current = 0;
    for (size_t j = 0; j < order.size(); ++j) {
        if (j > 0 && keys[size_t(order[j])].compare(keys[size_t(order[j - 1])]) != 0)
            ++current;
        rank[size_t(order[j])] = current;
    }
    for (size_t i = 0; i < items.size(); ++i)
        items[i].key = rank[size_t(rowDistinct[i])];
}

qint64 sortKey(const RegisterRow &row, int column)
{
    switch (column) {
    case RegisterModel::Date:
        return row.date.toJulianDay();
    case RegisterModel::Payment:
        if (row.amount >= 0)
            return -1;
        return row.amount == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                 : -row.amount;
    case RegisterModel::Deposit:
        return row.amount > 0 ? row.amount : -1;
    case RegisterModel::Cleared:
        return row.reconciled ? 2 : row.cleared ? 1 : 0;
    case RegisterModel::Balance:
        return row.runningBalance;
    default:
        return 0;
    }
}

QString clearedMark(const Transaction &t)
{
    if (t.reconciled)
        return QStringLiteral("R");
    return t.cleared ? QStringLiteral("C") : QString();
}

bool isAmountColumn(int column)
{
    return column == RegisterModel::Payment || column == RegisterModel::Deposit
           || column == RegisterModel::Balance;
}

// Reads up to four digits; false when there are none or more.
bool readNumber(QStringView text, qsizetype &pos, int &value, int &digits)
{
    value = 0;
    digits = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128) {
        if (++digits > 4)
            return false;
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    return digits > 0;
}

int columnAlignment(int column)
{
    if (isAmountColumn(column))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (column == RegisterModel::Cleared)
        return int(Qt::AlignCenter);
    return int(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + 1;
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::newRowPosition() const
{
    return m_sortColumn == Date && m_sortOrder == Qt::DescendingOrder ? 0 : int(m_rows.size());
}

int RegisterModel::transactionIndex(int viewRow) const
{
    const int newRow = newRowPosition();
    if (viewRow < 0 || viewRow == newRow)
        return -1;
    const int index = newRow == 0 ? viewRow - 1 : viewRow;
    return index < m_rows.size() ? index : -1;
}

int RegisterModel::viewRowOfTransaction(int transactionIndex) const
{
    if (transactionIndex < 0 || transactionIndex >= m_rows.size())
        return -1;
    return newRowPosition() == 0 ? transactionIndex + 1 : transactionIndex;
}

const RegisterRow *RegisterModel::rowAt(int viewRow) const
{
    const int index = transactionIndex(viewRow);
    return index < 0 ? nullptr : &m_rows.at(index);
}

int RegisterModel::rowForId(const QString &id) const
{
    if (id.isEmpty())
        return -1;
    if (!m_indexByIdValid) {
        m_indexById.clear();
        m_indexById.reserve(m_rows.size());
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            if (!m_rows.at(i).id.isEmpty())
                m_indexById.insert(m_rows.at(i).id, int(i));
        }
        m_indexByIdValid = true;
    }
    const auto it = m_indexById.constFind(id);
    return it == m_indexById.constEnd() ? -1 : viewRowOfTransaction(it.value());
}

QString RegisterModel::columnTitle(int column) const
{
    switch (column) {
    case Date: return tr("Date");
    case CheckNumber: return tr("Chk #");
    case Payee: return tr("Payee");
    case Category: return tr("Category");
    case Memo: return tr("Memo");
    case Payment: return tr("Payment");
    case Deposit: return tr("Deposit");
    case Cleared: return tr("Clr");
    case Balance: return tr("Balance");
    default: return QString();
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    if (section == Payee && m_twoLineMode)
        return tr("Payee / Memo");
    return columnTitle(section);
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return QVariant();

    const int row = index.row();
    const int column = index.column();
    const int newRow = newRowPosition();
    // The blank new row shows the buffer only while no existing row is edited.
    const bool placeholder = m_editRow < 0 && row == newRow;
    const bool buffered = placeholder || row == m_editRow;
    const RegisterRow *stored = rowAt(row);

    switch (role) {
    case RegisterRole::TransactionId:
        return stored ? QVariant(stored->id) : QVariant();
    case RegisterRole::IsSplit:
        return stored != nullptr && stored->isSplit;
    case RegisterRole::IsNewRow:
        return row == newRow;
    default:
        break;
    }

    if ((role == Qt::DisplayRole || role == Qt::EditRole) && buffered && column < Balance) {
        // The split editor owns a split row's category; the buffer never shows it.
        if (role == Qt::DisplayRole && column == Category && row == m_editRow && stored && stored->isSplit)
            return tr("\u2014Split\u2014");
        const QString &text = m_entry[size_t(column)];
        if (placeholder && role == Qt::DisplayRole && text.isEmpty())
            return columnTitle(column);
        return text;
    }
    if (role == Qt::ForegroundRole && placeholder && column < Balance && m_entry[size_t(column)].isEmpty())
        return mutedTextColor();
    if (role == Qt::BackgroundRole) {
        // In two-line mode the delegate paints the highlight itself.
        if (buffered && !m_twoLineMode)
            return QColor(isDarkPalette() ? QStringLiteral("#1A2E28") : QStringLiteral("#E8F5E9"));
        return QVariant();
    }
    // The new row has no stored row, yet its texts and placeholders line up with the column.
    if (role == Qt::TextAlignmentRole)
        return columnAlignment(column);
    if (!stored)
        return QVariant();
    return storedData(*stored, column, role);
}

QString RegisterModel::storedText(const RegisterRow &row, int column, int role) const
{
    switch (column) {
    case Date:
        return dateText(row.date);
    case CheckNumber:
        return row.checkNumber;
    case Payee:
        return row.payee;
    case Category:
        if (role == Qt::DisplayRole && row.isSplit)
            return tr("\u2014Split\u2014");
        return row.categoryName;
    case Memo:
        return row.memo;
    case Payment:
        // The text of a negative amount less its "-": the magnitude, even of the most negative one.
        return row.amount < 0 ? amountText(row.amount).mid(1) : QString();
    case Deposit:
        return row.amount >= 0 ? amountText(row.amount) : QString();
    case Cleared:
        return clearedMark(row);
    case Balance:
        return amountText(row.runningBalance);
    default:
        return QString();
    }
}

QVariant RegisterModel::storedData(const RegisterRow &row, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return storedText(row, column, role);
    case Qt::EditRole:
        if (column == Balance)
            return QVariant();
        return storedText(row, column, role);
    case Qt::FontRole:
        if (isAmountColumn(column))
            return fontForRole(FontRole::Amount);
        return QVariant();
    case Qt::ForegroundRole:
        switch (column) {
        case Memo:
        case Cleared:
            return mutedTextColor();
        case Payment:
            return negativeColor();
        case Deposit:
            return row.amount >= 0 ? QVariant(positiveColor()) : QVariant();
        case Balance:
            return row.runningBalance < 0 ? QVariant(negativeColor()) : QVariant();
        default:
            return QVariant();
        }
    default:
        return QVariant();
    }
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int row = index.row();
    const int column = index.column();
    if (column == Balance || (row != newRowPosition() && row != m_editRow))
        return readOnly;
    if (row == m_editRow && (column == Category || column == Payment || column == Deposit)) {
        const RegisterRow *stored = rowAt(row);
        if (stored && stored->isSplit)
            return readOnly;
    }
    return readOnly | Qt::ItemIsEditable;
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    // Balance has no slot: the running balance is never typed.
    if (role != Qt::EditRole || !index.isValid() || index.column() >= Balance)
        return false;
    QString &slot = m_entry[size_t(index.column())];
    if (slot != value.toString())
        m_touched[size_t(index.column())] = true;
    slot = value.toString();
    Q_EMIT dataChanged(index, index);
    return true;
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    beginResetModel();
    // An edit in progress stays with its transaction, so a commit after the
    // sort changes the row that was being edited and not the one now at its place.
    const bool editingNewRow = m_editRow >= 0 && isNewRow(m_editRow);
    const int editedIndex = transactionIndex(m_editRow);
    m_sortColumn = column;
    m_sortOrder = order;
    const int movedTo = sortRows(editedIndex);
    if (editingNewRow)
        m_editRow = newRowPosition();
    else if (m_editRow >= 0)
        m_editRow = viewRowOfTransaction(movedTo);
    endResetModel();
    Q_EMIT sortChanged(column, order);
}

int RegisterModel::sortRows(int follow)
{
    m_indexByIdValid = false;
    const qsizetype count = m_rows.size();
    if (count < 2)
        return follow;

    std::vector<SortItem> items(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        const RegisterRow &row = m_rows.at(i);
        items[size_t(i)] = SortItem{0, row.date.toJulianDay(), int(i)};
    }
    switch (m_sortColumn) {
    case CheckNumber:
        rankTexts(m_rows, [](const RegisterRow &r) -> const QString & { return r.checkNumber; }, items);
        break;
    case Payee:
        rankTexts(m_rows, [](const RegisterRow &r) -> const QString & { return r.payee; }, items);
        break;
    case Category:
        rankTexts(m_rows, [](const RegisterRow &r) -> const QString & { return r.categoryName; }, items);
        break;
    case Memo:
        rankTexts(m_rows, [](const RegisterRow &r) -> const QString & { return r.memo; }, items);
        break;
    default:
        for (SortItem &item : items)
            item.key = sortKey(m_rows.at(item.index), m_sortColumn);
        break;
    }

    // Equal keys: the later date first in either order; equal dates keep
    // their order, which after a reload is the order of creation.
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    const auto before = [ascending](const SortItem &a, const SortItem &b) {
        if (a.key != b.key)
            return ascending ? a.key < b.key : b.key < a.key;
        return a.day > b.day;
    };
    if (std::is_sorted(items.begin(), items.end(), before))
        return follow;
    std::stable_sort(items.begin(), items.end(), before);

    QList<RegisterRow> sorted;
    sorted.reserve(count);
    RegisterRow *source = m_rows.data();
    int movedTo = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const int from = items[size_t(i)].index;
        if (from == follow)
            movedTo = int(i);
        sorted.append(std::move(source[from]));
    }
    m_rows = std::move(sorted);
    return movedTo;
}

void RegisterModel::setRows(QList<RegisterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows(-1);
    m_editRow = -1;
    clearEntry();
    endResetModel();
}

void RegisterModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                       {Qt::DisplayRole, Qt::EditRole});
}

void RegisterModel::setTwoLineMode(bool on)
{
    if (on == m_twoLineMode)
        return;
    m_twoLineMode = on;
    Q_EMIT headerDataChanged(Qt::Horizontal, Payee, Payee);
    // The buffered rows' background comes and goes with the mode.
    refreshRow(m_editRow >= 0 ? m_editRow : newRowPosition());
}

void RegisterModel::setEditRow(int row)
{
    if (row < 0 || row >= rowCount())
        row = -1;
    const int previous = m_editRow;
    m_editRow = row;
    refreshRow(previous);
    refreshRow(row);
}

void RegisterModel::refreshRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void RegisterModel::loadEntry(const RegisterRow &row)
{
    auto slot = [this](EntrySlot s) -> QString & { return m_entry[size_t(s)]; };
    m_touched = {};
    m_autoFilled = false;
    slot(EntrySlot::Date) = dateText(row.date);
    slot(EntrySlot::CheckNumber) = row.checkNumber;
    slot(EntrySlot::Payee) = row.payee;
    slot(EntrySlot::Memo) = row.memo;
    slot(EntrySlot::Category) = row.categoryName;
    slot(EntrySlot::CategoryId) = row.categoryId;
    slot(EntrySlot::TransferAccountId) = row.transferLinkId.isEmpty() ? QString() : row.transferDestAccountId;
    if (row.amount < 0) {
        slot(EntrySlot::Payment) = amountText(row.amount).mid(1);
        slot(EntrySlot::Deposit).clear();
    } else {
        slot(EntrySlot::Payment).clear();
        slot(EntrySlot::Deposit) = amountText(row.amount);
    }
    slot(EntrySlot::Cleared) = clearedMark(row);
    refreshRow(m_editRow >= 0 ? m_editRow : newRowPosition());
}

bool RegisterModel::loadEntry(int viewRow)
{
    const RegisterRow *row = rowAt(viewRow);
    if (!row)
        return false;
    loadEntry(*row);
    return true;
}

void RegisterModel::clearEntry()
{
    for (QString &text : m_entry)
        text.clear();
    m_touched = {};
    m_autoFilled = false;
    m_entry[size_t(EntrySlot::Date)] = m_lastEntryDate.isEmpty() ? dateText(Clock::today()) : m_lastEntryDate;
}

void RegisterModel::restoreEntryState(const EntryState &state)
{
    m_entry = state.texts;
    m_touched = state.touched;
    m_autoFilled = state.autoFilled;
    refreshRow(m_editRow >= 0 ? m_editRow : newRowPosition());
}

bool RegisterModel::hasTypedEntry() const
{
    return std::any_of(m_touched.cbegin(), m_touched.cend(), [](bool touched) { return touched; });
}

void RegisterModel::resetEntry()
{
    clearEntry();
    refreshRow(m_editRow >= 0 ? m_editRow : newRowPosition());
}

Transaction RegisterModel::entryToTransaction(const QString &accountId) const
{
    auto slot = [this](EntrySlot s) -> const QString & { return m_entry[size_t(s)]; };
    Transaction t;
    t.accountId = accountId;
    const QDate date = dateFromText(slot(EntrySlot::Date));
    t.date = date.isValid() ? date : Clock::today();
    t.payee = slot(EntrySlot::Payee).trimmed();
    t.memo = slot(EntrySlot::Memo);
    t.checkNumber = slot(EntrySlot::CheckNumber).trimmed();
    t.categoryId = slot(EntrySlot::CategoryId);
    t.transferDestAccountId = slot(EntrySlot::TransferAccountId);
    const QString payment = slot(EntrySlot::Payment).trimmed();
    const QString deposit = slot(EntrySlot::Deposit).trimmed();
    if (!payment.isEmpty()) {
        // Negated in unsigned arithmetic: the most negative amount has no opposite.
        t.amount = static_cast<qint64>(quint64(0) - quint64(amountFromText(payment)));
    } else if (!deposit.isEmpty()) {
        t.amount = amountFromText(deposit);
    }
    return t;
}

QString RegisterModel::amountText(qint64 amount) const
{
    return formatAmount(amount, m_currency);
}

qint64 RegisterModel::amountFromText(const QString &text) const
{
    return parseAmount(text).value_or(0);
}

std::optional<qint64> RegisterModel::parseAmount(const QString &text) const
{
    return tryParseMoney(text, m_currency);
}

QString RegisterModel::dateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999)
        return date.toString(QStringLiteral("M/d/yyyy"));
    // Built by hand: the cells ask for it on every paint.
    char16_t text[10];
    int n = 0;
    const auto put = [&text, &n](int value) {
        if (value >= 10)
            text[n++] = char16_t(u'0' + value / 10);
        text[n++] = char16_t(u'0' + value % 10);
    };
    put(month);
    text[n++] = u'/';
    put(day);
    text[n++] = u'/';
    put(year / 100);
    text[n++] = char16_t(u'0' + year % 100 / 10);
    text[n++] = char16_t(u'0' + year % 10);
    return QString(reinterpret_cast<const QChar *>(text), n);
}

QDate RegisterModel::dateFromText(const QString &text)
{
    const QStringView view = QStringView(text).trimmed();
    qsizetype pos = 0;
    int month = 0, day = 0, year = 0;
    int monthDigits = 0, dayDigits = 0, yearDigits = 0;
    if (!readNumber(view, pos, month, monthDigits) || monthDigits > 2 || pos >= view.size()
        || view[pos++] != u'/')
        return QDate();
    if (!readNumber(view, pos, day, dayDigits) || dayDigits > 2 || pos >= view.size() || view[pos++] != u'/')
        return QDate();
    if (!readNumber(view, pos, year, yearDigits) || pos != view.size())
        return QDate();
    // Nobody typing "24" means 1924, and dates before 2000 count as broken elsewhere.
    if (yearDigits == 2)
        year += 2000;
    else if (yearDigits != 4)
        return QDate();
    return QDate(year, month, day);
}
