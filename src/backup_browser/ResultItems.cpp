#include "backup_browser/ResultItems.h"

#include "backup_browser/ArchiveItems.h"
#include "platform/Paths.h"

#include <QDateTime>
#include <QLocale>
#include <QStandardItem>

namespace rnx10 {

namespace {
QStandardItem *textItem(const std::string &bytes)
{
    auto *item = new QStandardItem(displayText(bytes));
    item->setData(QByteArray::fromStdString(bytes), kRawBytesRole);
    item->setData(item->text(), kSortRole);
    item->setToolTip(item->text());
    item->setEditable(false);
    return item;
}

QStandardItem *whenItem(const ArchiveDate &date, const std::string &hour)
{
    return textItem(dateText(date) + "  " + hour); // sorts by date, then hour
}

QStandardItem *sizeItem(std::uint64_t size)
{
    auto *item = new QStandardItem(QLocale().toString(static_cast<qulonglong>(size)));
    item->setData(static_cast<qulonglong>(size), kSortRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

QStandardItem *timeItem(const EntryFacts &facts)
{
    auto *item = new QStandardItem(QDateTime::fromSecsSinceEpoch(facts.mtime).toString(u"yyyy-MM-dd HH:mm:ss"));
    item->setData(static_cast<qlonglong>(facts.mtime), kSortRole);
    item->setEditable(false);
    return item;
}

void holdPath(QStandardItem *item, const std::string &path)
{
    item->setData(QByteArray::fromStdString(path), kRawBytesRole);
}
} // namespace

QStringList foundHeaders()
{
    return {QObject::tr("Date and Hour"), QObject::tr("Archive"), QObject::tr("SourceDir"), QObject::tr("Path in Copy"),
            QObject::tr("Size"), QObject::tr("Modified")};
}

QList<QStandardItem *> foundItems(const FoundEntry &found)
{
    QStandardItem *when = whenItem(found.date, found.hour);
    holdPath(when, found.storePath);
    QStandardItem *source = textItem(found.sourceDir);
    holdPath(source, originalPathOf(found));
    return {when, textItem(baseName(found.archive)), source, textItem(found.relative), sizeItem(found.facts.size),
            timeItem(found.facts)};
}

QStringList versionHeaders()
{
    return {QObject::tr("Date and Hour"), QObject::tr("Size"), QObject::tr("Modified"), QObject::tr("Change"),
            QObject::tr("Path in Store")};
}

QList<QStandardItem *> versionItems(const FileVersion &version)
{
    QStandardItem *when = whenItem(version.date, version.hour);
    holdPath(when, version.storePath);
    return {when, sizeItem(version.facts.size), timeItem(version.facts),
            textItem(version.changed ? "changed" : "same"), textItem(version.storePath)};
}

std::string originalPathOf(const FoundEntry &found) { return joinPath(found.sourceDir, found.relative); }

} // namespace rnx10
