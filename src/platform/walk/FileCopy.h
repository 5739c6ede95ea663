// Copying one file or link between two folders given by descriptors.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10::walk {

class FileCopier {
public:
    FileCopier();

    // Copies regular file name of srcDir into dstDir with its mode and times: a clone where the
    // file system shares blocks, else an in-kernel copy. Without overwrite an existing target
    // raises 58; with it, the target is replaced even when read-only. Returns the bytes copied.
    // dstPath names the target in errors (made only when one is raised).
    std::uint64_t copyFile(int srcDir, int dstDir, const char *name, bool overwrite,
                           const std::function<std::string()> &dstPath);

    // Copies link name as a link with the same target text.
    void copyLink(int srcDir, int dstDir, const char *name, bool overwrite, const std::function<std::string()> &dstPath);

private:
    void copyData(int in, int out, std::uint64_t size, const std::function<std::string()> &dstPath);

    bool m_cloneFailed = false;   // the target file system shares no blocks: stop asking
    unsigned m_umask = 07777;     // unknown: every mode is set explicitly
};

} // namespace rnx10::walk
