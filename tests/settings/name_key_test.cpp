#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "settings/autosave.h"
#include "store_fixture.h"

namespace {

using settings::DecodeNameKey;

using settings_test::ShiftKey;
const auto& Shift = ShiftKey;

TEST(DecodeNameKey, ShiftHelperMatchesAHandEncodedKey) {
  // "F?E": 'F'+21, '?'+22, 'E'+23.
  EXPECT_EQ(Shift("F?E"), "[U\\");
}

struct DecodeCase {
  const char* name;
  std::string line;
  bool ok;
  std::string form;
  std::string component;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeNameKeyTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeNameKeyTest, DecodesOrFails) {
  const auto& c = GetParam();
  const settings::DecodedNameKey key = DecodeNameKey(c.line);
  EXPECT_EQ(key.ok, c.ok);
  EXPECT_EQ(key.FormPart, c.form);
  EXPECT_EQ(key.ComponentPart, c.component);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DecodeNameKeyTest,
    testing::Values(
        DecodeCase{"FormAndComponent", Shift("FORM1?EDD") + "%12", true, "FORM1", "EDD"},
        DecodeCase{"ValueMayHoldPercent", Shift("FORM1?EDD") + "%a%b", true, "FORM1", "EDD"},
        DecodeCase{"EmptyValue", Shift("FORM1?EDD") + "%", true, "FORM1", "EDD"},
        DecodeCase{"AllKeyCharacters", Shift("A_Z09?B_9") + "%x", true, "A_Z09", "B_9"},
        DecodeCase{"EmptyFormPart", Shift("?AB") + "%x", true, "", "AB"},
        DecodeCase{"ThreeCharacterKey", Shift("F?E") + "%x", true, "F", "E"},
        DecodeCase{"FurtherQuestionMarksInComponent", Shift("F?A?B") + "%", true, "F", "A?B"},
        DecodeCase{"TwoCharacterKey", Shift("?E") + "%x", false, "", ""},
        DecodeCase{"NoPercent", Shift("FORM1?EDD"), false, "", ""},
        DecodeCase{"NoQuestionMark", Shift("FORM1EDD") + "%1", false, "", ""},
        DecodeCase{"EndsInQuestionMark", Shift("FORM1?") + "%1", false, "", ""},
        DecodeCase{"LowerCaseLetter", Shift("Form1?EDD") + "%1", false, "", ""},
        DecodeCase{"SpaceInKey", Shift("FORM 1?EDD") + "%1", false, "", ""},
        DecodeCase{"HighByteInKey", "\xFF" + Shift("F?E").substr(1) + "%1", false, "", ""},
        DecodeCase{"ByteBelowTheShift", "\x05" + Shift("F?E").substr(1) + "%1", false, "", ""},
        DecodeCase{"PlainKeyIsNotDecoded", "FORM1?EDD%1", false, "", ""},
        DecodeCase{"OnlyTheFirstPercentEndsTheKey", Shift("F?E") + "%" + Shift("F?E") + "%", true,
                   "F", "E"}),
    [](const testing::TestParamInfo<DecodeCase>& p) { return std::string(p.param.name); });

}  // namespace
