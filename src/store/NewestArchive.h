// When this computer's newest archive was made, from the store's one reading of its folders
// (store/StoreRuns.h): only hour folders that hold an archive count, newest first, so it stays
// quick on a large store.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

struct NewestArchiveTimes {
    std::optional<std::time_t> counted; // the newest archive made at or before now
    std::optional<std::time_t> future;  // a newer one dated after now (made with a wrong clock)
};

// The local times of the newest archives under computerFolder; nothing when there is none or the
// folder does not exist. Levels that cannot be read are passed over.
NewestArchiveTimes newestArchiveTimes(const std::string &computerFolder, std::time_t now);

// The newest archive made at or before now: newestArchiveTimes(...).counted.
std::optional<std::time_t> newestArchiveTime(const std::string &computerFolder, std::time_t now);

} // namespace rnx10
