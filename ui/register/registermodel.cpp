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

// One row's place in a sort: its key for the chosen column, its date and
// then its place in date order for ties, and where it stands now.
struct SortItem
{
    qint64 key;
    qint64 day;
    int seq;
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

// The text a column sorts by; null for the columns with a numeric key.
const QString *sortText(const RegisterRow &row, int column)
{
    switch (column) {
    case RegisterModel::CheckNumber: return &row.checkNumber;
    case RegisterModel::Payee: return &row.payee;
    case RegisterModel::Category: return &row.categoryName;
    case RegisterModel::Memo: return &row.memo;
    default: return nullptr;
    }
}

// The register's date order as the repository reads it: the opening row
// (the one row without an id) first, then by date and creation time.
bool earlierInRegister(const RegisterRow &a, const RegisterRow &b)
{
    if (a.id.isEmpty() != b.id.isEmpty())
        return a.id.isEmpty();
    if (a.date != b.date)
        return a.date < b.date;
    return a.createdAt < b.createdAt;
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

void RegisterModel::ensureIndexById() const
{
    if (m_indexByIdValid)
        return;
    m_indexById.clear();
    m_indexById.reserve(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!m_rows.at(i).id.isEmpty())
            m_indexById.insert(m_rows.at(i).id, int(i));
    }
    m_indexByIdValid = true;
}

int RegisterModel::rowForId(const QString &id) const
{
    if (id.isEmpty())
        return -1;
    ensureIndexById();
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
    m_tiesInDateOrder = true;
    if (count < 2)
        return follow;

    std::vector<SortItem> items(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i) {
        const RegisterRow &row = m_rows.at(i);
        items[size_t(i)] = SortItem{0, row.date.toJulianDay(), m_seq[size_t(i)], int(i)};
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
    // In sorted items, a pair out of date order that neither sorts before
    // the other is a tie left in an earlier order.
    const auto tieOutOfDateOrder = [&before](const SortItem &a, const SortItem &b) {
        return a.seq > b.seq && !before(a, b);
    };
    if (std::is_sorted(items.begin(), items.end(), before)) {
        m_tiesInDateOrder = std::adjacent_find(items.begin(), items.end(), tieOutOfDateOrder) == items.end();
        return follow;
    }
    std::stable_sort(items.begin(), items.end(), before);
    m_tiesInDateOrder = std::adjacent_find(items.begin(), items.end(), tieOutOfDateOrder) == items.end();

    QList<RegisterRow> sorted;
    sorted.reserve(count);
    RegisterRow *source = m_rows.data();
    int movedTo = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const int from = items[size_t(i)].index;
        if (from == follow)
            movedTo = int(i);
        sorted.append(std::move(source[from]));
        m_seq[size_t(i)] = items[size_t(i)].seq;
    }
    m_rows = std::move(sorted);
    return movedTo;
}

bool RegisterModel::sortsBefore(const QCollator &collator, const RegisterRow &a, int seqA,
                                const RegisterRow &b, int seqB) const
{
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    if (const QString *textA = sortText(a, m_sortColumn)) {
        const int order = collator.compare(*textA, *sortText(b, m_sortColumn));
        if (order != 0)
            return ascending ? order < 0 : order > 0;
    } else {
        const qint64 keyA = sortKey(a, m_sortColumn);
        const qint64 keyB = sortKey(b, m_sortColumn);
        if (keyA != keyB)
            return ascending ? keyA < keyB : keyB < keyA;
    }
    if (a.date != b.date)
        return a.date > b.date;
    return seqA < seqB;
}

bool RegisterModel::updateRows(const QSet<QString> &changedIds, QList<RegisterRow> current)
{
    // Under a Balance sort every later row's key moves with its balance;
    // after sorts that left rows of equal key and date out of date order, a
    // reload would put them back in it.
    if (m_sortColumn == Balance || !m_tiesInDateOrder)
        return false;
    QHash<QString, int> currentById;
    currentById.reserve(current.size());
    for (qsizetype j = 0; j < current.size(); ++j) {
        const RegisterRow &row = current.at(j);
        if (row.id.isEmpty() || !changedIds.contains(row.id) || currentById.contains(row.id)
            || !row.date.isValid() || !row.createdAt.isValid())
            return false;
        currentById.insert(row.id, int(j));
    }
    // The id index is built lazily; a few ids are found faster by a scan
    // than by building it for a register of many rows.
    constexpr qsizetype kScannedIds = 8;
    if (changedIds.size() > kScannedIds)
        ensureIndexById();
    const auto shownIndex = [this](const QString &id) -> int {
        if (m_indexByIdValid)
            return m_indexById.value(id, -1);
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            if (m_rows.at(i).id == id)
                return int(i);
        }
        return -1;
    };

    // What becomes of each shown row: kept as it is, replaced where it
    // stands in date order, or taken out (deleted, gone to another account,
    // or moved to another date and placed again below).
    enum Fate : char { Keep, Replace, Leave };
    const qsizetype count = m_rows.size();
    std::vector<char> fate(size_t(count), Keep);
    QHash<int, int> replacementOf;
    std::vector<int> toPlace;
    for (const QString &id : changedIds) {
        const int fresh = currentById.value(id, -1);
        const int shown = shownIndex(id);
        if (shown < 0) {
            if (fresh >= 0)
                toPlace.push_back(fresh);
            continue;
        }
        const RegisterRow &old = m_rows.at(shown);
        if (fresh >= 0 && current.at(fresh).date == old.date && current.at(fresh).createdAt == old.createdAt) {
            fate[size_t(shown)] = Replace;
            replacementOf.insert(shown, fresh);
        } else {
            fate[size_t(shown)] = Leave;
            if (fresh >= 0)
                toPlace.push_back(fresh);
        }
    }
    // The same order whatever the set's iteration order.
    std::sort(toPlace.begin(), toPlace.end());

    // The new date order: indices into m_rows, or into `current` (fresh).
    struct Entry
    {
        int old;
        int fresh;
    };
    std::vector<int> byDate(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        byDate[size_t(m_seq[size_t(i)])] = int(i);
    std::vector<Entry> order;
    order.reserve(size_t(count) + toPlace.size());
    size_t firstChanged = std::numeric_limits<size_t>::max();
    for (int i : byDate) {
        switch (fate[size_t(i)]) {
        case Keep:
            order.push_back({i, -1});
            break;
        case Replace:
            firstChanged = std::min(firstChanged, order.size());
            order.push_back({i, replacementOf.value(i)});
            break;
        case Leave:
            firstChanged = std::min(firstChanged, order.size());
            break;
        }
    }
    const auto rowOf = [this, &current](const Entry &e) -> const RegisterRow & {
        return e.fresh >= 0 ? current.at(e.fresh) : m_rows.at(e.old);
    };
    for (int fresh : toPlace) {
        const RegisterRow &row = current.at(fresh);
        const auto first = std::lower_bound(order.begin(), order.end(), row, [&rowOf](const Entry &e, const RegisterRow &r) {
            return earlierInRegister(rowOf(e), r);
        });
        const auto last = std::upper_bound(first, order.end(), row, [&rowOf](const RegisterRow &r, const Entry &e) {
            return earlierInRegister(r, rowOf(e));
        });
        // Rows of the same date and creation time come in the database's
        // storing order, which only a reload can tell.
        if (first != last)
            return false;
        firstChanged = std::min(firstChanged, size_t(first - order.begin()));
        order.insert(first, Entry{-1, fresh});
    }

    // The opening row is dated like the earliest transaction.
    std::optional<RegisterRow> movedOpening;
    int openingIndex = -1;
    if (!order.empty() && order.front().fresh < 0 && m_rows.at(order.front().old).id.isEmpty()) {
        openingIndex = order.front().old;
        const QDate date = order.size() > 1 ? rowOf(order.at(1)).date : Clock::today();
        if (date != m_rows.at(openingIndex).date) {
            movedOpening = m_rows.at(openingIndex);
            movedOpening->date = date;
        }
    }
    // Nothing shown here changed (the ids were another account's).
    if (firstChanged == std::numeric_limits<size_t>::max() && !movedOpening)
        return true;
    if (movedOpening)
        fate[size_t(openingIndex)] = Replace;

    // Balances from the first change down; the rows above it keep theirs.
    std::vector<qint64> balances;
    if (firstChanged < order.size()) {
        qint64 running = firstChanged > 0 ? rowOf(order.at(firstChanged - 1)).runningBalance : 0;
        balances.reserve(order.size() - firstChanged);
        for (size_t p = firstChanged; p < order.size(); ++p) {
            running += rowOf(order.at(p)).amount;
            balances.push_back(running);
        }
    }
    const qint64 closingBalance = order.empty() ? 0 : balances.empty() ? m_closingBalance : balances.back();

    // From here on the model changes.
    const int previousEdit = m_editRow;
    m_editRow = -1;
    refreshRow(previousEdit);

    // Rows that arrive or come back, with their new place in date order.
    struct Arrival
    {
        RegisterRow row;
        int seq;
        int replaces;   // index in m_rows of the row it replaces, or -1
    };
    std::vector<Arrival> arrivals;
    for (size_t p = 0; p < order.size(); ++p) {
        const Entry &e = order.at(p);
        const qint64 balance = p >= firstChanged ? balances.at(p - firstChanged) : 0;
        if (e.fresh < 0) {
            m_seq[size_t(e.old)] = int(p);
            if (p >= firstChanged)
                m_rows[e.old].runningBalance = balance;
            continue;
        }
        RegisterRow row = std::move(current[e.fresh]);
        row.runningBalance = balance;
        arrivals.push_back({std::move(row), int(p), e.old});
    }
    if (movedOpening)
        arrivals.push_back({*std::move(movedOpening), 0, openingIndex});

    const QCollator collator;
    const int offset = viewRowOffset();
    std::vector<int> leaving;
    for (qsizetype i = 0; i < count; ++i) {
        if (fate[size_t(i)] != Keep)
            leaving.push_back(int(i));
    }
    int changedFirst = std::numeric_limits<int>::max();
    int changedLast = -1;
    // A replaced row that still sorts between its neighbours stays put.
    std::vector<Arrival> toInsert;
    for (Arrival &arrival : arrivals) {
        const int i = arrival.replaces;
        bool stays = i >= 0;
        if (stays && i > 0)
            stays = fate[size_t(i - 1)] == Keep
                    && sortsBefore(collator, m_rows.at(i - 1), m_seq[size_t(i - 1)], arrival.row, arrival.seq);
        if (stays && i + 1 < count)
            stays = fate[size_t(i + 1)] == Keep
                    && sortsBefore(collator, arrival.row, arrival.seq, m_rows.at(i + 1), m_seq[size_t(i + 1)]);
        if (stays) {
            m_rows[i] = std::move(arrival.row);
            m_seq[size_t(i)] = arrival.seq;
            fate[size_t(i)] = Keep;
            changedFirst = std::min(changedFirst, i);
            changedLast = std::max(changedLast, i);
            continue;
        }
        if (i >= 0 && fate[size_t(i)] == Replace)
            fate[size_t(i)] = Leave;
        toInsert.push_back(std::move(arrival));
    }
    if (changedLast >= 0)
        Q_EMIT dataChanged(index(changedFirst + offset, 0), index(changedLast + offset, ColumnCount - 1));

    int shiftedFrom = std::numeric_limits<int>::max();
    int shiftedTo = -1;
    for (auto it = leaving.rbegin(); it != leaving.rend(); ++it) {
        const int i = *it;
        if (fate[size_t(i)] == Keep)
            continue;
        beginRemoveRows(QModelIndex(), i + offset, i + offset);
        if (m_indexByIdValid)
            m_indexById.remove(m_rows.at(i).id);
        m_rows.remove(i);
        m_seq.erase(m_seq.begin() + i);
        endRemoveRows();
        shiftedFrom = std::min(shiftedFrom, i);
        shiftedTo = std::max(shiftedTo, i);
    }
    for (Arrival &arrival : toInsert) {
        int low = 0;
        int high = int(m_rows.size());
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (sortsBefore(collator, m_rows.at(middle), m_seq[size_t(middle)], arrival.row, arrival.seq))
                low = middle + 1;
            else
                high = middle;
        }
        beginInsertRows(QModelIndex(), low + offset, low + offset);
        m_rows.insert(low, std::move(arrival.row));
        m_seq.insert(m_seq.begin() + low, arrival.seq);
        endInsertRows();
        shiftedFrom = std::min(shiftedFrom, low);
        shiftedTo = std::max(shiftedTo, low);
    }
    if (shiftedTo >= 0 && m_indexByIdValid) {
        // Rows between the first and the last place that changed moved up or
        // down; past it they moved only when the count changed.
        const bool countChanged = m_rows.size() != count;
        const int last = countChanged ? int(m_rows.size()) - 1
                                      : std::min(int(m_rows.size()) - 1, shiftedTo + int(toInsert.size()));
        for (int k = shiftedFrom; k <= last; ++k) {
            const QString &id = m_rows.at(k).id;
            if (!id.isEmpty())
                m_indexById.insert(id, k);
        }
    }

    if (firstChanged < order.size()) {
        int first = std::numeric_limits<int>::max();
        int last = -1;
        for (qsizetype k = 0; k < m_rows.size(); ++k) {
            if (size_t(m_seq[size_t(k)]) >= firstChanged) {
                first = std::min(first, int(k));
                last = int(k);
            }
        }
        if (last >= 0)
            Q_EMIT dataChanged(index(first + offset, Balance), index(last + offset, Balance));
    }
    m_closingBalance = closingBalance;
    clearEntry();
    refreshRow(newRowPosition());
    return true;
}

void RegisterModel::setRows(QList<RegisterRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_closingBalance = m_rows.isEmpty() ? 0 : m_rows.constLast().runningBalance;
    m_seq.resize(size_t(m_rows.size()));
    std::iota(m_seq.begin(), m_seq.end(), 0);
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
