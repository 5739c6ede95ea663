#include "platform/walk/WorkerPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace rnx10::walk {

namespace {
// On Linux PRIO_PROCESS with a thread id names that thread alone.
id_t threadId() { return static_cast<id_t>(::syscall(SYS_gettid)); }

int niceOf(id_t who)
{
    errno = 0;
    int value = ::getpriority(PRIO_PROCESS, who);
    return errno ? 0 : value;
}
} // namespace

int threadNice() { return niceOf(threadId()); }

void lowerWorkerPriority()
{
    int target = std::min(19, niceOf(static_cast<id_t>(::getpid())) + kWorkerNiceStep);
    if (threadNice() >= target)
        return;
    ::setpriority(PRIO_PROCESS, threadId(), target);
}

} // namespace rnx10::walk
