// A scratch installation with a small store: two hours of one day, archives with details.ini.
#pragma once

#include "backup_browser/core/ArchiveDeletion.h"
#include "platform/FileSystemObject.h"
#include "support/TestSupport.h"

#include <set>
#include <string>

namespace rnx10::test {

class StoreFixture {
public:
    StoreFixture();

    // store/PC01/2026/12/10/<hour>/<archive>/{details.ini, copy/...}; returns the archive folder.
    std::string addArchive(const std::string &hour, const std::string &archive, const std::string &source);
    BrowserFolders folders(const std::string &hour = "0900") const;

    std::string computer() const { return inst.store() + "/PC01"; }
    std::string day() const { return computer() + "/2026/12/10"; }
    std::string hour(const std::string &name) const { return day() + "/" + name; }

    Installation inst;
};

// Every entry below root as relative paths, with a marker for links and their targets.
std::set<std::string> treeListing(const std::string &root);

// A file-system object whose copy stops part-way, as a full disk would.
class FailingCopyFileSystem : public FileSystemObject {
public:
    void copyFolder(const std::string &source, const std::string &destination, bool overwrite) override;
};

// Registers a file-system object type for a scope. It empties the thread's service set so the
// next use makes the new type; an instance created after it fills the set again.
class FileSystemOverride {
public:
    template <typename T> static FileSystemOverride of() { return FileSystemOverride([] { return std::make_shared<T>(); }); }
    ~FileSystemOverride();
    FileSystemOverride(FileSystemOverride &&) = default;

private:
    explicit FileSystemOverride(std::function<std::shared_ptr<FileSystemObject>()> make);
    std::function<std::shared_ptr<void>()> m_saved;
};

} // namespace rnx10::test
