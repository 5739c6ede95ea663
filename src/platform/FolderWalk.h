// The tree walks under the file-system object, on directory descriptors.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rnx10::walk {

struct Entry {
    std::string name;
    bool isFolder = false; // a real folder, never a link to one
};

// Entries of one folder in listing order, without "." and "..". Raises on failure.
std::vector<Entry> list(const std::string &path);

std::uint64_t treeSize(const std::string &path);
void removeTree(const std::string &path, bool force);
void copyTree(const std::string &source, const std::string &destination, bool overwrite);

// Every folder below root (not root itself), parents before children, in listing order.
// The visitor returns false to stop the walk.
void forEachFolder(const std::string &root, const std::function<bool(const std::string &)> &visit);

} // namespace rnx10::walk
