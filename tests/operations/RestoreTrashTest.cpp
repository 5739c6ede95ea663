// Undoing a restore: the folder a restore replaces goes to the desktop trash, recorded as coming
// from the source, unless no trash on its file system can take it; then it is deleted as before.
#include "backup_browser/core/FolderRestore.h"
#include "platform/FileSystemObject.h"
#include "support/PrivateMount.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <unistd.h>

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
        restoreFolder(fso, copy, source, inst.store());
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
    EXPECT_EQ(*status, 0) << "1: not restored, 2: the old folder or another entry left on its disk, 4: something went to the home trash";
}

} // namespace
