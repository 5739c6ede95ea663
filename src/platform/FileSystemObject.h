// The file-system object: folders, files, sizes, forced deletion, copying, renaming and hidden
// marking. The code above the platform does its file-system work through it, so a test can hand in
// a fake. Paths are native byte strings ("/" separated); a name need not be valid UTF-8.
// Every failure raises AutomationError (76 path not found, 70 permission denied, 58 exists, 75 other).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

class Descriptor;

// What stat(2) tells of an entry, as far as the callers need it.
struct EntryStatus {
    enum class Type { Folder, File, Link, Other };
    Type type = Type::Other;
    unsigned mode = 0;        // permission bits (07777)
    std::uint64_t device = 0; // the file system holding the entry
};

class FileSystemObject {
public:
    virtual ~FileSystemObject() = default;

    // True when path names a folder (a link to a folder counts, as the desktop shows it).
    virtual bool folderExists(const std::string &path);
    virtual bool fileExists(const std::string &path);

    // What is at path, links followed unless followLinks is false; nothing when there is no entry
    // or it cannot be looked at.
    virtual std::optional<EntryStatus> status(const std::string &path, bool followLinks = true);
    // True when anything is at path, a link counting as itself (a dangling one too).
    bool entryExists(const std::string &path);
    // True when path, trailing separators ignored, is a link itself.
    bool isLink(const std::string &path);
    // Sets the permission bits of path (links followed).
    virtual void setMode(const std::string &path, unsigned mode);

    // Creates one folder; its parent must exist (76 otherwise), and it must not (58).
    virtual void createFolder(const std::string &path);
    // Creates a new, empty folder in parent named prefix and a unique ending, which only its owner
    // may enter; returns its path.
    virtual std::string createUniqueFolder(const std::string &parent, const std::string &prefix);

    // Renames from to to, both on one file system; an existing to is replaced as rename(2) does
    // (an empty folder by a folder, a file by a file). Errors name to.
    virtual void rename(const std::string &from, const std::string &to);
    // Swaps the entries at a and b in one step. False, nothing changed, when the file system
    // cannot; other failures raise, naming b.
    virtual bool exchange(const std::string &a, const std::string &b);

    // Deletes a folder with everything below it; with force, read-only entries go too.
    // A link is removed as a link, its target untouched. Raises at the first entry that cannot
    // be deleted, leaving what was deleted so far deleted. Refuses "/", the home folder and their
    // ancestors (70) whatever the caller asks.
    virtual void deleteFolder(const std::string &path, bool force);
    // The same for a folder held open since it was checked: everything below the open folder, then
    // name in parent while it still is that folder (70 otherwise). Nothing is reopened by path, so
    // a level swapped for a link meanwhile is never followed.
    virtual void deleteOpenedFolder(const Descriptor &parent, const std::string &name, const Descriptor &folder,
                                    const std::string &path, bool force);
    virtual void deleteFile(const std::string &path, bool force);

    // Copies everything inside source into destination (created when missing), recursively, as
    // cp -a does: modes, times and (where allowed) owners kept, destination's own included; links
    // are copied as links. With overwrite, files that exist are replaced; without, 58.
    virtual void copyFolder(const std::string &source, const std::string &destination, bool overwrite);

    // Total logical bytes of all regular files below path; links are never followed.
    // Raises when path is missing or a folder below it cannot be read.
    virtual std::uint64_t folderSize(const std::string &path);

    // Names of the folders directly inside path (not links), in name order (platform/NameOrder.h).
    virtual std::vector<std::string> subFolders(const std::string &path);
    // Names of every other entry directly inside path (files, links, others), in name order.
    virtual std::vector<std::string> files(const std::string &path);

    // Marks a folder hidden and nothing else: listed once in its parent's .hidden file and
    // writable again by its owner.
    virtual void markHiddenOnly(const std::string &path);
};

// The home folder of the user's password entry; the empty text when there is none.
std::string passwordHomeFolder();

// True for "/", the user's home folder ($HOME and the password entry's) and every ancestor of
// either, judged on real paths: never force-deleted.
bool isProtectedFolder(const std::string &path);

} // namespace rnx10
