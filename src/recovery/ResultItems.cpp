#include "recovery/ResultItems.h"

#include "store_views/ArchiveItems.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStandardItem>

#include <algorithm>
#include <cstdint>

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

QStandardItem *sizeItem(std::uint64_t size)
{
    auto *item = new QStandardItem(sizeText(size));
    item->setData(static_cast<qulonglong>(size), kSortRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

QStandardItem *timeItem(const EntryFacts &facts)
{
    auto *item = new QStandardItem(modifiedText(facts.mtime));
    item->setData(static_cast<qlonglong>(facts.mtime), kSortRole);
    item->setEditable(false);
    return item;
}

// The raw word stays with the item; the shown one is the user's.
QStandardItem *changeItem(VersionChange change)
{
    auto *item = textItem(changeText(change));
    const QString shown = change == VersionChange::First     ? QCoreApplication::translate("rnx10::VersionsWindow", "first")
                          : change == VersionChange::Changed ? QCoreApplication::translate("rnx10::VersionsWindow", "changed")
                                                             : QCoreApplication::translate("rnx10::VersionsWindow", "same");
    item->setText(shown);
    item->setData(shown, kSortRole);
    item->setToolTip(shown);
    return item;
}

void holdPath(QStandardItem *item, const std::string &path)
{
    item->setData(QByteArray::fromStdString(path), kRawBytesRole);
}
} // namespace

QString whenText(const ArchiveDate &date, const std::string &hour)
{
    return displayText(dateText(date) + "  " + hour); // sorts by date, then hour
}

// With its unit, in the user's language ("512 bytes", "1.5 MB"); the exact count is the sort key.
QString sizeText(std::uint64_t size)
{
    return QLocale().formattedDataSize(static_cast<qint64>(std::min<std::uint64_t>(size, INT64_MAX)), 1,
                                       QLocale::DataSizeTraditionalFormat);
}

QString modifiedText(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds).toString(u"yyyy-MM-dd HH:mm:ss"); }

// Each in its window's own context (the window's tr's).
QStringList foundHeaders()
{
    return {QCoreApplication::translate("rnx10::FindFilesWindow", "Date and Hour"), QCoreApplication::translate("rnx10::FindFilesWindow", "Archive"),
            QCoreApplication::translate("rnx10::FindFilesWindow", "SourceDir"), QCoreApplication::translate("rnx10::FindFilesWindow", "Path in Copy"),
            QCoreApplication::translate("rnx10::FindFilesWindow", "Size"), QCoreApplication::translate("rnx10::FindFilesWindow", "Modified")};
}

QStringList versionHeaders()
{
    return {QCoreApplication::translate("rnx10::VersionsWindow", "Date and Hour"), QCoreApplication::translate("rnx10::VersionsWindow", "Size"),
            QCoreApplication::translate("rnx10::VersionsWindow", "Modified"), QCoreApplication::translate("rnx10::VersionsWindow", "Change"),
            QCoreApplication::translate("rnx10::VersionsWindow", "Path in Store")};
}

QList<QStandardItem *> versionItems(const FileVersion &version)
{
    auto *when = new QStandardItem(whenText(version.date, version.hour));
    when->setData(when->text(), kSortRole);
    when->setEditable(false);
    holdPath(when, version.storePath);
    return {when, sizeItem(version.facts.size), timeItem(version.facts),
            changeItem(version.change), textItem(version.storePath)};
}

std::string originalPathOf(const FoundEntry &found) { return joinPath(found.sourceDir, found.relative); }

} // namespace rnx10
