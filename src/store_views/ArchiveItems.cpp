#include "store_views/ArchiveItems.h"

#include "store_views/BrowserPictures.h"
#include "store/ArchiveList.h"
#include "store/ShownValue.h"

#include <QFile>
#include <QStandardItem>

namespace rnx10 {

namespace {
QStandardItem *item(const std::string &bytes)
{
    auto *it = new QStandardItem(displayText(bytes));
    it->setData(QByteArray::fromStdString(bytes), kRawBytesRole);
    it->setEditable(false);
    return it;
}
} // namespace

QString displayText(const std::string &bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(shownValue(bytes)));
}

std::string rawBytes(const QStandardItem *item)
{
    return item ? item->data(kRawBytesRole).toByteArray().toStdString() : std::string();
}

QList<QStandardItem *> archiveItems(const ArchiveRow &row)
{
    QList<QStandardItem *> items{item(row.name)};
    items.front()->setIcon(pictures::archive());
    for (const std::string &value : row.values)
        items.append(item(value));
    return items;
}

} // namespace rnx10
