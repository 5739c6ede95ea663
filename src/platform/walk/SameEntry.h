// The one rule by which the versions list and the comparison call two entries the same: the same
// type; a file of the same size and modification time in whole seconds; a link with the same
// target; any folder is the same as any other (what it holds is compared, not its own times).
// Other entries (FIFOs, devices) by type and whole-second time.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

struct stat;

namespace rnx10::walk {

struct EntryState {
    mode_t type = 0;        // st_mode & S_IFMT
    std::int64_t size = 0;  // bytes
    std::int64_t mtime = 0; // whole seconds: copies keep no finer time on every file system
    std::string linkTarget; // a link's text; empty otherwise
};

// The state of name in the open folder dir, whose lstat is st; a link's target is read there.
EntryState entryState(int dir, const char *name, const struct stat &st);

// "" when a and b are the same; else what differs: "type", "size", "time" or "link".
const char *entryDifference(const EntryState &a, const EntryState &b);

} // namespace rnx10::walk
