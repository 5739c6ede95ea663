// The file-system object's queries and renames that the store code uses instead of raw calls,
// and the hidden marking written through the one replace.
#include "platform/FileSystemObject.h"

#include "automation/AutomationError.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

using Type = EntryStatus::Type;

TEST(FileSystemObjectStatus, TellsTheTypeModeAndDeviceWithOrWithoutFollowingLinks)
{
    ScratchDir dir;
    FileSystemObject fso;
    makeFolders(dir / "folder");
    writeFile(dir / "file", "x");
    ::chmod((dir / "file").c_str(), 0640);
    ASSERT_EQ(::symlink((dir / "folder").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "gone").c_str(), (dir / "dangling").c_str()), 0);
    const struct {
        const char *name;
        bool follow;
        std::optional<Type> type;
    } rows[] = {
        {"folder", true, Type::Folder}, {"file", true, Type::File},       {"link", true, Type::Folder},
        {"link", false, Type::Link},    {"dangling", false, Type::Link},  {"dangling", true, std::nullopt},
        {"missing", false, std::nullopt},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.name) + (r.follow ? " followed" : ""));
        const auto st = fso.status(dir / r.name, r.follow);
        ASSERT_EQ(st.has_value(), r.type.has_value());
        if (st)
            EXPECT_EQ(st->type, *r.type);
    }
    struct stat raw{};
    ASSERT_EQ(::stat(dir.path().c_str(), &raw), 0);
    EXPECT_EQ(fso.status(dir / "file")->mode, 0640u);
    EXPECT_EQ(fso.status(dir / "file")->device, static_cast<std::uint64_t>(raw.st_dev));
    EXPECT_FALSE(fso.status(""));

    EXPECT_TRUE(fso.entryExists(dir / "dangling"));
    EXPECT_FALSE(fso.entryExists(dir / "missing"));
    EXPECT_TRUE(fso.isLink(dir / "link/"));
    EXPECT_FALSE(fso.isLink(dir / "folder"));
    fso.setMode(dir / "file", 0600);
    EXPECT_EQ(fso.status(dir / "file")->mode, 0600u);
}

TEST(FileSystemObjectRename, UniqueFoldersRenamesAndExchanges)
{
    ScratchDir dir;
    FileSystemObject fso;
    const std::string a = fso.createUniqueFolder(dir.path(), ".work-");
    const std::string b = fso.createUniqueFolder(dir.path(), ".work-");
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind(dir / ".work-", 0), 0u) << a;
    EXPECT_EQ(fso.status(a)->mode, 0700u);
    writeFile(a + "/in-a", "a");

    fso.rename(a, dir / "renamed");
    EXPECT_TRUE(exists(dir / "renamed/in-a"));
    EXPECT_FALSE(exists(a));
    try {
        fso.rename(dir / "missing", dir / "target");
        ADD_FAILURE() << "renamed a missing entry";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_NE(e.description().find(dir / "target"), std::string::npos) << e.description();
    }

    if (!fso.exchange(dir / "renamed", b))
        GTEST_SKIP() << "this file system cannot exchange two entries";
    EXPECT_TRUE(exists(b + "/in-a"));
    EXPECT_FALSE(exists(dir / "renamed/in-a"));
    EXPECT_THROW(fso.exchange(dir / "renamed", dir / "missing"), AutomationError);
}

TEST(FileSystemObjectHidden, ListIsReplacedWholeAndKeepsItsMode)
{
    ScratchDir dir;
    FileSystemObject fso;
    makeFolders(dir / "store");
    makeFolders(dir / "locker");
    writeFile(dir / ".hidden", "other"); // a last line without its line break
    ::chmod((dir / ".hidden").c_str(), 0600);
    fso.markHiddenOnly(dir / "store");
    fso.markHiddenOnly(dir / "locker/");
    fso.markHiddenOnly(dir / "store");
    EXPECT_EQ(readFile(dir / ".hidden"), "other\nstore\nlocker\n");
    EXPECT_EQ(fso.status(dir / ".hidden")->mode, 0600u);
}

} // namespace
