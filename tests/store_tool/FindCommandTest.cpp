// rnx10-store find and versions: their lines, JSON members and exit statuses, as a script sees them.
#include "StoreToolRun.h"

#include "platform/walk/FolderWalk.h"
#include "support/ScopedLanguage.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <clocale>
#include <sstream>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class FindCommand : public ::testing::Test {
protected:
    std::string archive(const QDate &day, const std::string &hour, const StoreBuilder::Files &files)
    {
        return store.archive(store.day(day) + "/" + hour, "shellbak-1", "/home/ann/docs", {}, files);
    }

    Installation inst;
    StoreBuilder store{inst.store()};
};

TEST_F(FindCommand, PrintsEachMatchsPathInTheStoreNewestFirstAsRawBytes)
{
    const std::string odd = "caf\xe9\nlist.ODT";
    const std::string older = archive(QDate(2026, 12, 9), "08", {{"a.odt", "1"}});
    const std::string newer = archive(QDate(2026, 12, 10), "21", {{"sub/" + odd, "2"}});
    const StoreToolRun all = runStoreTool({"find", "*.odt"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out, newer + "/copy/sub/" + odd + "\n" + older + "/copy/a.odt\n");
    EXPECT_EQ(all.err, "");
    const StoreToolRun day = runStoreTool({"find", "A.ODT", "--from", "2026-12-09", "--to=2026-12-09"});
    EXPECT_EQ(day.out, older + "/copy/a.odt\n");
    const StoreToolRun json = runStoreTool({"--json", "find", "a.*"});
    EXPECT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(json.out.starts_with("[\n{\"date\":\"2026-12-09\",\"hour\":\"08\",\"archive\":\"/")) << json.out;
    for (const char *member : {"\"source\":\"/home/ann/docs\"", "\"relative\":\"a.odt\"", "\"type\":\"file\"", "\"size\":1,",
                               "\"mtime\":\"", "\"path\":\""})
        EXPECT_NE(json.out.find(member), std::string::npos) << member << " in " << json.out;
    walk::removeTree(store.computer(), true);
}

// The lines of text, sorted, each with prefix taken off.
std::vector<std::string> sortedLines(const std::string &text, const std::string &prefix)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.starts_with(prefix) ? line.substr(prefix.size()) : line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// What "find FOLDER -iname PATTERN" prints in the language the environment names.
std::string systemFind(const std::string &folder, const std::string &pattern)
{
    QProcess find;
    find.start(QStringLiteral("find"), {QFile::decodeName(folder.c_str()), QStringLiteral("-mindepth"), QStringLiteral("1"),
                                        QStringLiteral("-iname"), QString::fromStdString(pattern)});
    EXPECT_TRUE(find.waitForFinished());
    return find.readAllStandardOutput().toStdString();
}

TEST_F(FindCommand, MatchesCharactersOfTheUsersLanguageAsFindInameDoes)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/deps --test generates this locale";
    std::setlocale(LC_ALL, "C");
    const ScopedLanguage german("de_DE.UTF-8");
    const std::string a = archive(QDate(2026, 12, 10), "21",
                                  {{"\xc3\x84rger.txt", "1"}, {"sub/\xc3\xa4rger.odt", "2"}, {"arger.txt", "3"},
                                   {"caf\xe9.txt", "4"}, {"a\xc3\xa4" "b", "5"}, {"\xc7\x86", "6"}});
    const std::string copy = a + "/copy";
    for (const char *pattern : {"\xc3\xa4rger*", "?rger.*", "caf?.TXT", "A?B", "\xc7\x85", "*.TXT"}) {
        const StoreToolRun r = runStoreTool({"find", pattern});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const std::vector<std::string> expected = sortedLines(systemFind(copy, pattern), copy);
        EXPECT_FALSE(expected.empty()) << pattern;
        EXPECT_EQ(sortedLines(r.out, copy), expected) << pattern;
    }
    walk::removeTree(store.computer(), true); // by bytes: the scratch folder's own removal misses caf\xe9
}

// As find does: the search goes past a folder it cannot read, warns, and exits 1. Run as an
// ordinary account, since root reads every folder.
TEST(FindCommandAsUser, AnUnreadableFolderIsAWarningTheSearchGoesOnAndExitsOne)
{
    const std::optional<int> status = asOrdinaryAccount([](const std::string &home) {
        Installation inst;
        StoreBuilder store{inst.store()};
        const std::string a = store.archive(store.day(QDate(2026, 12, 10)) + "/21", "shellbak-1", "/home/ann/docs", {},
                                            {{"closed\n/x.odt", "1"}, {"y.odt", "2"}});
        const std::string closed = a + "/copy/closed\n";
        ::chmod(closed.c_str(), 0);
        const StoreToolRun r = runStoreToolIn({"find", "*.odt"}, home);
        ::chmod(closed.c_str(), 0755);
        ChildChecks check;
        check.expect(r.exitCode == 1, "exit " + std::to_string(r.exitCode));
        check.expect(r.out == a + "/copy/y.odt\n", "out " + r.out);
        const std::string shown = a + "/copy/closed\\n";
        check.expect(r.err == "rnx10-store: warning: " + shown + ": Permission denied: " + shown + "\n", "err " + r.err);
        return check.failed;
    });
    if (!status)
        GTEST_SKIP() << "could not become an ordinary account";
    EXPECT_EQ(*status, 0);
}

// -0 ends each name with a NUL, as "find -print0" does, so a name holding a line break is read
// back whole.
TEST_F(FindCommand, DashZeroEndsEachNameWithANul)
{
    const std::string a = archive(QDate(2026, 12, 10), "21", {{"two\nlines.odt", "1"}, {"sub/x.odt", "2"}});
    const StoreToolRun r = runStoreTool({"find", "-0", "*.odt"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QProcess find;
    find.start(QStringLiteral("find"), {QFile::decodeName((a + "/copy").c_str()), QStringLiteral("-iname"),
                                        QStringLiteral("*.odt"), QStringLiteral("-print0")});
    ASSERT_TRUE(find.waitForFinished());
    const auto names = [](const std::string &text) {
        std::vector<std::string> list;
        for (std::size_t at = 0, end; (end = text.find('\0', at)) != std::string::npos; at = end + 1)
            list.push_back(text.substr(at, end - at));
        std::sort(list.begin(), list.end());
        return list;
    };
    EXPECT_EQ(names(r.out), names(find.readAllStandardOutput().toStdString()));
    EXPECT_EQ(names(r.out).size(), 2u);
}

TEST_F(FindCommand, VersionsAreTabSeparatedLinesNewestFirst)
{
    const std::string v1 = archive(QDate(2026, 12, 9), "08", {{"letters/a.odt", "one"}});
    const std::string v2 = archive(QDate(2026, 12, 10), "09", {{"letters/a.odt", "one"}});
    const std::string v3 = archive(QDate(2026, 12, 10), "21", {{"letters/a.odt", "two!"}});
    const timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    for (const std::string &v : {v1, v2, v3})
        ASSERT_EQ(::utimensat(AT_FDCWD, (v + "/copy/letters/a.odt").c_str(), times, 0), 0);
    const StoreToolRun r = runStoreTool({"versions", "/home/ann/docs/letters/a.odt"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string when = QDateTime::fromSecsSinceEpoch(1700000000).toOffsetFromUtc(
        QDateTime::fromSecsSinceEpoch(1700000000).offsetFromUtc()).toString(Qt::ISODate).toStdString();
    EXPECT_EQ(r.out, "2026-12-10\t21\t4\t" + when + "\tchanged\t" + v3 + "/copy/letters/a.odt\n" +
                         "2026-12-10\t09\t3\t" + when + "\tsame\t" + v2 + "/copy/letters/a.odt\n" +
                         "2026-12-09\t08\t3\t" + when + "\tfirst\t" + v1 + "/copy/letters/a.odt\n");
    const StoreToolRun json = runStoreTool({"--json", "versions", "/home/ann/docs/letters/a.odt"});
    EXPECT_NE(json.out.find("\"change\":\"same\""), std::string::npos) << json.out;
}

TEST_F(FindCommand, ExitStatuses)
{
    archive(QDate(2026, 12, 10), "21", {{"a.odt", "1"}});
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char *err; // the start of standard error
    } cases[] = {
        {{"find", "*.none"}, 0, ""},
        {{"find"}, 2, "rnx10-store: find: expected PATTERN"},
        {{"find", "a", "b"}, 2, "rnx10-store: find: expected PATTERN"},
        {{"find", ""}, 2, "rnx10-store: find: PATTERN is empty"},
        {{"find", "*", "--from", "2026-02-30"}, 2, "rnx10-store: find: --from takes a day as YYYY-MM-DD"},
        {{"find", "*", "--to", "10.12.2026"}, 2, "rnx10-store: find: --to takes a day as YYYY-MM-DD"},
        {{"find", "*", "--from", "2026-12-11", "--to", "2026-12-10"}, 2, "rnx10-store: find: --from is after --to"},
        {{"find", "*", "--at", "x"}, 2, "rnx10-store: find: "},
        {{"versions"}, 2, "rnx10-store: versions: expected PATH"},
        {{"versions", "/home/ann/docs/none"}, 1, "rnx10-store: error 53: File not found: no archive holds"},
        {{"versions", "docs/a.odt"}, 1, "rnx10-store: error 5: "},
    };
    for (const auto &c : cases) {
        const StoreToolRun r = runStoreTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << r.err;
        EXPECT_EQ(r.err.substr(0, std::string(c.err).size()), c.err);
        EXPECT_EQ(r.out, "");
    }
    inst.env.set("ZVENVSBAK", "relative/store");
    const StoreToolRun r = runStoreTool({"find", "*"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.substr(0, 26), "rnx10-store: error 76: Pat");
}

} // namespace
