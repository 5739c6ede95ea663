// The search of the archives by name and the versions of one path, on small stores.
#include "store/ArchiveSearch.h"
#include "store/FileVersions.h"

#include "platform/walk/FolderWalk.h"
#include "support/ExpectError.h"
#include "support/RefusedThreads.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "../walks/WalkFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <map>
#include <set>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct Search {
    std::vector<std::string> found;      // store paths, in the order reported
    std::vector<std::string> kinds;
    std::vector<std::string> unreadable;
};

class ArchiveSearchTest : public ::testing::Test {
protected:
    Search search(const std::string &pattern, const DateRange &range = {})
    {
        Search s;
        SearchReceiver receiver;
        receiver.found = [&](const FoundEntry &f) {
            EXPECT_EQ(f.storePath, f.archive + "/copy/" + f.relative);
            s.found.push_back(f.storePath);
            s.kinds.push_back(kindText(f.facts.kind));
        };
        receiver.unreadable = [&](const std::string &path, const AutomationError &) { s.unreadable.push_back(path); };
        searchArchives(store.computer(), pattern, range, receiver);
        return s;
    }

    // An archive of day/hour whose copy holds files, backed up from source.
    std::string archive(const QDate &day, const std::string &hour, const StoreBuilder::Files &files,
                        const std::string &source = "/home/ann/docs", const std::string &name = "shellbak-1")
    {
        return store.archive(store.day(day) + "/" + hour, name, source, {}, files);
    }

    ScratchDir scratch;
    StoreBuilder store{scratch / "store", "PC"};
    const QDate dec10{2026, 12, 10}, dec9{2026, 12, 9}, jan5{2025, 1, 5};
};

TEST_F(ArchiveSearchTest, NewestArchiveFirstWithinTheDatesAndWithoutRegardToCase)
{
    const std::string a = archive(jan5, "10", {{"report.odt", "1"}});
    const std::string b = archive(dec9, "08", {{"REPORT.ODT", "2"}, {"sub/other.txt", "x"}});
    const std::string c = archive(dec10, "09-00", {{"Report.odt", "3"}, {"reports/x.txt", "x"}});
    const std::string d = archive(dec10, "21-30", {{"old/report.Odt", "4"}});
    // "05" stands for the month 5 as it does in the browser; an hour folder holding no archive is passed over.
    store.folder("2026/12/10/22-00");
    EXPECT_EQ(search("*.odt").found, (std::vector<std::string>{d + "/copy/old/report.Odt", c + "/copy/Report.odt",
                                                                 b + "/copy/REPORT.ODT", a + "/copy/report.odt"}));
    const Search reports = search("REPORT*");
    EXPECT_EQ(reports.found, (std::vector<std::string>{d + "/copy/old/report.Odt", c + "/copy/Report.odt",
                                                        c + "/copy/reports", b + "/copy/REPORT.ODT",
                                                        a + "/copy/report.odt"}));
    EXPECT_EQ(reports.kinds[2], "folder");
    EXPECT_EQ(search("*.odt", {ArchiveDate{2026, 12, 9}, ArchiveDate{2026, 12, 9}}).found,
              std::vector<std::string>{b + "/copy/REPORT.ODT"});
    EXPECT_EQ(search("*.odt", {ArchiveDate{2026, 1, 1}, std::nullopt}).found.size(), 3u);
    EXPECT_EQ(search("*.odt", {std::nullopt, ArchiveDate{2025, 12, 31}}).found,
              std::vector<std::string>{a + "/copy/report.odt"});
    EXPECT_TRUE(search("nothing*").found.empty());
}

TEST_F(ArchiveSearchTest, LooksOnlyInsideEachArchivesOwnCopyAndFollowsNoLink)
{
    const std::string outside = scratch / "outside";
    writeFile(outside + "/secret.odt", "s");
    const std::string hour = store.day(dec10) + "/09";
    // DestinationDir outside the archive, through "..", and the archive folder itself.
    store.archive(hour, "a-outside", "/src", outside);
    store.archive(hour, "b-dotdot", "/src", hour + "/b-dotdot/../../../../../../../outside");
    store.archive(hour, "c-self", "/src", hour + "/c-self", {{"self.odt", "x"}});
    // A link inside a copy, a copy that is a link, and a link on the way to the copy.
    const std::string linked = store.archive(hour, "d-linked", "/src", {}, {{"mine.odt", "m"}});
    makeLink(outside, linked + "/copy/out");
    makeFolders(hour + "/e-linkcopy");
    makeFolders(hour + "/f-linkway");
    makeLink(outside, hour + "/e-linkcopy/copy");
    writeFile(hour + "/e-linkcopy/details.ini", StoreBuilder::detailsText("/src", hour + "/e-linkcopy/copy"));
    makeLink(outside, hour + "/f-linkway/way");
    writeFile(hour + "/f-linkway/details.ini", StoreBuilder::detailsText("/src", hour + "/f-linkway/way/copy"));
    const Search s = search("*.odt");
    EXPECT_EQ(s.found, std::vector<std::string>{linked + "/copy/mine.odt"});
    EXPECT_EQ(search("out").kinds, std::vector<std::string>{"link"});
    EXPECT_EQ(s.unreadable, (std::vector<std::string>{hour + "/f-linkway/way/copy", hour + "/e-linkcopy/copy"}));
}

TEST_F(ArchiveSearchTest, AFolderThatCannotBeReadIsToldAndTheSearchGoesOn)
{
    const std::string newest = archive(dec10, "21", {{"a.odt", "1"}, {"closed/b.odt", "2"}, {"z.odt", "3"}});
    const std::string older = archive(dec9, "08", {{"c.odt", "4"}});
    const std::string closedHour = store.day(dec10) + "/10";
    archive(dec10, "10", {{"hidden.odt", "5"}});
    ::chmod((newest + "/copy/closed").c_str(), 0);
    ::chmod(closedHour.c_str(), 0);
    Search s;
    withoutOverridingModes([&] { s = search("*.odt"); });
    ::chmod((newest + "/copy/closed").c_str(), 0755);
    ::chmod(closedHour.c_str(), 0755);
    std::sort(s.found.begin(), s.found.begin() + 2); // one folder's entries come in listing order
    EXPECT_EQ(s.found, (std::vector<std::string>{newest + "/copy/a.odt", newest + "/copy/z.odt", older + "/copy/c.odt"}));
    EXPECT_EQ(s.unreadable, (std::vector<std::string>{newest + "/copy/closed", closedHour}));
}

TEST_F(ArchiveSearchTest, NamesAreReportedAsTheirBytes)
{
    const std::string notUtf8 = "caf\xe9.odt", newline = "two\nlines.odt";
    const std::string a = archive(dec10, "09", {{notUtf8, "1"}, {newline, "2"}});
    Search s = search("*.ODT");
    std::sort(s.found.begin(), s.found.end());
    EXPECT_EQ(s.found, (std::vector<std::string>{a + "/copy/" + notUtf8, a + "/copy/" + newline}));
    EXPECT_EQ(search("caf?.odt").found, std::vector<std::string>{a + "/copy/" + notUtf8});
    walk::removeTree(store.computer(), true); // the scratch folder's own clean-up passes over such names
}

TEST_F(ArchiveSearchTest, StopsOnceCancelled)
{
    for (const char *hour : {"08", "09", "10"})
        archive(dec10, hour, {{"a.odt", "1"}, {"sub/b.odt", "2"}});
    walk::WalkProgress progress;
    int found = 0;
    SearchReceiver receiver;
    receiver.found = [&](const FoundEntry &) {
        ++found;
        progress.cancel = true;
    };
    expectError(walk::UserInterrupt, [&] { searchArchives(store.computer(), "*.odt", {}, receiver, &progress); });
    EXPECT_EQ(found, 1);
    expectError(5, [&] { searchArchives(store.computer(), "", {}, receiver); });
}

TEST_F(ArchiveSearchTest, VersionsNewestFirstWithWhetherEachChanged)
{
    const auto setTime = [](const std::string &path, std::time_t seconds) {
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
    };
    const std::string v1 = archive(jan5, "10", {{"letters/a.odt", "one"}});
    const std::string v2 = archive(dec9, "08", {{"letters/a.odt", "one"}});
    const std::string v3 = archive(dec10, "09", {{"letters/a.odt", "two!"}});
    const std::string v4 = archive(dec10, "21", {{"letters/a.odt", "two!"}});
    archive(dec10, "22", {{"letters/b.odt", "other"}});
    archive(dec10, "23", {{"a.odt", "prefix by text only"}}, "/home/ann/docs/letters/a.odt-old");
    archive(dec10, "23", {{"a.odt", "prefix by text only"}}, "/home/ann/doc", "shellbak-2");
    for (const std::string &v : {v1, v2, v3, v4})
        setTime(v + "/copy/letters/a.odt", 1700000000);
    setTime(v4 + "/copy/letters/a.odt", 1700000060); // same size, later time
    const std::vector<FileVersion> versions = fileVersions(store.computer(), "/home/ann/docs/letters//a.odt");
    std::vector<std::string> seen;
    for (const FileVersion &v : versions)
        seen.push_back(dateText(v.date) + " " + v.hour + " " + std::to_string(v.facts.size) + " " +
                       changeText(v.change) + " " + v.storePath);
    EXPECT_EQ(seen, (std::vector<std::string>{"2026-12-10 21 4 changed " + v4 + "/copy/letters/a.odt",
                                              "2026-12-10 09 4 changed " + v3 + "/copy/letters/a.odt",
                                              "2026-12-09 08 3 same " + v2 + "/copy/letters/a.odt",
                                              "2025-01-05 10 3 first " + v1 + "/copy/letters/a.odt"}));
    // The source folder itself is the copy; a folder's versions compare as folders.
    EXPECT_EQ(fileVersions(store.computer(), "/home/ann/docs").size(), 5u);
    EXPECT_TRUE(fileVersions(store.computer(), "/home/ann/docs/none").empty());
    for (const char *bad : {"relative/a.odt", "/home/ann/../ann/docs", ""})
        expectError(5, [&] { fileVersions(store.computer(), bad); });
}

} // namespace

namespace {

// On a system that refuses every new thread the search does its work on the calling thread and
// finds what it finds with helpers, in the same order; it must not wait for helpers that never came.
// The finds of each archive come together, archive after archive newest first, whatever the helpers
// found ahead: archives with more finds than a helper passes on at once among archives with one,
// and a receiver slow enough for the helpers to run ahead.
TEST_F(ArchiveSearchTest, ManyArchivesComeWholeAndInTheirOrderWhileHelpersRunAhead)
{
    std::vector<std::string> newestFirst;
    std::map<std::string, std::set<std::string>> expected;
    for (int day = 1; day <= 6; ++day)
        for (const char *hour : {"08", "13", "20"}) {
            StoreBuilder::Files files{{"sub/one.dat", "x"}, {"skip.txt", "x"}};
            if ((day + hour[0]) % 3 == 0)
                for (int i = 0; i < 700; ++i)
                    files["many/f" + std::to_string(i) + ".DAT"] = "";
            const std::string a = archive(QDate(2026, 3, day), hour, files);
            newestFirst.insert(newestFirst.begin(), a);
            for (const auto &[path, content] : files)
                if (path.ends_with(".dat") || path.ends_with(".DAT"))
                    expected[a].insert(a + "/copy/" + path);
        }
    std::vector<std::string> order;
    std::map<std::string, std::set<std::string>> got;
    int count = 0;
    SearchReceiver receiver;
    receiver.found = [&](const FoundEntry &f) {
        if (order.empty() || order.back() != f.archive)
            order.push_back(f.archive);
        got[f.archive].insert(f.storePath);
        if (++count % 100 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
    searchArchives(store.computer(), "*.dat", {}, receiver);
    EXPECT_EQ(order, newestFirst); // each archive once: its finds were never split by another's
    EXPECT_EQ(got, expected);
}

TEST_F(ArchiveSearchTest, FindsEverythingOnTheCallingThreadWhenNoHelperCanStart)
{
    archive(jan5, "10", {{"report.odt", "1"}});
    archive(dec9, "08", {{"REPORT.ODT", "2"}, {"sub/report.odt", "x"}});
    archive(dec10, "09-00", {{"Report.odt", "3"}});
    const Search helped = search("*.odt");
    ASSERT_EQ(helped.found.size(), 4u);

    bool refused = false;
    Search alone;
    std::promise<void> ended;
    std::thread searcher([&] {
        refused = refuseNewThreadsFromThisThread();
        if (refused)
            alone = search("*.odt");
        ended.set_value();
    });
    if (ended.get_future().wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        std::fputs("the search still waits after 60 s: it hangs without helpers\n", stderr);
        std::_Exit(1);
    }
    searcher.join();
    if (!refused)
        GTEST_SKIP() << "this kernel does not allow a seccomp filter";
    EXPECT_EQ(alone.found, helped.found);
}

} // namespace
