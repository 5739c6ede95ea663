#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "platform/FileSystemObject.h"
#include "services/IniValues.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct BarCase {
    const char *name;
    const char *before; // nullptr: no file yet
    const char *after;
};

class BarIni : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarIni, ReplacesTheValueAndKeepsEverythingElse)
{
    const BarCase &c = GetParam();
    Installation inst;
    clsRNX10A rnx;
    const std::string bar = inst.logs() + "/bar.ini";
    if (c.before)
        writeFile(bar, c.before);
    WriteLogINIValue("Backup", "LastTaken", "5/7/2009 9:05:10 PM");
    EXPECT_EQ(readFile(bar), c.after);
    EXPECT_EQ(ReadINIValue(bar, "Backup", "LastTaken"), "5/7/2009 9:05:10 PM");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BarIni,
    ::testing::Values(
        BarCase{"NoFile", nullptr, "[Backup]\nLastTaken=5/7/2009 9:05:10 PM\n"},
        BarCase{"GarbageAndOtherSections", "garbage \x01 line\n; note\n[Other]\nA=1\nno equals here\n",
                "garbage \x01 line\n; note\n[Other]\nA=1\nno equals here\n\n[Backup]\nLastTaken=5/7/2009 9:05:10 PM\n"},
        BarCase{"CrlfAndByteOrderMark", "\xEF\xBB\xBF[Backup]\r\nLastTaken=old\r\nKeep=me\r\n[Z]\r\nq\r\n",
                "\xEF\xBB\xBF[Backup]\r\nLastTaken=5/7/2009 9:05:10 PM\r\nKeep=me\r\n[Z]\r\nq\r\n"},
        BarCase{"NamesWithoutRegardToCase", "[backup]\nlasttaken = old\n", "[backup]\nlasttaken = 5/7/2009 9:05:10 PM\n"},
        BarCase{"KeyAddedAtTheEndOfItsSection", "[Backup]\nOther=1\n\n[Next]\nB=2\n",
                "[Backup]\nOther=1\nLastTaken=5/7/2009 9:05:10 PM\n\n[Next]\nB=2\n"},
        BarCase{"NoFinalLineEnd", "[Other]\nA=1", "[Other]\nA=1\n\n[Backup]\nLastTaken=5/7/2009 9:05:10 PM\n"},
        BarCase{"CrlfFileGetsCrlfLines", "[Other]\r\nA=1\r\n",
                "[Other]\r\nA=1\r\n\r\n[Backup]\r\nLastTaken=5/7/2009 9:05:10 PM\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BarIniErrors, MissingLogFolderRaises76AndCreatesNothing)
{
    Installation inst;
    const std::string missing = inst.root() + "/no-logs";
    inst.env.set("ZVENVSLOGS", missing);
    clsRNX10A rnx;
    expectError(76, [] { WriteLogINIValue("Backup", "LastTaken", "now"); });
    EXPECT_FALSE(exists(missing));
}

TEST(BarIniErrors, AValueThatWouldAddLinesIsRefusedAndTheFileKept)
{
    Installation inst;
    clsRNX10A rnx;
    const std::string bar = inst.logs() + "/bar.ini";
    writeFile(bar, "[Backup]\nLastTaken=old\n");
    expectError(5, [] { WriteLogINIValue("Backup", "LastTaken", "x\n[Evil]\nk=v"); });
    EXPECT_EQ(readFile(bar), "[Backup]\nLastTaken=old\n");
}

// bar.ini made a link (to a file kept elsewhere) is the user's own set-up: the value goes into the
// file the link leads to, and the link stays.
TEST(BarIniLinks, TheFileTheLinkLeadsToIsWrittenAndTheLinkKept)
{
    const struct {
        const char *name;
        std::vector<std::pair<std::string, std::string>> links; // link (below the log folder) -> target text
        std::string real;                                          // the file that ends the chain, below root
        bool realExists;
    } rows[] = {
        {"absolute", {{"bar.ini", "@/kept/bar.ini"}}, "kept/bar.ini", true},
        {"relative", {{"bar.ini", "../kept/bar.ini"}}, "kept/bar.ini", true},
        {"link to a link", {{"bar.ini", "second.ini"}, {"second.ini", "@/kept/bar.ini"}}, "kept/bar.ini", true},
        {"target not there yet", {{"bar.ini", "@/kept/new.ini"}}, "kept/new.ini", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Installation inst;
        clsRNX10A rnx;
        makeFolders(inst.root() + "/kept");
        const std::string real = inst.root() + "/" + row.real;
        if (row.realExists) {
            writeFile(real, "[Backup]\nLastTaken=old\nKeep=me\n");
            ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
        }
        for (const auto &[link, target] : row.links) {
            const std::string text = target[0] == '@' ? inst.root() + target.substr(1) : target;
            ASSERT_EQ(::symlink(text.c_str(), (inst.logs() + "/" + link).c_str()), 0);
        }
        WriteLogINIValue("Backup", "LastTaken", "5/7/2009 9:05:10 PM");
        EXPECT_EQ(readFile(real), row.realExists ? "[Backup]\nLastTaken=5/7/2009 9:05:10 PM\nKeep=me\n"
                                                 : "[Backup]\nLastTaken=5/7/2009 9:05:10 PM\n");
        struct stat st{};
        ASSERT_EQ(::stat(real.c_str(), &st), 0);
        if (row.realExists)
            EXPECT_EQ(st.st_mode & 07777, 0600u);
        for (const auto &[link, target] : row.links)
            EXPECT_TRUE(FileSystemObject().isLink(inst.logs() + "/" + link)) << link;
        EXPECT_EQ(treeListing(inst.root() + "/kept").size(), 1u) << "a file left beside the one written";
        EXPECT_EQ(treeListing(inst.logs()).size(), row.links.size()) << "a file left beside the link";
    }
}

} // namespace
