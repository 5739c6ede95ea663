// What becomes of the folder a restore replaces, told before (in the question) and after.
#pragma once

#include <string>

namespace rnx10 {

struct ReplacedFolder {
    enum class Fate { None, Trashed, Deleted }; // None: there was no folder to replace
    Fate fate = Fate::None;
    std::string inTrash; // where a trashed folder lies now
};

// What a restore to sourceDir would do with the folder there now; nothing is changed.
ReplacedFolder::Fate expectedFate(const std::string &sourceDir);

// The question's sentence on the current folder.
std::string expectedFateText(ReplacedFolder::Fate fate);

// The sentence told after a restore on what became of the replaced folder ("" for none).
std::string fateText(const ReplacedFolder &replaced);

} // namespace rnx10
