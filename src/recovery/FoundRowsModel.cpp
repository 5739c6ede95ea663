#include "recovery/FoundRowsModel.h"

#include "store_views/ArchiveItems.h"
#include "recovery/ResultItems.h"
#include "platform/Paths.h"


namespace rnx10 {

void FoundRowsModel::append(std::vector<FoundEntry> found)
{
    if (found.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(found.size()) - 1);
    for (FoundEntry &f : found) {
        Row row{std::move(f), {}};
        const FoundEntry &e = row.entry;
        row.texts[When] = whenText(e.date, e.hour);
        row.texts[Archive] = displayText(baseName(e.archive));
        row.texts[Source] = displayText(e.sourceDir);
        row.texts[InCopy] = displayText(e.relative);
        row.texts[Size] = sizeText(e.facts.size);
        row.texts[Modified] = modifiedText(e.facts.mtime);
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
}

void FoundRowsModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int FoundRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FoundRowsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant FoundRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.texts[column];
    case kSortRole:
        if (column == Size)
            return static_cast<qulonglong>(row.entry.facts.size);
        if (column == Modified)
            return static_cast<qlonglong>(row.entry.facts.mtime);
        return row.texts[column];
    case Qt::TextAlignmentRole:
        return column == Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant FoundRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return foundHeaders().at(section);
}

} // namespace rnx10
