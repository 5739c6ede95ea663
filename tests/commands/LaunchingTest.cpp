#include "CommandsTestSupport.h"

#include "automation/AutomationError.h"
#include "common/Launching.h"
#include "component/clsRNX10A.h"
#include "platform/Launcher.h"
#include "services/ProgIds.h"
#include "services/RuntimeService.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// The process's working folder for a test's time, for paths relative to it.
struct WorkingFolder {
    std::string saved = std::filesystem::current_path().string();
    explicit WorkingFolder(const std::string &path) { std::filesystem::current_path(path); }
    ~WorkingFolder() { std::filesystem::current_path(saved); }
};

// A scratch folder with a fake xdg-open first on PATH; the fake writes its argument count and
// arguments, NUL-separated, to argv (all at once, so a file that exists is complete).
struct FakeOpener : ::testing::Test {
    ScratchDir scratch;
    EnvironmentScope env;
    std::string log = scratch / "argv";
    std::string pwned = scratch / "pwned";

    void SetUp() override
    {
        makeFolders(scratch / "bin");
        writeProgram(scratch / "bin/xdg-open",
                     "out='" + log + "'\n"
                     "{ printf '%s\\0' \"$#\"; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; } > \"$out.tmp\"\n"
                     "mv \"$out.tmp\" \"$out\"\n");
        env.set("PATH", scratch / "bin" + ":/usr/bin:/bin");
    }
    static void writeProgram(const std::string &path, const std::string &body)
    {
        writeFile(path, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), 0755);
    }
    std::vector<std::string> recordedArguments()
    {
        std::vector<std::string> parts;
        std::string all = readFile(log);
        for (std::size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos; start = end + 1)
            parts.push_back(all.substr(start, end - start));
        return parts;
    }
    // Text every shell would take apart: blanks, quotes, ";", "$()", backquotes, a newline.
    static std::string hostileText(const std::string &victim)
    {
        return "a b 'c' \"d\"; touch " + victim + "; $(touch " + victim + ") `touch " + victim + "`\nnext line";
    }
};

TEST_F(FakeOpener, AddressWithShellSyntaxArrivesAsOneArgument)
{
    const std::string target = "https://zorvane.example/x?" + hostileText(pwned);
    SystemShell shell;
    ASSERT_TRUE(shell.open(target, 3));
    ASSERT_TRUE(waitForFile(log));
    EXPECT_EQ(recordedArguments(), (std::vector<std::string>{"1", target}));
    EXPECT_FALSE(exists(pwned));
}

TEST_F(FakeOpener, DocumentWithShellSyntaxInItsNameArrivesAsOneArgument)
{
    // A file name holds no "/": the victim is relative, to the opener's working folder (ours).
    const std::string document = scratch / hostileText("pwned");
    writeFile(document, "not a program");
    SystemShell shell;
    ASSERT_TRUE(shell.open(document, 1));
    ASSERT_TRUE(waitForFile(log));
    EXPECT_EQ(recordedArguments(), (std::vector<std::string>{"1", document}));
    EXPECT_FALSE(exists("pwned"));
}

TEST_F(FakeOpener, ExecutableFileIsStartedDirectlyWithoutArguments)
{
    const std::string program = scratch / "tool; touch x.exe";
    const std::string marker = scratch / "started";
    // Written beside and renamed, so the wait never sees the file before its content.
    writeProgram(program, "printf '%s' \"$#\" > '" + marker + ".tmp'; mv '" + marker + ".tmp' '" + marker + "'\n");
    SystemShell shell;
    ASSERT_TRUE(shell.open(program, 1));
    ASSERT_TRUE(waitForFile(marker));
    EXPECT_EQ(readFile(marker), "0");
    EXPECT_FALSE(exists(log)) << "a program is not handed to xdg-open";
}

TEST_F(FakeOpener, DocumentOpenHandsEvenAProgramToTheOpenerAndStartsNothing)
{
    const std::string marker = scratch / "started";
    const std::string program = scratch / "tool.sh";
    writeProgram(program, ": > '" + marker + "'\n");
    makeFolders(scratch / "folder");
    writeFile(scratch / "-n", "a name that looks like an option");
    // "-n" is relative to the working folder: the scratch folder for the test's time.
    const WorkingFolder here(scratch.path());
    const struct {
        std::string path;
        bool opens;
        std::string argument; // what xdg-open receives
    } cases[] = {
        {program, true, program},
        {scratch / "folder", true, scratch / "folder"},
        {"-n", true, "./-n"},
        {scratch / "missing.sh", false, ""},
        {"https://zorvane.example/", false, ""}, // data names files and folders, not addresses
        {"", false, ""},
    };
    SystemShell shell;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        ::unlink(log.c_str());
        EXPECT_EQ(shell.openDocument(c.path, 1), c.opens);
        if (!c.opens) {
            EXPECT_FALSE(exists(log));
            continue;
        }
        ASSERT_TRUE(waitForFile(log));
        EXPECT_EQ(recordedArguments(), (std::vector<std::string>{"1", c.argument}));
    }
    EXPECT_FALSE(exists(marker)) << "a program was started";
}

// A program root read from the settings may be relative and start with "-": every path leaves
// as "./path", so neither the opener nor a started program takes it for an option.
TEST_F(FakeOpener, RelativePathsStartingWithADashReachNoProgramAsAnOption)
{
    const WorkingFolder here(scratch.path());
    makeFolders(scratch / "-root/1.0/Sys");
    writeFile(scratch / "-root/report.txt", "a document");
    writeFile(scratch / "-x:y.txt", "a document whose name looks like an address");
    const std::string marker = scratch / "started";
    for (const char *program : {"-root/1.0/Sys/kev.exe", "-root/1.0/Sys/tvqs.exe"})
        writeProgram(scratch / program, "printf '%s' \"$0\" > '" + marker + ".tmp'; mv '" + marker + ".tmp' '" +
                                             marker + "'\n");
    SystemShell shell;
    for (const std::string document : {"-root/report.txt", "-root/1.0/Sys", "-x:y.txt"}) {
        SCOPED_TRACE(document);
        ::unlink(log.c_str());
        ASSERT_TRUE(shell.open(document, 3));
        ASSERT_TRUE(waitForFile(log));
        EXPECT_EQ(recordedArguments(), (std::vector<std::string>{"1", "./" + document}));
    }

    ASSERT_TRUE(shell.open("-root/1.0/Sys/kev.exe", 1));
    ASSERT_TRUE(waitForFile(marker));
    EXPECT_EQ(readFile(marker), "./-root/1.0/Sys/kev.exe");
    ::unlink(marker.c_str());
    EXPECT_GT(SystemProgramStarter().start("-root/1.0/Sys/tvqs.exe", 2), 0);
    ASSERT_TRUE(waitForFile(marker));
    EXPECT_EQ(readFile(marker), "./-root/1.0/Sys/tvqs.exe");
}

TEST_F(FakeOpener, NothingToOpenGivesFalseWithoutCallingTheOpener)
{
    SystemShell shell;
    EXPECT_FALSE(shell.open("", 3));
    EXPECT_FALSE(shell.open(scratch / "missing.txt", 3));
    EXPECT_FALSE(shell.open(scratch / "missing.exe", 1));
    EXPECT_FALSE(exists(log));
    env.set("PATH", scratch / "no-such-folder");
    EXPECT_FALSE(shell.open("https://zorvane.example/", 3)) << "no xdg-open on PATH";
}

TEST(ProgramStarter, StartsAnExecutableAndRaises53ForAnythingElse)
{
    ScratchDir scratch;
    const std::string marker = scratch / "ran";
    const std::string program = scratch / "my program.exe";
    writeFile(program, "#!/bin/sh\n: > '" + marker + "'\n");
    ::chmod(program.c_str(), 0755);
    const std::string plain = scratch / "plain.exe";
    writeFile(plain, "#!/bin/sh\n");
    makeFolders(scratch / "folder.exe");

    SystemProgramStarter starter;
    EXPECT_GT(starter.start(program, 1), 0);
    EXPECT_TRUE(waitForFile(marker));
    for (const std::string &path : {std::string(), scratch / "missing.exe", plain, scratch / "folder.exe"}) {
        SCOPED_TRACE(path);
        // The error names the program that could not start.
        EXPECT_EQ(expectError(53, [&] { starter.start(path, 2); }).description(),
                  path.empty() ? "File not found" : "File not found: " + path);
    }
}

struct FailingRuntime : RuntimeService {
    std::string EnvironGet(std::int16_t kind, const std::string &key) override
    {
        if (key == "ZVENVSYS32MASK")
            throw AutomationError(5, "lookup failed");
        return RuntimeService::EnvironGet(kind, key);
    }
};

TEST(Launching, ShellOpenOfAnEmptyTargetIsFalseAndAsksNoShell)
{
    Installation inst;
    EXPECT_FALSE(ShellOpen("", 3));
    EXPECT_TRUE(inst.shell->opened.empty());
}

TEST(Launching, RegistryBackupToolIgnoresAFailedLookup)
{
    Installation inst;
    ScopedFactory fake(progid::Runtime, std::static_pointer_cast<RuntimeService>(std::make_shared<FailingRuntime>()));
    clsRNX10A rnx;
    EXPECT_NO_THROW(RunRegistryBackupTool());
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], (std::pair<std::string, int>{"", 1}));
}

TEST(Launching, RegistryBackupToolStartsRegbakUnderTheRoot)
{
    Installation inst;
    clsRNX10A rnx;
    RunRegistryBackupTool();
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], (std::pair<std::string, int>{inst.programRoot() + "/1.0/Sys/regbak.exe", 1}));
}

} // namespace
