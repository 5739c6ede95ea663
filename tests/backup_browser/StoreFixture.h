// A scratch installation with the component's services, and helpers that lay out a store.
#pragma once

#include "component/clsRNX10A.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <cstdint>
#include <memory>
#include <string>

namespace rnx10::test {

class StoreFixture : public ::testing::Test {
protected:
    // The computer folder the browser scans: store/<hostname>.
    std::string computer() const;
    // computer/<relative>, created.
    std::string folder(const std::string &relative) const;
    // A file of exactly size bytes (created with its folders).
    void fileOfSize(const std::string &path, std::uint64_t size) const;
    // An archive folder hour/<name> holding details.ini with content (none when content is
    // unset) and a copy folder "data" with one file of copyBytes.
    std::string archive(const std::string &hour, const std::string &name, const std::string *details,
                        std::uint64_t copyBytes = 10) const;
    // details.ini text with the five keys.
    static std::string details(const std::string &source, const std::string &destination);

    Installation inst;
    std::unique_ptr<clsRNX10A> rnx = std::make_unique<clsRNX10A>();
    FileSystemObject fso; // handed to the store code under test
};

// A file-system object whose size and listing fail for every path containing a marker, as an
// unreadable folder does for an unprivileged user.
class UnreadableFileSystem : public FileSystemObject {
public:
    explicit UnreadableFileSystem(std::string marker) : m_marker(std::move(marker)) {}
    std::uint64_t folderSize(const std::string &path) override;
    std::vector<std::string> subFolders(const std::string &path) override;

private:
    void check(const std::string &path) const;
    std::string m_marker;
};

} // namespace rnx10::test
