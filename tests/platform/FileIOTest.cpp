// The file input and output module: whole reads and writes, also when signals interrupt them, and
// the replacement of a file in one step.
#include "platform/FileIO.h"

#include "automation/AutomationError.h"
#include "support/TestSupport.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

std::string pattern(std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + i % 23);
    return text;
}

unsigned modeOf(const std::string &path)
{
    struct stat st{};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

std::vector<std::string> names(const std::string &folder)
{
    std::vector<std::string> found;
    if (DIR *d = ::opendir(folder.c_str())) {
        while (dirent *e = ::readdir(d))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                found.push_back(e->d_name);
        ::closedir(d);
    }
    std::sort(found.begin(), found.end());
    return found;
}

unsigned currentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// A signal whose handler does nothing and does not restart calls: blocked reads and writes on a
// pipe return early (EINTR or a short count) while it keeps arriving.
class InterruptingSignal {
public:
    InterruptingSignal()
    {
        struct sigaction action{};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(SIGUSR1, &action, &m_old);
    }
    ~InterruptingSignal() { ::sigaction(SIGUSR1, &m_old, nullptr); }

private:
    struct sigaction m_old{};
};

struct Pipe {
    Descriptor read, write;
    Pipe()
    {
        int fd[2];
        EXPECT_EQ(::pipe(fd), 0);
        read.reset(fd[0]);
        write.reset(fd[1]);
    }
};

TEST(FileIO, WriteAllDeliversEveryByteThoughSignalsInterruptIt)
{
    InterruptingSignal signal;
    Pipe pipe;
    const std::string data = pattern(4 << 20);
    std::atomic<bool> done{false};
    bool written = false;
    std::thread writer([&] {
        written = writeAll(pipe.write.get(), data);
        pipe.write.reset();
        done = true;
    });
    std::string got;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe.read.get(), buffer, sizeof buffer)) != 0;) {
        if (n < 0)
            break;
        got.append(buffer, static_cast<std::size_t>(n));
        if (!done)
            ::pthread_kill(writer.native_handle(), SIGUSR1);
    }
    writer.join();
    EXPECT_TRUE(written);
    EXPECT_TRUE(got == data) << got.size() << " of " << data.size() << " bytes";
}

TEST(FileIO, ReadAllReadsToTheEndThoughSignalsInterruptIt)
{
    InterruptingSignal signal;
    Pipe pipe;
    const std::string data = pattern(1 << 20);
    std::atomic<bool> done{false};
    std::string got = "kept:";
    bool read = false;
    std::thread reader([&] {
        read = readAll(pipe.read.get(), got);
        done = true;
    });
    for (std::size_t at = 0; at < data.size(); at += 1000) {
        ASSERT_TRUE(writeAll(pipe.write.get(), std::string_view(data).substr(at, 1000)));
        if (!done)
            ::pthread_kill(reader.native_handle(), SIGUSR1);
    }
    pipe.write.reset();
    reader.join();
    EXPECT_TRUE(read);
    EXPECT_TRUE(got == "kept:" + data) << got.size() << " bytes";
}

TEST(FileIO, ReadFileTellsAMissingFileFromOneThatCannotBeRead)
{
    ScratchDir dir;
    writeFile(dir / "f", std::string("a\0b", 3));
    EXPECT_EQ(readFileIfExists(dir / "f"), std::string("a\0b", 3));
    EXPECT_EQ(readFileIfExists(dir / "missing"), std::nullopt);
    EXPECT_THROW(readFileIfExists(dir.path()), AutomationError); // a folder
    try {
        openFile(dir / "no/such", O_RDONLY);
        ADD_FAILURE() << "opened a missing file";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_NE(e.description().find(dir / "no/such"), std::string::npos);
    }
}

TEST(FileIO, SmallFileReadIsBoundedAndNeverOpensAFifoOrDeviceForLong)
{
    ScratchDir dir;
    writeFile(dir / "exact", std::string(100, 'x'));
    writeFile(dir / "over", std::string(101, 'x'));
    writeFile(dir / "empty", "");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink((dir / "exact").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/zero", (dir / "device").c_str()), 0);
    const struct {
        const char *name;
        Links links;
        SmallFile status;
        std::size_t bytes;
    } cases[] = {
        {"exact", Links::NoFollow, SmallFile::Read, 100},
        {"empty", Links::NoFollow, SmallFile::Read, 0},
        {"over", Links::NoFollow, SmallFile::TooLarge, 0},
        {"missing", Links::NoFollow, SmallFile::Missing, 0},
        {"fifo", Links::Follow, SmallFile::NotRegular, 0},
        {"link", Links::NoFollow, SmallFile::NotRegular, 0},
        {"link", Links::Follow, SmallFile::Read, 100},
        {"device", Links::Follow, SmallFile::NotRegular, 0},
        {".", Links::Follow, SmallFile::NotRegular, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SmallFileText read = readSmallFile(dir / c.name, 100, c.links);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.text.size(), c.bytes);
    }
}

TEST(FileIO, ReplacedFileKeepsItsModeAndNothingIsLeftBeside)
{
    ScratchDir dir;
    const std::string path = dir / "settings.ini";
    for (unsigned mode : {0600u, 0640u, 0664u, 0444u}) {
        SCOPED_TRACE(mode);
        writeFile(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        atomicReplace(path, "new " + std::to_string(mode));
        EXPECT_EQ(readFile(path), "new " + std::to_string(mode));
        EXPECT_EQ(modeOf(path), mode);
        EXPECT_EQ(names(dir.path()), std::vector<std::string>{"settings.ini"});
        ::chmod(path.c_str(), 0644);
    }
}

TEST(FileIO, NewFileTakesTheModeAskedLessTheUmask)
{
    ScratchDir dir;
    atomicReplace(dir / "a", "x");
    atomicReplace(dir / "b", "", 0600);
    EXPECT_EQ(modeOf(dir / "a"), 0666u & ~currentUmask());
    EXPECT_EQ(modeOf(dir / "b"), 0600u & ~currentUmask());
    EXPECT_EQ(readFile(dir / "b"), "");
}

TEST(FileIO, LinkAtThePathIsReplacedAndItsTargetKept)
{
    ScratchDir dir;
    writeFile(dir / "target", "target");
    ASSERT_EQ(::symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
    atomicReplace(dir / "link", "own");
    EXPECT_EQ(readFile(dir / "target"), "target");
    struct stat st{};
    ASSERT_EQ(::lstat((dir / "link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(readFile(dir / "link"), "own");
}

TEST(FileIO, WriteTargetReplacesTheFileTheLinksLeadToAndKeepsThem)
{
    ScratchDir dir;
    makeFolders(dir / "links");
    makeFolders(dir / "files");
    writeFile(dir / "files/target", "target");
    ASSERT_EQ(::chmod((dir / "files/target").c_str(), 0640), 0);
    ASSERT_EQ(::symlink("../files/target", (dir / "links/relative").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "links/relative").c_str(), (dir / "links/chain").c_str()), 0);
    ASSERT_EQ(::symlink("loop", (dir / "links/loop").c_str()), 0);
    for (const char *link : {"relative", "chain"}) {
        SCOPED_TRACE(link);
        atomicReplace(dir / (std::string("links/") + link), std::string("via ") + link, 0666, LinkAtPath::WriteTarget);
        EXPECT_EQ(readFile(dir / "files/target"), std::string("via ") + link);
        EXPECT_EQ(modeOf(dir / "files/target"), 0640u);
        EXPECT_EQ(names(dir / "files"), std::vector<std::string>{"target"});
        EXPECT_EQ(names(dir / "links"), (std::vector<std::string>{"chain", "loop", "relative"}));
        EXPECT_EQ(modeOf(dir / "links/relative"), 0777u); // still a link
    }
    EXPECT_THROW(atomicReplace(dir / "links/loop", "x", 0666, LinkAtPath::WriteTarget), AutomationError);
    EXPECT_EQ(names(dir / "links"), (std::vector<std::string>{"chain", "loop", "relative"}));
}

TEST(FileIO, FailedReplaceLeavesTheOldFileAndNothingBeside)
{
    ScratchDir dir;
    const std::string path = dir / "f";
    writeFile(path, "old");
    // A folder in the file's place cannot be renamed over.
    makeFolders(dir / "folder");
    EXPECT_THROW(atomicReplace(dir / "folder", "new"), AutomationError);
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"f", "folder"}));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    try {
        atomicReplace(path, "new");
        ADD_FAILURE() << "replaced a file in a read-only folder";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 70);
    }
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"f", "folder"}));
}

TEST(FileIO, DescriptorCloseReportsItsResultOnce)
{
    ScratchDir dir;
    Descriptor fd = openFile(dir / "f", O_WRONLY | O_CREAT);
    ASSERT_TRUE(fd.valid());
    EXPECT_TRUE(fd.close());
    EXPECT_FALSE(fd.valid());
    EXPECT_FALSE(fd.close()); // nothing left to close
}

} // namespace
