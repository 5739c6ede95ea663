// A file system that knows only plain rename (some network file systems): renameat2 with a flag
// (RENAME_NOREPLACE, RENAME_EXCHANGE) fails with EINVAL, made real with a seccomp filter.
#pragma once

namespace rnx10::test {

// From now on, for the calling thread and every thread it starts. The filter cannot be lifted:
// use it in a child process (InChild.h). False when the kernel does not allow it.
bool refuseRenameFlagsFromThisThread();

} // namespace rnx10::test
