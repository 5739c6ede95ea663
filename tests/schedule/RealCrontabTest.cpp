// The service against the real crontab of the user running the tests, left exactly as found.
#include "automation/AutomationError.h"
#include "platform/SpawnCommandRunner.h"
#include "services/ScheduledTaskService.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

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

// Holds the account's crontab and at queue for one test, across processes: ctest's resource lock
// did not keep these tests apart, and two test runs at once on one machine share the crontab too.
class UserCrontabLock {
public:
    UserCrontabLock()
        : m_fd(::open(("/tmp/rnx10-tests-crontab-" + std::to_string(::getuid()) + ".lock").c_str(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~UserCrontabLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    UserCrontabLock(const UserCrontabLock &) = delete;
    UserCrontabLock &operator=(const UserCrontabLock &) = delete;

private:
    int m_fd;
};

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
    const UserCrontabLock lock;
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

// The jobs of one name among those the service reads back.
std::vector<ScheduledJob> named(const std::vector<ScheduledJob> &jobs, const std::string &name)
{
    std::vector<ScheduledJob> found;
    std::copy_if(jobs.begin(), jobs.end(), std::back_inserter(found), [&](const auto &j) { return j.name == name; });
    return found;
}

// Removes, at the end, every at job that was not queued at the start.
class AtQueueKeeper {
public:
    AtQueueKeeper() : m_before(numbers()) {}
    ~AtQueueKeeper()
    {
        for (const std::string &n : numbers())
            if (std::find(m_before.begin(), m_before.end(), n) == m_before.end())
                SpawnCommandRunner().run("atrm", {n}, {});
    }
    const std::vector<std::string> &before() const { return m_before; }
    static std::vector<std::string> numbers()
    {
        std::vector<std::string> found;
        const std::string listing = SpawnCommandRunner().run("atq", {}, {}).out;
        for (std::size_t at = 0; at < listing.size();) {
            const std::size_t tab = listing.find('\t', at), end = listing.find('\n', at);
            if (tab < end)
                found.push_back(listing.substr(at, tab - at));
            at = end == std::string::npos ? listing.size() : end + 1;
        }
        return found;
    }

private:
    std::vector<std::string> m_before;
};

TEST(RealCrontab, JobsAreReadBackAndRemovedLeavingTheUsersLines)
{
    const UserCrontabLock lock;
    if (!onPath("crontab"))
        GTEST_SKIP() << "crontab is not installed";
    const std::string name = "rnx10-test-" + std::to_string(::getpid());
    std::string before;
    {
        CrontabKeeper keeper;
        before = keeper.saved().exitCode == 0 ? keeper.saved().out : std::string();
        ScheduledTaskService service;
        std::int32_t jobId = 0;
        bool every = true;
        std::string program = "/opt/my tools/1.0/Sys/regbak.exe", jobName = name;
        service.AddNetScheduleJob("", "M,W", "06:30", program, jobId, false, every, jobName);
        const std::vector<ScheduledJob> ours = named(service.scheduledJobs(), name);
        ASSERT_EQ(ours.size(), 1u);
        EXPECT_EQ(ours[0], (ScheduledJob{name, true, "every M,W at 06:30", program, 0}));
        service.removeJob(ours[0]);
        EXPECT_TRUE(named(service.scheduledJobs(), name).empty());
        EXPECT_EQ(keeper.current(), before);
    }
}

TEST(RealAtQueue, AJobOnceIsQueuedReadBackAndRemovedLeavingTheQueueAsItWas)
{
    const UserCrontabLock lock;
    if (!onPath("at") || !onPath("atq") || !onPath("atrm"))
        GTEST_SKIP() << "at is not installed";
    const std::string name = "rnx10-test-" + std::to_string(::getpid());
    AtQueueKeeper keeper;
    ScheduledTaskService service;
    std::int32_t jobId = 0;
    bool every = false;
    std::string program = "/opt/it's here/1.0/Sys/shellbak.exe", jobName = name;
    try {
        service.AddNetScheduleJob("", "SU", "04:10", program, jobId, false, every, jobName);
    } catch (const AutomationError &e) {
        GTEST_SKIP() << "at refuses to queue a job here: " << e.description();
    }
    const std::vector<ScheduledJob> ours = named(service.scheduledJobs(), name);
    ASSERT_EQ(ours.size(), 1u);
    EXPECT_FALSE(ours[0].every);
    EXPECT_EQ(ours[0].atNumber, jobId);
    EXPECT_EQ(ours[0].program, program);
    EXPECT_NE(ours[0].when.find("Sun "), std::string::npos) << ours[0].when;
    EXPECT_NE(ours[0].when.find(" 04:10:00 "), std::string::npos) << ours[0].when;

    service.removeJob(ours[0]);
    EXPECT_TRUE(named(service.scheduledJobs(), name).empty());
    const std::vector<std::string> now = AtQueueKeeper::numbers();
    EXPECT_EQ(std::find(now.begin(), now.end(), std::to_string(jobId)), now.end());
    for (const std::string &n : keeper.before())
        EXPECT_NE(std::find(now.begin(), now.end(), n), now.end()) << "job " << n << " of the user went";
}

} // namespace
