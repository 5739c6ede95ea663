// Starting helper threads where the system may refuse one (a process's thread limit, no memory
// for another stack): a refused thread is no failure, the caller does that work itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace rnx10::walk {

// A thread running body, or nothing when the system refuses to start one; why, when given,
// receives the system's reason.
std::optional<std::thread> tryStartThread(std::function<void()> body, std::string *why = nullptr);

// Adds a thread running body to threads; false, adding nothing, when the system refuses it.
bool tryAddThread(std::vector<std::thread> &threads, std::function<void()> body);

} // namespace rnx10::walk
