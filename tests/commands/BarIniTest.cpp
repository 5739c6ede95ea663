#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "services/IniValues.h"
#include "support/TestSupport.h"

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

} // namespace
