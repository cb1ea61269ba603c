#pragma once

#include "data/enums.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

// The read-only table of one report section. It holds no strings of its
// own: each cell is asked of the cell function when a view paints it, so a
// list of a million transactions costs no more than the rows the report
// service already made. Amounts are shown in the section's currency and
// exported as plain decimal numbers. An optional total row closes the
// table in bold. No sorting and no editing.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Kind { Text, Amount, Count, Date };
    struct Column
    {
        QString header;
        Kind kind = Kind::Text;
    };
    // A cell's value: a QString for text, a qint64 for an amount, an int
    // for a count, a QDate for a date.
    using CellFunction = std::function<QVariant(int row, int column)>;

    explicit ReportTableModel(QObject *parent = nullptr);

    void setColumns(const QList<Column> &columns);
    // Replaces the rows; no total row until setTotalRow.
    void setRows(int rowCount, CellFunction cell, Currency currency);
    // A last row with `label` in the first column and the sum of every
    // amount column. A sum too large to hold shows as a dash.
    void setTotalRow(const QString &label);
    void clear();

    Currency currency() const { return m_currency; }
    // The report's rows, without the total row.
    int dataRowCount() const { return m_rowCount; }
    bool hasTotalRow() const { return m_hasTotal; }
    QStringList headers() const;
    // The amount and count columns: plain numbers in an export.
    QList<int> numberColumns() const;
    // What an export writes: amounts as plain numbers ("-1234.56"), every
    // other cell as displayed.
    QString exportText(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant value(int row, int column) const;
    QString displayText(int row, int column) const;

    QList<Column> m_columns;
    int m_rowCount = 0;
    CellFunction m_cell;
    Currency m_currency = Currency::USD;
    bool m_hasTotal = false;
    QString m_totalLabel;
    QList<std::optional<qint64>> m_totals;
};
