// A file-system object whose copy stops part-way, as a full disk would.
#pragma once

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"

namespace rnx10::test {

class FailingCopyFileSystem : public FileSystemObject {
public:
    void copyFolder(const std::string &source, const std::string &destination, bool overwrite) override
    {
        FileSystemObject::copyFolder(source, destination, overwrite);
        throw err::pathFileAccess(destination + " (No space left on device)");
    }
};

} // namespace rnx10::test
