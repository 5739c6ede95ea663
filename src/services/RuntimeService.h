// Resolves the suite's environment keys: process environment, then the configuration file,
// then defaults under the XDG base folders and beside the installed library (the program root).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rnx10 {

class RuntimeService {
public:
    struct Lookup {
        std::string value;
        std::string source; // "environment", the configuration file's path, or "default"
    };

    virtual ~RuntimeService() = default;

    // The value of a key as text. Raises 5 for a key the suite does not know.
    virtual std::string EnvironGet(std::int16_t kind, const std::string &key);

    // The value and where it came from.
    virtual Lookup lookup(const std::string &key);

    // Every key the suite knows, in display order.
    static const std::vector<std::string> &keys();

    // $XDG_CONFIG_HOME/zorvane/environment.ini (or ~/.config/...).
    static std::string configurationFile();

    // $XDG_STATE_HOME/zorvane (or ~/.local/state/zorvane): what the suite keeps between runs.
    static std::string stateFolder();
};

// The log or suite temporary folder (ZVENVSLOGS, ZVENVSTMP) for a run about to write there: the
// default folder, which a new account has not yet, is made with its parents first; a folder the
// user named is left as it is (a missing one is the caller's error to report). Looking a key up
// never makes anything.
std::string suiteFolderForWriting(RuntimeService &runtime, const std::string &key);

} // namespace rnx10
