// The stand-in backup tools write archives that the browser lists with all five values.
#include "store/ArchiveList.h"
#include "store/FolderRestore.h"
#include "store/StoreScan.h"
#include "component/clsRNX10A.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "services/IniFile.h"
#include "support/StoreFixture.h"

#include <QDate>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>

#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

const std::string programRoot = RNX10_TEST_PROGRAM_ROOT;

class BackupToolsTest : public StoreFixture {
protected:
    void SetUp() override
    {
        inst.env.set("ZVENVSYS32MASK", programRoot);
        settings = inst.root() + "/xdg/config/zorvane";
        makeFolders(settings);
        writeFile(settings + "/environment.ini", "[Environment]\n");
    }

    int runTool(const char *name)
    {
        QProcess tool;
        tool.start(QString::fromStdString(programRoot + "/1.0/Sys/" + name), {});
        EXPECT_TRUE(tool.waitForFinished(60000));
        output = tool.readAllStandardError().toStdString() + tool.readAllStandardOutput().toStdString();
        return tool.exitCode();
    }

    // Every archive of today, over all hours.
    std::vector<ArchiveRow> todaysArchives()
    {
        const QDate today = QDate::currentDate();
        const ScanResult scan = scanStore(fso, today.year(), today.month(), today.day());
        EXPECT_FALSE(scan.error);
        std::vector<ArchiveRow> rows;
        for (const std::string &hour : scan.hours)
            for (ArchiveRow &row : fillArchiveList(fso, scan.folders.DayFolder, hour).rows)
                rows.push_back(std::move(row));
        return rows;
    }

    std::string settings, output;
};

void expectComplete(const ArchiveRow &row)
{
    SCOPED_TRACE(row.name);
    for (const std::string &value : row.values)
        EXPECT_FALSE(value.empty());
    EXPECT_EQ(row.values[2], GetMachineName());
    EXPECT_EQ(parentPath(parentPath(row.values[1])).rfind('/'), parentPath(parentPath(row.values[1])).size() - 6);
}

TEST_F(BackupToolsTest, RegbakArchivesTheSettingsFolderAsRegistryKeys)
{
    writeFile(settings + "/bar.ini", "[Backup]\nLastTaken=now\n");
    ASSERT_EQ(runTool("regbak.exe"), 0) << output;
    const auto rows = todaysArchives();
    ASSERT_EQ(rows.size(), 1u) << output;
    expectComplete(rows[0]);
    EXPECT_EQ(rows[0].values[0], "REGKEYS");
    EXPECT_EQ(readFile(rows[0].values[1] + "/bar.ini"), "[Backup]\nLastTaken=now\n");
    EXPECT_EQ(baseName(parentPath(rows[0].values[1])), rows[0].name);
}

TEST_F(BackupToolsTest, ShellbakArchivesTheListedFoldersOrDocuments)
{
    makeFolders(inst.home() + "/Documents");
    writeFile(inst.home() + "/Documents/letter.txt", "hello");
    ASSERT_EQ(runTool("shellbak.exe"), 0) << output;
    auto rows = todaysArchives();
    ASSERT_EQ(rows.size(), 1u);
    expectComplete(rows[0]);
    EXPECT_EQ(rows[0].values[0], inst.home() + "/Documents");
    EXPECT_EQ(readFile(rows[0].values[1] + "/letter.txt"), "hello");

    makeFolders(inst.root() + "/one");
    makeFolders(inst.store() + "/x");
    writeFile(settings + "/environment.ini", "[ShellBackup]\nFolder1=" + inst.root() + "/one\nFolder2=" + inst.root() +
                                                 "/missing\nFolder3=" + inst.store() + "/x\nFolder4=" + inst.root() + "\n");
    EXPECT_EQ(runTool("shellbak.exe"), 1) << output;
    rows = todaysArchives();
    ASSERT_EQ(rows.size(), 2u) << output;
    const auto one = std::find_if(rows.begin(), rows.end(), [&](auto &r) { return r.values[0] == inst.root() + "/one"; });
    ASSERT_NE(one, rows.end());
    expectComplete(*one);
}

// A folder backed up and restored ends as it was, as with cp -a: modes and modification times of
// the folder itself, its sub-folders and files.
TEST_F(BackupToolsTest, BackedUpAndRestoredFolderKeepsItsModesAndTimes)
{
    const std::string documents = inst.home() + "/Documents";
    makeFolders(documents + "/sub");
    writeFile(documents + "/a.txt", "a");
    writeFile(documents + "/sub/b.txt", "b");
    const struct {
        const char *rel;
        mode_t mode;
        long modified;
    } entries[] = {{"a.txt", 0640, 1300000001}, {"sub/b.txt", 0600, 1300000002}, {"sub", 0750, 1300000003},
                   {"", 0755, 1300000004}};
    const auto set = [&](const std::string &root) {
        for (const auto &e : entries) {
            const std::string path = joinPath(root, e.rel);
            ASSERT_EQ(::chmod(path.c_str(), e.mode), 0) << path;
            const struct timespec when[2] = {{e.modified, 0}, {e.modified, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), when, 0), 0) << path;
        }
    };
    const auto expectKept = [&](const std::string &root) {
        for (const auto &e : entries) {
            struct stat st{};
            const std::string path = joinPath(root, e.rel);
            ASSERT_EQ(::lstat(path.c_str(), &st), 0) << path;
            EXPECT_EQ(st.st_mode & 07777, e.mode) << path;
            EXPECT_EQ(st.st_mtim.tv_sec, e.modified) << path;
        }
    };
    set(documents);
    ASSERT_EQ(runTool("shellbak.exe"), 0) << output;
    const auto rows = todaysArchives();
    ASSERT_EQ(rows.size(), 1u) << output;
    const std::string copy = rows[0].values[1];
    {
        SCOPED_TRACE("the archive's copy");
        expectKept(copy);
    }

    writeFile(documents + "/sub/b.txt", "changed");
    ASSERT_EQ(::chmod(documents.c_str(), 0700), 0);
    restoreFolder(fso, copy, documents, inst.store());
    SCOPED_TRACE("the restored folder");
    expectKept(documents);
    EXPECT_EQ(readFile(documents + "/sub/b.txt"), "b");
}

TEST_F(BackupToolsTest, ToolsRunningTogetherShareTheNewHourFolder)
{
    makeFolders(inst.home() + "/Documents");
    for (int round = 0; round < 10; ++round) {
        FileSystemObject().deleteFolder(inst.store(), true);
        makeFolders(inst.store());
        QProcess reg, shell;
        reg.start(QString::fromStdString(programRoot + "/1.0/Sys/regbak.exe"), {});
        shell.start(QString::fromStdString(programRoot + "/1.0/Sys/shellbak.exe"), {});
        ASSERT_TRUE(reg.waitForFinished(60000) && shell.waitForFinished(60000));
        EXPECT_EQ(reg.exitCode(), 0) << reg.readAllStandardError().toStdString();
        EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
        EXPECT_EQ(todaysArchives().size(), 2u);
    }
}

TEST_F(BackupToolsTest, QuickBackupStartsBothToolsAndTheirArchivesAreListed)
{
    makeFolders(inst.home() + "/Documents");
    ScopedPlatform realStarts(PlatformHooks{inst.prompt, std::make_shared<SystemShell>(), inst.starter});
    clsRNX10A().RunBackupComputer();
    std::vector<ArchiveRow> rows;
    for (int i = 0; i < 300 && rows.size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        rows = todaysArchives();
        // An archive is complete once its details file names its stamp.
        std::erase_if(rows, [](const ArchiveRow &r) { return r.values[4].empty(); });
    }
    ASSERT_EQ(rows.size(), 2u);
    for (const ArchiveRow &row : rows)
        expectComplete(row);
}

} // namespace
