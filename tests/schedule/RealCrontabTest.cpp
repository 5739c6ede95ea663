// The service against the real crontab of the user running the tests, left exactly as found.
#include "automation/AutomationError.h"
#include "platform/SpawnCommandRunner.h"
#include "services/ScheduledTaskService.h"
#include "support/TestSupport.h"

#include <sys/stat.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

bool onPath(const char *tool)
{
    SpawnCommandRunner runner;
    try {
        return runner.run("sh", {"-c", std::string("command -v ") + tool}, {}).exitCode == 0;
    } catch (const AutomationError &) {
        return false;
    }
}

// Saves `crontab -l` and puts it back, or removes the crontab when there was none.
class CrontabKeeper {
public:
    CrontabKeeper() : m_saved(m_runner.run("crontab", {"-l"}, {})) {}
    ~CrontabKeeper()
    {
        if (m_saved.exitCode == 0)
            m_runner.run("crontab", {"-"}, m_saved.out);
        else
            m_runner.run("crontab", {"-r"}, {});
    }
    const CommandResult &saved() const { return m_saved; }
    std::string current() { return m_runner.run("crontab", {"-l"}, {}).out; }

private:
    SpawnCommandRunner m_runner;
    CommandResult m_saved;
};

TEST(RealCrontab, JobLineIsWrittenReplacedAndRunsAProgramWithBlanksInItsPath)
{
    if (!onPath("crontab"))
        GTEST_SKIP() << "crontab is not installed";
    ScratchDir scratch;
    const std::string folder = scratch / "my tools";
    makeFolders(folder);
    std::string program = folder + "/it's regbak.exe";
    writeFile(program, "#!/bin/sh\necho ran > \"$(dirname \"$0\")/ran.txt\"\n");
    ::chmod(program.c_str(), 0755);

    const std::string before = [] { CrontabKeeper k; return k.saved().exitCode == 0 ? k.saved().out : std::string(); }();
    {
        CrontabKeeper keeper;
        ScheduledTaskService service;
        std::int32_t jobId = 0;
        bool every = true;
        std::string name = "rnx10-test-job";
        service.AddNetScheduleJob("", "M,T,W,TH,F,S,SU", "22:00", program, jobId, false, every, name);
        service.AddNetScheduleJob("", "SU", "05:15", program, jobId, false, every, name);
        const std::string now = keeper.current();
        EXPECT_EQ(now.rfind(before, 0), 0u) << "the user's lines changed";
        const std::string added = now.substr(before.size());
        ASSERT_EQ(added.rfind("15 5 * * 0 ", 0), 0u) << added;
        EXPECT_EQ(added.find('\n'), added.size() - 1) << "more than one line added: " << added;

        // The command part, as cron hands it to /bin/sh.
        const std::string command = added.substr(std::string("15 5 * * 0 ").size());
        SpawnCommandRunner().run("/bin/sh", {"-c", command.substr(0, command.size() - 1)}, {});
        EXPECT_EQ(readFile(folder + "/ran.txt"), "ran\n");
    }
    CrontabKeeper after;
    EXPECT_EQ(after.saved().exitCode == 0 ? after.saved().out : std::string(), before);
}

} // namespace
