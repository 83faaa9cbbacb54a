#include "settings/settings_lines.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using settings::JoinLines;
using settings::SplitLines;
using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string data;
  Lines lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, GivesTheLines) {
  EXPECT_EQ(SplitLines(GetParam().data), GetParam().lines);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Breaks, SplitLinesTest,
    testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"NoBreak", "abc", {"abc"}},
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"LoneCr", "a\rb\r", {"a", "b"}},
        SplitCase{"LoneLf", "a\nb\n", {"a", "b"}},
        SplitCase{"LastLineWithoutBreak", "a\r\nb", {"a", "b"}},
        SplitCase{"LfCrLeavesEmptyLine", "a\n\rb", {"a", "", "b"}},
        SplitCase{"CrCrLeavesEmptyLine", "a\r\rb", {"a", "", "b"}},
        SplitCase{"CrCrLfLeavesEmptyLine", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"TwoBreaksAtEndGiveOneEmptyLine", "a\r\n\r\n", {"a", ""}},
        SplitCase{"OnlyABreak", "\r\n", {""}},
        SplitCase{"EmptyLinesKept", "\n\nx", {"", "", "x"}},
        SplitCase{"NulEndsLineAndText", "ab\0cd\r\nef"s, {"ab"}},
        SplitCase{"NulAfterBreakAddsNoLine", "ab\r\n\0cd"s, {"ab"}},
        SplitCase{"NulFirst", "\0ab"s, {}},
        SplitCase{"ByteOrderMarkKept", "\xEF\xBB\xBF" "1001->x\r\n", {"\xEF\xBB\xBF" "1001->x"}},
        SplitCase{"HighBytesUnchanged", "\xE9\xFF\x01\r\n", {"\xE9\xFF\x01"}}),
    [](const testing::TestParamInfo<SplitCase>& p) { return std::string(p.param.name); });

TEST(JoinLines, EveryLineEndsWithCrLf) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"1001->15.5", "9991->"}), "1001->15.5\r\n9991->\r\n");
}

TEST(JoinLines, SplitOfJoinGivesTheLinesBack) {
  const Lines lines{"1001->15.5", "", "9990->0", "9991->"};
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

}  // namespace
