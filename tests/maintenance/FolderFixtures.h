// Scratch-folder helpers of the maintenance tests.
#pragma once

#include <string>
#include <vector>

namespace rnx10::test {

// Names directly inside folder, sorted; none when it cannot be read.
std::vector<std::string> entries(const std::string &folder);

// A real folder (not a link) with nothing in it.
bool isEmptyFolder(const std::string &path);

// Files and nested folders, a read-only file and names that are not UTF-8.
void fill(const std::string &folder);

// Removes everything below folder, names that are not UTF-8 and read-only folders included,
// which the scratch folder's own removal cannot.
void wipeBelow(const std::string &folder);

// Changes the working folder for a scope.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string &path);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

private:
    std::string m_saved;
};

} // namespace rnx10::test
