// The twenty command keys of ExecuteSupportCenter and their handlers.
#pragma once

#include "automation/Variant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rnx10 {

// The six arguments of a call (no handler reads them).
struct CommandArguments {
    std::int32_t &lhWnd;
    const std::string &key;
    const std::string &parametersA;
    const std::string &parametersB;
    const Variant &parametersC;
    const Variant &parametersD;
};

// What a key does; null for the keys that do nothing on this system.
using CommandHandler = void (*)();

struct Command {
    const char *key;
    CommandHandler handler;
};

// The table in the order keys are compared.
const std::vector<Command> &commandTable();

// Runs the handler of the first key equal to args.key (exact, case-sensitive, whole text);
// returns false when no key matched (which is no error).
bool dispatchCommand(CommandArguments &args);

} // namespace rnx10
