// The real file-system object, fenced into a scratch root for the cleanup tests: deletions
// outside the root are recorded and refused without touching anything, and entries can be made
// undeletable by name (a file in use). Installed as the shared file-system object for a scope
// with ScopedFileSystem (support/ScopedFactory.h); make that before the test's component instance.
#pragma once

#include "platform/FileSystemObject.h"
#include "platform/MousePointer.h"
#include "support/ScopedFactory.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace rnx10::test {

class GuardedFileSystem : public FileSystemObject {
public:
    explicit GuardedFileSystem(std::string root) : m_root(std::move(root)) {}

    void deleteFolder(const std::string &path, bool force) override;
    void deleteFile(const std::string &path, bool force) override;

    std::set<std::string> failNames;    // deleting an entry of one of these names fails (70)
    bool failEverything = false;        // every deletion fails
    std::set<std::string> undeletable;  // these paths cannot be deleted, nor any folder holding one
    std::vector<std::string> escaped;   // deletions asked for outside the root
    std::vector<std::string> requested; // every deletion asked for, in order
    MousePointer pointerAtLastDelete = MousePointer::Arrow;

private:
    void check(const std::string &path);
    std::string m_root;
};

} // namespace rnx10::test
