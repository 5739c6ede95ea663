#include "WalkFixtures.h"

#include "support/TestSupport.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <thread>

namespace rnx10::test {

void makeLink(const std::string &target, const std::string &path)
{
    if (::symlink(target.c_str(), path.c_str()) != 0)
        throw std::runtime_error("symlink " + path);
}

void writeBytes(const std::string &path, std::size_t count) { writeFile(path, std::string(count, 'x')); }

int openDescriptors()
{
    int n = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

std::size_t makeDeepChain(const std::string &root, int levels, std::size_t fileBytes)
{
    int dir = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    std::size_t total = 0;
    std::string content(fileBytes, 'y');
    for (int i = 0; i < levels && dir >= 0; ++i) {
        if (i % 10 == 0) {
            int f = ::openat(dir, "file", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            total += static_cast<std::size_t>(::write(f, content.data(), content.size()));
            ::close(f);
        }
        ::mkdirat(dir, kDeepName, 0755);
        int next = ::openat(dir, kDeepName, O_RDONLY | O_DIRECTORY);
        ::close(dir);
        dir = next;
    }
    if (dir < 0)
        throw std::runtime_error("deep chain");
    ::close(dir);
    return total;
}

namespace {
// Times of the entry's own (not the link's target), differing between paths, so a copy that drops
// them shows.
void stamp(const std::string &path)
{
    const long seconds = 1100000000 + static_cast<long>(std::hash<std::string>()(path) % 100000);
    const struct timespec when[2] = {{seconds, 5}, {seconds, 7}};
    ::utimensat(AT_FDCWD, path.c_str(), when, AT_SYMLINK_NOFOLLOW);
}
} // namespace

void makeWideTree(const std::string &root, int levels)
{
    writeFile(root + "/f", std::to_string(levels));
    makeLink("f", root + "/l");
    stamp(root + "/l");
    if (levels > 0) {
        for (const char *name : {"a", "b", "c", "d"}) {
            ::mkdir((root + "/" + name).c_str(), 0750);
            makeWideTree(root + "/" + name, levels - 1);
        }
    } else {
        ::chmod(root.c_str(), 0555);
    }
    stamp(root); // once everything inside is made
}

std::vector<std::string> describeTree(const std::string &root)
{
    std::vector<std::string> lines;
    for (const auto &e : std::filesystem::recursive_directory_iterator(root)) {
        std::string path = e.path().string();
        struct stat st{};
        ::lstat(path.c_str(), &st);
        char target[256] = {};
        if (S_ISLNK(st.st_mode))
            ::readlink(path.c_str(), target, sizeof target - 1);
        lines.push_back(path.substr(root.size()) + " " + std::to_string(st.st_mode) + " " +
                        std::to_string(S_ISDIR(st.st_mode) ? 0 : st.st_size) + " " + std::to_string(st.st_uid) + ":" +
                        std::to_string(st.st_gid) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                        std::to_string(st.st_mtim.tv_nsec) + " " + target);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Capabilities belong to threads, and a thread's new threads start with its own.
void withoutOverridingModes(const std::function<void()> &work)
{
    std::exception_ptr error;
    std::thread t([&] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (::syscall(SYS_capget, &header, data) == 0) {
            for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
                data[cap / 32].effective &= ~(1u << (cap % 32));
            ::syscall(SYS_capset, &header, data);
        }
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
    });
    t.join();
    if (error)
        std::rethrow_exception(error);
}

} // namespace rnx10::test
