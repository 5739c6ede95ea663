// Undoing a restore: the folder a restore replaces goes to the desktop trash, recorded as coming
// from the source, unless no trash on its file system can take it; then it is deleted as before.
#include "store/DesktopTrash.h"
#include "store/FolderRestore.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "support/PrivateMount.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

#include <sys/stat.h>
#include <unistd.h>

#include <regex>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class RestoreTrash : public ::testing::Test {
protected:
    void SetUp() override { makeFolders(trash); }

    // A source holding what the archive lacks, and its archive.
    std::string archiveOf(const std::string &source)
    {
        makeFolders(source);
        writeFile(source + "/only-before.txt", "the user's");
        return store.archive(store.hour("09-00"), "arch", source) + "/copy";
    }

    Installation inst;
    StoreBuilder store{inst.store()};
    FileSystemObject fso;
    std::string trash = inst.root() + "/xdg/data/Trash";
};

TEST_F(RestoreTrash, ReplacedFolderLandsInTheTrashUnderItsNameAndPath)
{
    const std::string source = inst.home() + "/My Documents";
    const std::string copy = archiveOf(source);
    restoreFolder(fso, copy, source, inst.store());
    restoreFolder(fso, copy, source, inst.store()); // again: the second replaced folder gets a free name

    EXPECT_EQ(treeListing(source), treeListing(copy));
    EXPECT_EQ(readFile(trash + "/files/My Documents/only-before.txt"), "the user's");
    EXPECT_EQ(treeListing(trash + "/files/My Documents.2"), treeListing(copy));
    for (const char *info : {"/info/My Documents.trashinfo", "/info/My Documents.2.trashinfo"}) {
        const std::string text = readFile(trash + info);
        EXPECT_NE(text.find("\nPath=" + inst.home() + "/My%20Documents\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nDeletionDate="), std::string::npos) << text;
    }
    for (const std::string &entry : treeListing(inst.home()))
        EXPECT_EQ(entry.find(".rnx10-restore"), std::string::npos) << entry;
}

// The path goes to the trash as bytes, a folder holding it and its own name alike: no text
// conversion may drop the byte and lose the folder.
TEST_F(RestoreTrash, APathThatIsNotUtf8GoesToTheTrashByItsBytes)
{
    const std::string source = inst.home() + "/bad\xFF" "dir/Docs\xFE";
    const std::string copy = archiveOf(source);
    EXPECT_EQ(expectedFate(source), ReplacedFolder::Fate::Trashed);
    const ReplacedFolder replaced = restoreFolder(fso, copy, source, inst.store());

    EXPECT_EQ(replaced.fate, ReplacedFolder::Fate::Trashed);
    EXPECT_EQ(replaced.inTrash, trash + "/files/Docs\xFE");
    EXPECT_EQ(readFile(trash + "/files/Docs\xFE/only-before.txt"), "the user's");
    EXPECT_EQ(treeListing(source), treeListing(copy));
    const std::string info = readFile(trash + "/info/Docs\xFE.trashinfo");
    const std::regex layout("\\[Trash Info\\]\nPath=(.*)\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n");
    std::smatch found;
    ASSERT_TRUE(std::regex_match(info, found, layout)) << info;
    EXPECT_EQ(found[1].str(), trashPathValue(inst.home()) + "/bad%FFdir/Docs%FE");
    EXPECT_EQ(trashPathValue("/a b/%\xC3\xA4-._~"), "/a%20b/%25%C3%A4-._~");
}

// A name too long to take ".trashinfo" still goes to the trash, as the question promised, under a
// shortened name; its info keeps the whole path, so the file manager puts it back as it was.
TEST_F(RestoreTrash, AFolderWhoseNameIsNearTheLimitStillGoesToTheTrash)
{
    const std::string name = std::string(250, 'L');
    const std::string source = inst.home() + "/" + name;
    const std::string copy = archiveOf(source);
    EXPECT_EQ(expectedFate(source), ReplacedFolder::Fate::Trashed);
    for (int time = 1; time <= 2; ++time) {
        const ReplacedFolder replaced = restoreFolder(fso, copy, source, inst.store());
        ASSERT_EQ(replaced.fate, ReplacedFolder::Fate::Trashed) << time;
        const std::string inTrash = baseName(replaced.inTrash);
        EXPECT_EQ(replaced.inTrash, trash + "/files/" + inTrash);
        EXPECT_LE((inTrash + ".trashinfo").size(), 255u);
        if (time == 1)
            EXPECT_EQ(readFile(replaced.inTrash + "/only-before.txt"), "the user's");
        else
            EXPECT_EQ(treeListing(replaced.inTrash), treeListing(copy));
        EXPECT_NE(readFile(trash + "/info/" + inTrash + ".trashinfo").find("\nPath=" + trashPathValue(source) + "\n"),
                  std::string::npos);
    }
}

// On a file system of its own the folder goes to that mount's trash, named relative to the mount:
// .Trash/UID when .Trash is a sticky folder, else .Trash-UID (made private); never a link.
TEST_F(RestoreTrash, OnAnotherFileSystemTheMountsTrashTakesItWithARelativePath)
{
    const std::string mountPoint = inst.root() + "/other-disk";
    makeFolders(mountPoint);
    const std::string uid = std::to_string(::getuid());
    const struct {
        const char *setup; // what .Trash is at the mount's top
        std::string trash; // where the folder must go
    } cases[] = {
        {"sticky", "/.Trash/" + uid},
        {"none", "/.Trash-" + uid},
        {"plain", "/.Trash-" + uid},
        {"link", "/.Trash-" + uid},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setup);
        const std::optional<int> status = inPrivateMount(mountPoint, "size=4m", [&] {
            const std::string shared = mountPoint + "/.Trash";
            if (std::string(c.setup) == "link") {
                makeFolders(mountPoint + "/elsewhere");
                ::chmod((mountPoint + "/elsewhere").c_str(), 01777);
                if (::symlink("elsewhere", shared.c_str()) != 0)
                    return 9;
            } else if (std::string(c.setup) != "none") {
                makeFolders(shared);
                ::chmod(shared.c_str(), std::string(c.setup) == "sticky" ? 01777 : 0777);
            }
            const std::string source = mountPoint + "/Docs\xFF";
            const std::string copy = archiveOf(source);
            const ReplacedFolder replaced = restoreFolder(fso, copy, source, inst.store());
            const std::string into = mountPoint + c.trash;
            struct stat st{};
            if (replaced.fate != ReplacedFolder::Fate::Trashed || replaced.inTrash != into + "/files/Docs\xFF")
                return 1;
            if (readFile(into + "/files/Docs\xFF/only-before.txt") != "the user's")
                return 2;
            if (readFile(into + "/info/Docs\xFF.trashinfo").find("\nPath=Docs%FF\n") == std::string::npos)
                return 3;
            if (::lstat(into.c_str(), &st) != 0 || (st.st_mode & 07777) != 0700)
                return 4;
            return exists(mountPoint + "/elsewhere/" + uid) ? 5 : 0;
        });
        if (!status)
            GTEST_SKIP() << "no private mount namespace with a tmpfs here";
        EXPECT_EQ(*status, 0) << "1: not trashed there, 2: content, 3: info's Path, 4: trash folder's mode, 5: went through the link";
    }
}

// As an ordinary account, a read-only folder moved to another parent needs write permission on
// itself: it still goes to the trash, its mode kept, instead of being deleted.
TEST(RestoreTrashAsUser, AReadOnlyFolderGoesToTheTrashWithItsMode)
{
    const std::optional<int> status = asOrdinaryAccount([](const std::string &home) {
        ::setenv("TMPDIR", home.c_str(), 1);
        Installation inst;
        StoreBuilder store{inst.store()};
        FileSystemObject fso;
        const std::string source = inst.home() + "/read-only\xFF";
        makeFolders(source);
        writeFile(source + "/mine.txt", "mine");
        const std::string copy = store.archive(store.hour("09-00"), "arch", source) + "/copy";
        ::chmod(source.c_str(), 0555);
        ::chmod(copy.c_str(), 0500); // the restored folder ends with the copy's mode
        if (expectedFate(source) != ReplacedFolder::Fate::Trashed)
            return 1;
        const ReplacedFolder replaced = restoreFolder(fso, copy, source, inst.store());
        const std::string inTrash = inst.root() + "/xdg/data/Trash/files/read-only\xFF";
        const auto modeOf = [](const std::string &path) {
            struct stat st{};
            return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
        };
        if (replaced.fate != ReplacedFolder::Fate::Trashed || readFile(inTrash + "/mine.txt") != "mine")
            return 2;
        if (modeOf(inTrash) != 0555)
            return 3;
        return modeOf(source) == 0500 && treeListing(source) == treeListing(copy) ? 0 : 4;
    });
    if (!status)
        GTEST_SKIP() << "cannot become an ordinary account here";
    EXPECT_EQ(*status, 0) << "1: expected to be deleted, 2: not in the trash, 3: mode not kept, 4: not restored";
}

// The source on a file system of its own (a tmpfs in a private mount namespace) whose top holds a
// file where the trash folder would go: no trash there, and the home trash is on another file
// system, so the replaced folder is deleted.
TEST_F(RestoreTrash, WithoutATrashOnItsFileSystemTheReplacedFolderIsDeleted)
{
    const std::string mountPoint = inst.root() + "/other-disk";
    makeFolders(mountPoint);
    const std::string source = mountPoint + "/Documents";
    const std::optional<int> status = inPrivateMount(mountPoint, "size=4m", [&] {
        writeFile(mountPoint + "/.Trash-" + std::to_string(::getuid()), "not a folder");
        const std::string copy = archiveOf(source);
        if (expectedFate(source) != ReplacedFolder::Fate::Deleted)
            return 5;
        if (restoreFolder(fso, copy, source, inst.store()).fate != ReplacedFolder::Fate::Deleted)
            return 6;
        if (treeListing(source) != treeListing(copy))
            return 1;
        const std::string blocker = ".Trash-" + std::to_string(::getuid());
        std::set<std::string> expected{blocker + " = not a folder", "Documents"};
        for (const std::string &entry : treeListing(copy))
            expected.insert("Documents/" + entry);
        if (treeListing(mountPoint) != expected)
            return 2;
        // The home trash may have been set up on the way (its empty files and info folders).
        std::set<std::string> inTrash = treeListing(trash);
        inTrash.erase("files");
        inTrash.erase("info");
        return inTrash.empty() ? 0 : 4;
    });
    if (!status)
        GTEST_SKIP() << "no private mount namespace with a tmpfs here";
    EXPECT_EQ(*status, 0) << "1: not restored, 2: the old folder or another entry left on its disk, 4: something went to the home trash, "
                            "5: told it would go to a trash, 6: told it went to one";
}

} // namespace
