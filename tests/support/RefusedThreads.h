// A system that will not start another thread, as under a thread or process limit or without
// memory for a stack, made real with a seccomp filter on the calling thread.
#pragma once

namespace rnx10::test {

// From now on, for the calling thread and every thread it starts, the kernel refuses new threads:
// clone3 reports ENOSYS (the C library falls back to clone) and clone with CLONE_THREAD fails with
// EAGAIN. New processes (fork, posix_spawn) still start. The filter cannot be lifted: use it on a
// thread of its own or in a child process. False when the kernel does not allow it.
bool refuseNewThreadsFromThisThread();

} // namespace rnx10::test
