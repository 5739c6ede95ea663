#include "platform/walk/WorkerThreads.h"

#include <system_error>

namespace rnx10::walk {

std::optional<std::thread> tryStartThread(std::function<void()> body, std::string *why)
{
    try {
        return std::thread(std::move(body));
    } catch (const std::system_error &e) {
        if (why)
            *why = e.what();
        return std::nullopt;
    }
}

bool tryAddThread(std::vector<std::thread> &threads, std::function<void()> body)
{
    std::optional<std::thread> started = tryStartThread(std::move(body));
    if (!started)
        return false;
    threads.push_back(std::move(*started));
    return true;
}

} // namespace rnx10::walk
