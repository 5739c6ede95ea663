// regbak.exe: backs up the suite's settings (the settings folder stands for the registry keys).
#include "BackupRun.h"

int main(int argc, char **argv)
{
    using namespace rnx10::backuptool;
    return runBackup("regbak.exe", {{suiteSettingsFolder(), "REGKEYS", "registry", "settings"}}, argc, argv);
}
