#include "automation/AutomationError.h"
#include "store/StoreReport.h"
#include "component/clsRNX10A.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/NameOrder.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <sstream>
#include <vector>

using namespace rnx10;
using namespace rnx10::test;

namespace {

std::vector<std::string> reportLines(const std::string &path)
{
    std::vector<std::string> lines;
    std::string text = readFile(path);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// One day in the store: 2026/12/10 of computer PC01.
class StoreReport : public ::testing::Test {
protected:
    void SetUp() override { makeFolders(store.day()); }

    Installation inst;
    StoreBuilder store{inst.store(), "PC01", QDate(2026, 12, 10)};
};

TEST_F(StoreReport, ListsEveryFolderParentsFirstHiddenIncludedFilesAndLinksLeftOut)
{
    store.archive(store.hour("0900"), "arch1", "/src");
    makeFolders(inst.store() + "/.hidden-one/inner");
    ASSERT_EQ(::symlink(inst.home().c_str(), (inst.store() + "/home-link").c_str()), 0);
    const std::string report = storeReportPath();
    EXPECT_EQ(report, inst.store() + "/report.txt");

    int yields = 0;
    writeStoreReport(inst.store(), report, [&] { ++yields; });
    const auto lines = reportLines(report);

    const std::string root = inst.store();
    const std::string archive = store.hour("0900") + "/arch1";
    const std::vector<std::string> expected = {root + "/PC01", root + "/PC01/2026", root + "/PC01/2026/12", store.day(),
                                               store.hour("0900"), archive, archive + "/copy", archive + "/copy/sub",
                                               root + "/.hidden-one", root + "/.hidden-one/inner"};
    EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()),
              std::multiset<std::string>(expected.begin(), expected.end()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            EXPECT_NE(lines[i].rfind(lines[j] + "/", 0), 0u) << lines[j] << " came after its child " << lines[i];
    EXPECT_EQ(yields, static_cast<int>(lines.size()));
}

TEST_F(StoreReport, HoursAndArchivesCreatedOutOfOrderAreWrittenInNameOrder)
{
    for (const char *hour : {"09-00", "05-00", "21-05", "Noon", "06-24", "afternoon"})
        makeFolders(store.hour(hour));
    for (const char *archive : {"shell", "Registry", "b-docs", "a-photos"})
        makeFolders(store.hour("06-24") + "/" + archive);
    const std::string report = storeReportPath();
    writeStoreReport(inst.store(), report);

    const std::string root = inst.store();
    std::vector<std::string> expected = {root + "/PC01", root + "/PC01/2026", root + "/PC01/2026/12", store.day(),
                                         store.hour("05-00"), store.hour("06-24")};
    for (const char *archive : {"a-photos", "b-docs", "Registry", "shell"})
        expected.push_back(store.hour("06-24") + "/" + archive);
    for (const char *hour : {"09-00", "21-05", "afternoon", "Noon"})
        expected.push_back(store.hour(hour));
    EXPECT_EQ(reportLines(report), expected);
}

// A store moved to a bigger disk and linked back: the report follows a link at the store root and
// at this computer's folder, and writes the folders under the names they have in the store.
TEST_F(StoreReport, LinkedStoreRootOrComputerFolderIsWalkedBelowItsOwnName)
{
    const std::string pc = GetMachineName();
    const std::string disk = inst.root() + "/bigdisk";
    const std::vector<LinkedStore> rows = linkedStores(inst.store(), disk);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        makeFolders(row.realComputer + "/2026/12/10/09-00");
        // Below the followed link, links are left out as everywhere in the report.
        ASSERT_EQ(::symlink(inst.home().c_str(), (row.realComputer + "/2026/home-link").c_str()), 0);
        ASSERT_EQ(::symlink(row.target.c_str(), row.linkAt.c_str()), 0);
        const std::string report = inst.root() + "/report.txt";
        writeStoreReport(row.storeRoot, report);

        const std::string named = row.storeRoot + "/" + pc;
        std::vector<std::string> expected = {named, named + "/2026", named + "/2026/12", named + "/2026/12/10",
                                             named + "/2026/12/10/09-00"};
        if (row.storeRoot == inst.store()) { // the store's own computer PC01, in its place by name
            const std::string other = inst.store() + "/PC01";
            const std::vector<std::string> others = {other, other + "/2026", other + "/2026/12", store.day()};
            expected.insert(nameBefore(pc, "PC01") ? expected.end() : expected.begin(), others.begin(), others.end());
        }
        EXPECT_EQ(reportLines(report), expected);
        EXPECT_TRUE(FileSystemObject().isLink(row.linkAt));
        ::unlink(row.linkAt.c_str());
        FileSystemObject().deleteFolder(disk, true);
    }
}

// A folder named to look like further report lines stays one line; other bytes stay raw.
TEST_F(StoreReport, LineBreaksInsideANameNeverStartALine)
{
    const std::string forged = store.day() + "/a\r\nforged\nb";
    const std::string raw = store.day() + "/tab\there \xe9\x1b[31m";
    makeFolders(forged);
    makeFolders(raw);
    const std::string report = storeReportPath();
    writeStoreReport(inst.store(), report);

    const std::vector<std::string> lines = reportLines(report);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], store.day() + "/a\\r\\nforged\\nb");
    EXPECT_EQ(lines[5], raw);
}

TEST_F(StoreReport, RewritesThePreviousReportAndAnEmptyStoreGivesAnEmptyFile)
{
    const std::string report = storeReportPath();
    writeFile(report, std::string(10000, 'x'));
    writeStoreReport(inst.store(), report);
    EXPECT_EQ(reportLines(report).size(), 4u); // PC01, year, month, day

    ScratchDir empty;
    writeStoreReport(empty.path(), report);
    EXPECT_EQ(readFile(report), "");
}

TEST_F(StoreReport, FailuresRaiseAndLeaveNoOpenFile)
{
    EXPECT_THROW(writeStoreReport(inst.store() + "/missing", inst.store() + "/r.txt"), AutomationError);
    EXPECT_THROW(writeStoreReport(inst.store(), inst.store() + "/no/such/r.txt"), AutomationError);
    if (exists("/dev/full")) {
        try {
            writeStoreReport(inst.store(), "/dev/full");
            ADD_FAILURE() << "a full disk went unnoticed";
        } catch (const AutomationError &e) {
            EXPECT_NE(e.description().find("/dev/full"), std::string::npos);
        }
    }
}

// The store may sit on shared or removable media: a link at the report's path could point at any
// file of the user. The report refuses it and leaves the link and what it points at as they are.
TEST_F(StoreReport, LinkAtTheReportPathIsRefusedAndItsTargetUntouched)
{
    const std::string report = storeReportPath();
    const std::string userFile = inst.home() + "/.profile";
    const struct {
        const char *name;
        bool targetExists;
    } rows[] = {{"link to a file of the user", true}, {"link to a file not there yet", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.targetExists)
            writeFile(userFile, "keep me\n");
        ASSERT_EQ(::symlink(userFile.c_str(), report.c_str()), 0);
        const AutomationError e = expectError(70, [&] { writeStoreReport(inst.store(), report); });
        EXPECT_NE(e.description().find(report), std::string::npos) << e.description();
        EXPECT_NE(e.description().find("symbolic link"), std::string::npos) << e.description();
        EXPECT_TRUE(FileSystemObject().isLink(report));
        if (row.targetExists)
            EXPECT_EQ(readFile(userFile), "keep me\n");
        else
            EXPECT_FALSE(exists(userFile));
        ::unlink(report.c_str());
        ::unlink(userFile.c_str());
    }
}

TEST_F(StoreReport, TheStoreIsTheProcessValueElseTheEnvironmentServicesValue)
{
    clsRNX10A component; // the environment service
    const std::string configured = inst.root() + "/configured-store";
    const std::string fallback = inst.root() + "/xdg/data/zorvane/backup";
    makeFolders(inst.root() + "/xdg/config/zorvane");
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[Environment]\nZVENVSBAK=" + configured + "\n");
    struct Row {
        std::optional<std::string> process;
        bool inConfiguration;
        std::string expected; // empty: error 76
    };
    const Row rows[] = {
        {inst.store(), true, inst.store()}, // the process value wins
        {std::nullopt, true, configured},   // a default installation: environment.ini
        {std::nullopt, false, fallback},    // no configuration: the built-in default
        {"", true, configured},             // set but empty: unset, as every empty key
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.process.value_or("(unset)") + (row.inConfiguration ? " with" : " without") + " environment.ini");
        if (row.process)
            inst.env.set("ZVENVSBAK", *row.process);
        else
            inst.env.unset("ZVENVSBAK");
        if (!row.inConfiguration)
            inst.env.set("XDG_CONFIG_HOME", inst.root() + "/no-config");
        if (row.expected.empty())
            expectError(76, [] { storeReportPath(); });
        else
            EXPECT_EQ(storeReportPath(), row.expected + "/report.txt");
        inst.env.set("XDG_CONFIG_HOME", inst.root() + "/xdg/config");
    }
}

} // namespace
