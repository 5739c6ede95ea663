// The order in which lists of names are shown and walked.
#include "platform/NameOrder.h"

#include <gtest/gtest.h>

using namespace rnx10;

namespace {

using Names = std::vector<std::string>;

TEST(NameOrder, CaseIgnoredThenBytesDecide)
{
    const struct {
        const char *name;
        Names given, sorted;
    } rows[] = {
        {"hours", {"05-00", "08-00", "09-00", "06-24", "07-00"}, {"05-00", "06-24", "07-00", "08-00", "09-00"}},
        {"case ignored", {"b", "Noon", "A", "c", "afternoon"}, {"A", "afternoon", "b", "c", "Noon"}},
        {"equal but for case", {"docs", "Docs", "DOCS", "dOcs"}, {"DOCS", "Docs", "dOcs", "docs"}},
        {"prefix first", {"ab", "a", "AB-", "A"}, {"A", "a", "ab", "AB-"}},
        {"punctuation as bytes", {"_x", "x", ".hidden", "[y]"}, {".hidden", "[y]", "_x", "x"}},
        {"bytes above 127 last", {"caf\xe9", "cafe", "caf\xc3\xa9", "CAFF"}, {"cafe", "CAFF", "caf\xc3\xa9", "caf\xe9"}},
        {"numbers as text", {"10", "9", "010", "1"}, {"010", "1", "10", "9"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Names names = row.given;
        sortByName(names);
        EXPECT_EQ(names, row.sorted);
        for (std::size_t i = 0; i + 1 < row.sorted.size(); ++i) {
            EXPECT_TRUE(nameBefore(row.sorted[i], row.sorted[i + 1])) << row.sorted[i] << " < " << row.sorted[i + 1];
            EXPECT_FALSE(nameBefore(row.sorted[i + 1], row.sorted[i]));
            EXPECT_FALSE(nameBefore(row.sorted[i], row.sorted[i]));
        }
    }
}

} // namespace
