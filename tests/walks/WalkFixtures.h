// Trees for the walk tests: files of known sizes, links, and trees deeper than PATH_MAX.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rnx10::test {

void makeLink(const std::string &target, const std::string &path);
void writeBytes(const std::string &path, std::size_t count);
// Descriptors this process has open right now.
int openDescriptors();

constexpr const char *kDeepName = "deeper";

// A chain of folders levels deep below root ("deeper/deeper/..."), built relative to descriptors so the
// full path may exceed PATH_MAX; a file of fileBytes at every tenth level. Returns the bytes.
std::size_t makeDeepChain(const std::string &root, int levels, std::size_t fileBytes);

// Four levels of four sub-folders, each with a file, a link and a read-only last folder: wide
// enough for a walk to spread over the cores.
void makeWideTree(const std::string &root, int levels = 4);

// Every entry below root as "path type-and-mode size owner:group modified link-target" lines,
// sorted: for comparing trees.
std::vector<std::string> describeTree(const std::string &root);

} // namespace rnx10::test
