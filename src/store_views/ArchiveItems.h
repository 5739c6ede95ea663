// Display of store names and details values: readable text for the eye, raw bytes kept for use.
#pragma once

#include <QList>
#include <QString>

#include <string>

class QStandardItem;

namespace rnx10 {

struct ArchiveRow;

// The role that holds an item's raw bytes (QByteArray).
inline constexpr int kRawBytesRole = Qt::UserRole + 1;

// Readable text of a native name or value, cut short as shownValue does; bytes that are not UTF-8
// are shown replaced.
QString displayText(const std::string &bytes);

// The raw bytes an item was made from.
std::string rawBytes(const QStandardItem *item);

// The six items of one archive row: name (with the archive icon), then the five values.
QList<QStandardItem *> archiveItems(const ArchiveRow &row);

} // namespace rnx10
