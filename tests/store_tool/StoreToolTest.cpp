// The command line's frame: usage, help and the JSON form every command shares.
#include "RecordOutput.h"
#include "StoreToolRun.h"

#include "support/ScopedLanguage.h"
#include "support/TsFile.h"

using namespace rnx10;
using namespace rnx10::test;

TEST(StoreToolUsage, WrongUsageExitsTwoAndHelpZero)
{
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{}, {"no-such-command"}, {"--json"}, {"--bogus"}}) {
        const StoreToolRun r = runStoreTool(args);
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_NE(r.err.find("usage: rnx10-store"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    const StoreToolRun help = runStoreTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage: rnx10-store"), std::string::npos);
}

// Help and usage errors in the user's language; the records themselves never change with it.
TEST(StoreToolUsage, HelpAndUsageErrorsAreInTheUsersLanguage)
{
    const std::string english = runStoreTool({"--help"}).out;
    for (const char *locale : {"de_DE.UTF-8", "he_IL.UTF-8", "fr_FR.UTF-8"}) {
        const ScopedLanguage language(locale);
        const std::string code(locale, 2);
        const std::string usage = code == "fr" ? "usage: rnx10-store [--json] COMMAND [ARGS]"
                                               : translationOf(code, "rnx10-store", "usage: rnx10-store [--json] COMMAND [ARGS]");
        ASSERT_FALSE(usage.empty()) << locale;
        const StoreToolRun help = runStoreTool({"--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind(usage, 0), 0u) << help.out;
        EXPECT_EQ(help.out == english, code == "fr") << locale;
        const StoreToolRun wrong = runStoreTool({"no-such-command"});
        EXPECT_EQ(wrong.exitCode, 2);
        EXPECT_NE(wrong.err.find(usage), std::string::npos) << wrong.err;
    }
}

TEST(StoreToolJson, StringsAreValidJsonAndKeepEveryByte)
{
    const struct {
        std::string text, json;
    } cases[] = {
        {"plain/path.odt", R"("plain/path.odt")"},
        {"quote\" back\\ slash", R"("quote\" back\\ slash")"},
        {"line\nfeed\ttab\rcr\x1b[31m\x7f", R"("line\nfeed\ttab\rcr\u001b[31m\u007f")"},
        {"caf\xc3\xa9 \xe2\x80\xae", "\"caf\xc3\xa9 \xe2\x80\xae\""},
        // Not UTF-8: a stray byte, a cut sequence, an overlong slash, an encoded surrogate.
        {"a\x9b" "b", R"("a\udc9bb")"},
        {"cut\xe2\x82", R"("cut\udce2\udc82")"},
        {"\xc0\xaf", R"("\udcc0\udcaf")"},
        {"\xed\xa0\x80", R"("\udced\udca0\udc80")"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(store::jsonString(c.text), c.json) << c.text;
}
