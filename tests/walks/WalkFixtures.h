// Trees for the walk tests: files of known sizes, links, and trees deeper than PATH_MAX.
#pragma once

#include <cstddef>
#include <functional>
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

// Runs work on a thread that has given up passing over file modes (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH), as have the threads it starts: unreadable and read-only folders refuse it
// even when the tests run as root. Raises what work raised.
void withoutOverridingModes(const std::function<void()> &work);

} // namespace rnx10::test
