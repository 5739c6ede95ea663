// Whether two files hold the same bytes, read side by side in large blocks at disk speed and
// stopping at the first difference. The blocks are held for the checker's life, so a tree of
// small files costs no allocation per file.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace rnx10::walk {

class ContentCheck {
public:
    // Whether regular file name in folder a holds what name in folder b holds. Neither is followed
    // through a link. When either cannot be opened or read, or is no longer a regular file, sets
    // failed to its path and raises.
    bool same(int a, int b, const char *name, const std::string &pathA, const std::string &pathB, std::string &failed);

private:
    std::unique_ptr<char[]> m_blocks; // both sides' blocks, made on first use
};

} // namespace rnx10::walk
