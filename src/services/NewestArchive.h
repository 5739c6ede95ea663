// When this computer's newest archive was made, from the store's year/month/day/hour folder names
// alone: no archive is opened, so it stays quick on a large store.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

// The local time of the newest hour folder ("HH-MM", or "HH") under
// computerFolder/<year>/<month>/<day>; nothing when there is none or the folder does not exist.
// Folders whose names are no such numbers, and levels that cannot be read, are passed over.
std::optional<std::time_t> newestArchiveTime(const std::string &computerFolder);

} // namespace rnx10
