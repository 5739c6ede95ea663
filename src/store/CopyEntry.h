// What the search and the versions list tell of one entry inside an archive's copy.
#pragma once

#include <cstdint>
#include <string>

struct stat;

namespace rnx10 {

enum class EntryKind { File, Folder, Link, Other };

struct EntryFacts {
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;     // bytes; a link's is its target's length, a folder's its own
    std::int64_t mtime = 0;     // seconds since the epoch
    std::int64_t mtimeNsec = 0; // and nanoseconds
    bool operator==(const EntryFacts &) const = default;
};

EntryFacts factsOf(const struct stat &st);

// "file", "folder", "link" or "other".
const char *kindText(EntryKind kind);

// The modification time as ISO 8601 in local time with its offset ("2026-12-10T21:05:00+01:00").
std::string isoTimeText(std::int64_t seconds);

} // namespace rnx10
