// rnx10-store compare and restore-to: their lines, JSON and exit codes over a scratch store.
#include "StoreToolRun.h"

#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <sstream>

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

// The change column of each line versions prints, newest first.
std::vector<std::string> versionChanges(const std::string &out)
{
    std::vector<std::string> changes;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string field;
        for (int i = 0; i < 5; ++i)
            std::getline(fields, field, '\t');
        changes.push_back(field);
    }
    return changes;
}

// Versions and compare call an entry changed by one rule: what versions calls "changed" compare
// lists, with the kind of difference it names; the oldest version is the first.
TEST_F(RecoverCommands, VersionsAndCompareCallTheSameEntriesChanged)
{
    using Make = std::function<void(const std::string &path)>;
    const auto setTime = [](const std::string &path, time_t seconds, long nanoseconds) {
        const timespec times[2] = {{1700000000 + seconds, nanoseconds}, {1700000000 + seconds, nanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
    };
    const auto file = [&](const char *text, time_t seconds, long nanoseconds) -> Make {
        return [=](const std::string &path) {
            writeFile(path, text);
            setTime(path, seconds, nanoseconds);
        };
    };
    const auto link = [&](const char *target) -> Make {
        return [=](const std::string &path) {
            ASSERT_EQ(::symlink(target, path.c_str()), 0);
            setTime(path, 0, 0);
        };
    };
    const auto folder = [&](const char *inside, time_t seconds) -> Make {
        return [=](const std::string &path) {
            makeFolders(path);
            writeFile(path + "/" + inside, "x");
            setTime(path, seconds, 0);
        };
    };
    const std::string name = "x\xff"; // not UTF-8
    const struct {
        const char *label;
        Make older, newer;
        const char *change;   // of the newer version
        std::string compared; // compare's output for the newer archive over the older state
    } cases[] = {
        {"half a second later", file("one", 0, 0), file("one", 0, 500000000), "same", ""},
        {"a second later", file("one", 0, 0), file("one", 1, 0), "changed", "~ " + name + "\n"},
        {"longer", file("one", 0, 0), file("one!", 0, 0), "changed", "~ " + name + "\n"},
        {"retargeted link", link("aa"), link("bb"), "changed", "~ " + name + "\n"},
        {"same link", link("aa"), link("aa"), "same", ""},
        {"folder holding other files, later", folder("a", 0), folder("b", 100), "same", "- " + name + "/a\n+ " + name + "/b\n"},
        {"file become folder", file("one", 0, 0), folder("a", 0), "changed", "~ " + name + "\n"},
    };
    int n = 10;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string live = inst.home() + "/case" + std::to_string(n);
        makeFolders(live);
        c.older(live + "/" + name);
        const std::string older = store.archive(store.hour(std::to_string(n) + "-00"), "arch", live, {}, {});
        const std::string newer = store.archive(store.hour(std::to_string(n) + "-30"), "arch", live, {}, {});
        ++n;
        c.older(older + "/copy/" + name);
        c.newer(newer + "/copy/" + name);
        const StoreToolRun versions = runStoreTool({"versions", live + "/" + name});
        EXPECT_EQ(versions.exitCode, 0) << versions.err;
        EXPECT_EQ(versionChanges(versions.out), (std::vector<std::string>{c.change, "first"})) << versions.out;
        const StoreToolRun compared = runStoreTool({"compare", newer});
        EXPECT_EQ(compared.exitCode, 0) << compared.err;
        EXPECT_EQ(compared.out, c.compared);
    }
}

// --content also reads the files the quick check calls the same, in large blocks: a difference in
// the last byte of a file of some megabytes is found; files that are the same are not listed.
TEST_F(RecoverCommands, ContentAlsoComparesTheBytesOfFilesOfTheSameSizeAndTime)
{
    const std::string copy = archive + "/copy";
    const std::string big(3 * 1024 * 1024 + 1, 'b');
    const std::string bigChanged = big.substr(0, big.size() - 1) + "c";
    const std::pair<std::string, std::string> files[] = {
        {"a.txt", "a"}, {"same\xff", big}, {"last byte", big}, {"first byte", "xyz"}};
    writeFile(source + "/last byte", bigChanged);
    writeFile(source + "/first byte", "Xyz");
    writeFile(source + "/same\xff", big);
    ::unlink((source + "/extra\n\xff").c_str());
    for (const auto &[name, content] : files) {
        writeFile(copy + "/" + name, content);
        const struct timespec when[2] = {{1000000, 0}, {1000000, 0}};
        ::utimensat(AT_FDCWD, (copy + "/" + name).c_str(), when, 0);
        ::utimensat(AT_FDCWD, (source + "/" + name).c_str(), when, 0);
    }
    const StoreToolRun quick = runStoreTool({"compare", archive});
    EXPECT_EQ(quick.exitCode, 0) << quick.err;
    EXPECT_EQ(quick.out, "+ sub\n");
    const StoreToolRun content = runStoreTool({"compare", archive, "--content"});
    EXPECT_EQ(content.exitCode, 0) << content.err;
    EXPECT_EQ(content.out, "~ first byte\n~ last byte\n+ sub\n");
}

// The changes rsync would make ("rsync -rn --delete --itemize-changes"), as compare's lines: a
// deletion "-", a new file "+", any other "~"; sorted.
std::vector<std::string> rsyncChanges(const std::string &itemized)
{
    std::vector<std::string> lines;
    std::istringstream in(itemized);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.find_first_of(' ');
        const std::string name = line.substr(line.find_first_not_of(' ', space));
        lines.push_back((line[0] == '*' ? "- " : line.find("+++") != std::string::npos ? "+ " : "~ ") + name);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// As rsync and find do, compare goes past a current folder it cannot read: it warns, lists every
// other change and exits 1. Run as an ordinary account, since root reads every folder.
TEST(RecoverCommandsAsUser, AnUnreadableCurrentFolderIsAWarningAndTheRestIsCompared)
{
    const std::optional<int> status = asOrdinaryAccount([](const std::string &home) {
        Installation inst;
        StoreBuilder store{inst.store()};
        const std::string source = inst.home() + "/docs";
        for (const char *name : {"closed/f", "changed", "extra", "kept"})
            fileOfSize(source + "/" + name, 1);
        const std::string archive = store.archive(store.hour("09-00"), "arch", source, {},
                                                  {{"closed/g", "g"}, {"changed", "longer"}, {"kept", "k"}, {"new", "n"}});
        const struct timespec when[2] = {{1000000, 0}, {1000000, 0}};
        for (const std::string &kept : {source + "/kept", archive + "/copy/kept"})
            ::utimensat(AT_FDCWD, kept.c_str(), when, 0);
        ::chmod((source + "/closed").c_str(), 0);
        const StoreToolRun r = runStoreToolIn({"compare", archive}, home);
        const StoreToolRun rsync = runShellCommand("rsync -rn --delete --itemize-changes " + shellQuoted(archive + "/copy/") + " " +
                                                  shellQuoted(source + "/"), home);
        ::chmod((source + "/closed").c_str(), 0755);
        ChildChecks check;
        check.expect(r.exitCode == 1, "exit " + std::to_string(r.exitCode));
        check.expect(r.out == "~ changed\n- extra\n+ new\n", "out " + r.out);
        std::istringstream lines(r.out);
        std::vector<std::string> ours;
        for (std::string line; std::getline(lines, line);)
            ours.push_back(line);
        std::sort(ours.begin(), ours.end());
        check.expect(ours == rsyncChanges(rsync.out) && rsync.exitCode != 0, "rsync said " + rsync.out + rsync.err);
        const std::string closed = source + "/closed";
        check.expect(r.err == "rnx10-store: warning: " + closed + ": Permission denied: " + closed + "\n", "err " + r.err);
        return check.failed;
    });
    if (!status)
        GTEST_SKIP() << "could not become an ordinary account";
    EXPECT_EQ(*status, 0);
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
    const int sock = bindSocketAt(socketPath);
    ASSERT_GE(sock, 0) << socketPath;
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
