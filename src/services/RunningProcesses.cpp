#include "services/RunningProcesses.h"

#include "platform/FileIO.h"

#include <algorithm>
#include <filesystem>

namespace rnx10 {

std::vector<std::string> runningProcessNames(const std::string &procRoot)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(procRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        SmallFileText comm = readSmallFile(it->path().string() + "/comm", 256);
        if (comm.status != SmallFile::Read)
            continue;
        while (!comm.text.empty() && comm.text.back() == '\n')
            comm.text.pop_back();
        names.push_back(comm.text);
    }
    return names;
}

} // namespace rnx10
