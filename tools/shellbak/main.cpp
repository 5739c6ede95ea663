// shellbak.exe: backs up the user's folders that the suite's configuration lists.
#include "ShellBackupFolders.h"

#include "BackupRun.h"

#include "platform/Translation.h"

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace rnx10::backuptool;
    std::vector<BackupSource> sources;
    for (const std::string &folder : shellBackupFolders())
        sources.push_back({folder, folder, "shell-" + archiveNameFor(folder), archiveNameFor(folder)});
    if (sources.empty())
        std::printf("shellbak.exe: %s\n",
                    rnx10::tx("shellbak", "no folder to back up (none listed in [ShellBackup], no ~/Documents)").c_str());
    return runBackup("shellbak.exe", sources, argc, argv);
}
