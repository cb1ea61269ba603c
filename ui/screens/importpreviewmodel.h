#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The rows of a CSV file as the import screen previews them: one column per
// field (as many as the longest row has), headed "Col 0", "Col 1", ... It
// holds the parsed rows as they are and computes nothing per cell, so a
// file of a hundred thousand rows shows at once. Read only.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ImportPreviewModel(QObject *parent = nullptr);

    void setRows(QList<QStringList> rows);
    // More rows of the same file, after those there are.
    void appendRows(QList<QStringList> rows);
    void clear() { setRows({}); }
    const QList<QStringList> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QStringList> m_rows;
    int m_columns = 0;
};
