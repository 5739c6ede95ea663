#include "services/RuntimeService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/LibraryFolder.h"
#include "services/IniFile.h"
#include "services/ProgIds.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#ifndef RNX10_DEFAULT_PROGRAM_ROOT
#define RNX10_DEFAULT_PROGRAM_ROOT "/usr/local/lib/zorvane"
#endif

namespace rnx10 {

namespace {
RegisterObject<RuntimeService, RuntimeService> registration(progid::Runtime);

std::string env(const char *name)
{
    const char *v = std::getenv(name);
    return v ? v : "";
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback under home.
std::string xdgFolder(const char *variable, const char *fallbackUnderHome)
{
    std::string v = env(variable);
    if (!v.empty() && v.front() == '/')
        return v;
    return env("HOME") + "/" + fallbackUnderHome;
}

// The suite's programs are installed in "zorvane" beside the library, wherever the installed tree
// lies now; the configure-time prefix is only the fallback.
std::string programRootBesideLibrary()
{
    const std::string folder = libraryFolder();
    return folder.empty() ? RNX10_DEFAULT_PROGRAM_ROOT : folder + "/zorvane";
}

std::string defaultValue(const std::string &key)
{
    const std::string data = xdgFolder("XDG_DATA_HOME", ".local/share") + "/zorvane";
    if (key == "ZVENVSYS32MASK") return programRootBesideLibrary();
    if (key == "ZVENVSBAK") return data + "/backup";
    if (key == "ZVENVSFAM") return data + "/locker";
    if (key == "ZVENVSLOGS") return xdgFolder("XDG_STATE_HOME", ".local/state") + "/zorvane/logs";
    if (key == "ZVENVSTMP") return xdgFolder("XDG_CACHE_HOME", ".cache") + "/zorvane/tmp";
    if (key == "ZVENVSTRDNWEB") return "https://zorvane.example/downloads";
    if (key == "ZVENVSTRBUY") return "https://zorvane.example/shop";
    if (key == "ZVENVSTRBRINDLEX") return "https://brindlex.example/";
    return {};
}
} // namespace

const std::vector<std::string> &RuntimeService::keys()
{
    static const std::vector<std::string> all = {"ZVENVSYS32MASK", "ZVENVSTRDNWEB", "ZVENVSTRBUY", "ZVENVSTRBRINDLEX",
                                                 "ZVENVSBAK",      "ZVENVSFAM",     "ZVENVSLOGS",  "ZVENVSTMP"};
    return all;
}

std::string RuntimeService::configurationFile()
{
    return xdgFolder("XDG_CONFIG_HOME", ".config") + "/zorvane/environment.ini";
}

std::string RuntimeService::stateFolder() { return xdgFolder("XDG_STATE_HOME", ".local/state") + "/zorvane"; }

RuntimeService::Lookup RuntimeService::lookup(const std::string &key)
{
    if (std::find(keys().begin(), keys().end(), key) == keys().end())
        throw err::invalidCall("unknown environment key \"" + key + "\"");
    // An empty value counts as unset: it would otherwise name the root or the working folder.
    if (const char *v = std::getenv(key.c_str()); v && *v)
        return {v, "environment"};
    const std::string file = configurationFile();
    // A configuration file that cannot be read, or lacks the key, leaves the default in force.
    if (auto value = IniFile::read(file, "Environment", key); value && !value->empty())
        return {*value, file};
    return {defaultValue(key), "default"};
}

std::string suiteFolderForWriting(RuntimeService &runtime, const std::string &key)
{
    const RuntimeService::Lookup found = runtime.lookup(key);
    // The default log and temporary folders lie under our XDG base folders: a new account has
    // none yet, and its first backup writes its log there. A folder the user named is not made.
    if (found.source == "default" && (key == "ZVENVSLOGS" || key == "ZVENVSTMP")) {
        std::error_code ignored;
        std::filesystem::create_directories(found.value, ignored);
    }
    return found.value;
}

std::string RuntimeService::EnvironGet(std::int16_t /*kind*/, const std::string &key) { return lookup(key).value; }

} // namespace rnx10
