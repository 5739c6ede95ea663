// Every archive of a computer folder, newest first, one at a time: the walk the search and the
// versions list share. Nothing of the store is held beyond the levels on the way to one archive.
#pragma once

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/walk/WalkProgress.h"

#include <compare>
#include <functional>
#include <optional>
#include <string>

namespace rnx10 {

// The day an archive is filed under: its year, month and day folders' numbers.
struct ArchiveDate {
    int year = 0, month = 0, day = 0;
    auto operator<=>(const ArchiveDate &) const = default;
};

// "YYYY-MM-DD".
std::string dateText(const ArchiveDate &date);
// The date of "YYYY-MM-DD" (a real calendar day); nothing for any other text.
std::optional<ArchiveDate> parseDate(const std::string &text);

// Days from and to, both included; an unset end is open.
struct DateRange {
    std::optional<ArchiveDate> from, to;
    bool holds(const ArchiveDate &date) const { return (!from || date >= *from) && (!to || date <= *to); }
};

struct StoreArchive {
    ArchiveDate date;
    std::string hour;           // the hour folder's name, raw bytes
    std::string folder;         // the archive folder's path
    std::string sourceDir;      // as its details.ini gives them
    std::string destinationDir;
    // DestinationDir below the archive folder ("copy"), judged on the path; unset when it is
    // empty, relative, holds "." or "..", or lies anywhere else: such an archive has no copy to look in.
    std::optional<std::string> copyBelow;
    int fd = -1; // the archive folder, open (never through a link) while the callback runs
};

// Which archive a find or a version comes from.
struct ArchiveOrigin {
    ArchiveDate date;
    std::string hour;      // the hour folder's name
    std::string archive;   // the archive folder's path
    std::string sourceDir; // as its details.ini gives it
};
ArchiveOrigin originOf(const StoreArchive &a);

struct ArchiveVisitor {
    std::function<void(const StoreArchive &)> archive;
    // A store folder that could not be listed or opened; the walk goes on with the next one. May be empty.
    std::function<void(const std::string &path, const AutomationError &error)> unreadable;
};

// Calls visitor.archive for every archive of computerFolder (followed when it is a link; no link
// below it is) whose day lies in range: years, months and days by number, matched and addressed as
// the browser does (leading number, canonical name), newest first; hours and archives in reverse
// name order. Each details.ini is read once, as the archive list reads it. Raises error 18 once
// progress->cancel is set, and the computer folder's own error when it cannot be opened.
void forEachArchive(const std::string &computerFolder, const DateRange &range, const ArchiveVisitor &visitor,
                    walk::WalkProgress *progress = nullptr);

// The archive's copy (a.folder + "/" + *a.copyBelow), opened from the archive folder one name at a
// time, never through a link. Raises when it cannot be opened, 76 when the archive has no copy below it.
Descriptor openCopy(const StoreArchive &a);

// The copy's path: the archive folder and copyBelow joined; empty when it has none.
std::string copyPathOf(const StoreArchive &a);

} // namespace rnx10
