// The file-system object: folders, files, sizes, forced deletion, copying and hidden marking.
// Paths are native byte strings ("/" separated); a name need not be valid UTF-8.
// Every failure raises AutomationError (76 path not found, 70 permission denied, 58 exists, 75 other).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject {
public:
    virtual ~FileSystemObject() = default;

    // True when path names a folder (a link to a folder counts, as the desktop shows it).
    virtual bool folderExists(const std::string &path);
    virtual bool fileExists(const std::string &path);

    // Creates one folder; its parent must exist (76 otherwise), and it must not (58).
    virtual void createFolder(const std::string &path);

    // Deletes a folder with everything below it; with force, read-only entries go too.
    // A link is removed as a link, its target untouched. Raises at the first entry that cannot
    // be deleted, leaving what was deleted so far deleted. Refuses "/", the home folder and their
    // ancestors (70) whatever the caller asks.
    virtual void deleteFolder(const std::string &path, bool force);
    virtual void deleteFile(const std::string &path, bool force);

    // Copies everything inside source into destination (created when missing), recursively;
    // links are copied as links. With overwrite, files that exist are replaced; without, 58.
    virtual void copyFolder(const std::string &source, const std::string &destination, bool overwrite);

    // Total logical bytes of all regular files below path; links are never followed.
    // Raises when path is missing or a folder below it cannot be read.
    virtual std::uint64_t folderSize(const std::string &path);

    // Names of the folders directly inside path (not links), in the order the file system lists them.
    virtual std::vector<std::string> subFolders(const std::string &path);
    // Names of every other entry directly inside path (files, links, others), in listing order.
    virtual std::vector<std::string> files(const std::string &path);

    // Marks a folder hidden and nothing else: listed once in its parent's .hidden file and
    // writable again by its owner.
    virtual void markHiddenOnly(const std::string &path);
};

// True for "/", the user's home folder and every ancestor of it: never force-deleted.
bool isProtectedFolder(const std::string &path);

} // namespace rnx10
