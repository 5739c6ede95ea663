// rnx10-store compare and restore-to: their lines, JSON and exit codes over a scratch store.
#include "StoreToolRun.h"

#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class RecoverCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeFolders(source);
        writeFile(source + "/a.txt", "a"); // the same size, an older time
        const struct timespec old[2] = {{1000000, 0}, {1000000, 0}};
        ::utimensat(AT_FDCWD, (source + "/a.txt").c_str(), old, 0);
        writeFile(source + "/extra\n\xff", "only here"); // a hostile name
        archive = store.archive(store.hour("09-00"), "arch", source);
        makeFolders(target);
    }

    Installation inst;
    StoreBuilder store{inst.store(), StoreBuilder::defaultComputer(), QDate(2026, 12, 10)};
    std::string source = inst.home() + "/docs", target = inst.home() + "/out", archive;
};

TEST_F(RecoverCommands, CompareListsEachChangeAsALineOrAsJson)
{
    const StoreToolRun lines = runStoreTool({"compare", archive});
    EXPECT_EQ(lines.exitCode, 0) << lines.err;
    EXPECT_EQ(lines.out, "~ a.txt\n- extra\n\xff\n+ sub\n");

    const StoreToolRun json = runStoreTool({"--json", "compare", archive + "/"});
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out, "[\n" R"({"kind":"~","path":"a.txt"},)" "\n" R"({"kind":"-","path":"extra\n\udcff"},)" "\n"
                        R"({"kind":"+","path":"sub"})" "\n]\n");
}

TEST_F(RecoverCommands, RestoreToPrintsThePathItMade)
{
    const StoreToolRun first = runStoreTool({"restore-to", archive, target});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, target + "/docs\n");
    const StoreToolRun second = runStoreTool({"--json", "restore-to", archive + "/copy/sub/b.txt", target});
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "[\n{\"path\":\"" + target + "/b.txt\"}\n]\n");
    EXPECT_EQ(readFile(target + "/docs/a.txt"), "a");
    EXPECT_EQ(readFile(target + "/b.txt"), "b");
}

// A socket is not made; standard error names it, the output stays the one path.
TEST_F(RecoverCommands, RestoreToNamesASocketItDidNotCopyOnStandardError)
{
    const std::string socketPath = archive + "/copy/sock";
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    const StoreToolRun run = runStoreTool({"restore-to", archive, target});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, target + "/docs\n");
    EXPECT_EQ(run.err, "rnx10-store: not restored (a socket or device): " + socketPath + "\n");
    ::close(sock);
}

TEST_F(RecoverCommands, ErrorsExitOneAndWrongUsageTwo)
{
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char *err; // the start of standard error
    } cases[] = {
        {{"compare"}, 2, "rnx10-store: compare: "},
        {{"compare", "a", "b"}, 2, "rnx10-store: compare: "},
        {{"restore-to", "a"}, 2, "rnx10-store: restore-to: "},
        {{"compare", inst.home() + "/no-such"}, 1, "rnx10-store: error 76: "},
        {{"compare", source}, 1, "rnx10-store: error 53: "},
        {{"restore-to", source, target}, 1, "rnx10-store: error 5: "},
        {{"restore-to", archive, inst.store()}, 1, "rnx10-store: error 5: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + (c.args.size() > 1 ? c.args[1] : ""));
        const StoreToolRun r = runStoreTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(treeListing(target).empty());
}

} // namespace
