// rnx10-store status and catch-up, run as a user runs them: crontab, atq and at are stand-ins on
// PATH that give saved outputs, the clock is fixed with --now.
#include "SessionBus.h"
#include "StoreToolRun.h"

#include "support/PrivateMount.h"
#include "support/ScopedLanguage.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <QSignalSpy>

#include <sys/stat.h>


using namespace rnx10;
using namespace rnx10::test;

namespace {

std::string saved(const std::string &name) { return std::string(RNX10_TEST_DATA) + "/" + name; }

class HealthCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.env.set("TZ", "UTC");
        inst.env.set("PATH", bin);
        inst.env.set("FAKE_CRONTAB", crontab);
        inst.env.unset("DBUS_SESSION_BUS_ADDRESS"); // no desktop to tell
        makeFolders(bin);
        // Only these tools are on PATH; each gives what the real one printed.
        tool("crontab", "[ \"$1\" = -l ] || exit 2\n[ -f \"$FAKE_CRONTAB\" ] && exec /bin/cat \"$FAKE_CRONTAB\"\n"
                        "/bin/cat '" + saved("crontab-list-none.txt") + "' >&2\nexit 1\n");
        tool("atq", "/bin/sed \"s/ root\\$/ $(/usr/bin/id -un)/\" '" + saved("atq-listing.txt") + "'\n");
        tool("at", "[ \"$1\" = -c ] || exit 2\ncase $2 in 4) exec /bin/cat '" + saved("at-show-job.txt") +
                       "' ;; 12) exec /bin/cat '" + saved("at-show-other.txt") +
                       "' ;; esac\necho \"Cannot find jobid $2\" >&2\nexit 1\n");
    }
    void tool(const std::string &name, const std::string &body)
    {
        writeFile(bin + "/" + name, "#!/bin/sh\n" + body);
        ::chmod((bin + "/" + name).c_str(), 0755);
    }
    void archiveAt(const std::string &hour) { makeRun(StoreBuilder(inst.store()).computer() + "/" + hour, "Regs"); }

    Installation inst;
    std::string bin = inst.root() + "/bin";
    std::string crontab = inst.root() + "/crontab";
};

} // namespace

TEST_F(HealthCommands, StatusListsTheNewestArchiveEveryJobsNextRunAndWarnings)
{
    archiveAt("2026/12/8/21-05");
    archiveAt("2026/12/8/09-30");
    writeFile(crontab, readFile(saved("crontab-list-scheduled.txt")));
    const StoreToolRun r = runStoreTool({"status", "--now", "2026-12-11 03:00"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines = textLines(r.out);
    ASSERT_GE(lines.size(), 6u) << r.out;
    const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "last\t2026-12-08 21:05\t2 days",
                        "job\tregbak\tnext 2026-12-11 22:00\t/opt/z/1.0/Sys/regbak.exe",
                        "job\tshellbak\tnext 2026-12-14 03:30\t/opt/z/1.0/Sys/shellbak.exe",
                        "job\tthin\tnext 2026-12-11 23:15\t/opt/z/bin/rnx10-store",
                        "job\tat-boot\tnext unknown\t/opt/z/1.0/Sys/regbak.exe",
                        "job\tregbak\tnext 2026-12-11 22:00\t/opt/my tools/1.0/Sys/regbak.exe",
                    }));
    // Whether cron and atd run here is the machine's; what is left are warnings, none of them
    // about the backup's age.
    for (std::size_t i = 6; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("warning\t")) << lines[i];
        EXPECT_EQ(lines[i].find("backup"), lines[i].find("backups")) << lines[i];
    }
}

// at names days and months in English whatever the user's language: a German user's status still
// reads the queued job's time, and tells it overdue once it has passed.
TEST_F(HealthCommands, QueuedJobTimesAreReadInEveryLanguage)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/deps --test generates this locale";
    std::setlocale(LC_ALL, "C");
    archiveAt("2026/12/8/21-05");
    const std::string job = "job\tregbak\t%1 2026-12-11 22:00\t/opt/my tools/1.0/Sys/regbak.exe";
    for (const char *language : {"C", "de_DE.UTF-8"}) {
        const ScopedLanguage chosen(language);
        for (const auto &[now, when] : {std::pair{"2026-12-11 03:00", "next"}, std::pair{"2026-12-12 03:00", "overdue since"}}) {
            const StoreToolRun r = runStoreTool({"status", "--now", now});
            ASSERT_EQ(r.exitCode, 0) << r.err;
            const std::vector<std::string> lines = textLines(r.out);
            const std::string expected = QString::fromStdString(job).arg(when).toStdString();
            EXPECT_EQ(std::count(lines.begin(), lines.end(), expected), 1) << language << "\n" << r.out;
        }
    }
}

TEST_F(HealthCommands, StatusWarnsOfMissingToolsAndAnOldBackup)
{
    archiveAt("2026/11/30/22-00");
    std::filesystem::remove(bin + "/crontab");
    std::filesystem::remove(bin + "/atq");
    const StoreToolRun r = runStoreTool({"status", "--now", "2026-12-11 03:00"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> lines = textLines(r.out);
    const auto has = [&](const std::string &line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_EQ(lines.front(), "last\t2026-11-30 22:00\t10 days");
    EXPECT_TRUE(has("warning\tcrontab is not installed (not found on PATH): backups cannot repeat.")) << r.out;
    EXPECT_TRUE(has("warning\tat is not installed (not found on PATH): backups cannot be queued once.")) << r.out;
    EXPECT_TRUE(has("warning\tNo backup for 10 days.")) << r.out;

    const StoreToolRun json = runStoreTool({"--json", "status", "--now", "2026-12-11 03:00"});
    EXPECT_NE(json.out.find(R"({"kind":"last","time":"2026-11-30 22:00","age":"10 days","ageSeconds":882000})"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(runStoreTool({"status", "--now", "2026-12-11"}).exitCode, 2);
}

TEST_F(HealthCommands, CatchUpRunsAJobMissedTwoDaysAgoOnceThenNothing)
{
    archiveAt("2026/12/8/21-05");
    const std::string runs = inst.root() + "/runs";
    // The stand-in backup writes no archive: only the catch-up's record keeps it from running twice.
    tool("fake-backup", "echo ran >> '" + runs + "'\n");
    const std::string command = "'" + bin + "/fake-backup'";
    writeFile(crontab, "MAILTO=\"\"\n0 22 * * 3 " + command + " # rnx10 job: regbak\n"); // Wednesdays

    const StoreToolRun first = runStoreTool({"catch-up", "--now", "2026-12-11 03:00"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "started\tregbak\tdue 2026-12-09 22:00\t" + command + "\n");
    EXPECT_EQ(readFile(runs), "ran\n");
    EXPECT_EQ(readFile(inst.logs() + "/backup.log"),
              "2026-12-11 03:00:00 rnx10-store catch-up: regbak, due 2026-12-09 22:00: " + command + "\n");

    const StoreToolRun second = runStoreTool({"catch-up", "--now", "2026-12-11 03:05"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(readFile(runs), "ran\n");
}

TEST_F(HealthCommands, CatchUpTellsOfAWeekWithoutBackupOnlyWhenNothingIsScheduled)
{
    archiveAt("2026/12/1/21-05");
    tool("atq", "exit 0\n"); // nothing queued
    const struct {
        const char *what, *crontab, *out;
    } cases[] = {
        {"nothing scheduled", nullptr, "notice\tNo backup for 9 days\n"},
        // Scheduled and caught up already by the run the archive records: nothing to say.
        {"scheduled", "0 21 1 * * /bin/true # rnx10 job: regbak\n", ""},
    };
    for (const auto &c : cases) {
        std::filesystem::remove(crontab);
        if (c.crontab)
            writeFile(crontab, c.crontab);
        const StoreToolRun r = runStoreTool({"catch-up", "--now", "2026-12-11 03:00"});
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.what;
    }
}

TEST_F(HealthCommands, CatchUpTellsTheDesktopWhenItStartsAJobAndOfAWeekWithoutBackup)
{
    if (!std::filesystem::exists("/usr/bin/dbus-daemon") && !std::filesystem::exists("/bin/dbus-daemon"))
        GTEST_SKIP() << "dbus-daemon is not installed";
    inst.env.set("PATH", "/usr/bin:/bin"); // where dbus-daemon is; the stand-ins alone once it runs
    PrivateSessionBus bus;
    inst.env.set("PATH", bin);
    ASSERT_FALSE(bus.address().empty());
    NotificationServer server(bus.address());
    ASSERT_TRUE(server.started());
    inst.env.set("DBUS_SESSION_BUS_ADDRESS", bus.address());
    // The event loop turns while the command runs, so the server can answer it.
    const auto catchUp = [this] {
        QProcess process;
        process.setProgram(QString::fromUtf8(std::getenv("RNX10_BINARY_DIR")) + "/bin/rnx10-store");
        process.setArguments({"catch-up", "--now", "2026-12-11 03:00"});
        QSignalSpy finished(&process, &QProcess::finished);
        process.start();
        EXPECT_TRUE(finished.wait(60000)) << "catch-up did not end";
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    };

    archiveAt("2026/12/1/21-05");
    writeFile(crontab, "0 22 * * 3 /bin/true # rnx10 job: regbak\n");
    catchUp();
    ASSERT_EQ(server.notices.size(), 1u);
    EXPECT_EQ(server.notices[0].summary, "Catching up a missed backup");
    EXPECT_EQ(server.notices[0].hints.value("urgency").toInt(), 1);

    std::filesystem::remove(crontab);
    tool("atq", "exit 0\n"); // nothing queued either
    catchUp();
    ASSERT_EQ(server.notices.size(), 2u);
    EXPECT_EQ(server.notices[1].summary, "No backup for 9 days");
}

namespace {

std::string storeTool() { return std::string(std::getenv("RNX10_BINARY_DIR")) + "/bin/rnx10-store"; }

// A crontab that cannot be listed for a reason other than "none yet", and an at job whose time
// has passed without atd running it: status still tells the last backup, and both as warnings.
TEST_F(HealthCommands, StatusGoesOnWhenTheCrontabCannotBeReadAndTellsAnOverdueQueuedJob)
{
    archiveAt("2026/12/8/21-05");
    tool("crontab", "echo 'crontab: cannot open your crontab: Input/output error' >&2\nexit 1\n");
    const StoreToolRun r = runStoreTool({"status", "--now", "2026-12-12 03:00"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> lines = textLines(r.out);
    const auto has = [&](const std::string &line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_EQ(lines.front(), "last\t2026-12-08 21:05\t3 days");
    EXPECT_TRUE(has("job\tregbak\toverdue since 2026-12-11 22:00\t/opt/my tools/1.0/Sys/regbak.exe")) << r.out;
    EXPECT_TRUE(has("warning\tThe queued job regbak was due at 2026-12-11 22:00 and has not run.")) << r.out;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string &line) {
        return line.starts_with("warning\tThe schedule cannot be read: ") && line.find("Input/output error") != std::string::npos;
    })) << r.out;
    // The at queue that cannot be listed is told the same way.
    tool("atq", "echo 'atq: cannot read the queue: Input/output error' >&2\nexit 1\n");
    const StoreToolRun noQueue = runStoreTool({"status", "--now", "2026-12-12 03:00"});
    ASSERT_EQ(noQueue.exitCode, 0) << noQueue.err;
    EXPECT_EQ(textLines(noQueue.out).front(), "last\t2026-12-08 21:05\t3 days");
    EXPECT_NE(noQueue.out.find("cannot read the queue"), std::string::npos) << noQueue.out;
    inst.env.set("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(runStoreTool({"status", "--now", "2027-03-28 02:30"}).exitCode, 2); // the clock skips that time
}

// Two logins start two catch-ups at once; a slow crontab keeps both deciding at the same time.
TEST_F(HealthCommands, TwoCatchUpsAtOnceRunTheMissedJobOnce)
{
    archiveAt("2026/12/8/21-05");
    const std::string runs = inst.root() + "/runs";
    tool("fake-backup", "echo ran >> '" + runs + "'\n");
    tool("crontab", "[ \"$1\" = -l ] || exit 2\n/bin/sleep 1\nexec /bin/cat \"$FAKE_CRONTAB\"\n");
    writeFile(crontab, "0 22 * * 3 '" + bin + "/fake-backup' # rnx10 job: regbak\n");
    QProcess first, second;
    for (QProcess *process : {&first, &second})
        process->start(QString::fromStdString(storeTool()), {"catch-up", "--now", "2026-12-11 03:00"});
    for (QProcess *process : {&first, &second}) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    EXPECT_EQ(readFile(runs), "ran\n");
}

// A backup that fails on a full disk leaves no hour folder to pass for a backup, and status
// tells of the failure from the run log.
TEST_F(HealthCommands, ABackupThatFailsOnAFullDiskLeavesNoRunAndStatusTellsOfIt)
{
    const std::string settings = inst.root() + "/xdg/config/zorvane";
    makeFolders(settings);
    writeFile(settings + "/environment.ini", "[Environment]\n");
    writeFile(settings + "/big.bin", std::string(2 * 1048576, 'x'));
    const std::string regbak = builtProgramRoot() + "/1.0/Sys/regbak.exe";
    const std::string out = inst.root() + "/status.txt";
    const QDate yesterday = QDate::currentDate().addDays(-1);
    StoreBuilder store(inst.store());
    const std::string older = store.day(yesterday) + "/12-00";
    makeFolders(inst.store());
    const std::optional<int> status = inPrivateMount(inst.store(), "size=512k", [&] {
        makeRun(older, "Regs");
        if (std::system(("'" + regbak + "' >/dev/null 2>&1").c_str()) == 0)
            return 1;
        if (exists(store.day()) && !treeListing(store.day()).empty())
            return 2;
        if (std::system(("'" + storeTool() + "' status >'" + out + "' 2>&1").c_str()) != 0)
            return 3;
        return 0;
    });
    if (!status)
        GTEST_SKIP() << "no private mount namespace with a tmpfs here";
    ASSERT_EQ(*status, 0) << "1: the backup did not fail, 2: it left an hour folder, 3: status failed";
    const std::vector<std::string> lines = textLines(readFile(out));
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.front().starts_with("last\t" + yesterday.toString(Qt::ISODate).toStdString() + " 12:00\t"))
        << readFile(out);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string &line) {
        return line.starts_with("warning\tthe last backup failed at ");
    })) << readFile(out);
    EXPECT_NE(readFile(inst.logs() + "/backup.log").find("regbak.exe failed"), std::string::npos);
}

// Two tools fill one hour folder: the one that made it fails first while the other's archive still
// keeps it, then the other fails too. The last to fail leaves no empty hour folder, though it did
// not make it.
TEST_F(HealthCommands, AFailedRunRemovesTheEmptyHourFolderAnotherToolMade)
{
    const std::string settings = inst.root() + "/xdg/config/zorvane";
    makeFolders(settings);
    writeFile(settings + "/environment.ini", "[Environment]\n");
    writeFile(settings + "/big.bin", std::string(2 * 1048576, 'x'));
    const std::string regbak = builtProgramRoot() + "/1.0/Sys/regbak.exe";
    StoreBuilder store(inst.store());
    makeFolders(inst.store());
    const std::optional<int> status = inPrivateMount(inst.store(), "size=512k", [&] {
        makeFolders(store.hour("03-00")); // left by the tool that failed first
        if (std::system(("'" + regbak + "' --at 03:00 >/dev/null 2>&1").c_str()) == 0)
            return 1;
        return treeListing(store.computer()).empty() ? 0 : 2;
    });
    if (!status)
        GTEST_SKIP() << "no private mount namespace with a tmpfs here";
    EXPECT_EQ(*status, 0) << "1: the backup did not fail, 2: it left empty folders in the store";
}

} // namespace
