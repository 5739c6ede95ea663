// Text for a terminal or a log: every character that steers a terminal or a line is escaped.
#include "platform/TerminalText.h"

#include "support/TestSupport.h"

using namespace rnx10;

namespace {

TEST(TerminalText, ControlsAndDirectionMarksAreEscapedAndTheRestKept)
{
    const struct {
        std::string text, printed;
    } rows[] = {
        {"plain /path name", "plain /path name"},
        {"tab\there\r\nnext", "tab\\there\\r\\nnext"},
        {"\x1b]0;title\x07\x1b[2J\x7f", "\\033]0;title\\007\\033[2J\\177"},
        {std::string("nul\0end", 7), "nul\\000end"},
        {"c1 \xc2\x9b" "31m \xc2\x85", "c1 \\u009b31m \\u0085"},
        {"raw \x9b" "31m \x85", "raw \\x9b31m \\x85"},
        {"\xe2\x80\xae" "exe.txt \xe2\x81\xa6x\xe2\x81\xa9 \xe2\x80\x8f\xd8\x9c \xe2\x80\xa8", "\\u202eexe.txt \\u2066x\\u2069 \\u200f\\u061c \\u2028"},
        {"caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80 \xc2\xa0", "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80 \xc2\xa0"},
        {"latin-1 n\xe4me \xff", "latin-1 n\\xe4me \\xff"},
        {"cut \xe2\x80", "cut \\xe2\\x80"},
        {"overlong \xc0\xaf \xe0\x80\xae surrogate \xed\xa0\x80", "overlong \\xc0\\xaf \\xe0\\x80\\xae surrogate \\xed\\xa0\\x80"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.printed);
        EXPECT_EQ(printableText(row.text), row.printed);
    }
}

} // namespace
