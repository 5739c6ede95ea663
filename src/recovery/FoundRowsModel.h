// The Find Files window's rows: one per find, added a batch at a time so a sorted view takes each
// batch in one step however many rows it already shows.
#pragma once

#include "store/ArchiveSearch.h"

#include <QAbstractTableModel>

#include <vector>

namespace rnx10 {

class FoundRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { When, Archive, Source, InCopy, Size, Modified, ColumnCount };

    explicit FoundRowsModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    void append(std::vector<FoundEntry> found);
    void clear();
    // The find of a row, by the model's own row number.
    const FoundEntry &found(int row) const { return m_rows[static_cast<std::size_t>(row)].entry; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        FoundEntry entry;
        QString texts[ColumnCount]; // made once, when the row comes
    };
    std::vector<Row> m_rows;
};

} // namespace rnx10
