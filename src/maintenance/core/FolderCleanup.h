// The steps of the maintenance cleanup on a file-system object the caller hands in (they may run
// on a worker thread). Each step swallows its own failures: whatever cannot be deleted is left and
// the cleanup goes on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject;

// What a cleanup could not delete: the first few paths by name and how many in all.
struct Leftovers {
    static constexpr std::size_t kNamed = 5;
    std::vector<std::string> named;
    std::size_t count = 0;
    void note(const std::string &path)
    {
        if (named.size() < kNamed)
            named.push_back(path);
        ++count;
    }
};

// True when path may be emptied: an absolute path naming a real folder (not a link to
// one) that is neither "/", $HOME, the password entry's home folder nor an ancestor of one.
bool isCleanableFolder(FileSystemObject &fs, const std::string &path);

// Deletes the folder with everything in it, then creates it again, empty (one level only).
// When something inside cannot be deleted, every other entry still is, at any depth, and what
// stayed is noted in left. A path that is empty, relative or protected is left alone; a link
// there is replaced by a real, empty folder, its target untouched.
void resetFolder(FileSystemObject &fs, const std::string &path, Leftovers *left = nullptr);

// Deletes every sub-folder directly inside path, then, when withFiles, every other entry there,
// going past any entry that cannot be deleted at any depth (noted in left). The folder itself
// stays, and so does a file system mounted inside it. Does nothing unless isCleanableFolder(path).
void emptyFolder(FileSystemObject &fs, const std::string &path, bool withFiles, Leftovers *left = nullptr);

// The folder named name beside the user temporary folder (its parent + "/" + name); the empty
// text when temp is not a usable folder or has no parent.
std::string besideTempFolder(FileSystemObject &fs, const std::string &temp, const std::string &name);

} // namespace rnx10
