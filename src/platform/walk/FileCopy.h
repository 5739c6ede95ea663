// Copying one file or link between two folders given by descriptors.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10::walk {

// What a copy keeps of an entry besides its content, as cp -a does: owner and group where the
// process may give them (root any, a user a group of their own), the mode, and the times. Best
// effort: what cannot be set stays as the copy made it. keepAttributesAt sets them on entry name of
// folder dir (a link itself, never its target; links have no mode of their own), keepAttributes
// on an open folder. A folder gets them once everything inside it is there.
void keepAttributesAt(int dir, const char *name, const struct stat &source);
void keepAttributes(int fd, const struct stat &source);

class FileCopier {
public:
    FileCopier();

    // Copies regular file name of srcDir into dstDir with its owner, mode and times: a clone where the
    // file system shares blocks, else an in-kernel copy of the data alone, holes kept as holes. Without overwrite an existing target
    // raises 58; with it, the target is replaced even when read-only. Returns the bytes copied.
    // dstPath names the target in errors (made only when one is raised).
    std::uint64_t copyFile(int srcDir, int dstDir, const char *name, bool overwrite,
                           const std::function<std::string()> &dstPath);

    // Copies link name as a link with the same target text, owner and times.
    void copyLink(int srcDir, int dstDir, const char *name, bool overwrite, const std::function<std::string()> &dstPath);

    // Makes a named pipe like FIFO name, with its owner, mode and times (nothing is read from it).
    void copyFifo(int srcDir, int dstDir, const char *name, bool overwrite, const std::function<std::string()> &dstPath);

private:
    void copyData(int in, int out, std::uint64_t size, const std::function<std::string()> &dstPath);
    // Copies bytes from..to at the same offsets; returns where the source ended (to, or earlier).
    off_t copyRange(int in, int out, off_t from, off_t to, const std::function<std::string()> &dstPath);

    bool m_cloneFailed = false;   // the target file system shares no blocks: stop asking
    bool m_inKernel = true;       // copy_file_range works between these file systems
    unsigned m_umask = 07777;     // unknown: every mode is set explicitly
};

} // namespace rnx10::walk
