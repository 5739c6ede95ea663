// The archive list of one hour: rows, the five details values and the hour's size.
#include "LateFifoPeer.h"
#include "UnreadableFileSystem.h"

#include "store/ArchiveList.h"
#include "support/ScopedFactory.h"
#include "support/StoreFixture.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class ArchiveListTest : public StoreFixture {
protected:
    std::string day = store.folder("2026/12/10");
    std::string hour = store.folder("2026/12/10/21-05");
};

using Values = std::array<std::string, 5>;

TEST_F(ArchiveListTest, RowsCarryTheFiveDetailsValuesAndTheHourSize)
{
    const std::string regDetails = StoreBuilder::detailsText("REGKEYS", hour + "/registry/settings");
    const std::string docDetails = StoreBuilder::detailsText("/home/ann/Documents", hour + "/shell/Documents");
    store.sizedArchive(hour, "registry", regDetails, 1048576);
    store.sizedArchive(hour, "shell", docDetails, 524288);
    fileOfSize(hour + "/not-an-archive.txt", 100);
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05");
    ASSERT_FALSE(list.error);
    EXPECT_EQ(list.hourFolder, hour);
    EXPECT_EQ(list.sizeCaption, "Size : 2 MB");
    EXPECT_EQ(list.sizeToolTip, std::to_string(1048576 + 524288 + 100 + regDetails.size() + docDetails.size()) + " Bytes");
    ASSERT_EQ(list.rows.size(), 2u);
    auto rows = list.rows;
    std::sort(rows.begin(), rows.end(), [](auto &a, auto &b) { return a.name < b.name; });
    EXPECT_EQ(rows[0].name, "registry");
    EXPECT_EQ(rows[0].values, (Values{"REGKEYS", hour + "/registry/settings", "PC01", "ann", "10/12/2026 21:05:00"}));
    EXPECT_EQ(rows[1].values[0], "/home/ann/Documents");
}

TEST_F(ArchiveListTest, ArchivesCreatedOutOfOrderAreListedInNameOrder)
{
    for (const char *name : {"shell", "Registry", "b-docs", "10", "a-photos", "Zeta", "9", "registry2"})
        store.sizedArchive(hour, name, std::nullopt);
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05");
    ASSERT_FALSE(list.error);
    std::vector<std::string> names;
    for (const ArchiveRow &row : list.rows)
        names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"10", "9", "a-photos", "b-docs", "Registry", "registry2", "shell", "Zeta"}));
}

TEST_F(ArchiveListTest, EmptyHourShowsNoRowsAndZeroSize)
{
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05");
    ASSERT_FALSE(list.error);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.sizeCaption, "Size : 0 MB");
    EXPECT_EQ(list.sizeToolTip, "0 Bytes");
}

TEST_F(ArchiveListTest, NoHourPickedListsAndMeasuresNothing)
{
    store.sizedArchive(hour, "a", std::nullopt);
    for (const std::string &d : {day, std::string()}) {
        const ArchiveListResult list = fillArchiveList(fso, d, std::nullopt);
        EXPECT_FALSE(list.error);
        EXPECT_EQ(list.hourFolder, "");
        EXPECT_FALSE(list.sizeCaption);
        EXPECT_TRUE(list.rows.empty());
    }
}

TEST_F(ArchiveListTest, MissingHourEndsTheFillBeforeMeasuring)
{
    const ArchiveListResult list = fillArchiveList(fso, day, "gone");
    ASSERT_TRUE(list.error);
    EXPECT_EQ(list.hourFolder, day + "/gone");
    EXPECT_FALSE(list.sizeCaption);
}

TEST_F(ArchiveListTest, EveryDetailsFileStillGivesARow)
{
    const std::string hugeLine = "[DETAILS]\nSourceDir=" + std::string(10 * 1024 * 1024, 'x') + "\nComputer=PC01\n";
    const std::string largest = "[DETAILS]\nSourceDir=/s\n" + std::string(kMostDetailsBytes - 24, ';') + "\n";
    ASSERT_EQ(largest.size(), kMostDetailsBytes);
    const std::pair<const char *, std::string> cases[] = {
        {"empty", ""},
        {"binary", std::string("\0\xff\xfe\x01[DE\0TAILS]\x80", 13)},
        {"crlf", "[DETAILS]\r\nSourceDir=/s\r\nComputer=PC01\r\n"},
        {"bom", "\xef\xbb\xbf[DETAILS]\nSourceDir=/s\nComputer=PC01\n"},
        {"other-case", "[details]\nsourcedir=/s\nCOMPUTER=PC01\n"},
        {"no-section", "SourceDir=/s\nComputer=PC01\n"},
        {"other-section", "[OTHER]\nSourceDir=/s\n"},
        {"largest", largest},
        {"one-byte-more", largest + ";"},
        {"huge-line", hugeLine},
    };
    for (const auto &[name, content] : cases)
        store.sizedArchive(hour, name, content);
    store.sizedArchive(hour, "missing", std::nullopt);
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05");
    ASSERT_FALSE(list.error) << list.error->description();
    ASSERT_EQ(list.rows.size(), std::size(cases) + 1);
    for (const ArchiveRow &row : list.rows) {
        SCOPED_TRACE(row.name);
        const bool readable = row.name == "crlf" || row.name == "bom" || row.name == "other-case" || row.name == "largest";
        const bool tooLarge = row.name == "huge-line" || row.name == "one-byte-more";
        EXPECT_EQ(row.values[0], readable ? "/s" : "");
        EXPECT_EQ(row.values[1], "");
        EXPECT_EQ(row.details, row.name == "missing" ? DetailsFile::Missing
                               : tooLarge            ? DetailsFile::Unreadable
                                                     : DetailsFile::Read);
    }
}

TEST_F(ArchiveListTest, DetailsThatAreNoRegularFileCountAsMissingAndAreNeverWaitedOn)
{
    const std::string good = StoreBuilder::detailsText("/s", hour + "/linked/data");
    writeFile(inst.root() + "/elsewhere.ini", good);
    store.sizedArchive(hour, "fifo", std::nullopt);
    store.sizedArchive(hour, "linked", std::nullopt);
    store.sizedArchive(hour, "folder", std::nullopt);
    store.sizedArchive(hour, "plain", good);
    const std::string fifo = hour + "/fifo/details.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink((inst.root() + "/elsewhere.ini").c_str(), (hour + "/linked/details.ini").c_str()), 0);
    makeFolders(hour + "/folder/details.ini");

    LateFifoPeer writer(fifo, LateFifoPeer::Writer, "[DETAILS]\nSourceDir=late\n");
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05");
    writer.release();
    EXPECT_FALSE(writer.came()) << "the list waited for a writer to the FIFO";
    ASSERT_FALSE(list.error) << list.error->description();
    ASSERT_EQ(list.rows.size(), 4u);
    for (const ArchiveRow &row : list.rows) {
        SCOPED_TRACE(row.name);
        const bool plain = row.name == "plain";
        EXPECT_EQ(row.details, plain ? DetailsFile::Read : DetailsFile::Missing);
        EXPECT_EQ(row.values[0], plain ? "/s" : "");
    }
}

TEST_F(ArchiveListTest, UnreadableArchiveFolderEndsTheFillAtTheHourSize)
{
    UnreadableFileSystem unreadable("/21-05");
    store.sizedArchive(hour, "a", std::nullopt);
    const ArchiveListResult list = fillArchiveList(unreadable, day, "21-05");
    ASSERT_TRUE(list.error);
    EXPECT_EQ(list.error->number(), 70);
    EXPECT_FALSE(list.sizeCaption);
    EXPECT_TRUE(list.rows.empty());
}

TEST_F(ArchiveListTest, AnArchiveThatCannotBeMeasuredStillLeavesEveryArchiveListed)
{
    store.sizedArchive(hour, "a", std::nullopt);
    store.sizedArchive(hour, "b", std::nullopt);
    // The hour's size walk meets an archive folder it may not read.
    const FolderMeasure unreadableArchive = [](const std::string &folder) -> std::uint64_t {
        throw err::permissionDenied(folder + "/b");
    };
    const ArchiveListResult list = fillArchiveList(fso, day, "21-05", unreadableArchive);
    ASSERT_TRUE(list.error);
    EXPECT_EQ(list.error->number(), 70);
    EXPECT_FALSE(list.sizeCaption);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0].name, "a");
    EXPECT_EQ(list.rows[1].name, "b");
}

} // namespace
