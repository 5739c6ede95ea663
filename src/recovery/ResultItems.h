// The rows of the search and versions windows: readable text shown, raw bytes and sort keys kept.
#pragma once

#include "store/ArchiveSearch.h"
#include "store/FileVersions.h"

#include <QList>
#include <QStringList>

class QStandardItem;

namespace rnx10 {

// The role the windows sort by: the date as YYYY-MM-DD and the hour, numbers as numbers.
inline constexpr int kSortRole = Qt::UserRole + 2;

// The texts of the date and hour, a size and a modification time, as both windows show them.
QString whenText(const ArchiveDate &date, const std::string &hour);
QString sizeText(std::uint64_t size);
QString modifiedText(std::int64_t seconds);

// Date and hour, archive, SourceDir, path in copy, size, modified.
QStringList foundHeaders();

QStringList versionHeaders();
// Date and hour, size, modified, change, path in store; the first item holds the store path's raw bytes.
QList<QStandardItem *> versionItems(const FileVersion &version);

// The path a found entry had where it was backed up from: its SourceDir and the path in the copy.
std::string originalPathOf(const FoundEntry &found);

} // namespace rnx10
