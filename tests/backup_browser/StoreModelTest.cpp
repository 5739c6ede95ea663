// Folder procedures, leading-number matching, the backup drive and the selection sizes.
#include "automation/AutomationError.h"
#include "store/DirStructure.h"
#include "store/LeadingNumber.h"
#include "store/MountPoint.h"
#include "store/SelectionSizes.h"
#include "support/StoreFixture.h"

#include <sys/stat.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(DirStructure, DirExistsOnlyForFolders)
{
    FileSystemObject fso;
    ScratchDir dir;
    makeFolders(dir / "a");
    writeFile(dir / "file", "x");
    for (const std::string &path : {std::string(), std::string("."), std::string(".."), std::string("/"), dir / "file",
                                    dir / "file/", dir / "missing"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(DirExists(fso, path));
    }
    EXPECT_TRUE(DirExists(fso, dir / "a"));
    EXPECT_TRUE(DirExists(fso, dir / "a/"));
}

class CreateDirStructureTest : public StoreFixture {};

TEST_F(CreateDirStructureTest, CreatesEveryMissingLevelAndKeepsExistingOnes)
{
    const std::string deep = inst.root() + "/x/y/z";
    EXPECT_TRUE(CreateDirStructure(fso, deep + "/"));
    EXPECT_TRUE(DirExists(fso, deep));
    writeFile(deep + "/keep", "k");
    EXPECT_TRUE(CreateDirStructure(fso, deep));
    EXPECT_EQ(readFile(deep + "/keep"), "k");
    // Doubled separators give empty pieces that create nothing.
    EXPECT_TRUE(CreateDirStructure(fso, inst.root() + "//p//q"));
    EXPECT_TRUE(DirExists(fso, inst.root() + "/p/q"));
}

TEST_F(CreateDirStructureTest, AFileInTheWayRaisesAndKeepsTheLevelsMade)
{
    writeFile(inst.root() + "/a", "");
    EXPECT_THROW(CreateDirStructure(fso, inst.root() + "/a/b"), AutomationError);
    makeFolders(inst.root() + "/m");
    writeFile(inst.root() + "/m/n", "");
    EXPECT_THROW(CreateDirStructure(fso, inst.root() + "/m/n/o"), AutomationError);
    EXPECT_TRUE(DirExists(fso, inst.root() + "/m"));
}

TEST(LeadingNumber, ReadsTheNumberANameStartsWith)
{
    const std::pair<const char *, double> cases[] = {
        {"2009", 2009}, {"02009", 2009}, {"2009a", 2009}, {"  5", 5},   {"\t7x", 7},  {"05", 5},     {"abc", 0},
        {"", 0},        {"-3", -3},      {"+4", 4},      {"1.5", 1.5}, {".5", 0.5}, {"1e2", 100},  {"1E+2", 100},
        {"1d1", 10},    {"1e", 1},       {".", 0},       {"5 6", 5},   {"1e999", 0}, {"0x10", 0},  {"٣", 0},
    };
    for (const auto &[name, value] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(leadingNumber(name), value);
    }
    EXPECT_TRUE(matchesNumber("05", 5));
    EXPECT_FALSE(matchesNumber("5.5", 5));
    EXPECT_TRUE(matchesNumber("x", 0));
    EXPECT_EQ(canonicalNumberText(5), "5");
}

TEST(MountPoint, FindsTheFileSystemRootOfAFolder)
{
    FileSystemObject fso;
    ScratchDir dir;
    const std::string mount = mountPointOf(fso, dir.path());
    ASSERT_FALSE(mount.empty());
    EXPECT_EQ(dir.path().rfind(mount, 0), 0u) << mount;
    struct stat a{}, b{};
    ASSERT_EQ(::stat(mount.c_str(), &a), 0);
    ASSERT_EQ(::stat(dir.path().c_str(), &b), 0);
    EXPECT_EQ(a.st_dev, b.st_dev);
    // A missing folder takes the file system of its nearest existing parent.
    EXPECT_EQ(mountPointOf(fso, dir / "not/yet/there"), mount);
    EXPECT_EQ(mountPointOf(fso, "/proc/self"), "/proc");
}

class SelectionSizesTest : public StoreFixture {};

TEST_F(SelectionSizesTest, SizesRoundHalfToEvenWholeMegabytes)
{
    const std::pair<std::uint64_t, const char *> cases[] = {
        {524287, "0"}, {524288, "0"}, {1572864, "2"}, {2621440, "2"}, {3670016, "4"}, {0, "0"},
    };
    for (const auto &[bytes, shown] : cases) {
        SCOPED_TRACE(bytes);
        const std::string source = inst.root() + "/src" + std::to_string(bytes);
        fileOfSize(source + "/f", bytes);
        const std::string copy = store.folder("copy" + std::to_string(bytes));
        const SelectionPanels panels = selectionSizes(fso, source, copy);
        EXPECT_TRUE(panels.selects);
        EXPECT_EQ(panels.panel1, source + "\r\nSize : " + shown + " MB");
        EXPECT_EQ(panels.panel2, copy + "\r\nSize : 0 MB");
    }
}

TEST_F(SelectionSizesTest, RegistryKeysMarkerIsExactAndMissingFoldersStopTheDisplay)
{
    const std::string copy = store.folder("copy");
    EXPECT_FALSE(selectionSizes(fso, "REGKEYS", copy).selects);
    const SelectionPanels lower = selectionSizes(fso, "regkeys", copy);
    EXPECT_TRUE(lower.selects);
    EXPECT_FALSE(lower.panel1);
    EXPECT_FALSE(lower.panel2);
    const SelectionPanels noCopy = selectionSizes(fso, copy, copy + "/missing");
    EXPECT_TRUE(noCopy.panel1);
    EXPECT_FALSE(noCopy.panel2);
}

TEST_F(SelectionSizesTest, LinksAreNotFollowedWhenMeasuring)
{
    const std::string copy = store.folder("copy");
    fileOfSize(inst.root() + "/big/f", 3 * 1048576);
    ASSERT_EQ(::symlink((inst.root() + "/big").c_str(), (copy + "/link").c_str()), 0);
    ASSERT_EQ(::symlink(copy.c_str(), (copy + "/loop").c_str()), 0);
    EXPECT_EQ(selectionSizes(fso, copy, copy).panel1, copy + "\r\nSize : 0 MB");
}

TEST_F(SelectionSizesTest, ASourceThatIsALinkIsSizedWhereItPoints)
{
    // A folder kept on another disk and linked back: restore replaces the target, so its size shows.
    const std::string copy = store.folder("copy");
    fileOfSize(inst.root() + "/disk/Documents/f", 3 * 1048576);
    const std::string link = inst.home() + "/Documents";
    ASSERT_EQ(::symlink((inst.root() + "/disk/Documents").c_str(), link.c_str()), 0);
    const SelectionPanels panels = selectionSizes(fso, link, copy);
    EXPECT_EQ(panels.panel1, link + "\r\nSize : 3 MB");
    EXPECT_EQ(panels.panel2, copy + "\r\nSize : 0 MB");
}

} // namespace
