// Faults below the file-system object, made real: a file the kernel will not delete (immutable,
// or a read-only folder when not root), a disk that fills part-way (RLIMIT_FSIZE). Each shows the
// decided outcome and loses nothing the user did not agree to lose.
#include "AdversarialStore.h"

#include "support/BrowserFixture.h"

#include "automation/AutomationError.h"
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "component/clsRNX10A.h"
#include "maintenance/core/MaintainceLogs.h"
#include "platform/ComputerName.h"
#include "platform/Paths.h"
#include "platform/FileSystemObject.h"
#include "platform/MousePointer.h"

#include <QApplication>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// Makes one file impossible to delete for the scope; false when this system cannot.
class Undeletable {
public:
    explicit Undeletable(std::string path) : m_path(std::move(path)) { m_made = setImmutable(true) || readOnlyFolder(); }
    ~Undeletable()
    {
        setImmutable(false);
        ::chmod(parentPath(m_path).c_str(), 0755);
    }
    bool made() const { return m_made; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok;
    }
    // Without the right to set the flag: a folder without write permission, unless we are root.
    bool readOnlyFolder() { return ::geteuid() != 0 && ::chmod(parentPath(m_path).c_str(), 0555) == 0; }
    std::string m_path;
    bool m_made = false;
};

// Files may grow to limit bytes for the scope, as on a disk that is nearly full.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_saved;
        r.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

class Faults : public BrowserFixture {
protected:
    void SetUp() override
    {
        store.archive(hour, "arch", source, {}, {{"a.txt", "small"}, {"sub/big.bin", std::string(256 * 1024, 'b')}});
        makeFolders(hour + "/arch2/copy");
        makeFolders(source);
        writeFile(source + "/mine.txt", "the user's own");
    }
    void openOnHour()
    {
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    std::string hour = store.hour("09-00");
    std::string source = inst.home() + "/docs";
};

TEST_F(Faults, DeletionStopsAtAFileThatCannotBeDeletedAndSaysSo)
{
    Undeletable stuck(hour + "/arch/copy/sub/big.bin");
    if (!stuck.made())
        GTEST_SKIP() << "this file system cannot make a file undeletable for this user";
    openOnHour();
    const std::string outside = treeSnapshot(inst.root(), {inst.store()});
    clearAndTrigger("mnuPopUpDeleteHour");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].icon, Icon::Critical);
    EXPECT_NE(boxes()[1].text.find("big.bin"), std::string::npos) << boxes()[1].text;
    EXPECT_TRUE(exists(hour + "/arch/copy/sub/big.bin"));
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
    EXPECT_EQ(treeSnapshot(inst.root(), {inst.store()}), outside);
}

TEST_F(Faults, RestoreOnAFillingDiskLeavesTheSourceAsItWas)
{
    openOnHour();
    select(hour + "/arch/copy");
    const std::string before = treeSnapshot(inst.root(), {inst.store()});
    {
        FileSizeLimit nearlyFull(64 * 1024); // a.txt fits, big.bin stops part-way
        clearAndTrigger("mnuPopUpStartRestore");
    }
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].icon, Icon::Critical);
    EXPECT_EQ(treeSnapshot(inst.root(), {inst.store()}), before); // no staging folder beside it either
    EXPECT_EQ(readFile(hour + "/arch/copy/sub/big.bin").size(), 256u * 1024);
    clearAndTrigger("mnuPopUpStartRestore"); // room again: the same archive restores
    EXPECT_EQ(firstLine(boxes().back().text), "Done...");
    EXPECT_FALSE(exists(source + "/mine.txt"));
    EXPECT_EQ(readFile(source + "/sub/big.bin").size(), 256u * 1024);
}

TEST_F(Faults, BarIniWriteThatFailsKeepsTheOldFileAndReachesTheCaller)
{
    const std::string bar = inst.logs() + "/bar.ini";
    const std::string old = "[Backup]\nLastTaken=yesterday\n" + std::string(4096, ';') + "\n";
    writeFile(bar, old);
    {
        FileSizeLimit full(1024);
        EXPECT_THROW(rnx->RunBackupComputer(0), AutomationError);
    }
    EXPECT_EQ(readFile(bar), old);
    EXPECT_EQ(treeSnapshot(inst.logs(), {}), " mode=40755\nbar.ini mode=100644 size=" + std::to_string(old.size()) + "\n");
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

TEST_F(Faults, CleanupGoesOnPastAFileThatCannotBeDeleted)
{
    makeFolders(inst.logs() + "/old");
    writeFile(inst.logs() + "/old/stuck.log", "in use");
    writeFile(inst.logs() + "/other.log", "x");
    for (const char *sibling : {"a-first", "z-last"}) {
        makeFolders(inst.logs() + "/" + sibling + "/inner");
        writeFile(inst.logs() + "/" + sibling + "/inner/x.log", "x");
    }
    writeFile(inst.userTemp() + "/t.tmp", "x");
    Undeletable stuck(inst.logs() + "/old/stuck.log");
    if (!stuck.made())
        GTEST_SKIP() << "this file system cannot make a file undeletable for this user";
    FileSystemObject fs;
    ClearLogFiles(fs);
    ClearTempFiles(fs);
    EXPECT_TRUE(exists(inst.logs() + "/old/stuck.log"));
    // The log folder's other entries went all the same.
    for (const char *gone : {"/other.log", "/a-first", "/z-last"})
        EXPECT_FALSE(exists(inst.logs() + gone)) << gone;
    EXPECT_FALSE(exists(inst.userTemp() + "/t.tmp")); // the steps after the failure still ran
}

} // namespace
