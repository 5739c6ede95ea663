#include "BackupRun.h"

#include "ArchiveWriter.h"

#include "automation/AutomationError.h"
#include "platform/Paths.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"

#include <cstdio>
#include <ctime>

namespace rnx10::backuptool {

std::string suiteSettingsFolder() { return parentPath(RuntimeService::configurationFile()); }

std::string archiveNameFor(const std::string &folder)
{
    std::string name = baseName(folder);
    if (name.empty() || name == "/" || name == "." || name == "..")
        return "root";
    return name;
}

namespace {
// "--at HH:MM" sets the hour and minute of when; false for anything else.
bool parseArguments(int argc, char **argv, std::tm &when)
{
    if (argc == 1)
        return true;
    int hour = -1, minute = -1;
    char tail = 0;
    if (argc != 3 || std::string(argv[1]) != "--at" || std::sscanf(argv[2], "%d:%d%c", &hour, &minute, &tail) != 2 ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return false;
    when.tm_hour = hour;
    when.tm_min = minute;
    return true;
}
} // namespace

int runBackup(const char *tool, const std::vector<BackupSource> &sources, int argc, char **argv)
{
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    ::localtime_r(&now, &when);
    if (!parseArguments(argc, argv, when)) {
        std::fprintf(stderr, "usage: %s [--at HH:MM]\n", tool);
        return 2;
    }
    int status = 0;
    try {
        const std::string store = RuntimeService().EnvironGet(envkey::kSuiteEnvironment, envkey::Store);
        for (const BackupSource &source : sources) {
            try {
                const std::string archive = writeArchive({store, source.folder, source.sourceText, source.archiveName, source.copyName, when});
                std::printf("%s: %s -> %s\n", tool, source.folder.c_str(), archive.c_str());
            } catch (const AutomationError &e) {
                std::fprintf(stderr, "%s: %s: error %d: %s\n", tool, source.folder.c_str(), e.number(), e.description().c_str());
                status = 1;
            }
        }
    } catch (const AutomationError &e) {
        std::fprintf(stderr, "%s: error %d: %s\n", tool, e.number(), e.description().c_str());
        return 1;
    }
    return status;
}

} // namespace rnx10::backuptool
