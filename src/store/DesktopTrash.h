// The desktop trash, laid out as the freedesktop.org trash does it, by a path's raw bytes: a name
// that is not UTF-8 goes in and comes back unchanged.
#pragma once

#include <optional>
#include <string>

namespace rnx10 {

// A trash folder (holding files/ and info/) and the mount it serves.
struct TrashFolder {
    std::string path;
    std::string topDir; // empty for the home trash, whose info records absolute paths
};

// The trash on the file system of an entry at path (which need not exist; its folder must): the
// home trash ($XDG_DATA_HOME/Trash) when it lies on that file system, else the mount's
// .Trash/UID (.Trash a sticky folder, not a link) or .Trash-UID. Only folders of this account
// that are no links are used. With create, missing folders are made (0700); without, nothing
// changes and a folder that could be made counts. Nothing when no trash there can take it.
std::optional<TrashFolder> trashFor(const std::string &path, bool create);

// The info file's Path value: percent-encoded bytes (all but letters, digits, "-._~/").
std::string trashPathValue(const std::string &path);

// Moves entry (a name on originalPath's file system) into that file system's trash as
// originalPath's last name (taken: "NAME.2", "NAME.3"...), its info file made first (O_EXCL) and
// naming originalPath and the local time. Never copies: returns where it went, or nothing, entry
// untouched, when no trash there takes it.
std::optional<std::string> moveToTrash(const std::string &entry, const std::string &originalPath);

} // namespace rnx10
