// The run of a backup stand-in: one archive per source, errors told on standard error, a line in
// the log folder's backup.log for every run and a desktop notification for a failed one.
#pragma once

#include <string>
#include <vector>

namespace rnx10::backuptool {

struct BackupSource {
    std::string folder;      // what to copy
    std::string sourceText;  // SourceDir as recorded
    std::string archiveName;
    std::string copyName;
};

// Writes one archive per source into the store that ZVENVSBAK names (resolved like the library
// does), all under the same hour folder. Returns the exit status: 0 when every source was
// archived, 1 when any failed (the others are still archived), 2 for a wrong argument.
// The suite starts the tools without arguments; "--at HH:MM" files the archives under that time
// of today instead of now (used to seed a store with several hours).
// Every run, one with a wrong argument too, appends its line to backup.log in the log folder
// (ZVENVSLOGS); a failed run is also sent as a desktop notification when a session bus is set.
// Neither can fail the run, and the notification never holds it more than a few seconds.
int runBackup(const char *tool, const std::vector<BackupSource> &sources, int argc, char **argv);

// The suite's settings folder: $XDG_CONFIG_HOME/zorvane (or ~/.config/zorvane).
std::string suiteSettingsFolder();

// A safe file name from a folder's last name ("Documents"; "/" and empty become "root").
std::string archiveNameFor(const std::string &folder);

} // namespace rnx10::backuptool
