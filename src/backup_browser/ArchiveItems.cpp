#include "backup_browser/ArchiveItems.h"

#include "backup_browser/BrowserPictures.h"
#include "backup_browser/core/ArchiveList.h"

#include <QFile>
#include <QStandardItem>

namespace rnx10 {

namespace {
// A details file may hold a line of megabytes; the list shows its start.
constexpr qsizetype kShownLength = 1024;

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
    const bool longText = bytes.size() > static_cast<std::size_t>(kShownLength);
    QString text = QFile::decodeName(QByteArray::fromStdString(longText ? bytes.substr(0, kShownLength) : bytes));
    return longText ? text + QStringLiteral("…") : text;
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
