// Loading: which lines reach which controls, and what each kind makes of a value.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "settings/autosave.h"
#include "store_fixture.h"

namespace {

using namespace std::string_literals;
using settings_test::ReadBytes;
using settings_test::ShiftKey;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

// Loads `bytes` as the settings file of `window`.
void Load(Window& window, const std::string& bytes) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, bytes);
  window.store().LoadFromFile(path, window.form());
}

// Tag fields: four edits (tags 7, 12, 31 and 1001) and one line each.
struct TagLineCase {
  const char* name;
  std::string line;
  std::vector<std::string> texts;  // of the edits with tags 7, 12, 31, 1001 afterwards
};

void PrintTo(const TagLineCase& c, std::ostream* os) { *os << c.name; }

class TagLineTest : public testing::TestWithParam<TagLineCase> {};

TEST_P(TagLineTest, ReachesTheEditsWithThatTag) {
  Window window;
  std::vector<fw::TCustomEdit*> edits{window.Edit(7, "i7"), window.Edit(12, "i12"),
                                      window.Edit(31, "i31"), window.Edit(1001, "i1001")};
  Load(window, GetParam().line + "\r\n");
  std::vector<std::string> texts;
  for (auto* edit : edits) {
    texts.push_back(edit->Text());
  }
  EXPECT_EQ(texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TagLineTest,
    testing::Values(
        // Any tag from 0 up is applied, tag window or not.
        TagLineCase{"OutsideTheTagWindow", "0007->abc", {"abc", "i12", "i31", "i1001"}},
        TagLineCase{"InsideTheTagWindow", "1001->15.5", {"i7", "i12", "i31", "15.5"}},
        TagLineCase{"Hexadecimal", "$3E9->20", {"i7", "i12", "i31", "20"}},
        TagLineCase{"HexadecimalWithX", "0x1F->h", {"i7", "i12", "h", "i1001"}},
        TagLineCase{"LeadingBlanks", "  12->b", {"i7", "b", "i31", "i1001"}},
        TagLineCase{"PlusSign", "+012->p", {"i7", "p", "i31", "i1001"}},
        TagLineCase{"ValueKeptByteForByte", "0012-> a->b %x\xE9 ", {"i7", " a->b %x\xE9 ", "i31", "i1001"}},
        TagLineCase{"EmptyValueClears", "1001->", {"i7", "i12", "i31", ""}},
        TagLineCase{"NotAnInteger", "ab12->x", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"Negative", "-001->x", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"TrailingBlankInTag", "12  ->x", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"ArrowTooEarly", "012->xy", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"FiveDigitTag", "01001->x", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"NegativeFourDigitTag", "-0007->x", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"ShorterThanSix", "0007-", {"i7", "i12", "i31", "i1001"}},
        TagLineCase{"ByteOrderMark", "\xEF\xBB\xBF" "0007->x", {"i7", "i12", "i31", "i1001"}}),
    [](const testing::TestParamInfo<TagLineCase>& p) { return std::string(p.param.name); });

TEST(LoadFromFile, LaterLinesOverrideEarlierOnes) {
  Window window;
  auto* edit = window.Edit(1001, "design");
  Load(window, "1001->first\r\n1001->second\r\n");
  EXPECT_EQ(edit->Text(), "second");
}

TEST(LoadFromFile, EveryLineReachesEveryComponentWithItsTag) {
  Window window;
  auto* a = window.Edit(1001, "a");
  auto* other = window.Edit(1002, "other");
  auto* b = window.Edit(1001, "b");
  Load(window, "1001->x\r\n1001->y\r\n");
  EXPECT_EQ(a->Text(), "y");
  EXPECT_EQ(b->Text(), "y");
  EXPECT_EQ(other->Text(), "other");
}

TEST(LoadFromFile, LinesAfterAByteOrderMarkLineStillApply) {
  Window window;
  auto* first = window.Edit(1001, "a");
  auto* second = window.Edit(1002, "b");
  Load(window, "\xEF\xBB\xBF" "1001->x\r\n1002->y\r\n");
  EXPECT_EQ(first->Text(), "a");
  EXPECT_EQ(second->Text(), "y");
}

TEST(LoadFromFile, NothingAfterANulByteIsApplied) {
  Window window;
  auto* first = window.Edit(1001, "a");
  auto* second = window.Edit(1002, "b");
  Load(window, "1001->x\0\r\n1002->y\r\n"s);
  EXPECT_EQ(first->Text(), "x");
  EXPECT_EQ(second->Text(), "b");
}

TEST(LoadFromFile, EveryLineBreakEndsALine) {
  Window window;
  auto* a = window.Edit(1, "");
  auto* b = window.Edit(2, "");
  auto* c = window.Edit(3, "");
  auto* d = window.Edit(4, "");
  Load(window, "0001->a\r0002->b\n0003->c\n\r0004->d");
  EXPECT_EQ(a->Text(), "a");
  EXPECT_EQ(b->Text(), "b");
  EXPECT_EQ(c->Text(), "c");
  EXPECT_EQ(d->Text(), "d");
}

TEST(LoadFromFile, MissingFileIsAnError) {
  Window window;
  TempFolder folder;
  EXPECT_ANY_THROW(window.store().LoadFromFile(folder.File("none.ini"), window.form()));
}

// The empty value: it reaches only the first matching component, and only a text edit changes.
TEST(ApplyValue, EmptyValueClearsTheFirstEditAndStops) {
  Window window;
  auto* first = window.Edit(1001, "a");
  auto* box = window.CheckBox(1001, true);
  auto* second = window.Edit(1001, "b");
  window.store().ApplyValue("", "", 1001, window.form());
  EXPECT_EQ(first->Text(), "");
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(second->Text(), "b");
}

TEST(ApplyValue, EmptyValueStopsAtAFirstMatchOfAnotherKind) {
  Window window;
  window.Edit(1002, "not matched");
  auto* box = window.CheckBox(1001, true);
  auto* edit = window.Edit(1001, "kept");
  Load(window, "1001->\r\n");
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(edit->Text(), "kept");
}

TEST(ApplyValue, NonEmptyValueReachesEveryMatch) {
  Window window;
  auto* first = window.Edit(1001, "a");
  auto* box = window.CheckBox(1001, true);
  auto* second = window.Edit(1001, "b");
  window.store().ApplyValue("0", "", 1001, window.form());
  EXPECT_EQ(first->Text(), "0");
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(second->Text(), "0");
}

TEST(ApplyValue, ComponentsOfNoKindAreVisitedAndLeftAlone) {
  Window window;
  window.Add<fw::TComponent>(1001);
  auto* edit = window.Edit(1001, "a");
  window.store().ApplyValue("v", "", 1001, window.form());
  EXPECT_EQ(edit->Text(), "v");
}

// A text edit takes a value no longer than a user could type into it: 32767 characters, or its
// MaxLength where that is larger. A longer value leaves it as it was, and the walk goes on to
// the components after it.
struct TypingLimitCase {
  const char* name;
  int maxLength;
  std::size_t length;
  bool taken;
};

void PrintTo(const TypingLimitCase& c, std::ostream* os) { *os << c.name; }

class TypingLimitTest : public testing::TestWithParam<TypingLimitCase> {};

TEST_P(TypingLimitTest, EditTakesAValueUpToItsTypingLimit) {
  const TypingLimitCase& c = GetParam();
  Window window;
  auto* edit = window.Edit(1001, "design");
  edit->SetMaxLength(c.maxLength);
  auto* box = window.CheckBox(1001, false);
  const std::string value = std::string(c.length - 1, '0') + "1";
  Load(window, "1001->" + value + "\r\n");
  EXPECT_EQ(edit->Text() == value, c.taken);
  if (!c.taken) {
    EXPECT_EQ(edit->Text(), "design");
  }
  EXPECT_TRUE(box->Checked()) << "the components after the edit still take the value";
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TypingLimitTest,
    testing::Values(TypingLimitCase{"SystemLimit", 0, 32767, true},
                    TypingLimitCase{"OnePastTheSystemLimit", 0, 32768, false},
                    TypingLimitCase{"TenMegabytes", 0, 10u << 20, false},
                    TypingLimitCase{"SmallerMaxLengthKeepsTheSystemLimit", 10, 32767, true},
                    TypingLimitCase{"LargerMaxLength", 40000, 40000, true},
                    TypingLimitCase{"OnePastALargerMaxLength", 40000, 40001, false}),
    [](const testing::TestParamInfo<TypingLimitCase>& p) { return std::string(p.param.name); });

// What the non-text kinds make of a value.
struct CheckedCase {
  std::string value;
  bool checked;
};

void PrintTo(const CheckedCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }

class CheckedKindsTest : public testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedKindsTest, CheckedWhenTheValueIsANonZeroInteger) {
  Window window;
  auto* box = window.CheckBox(1001, !GetParam().checked);
  auto* radio = window.Add<fw::TRadioButton>(1002);
  radio->SetChecked(!GetParam().checked);
  Load(window, "1001->" + GetParam().value + "\r\n1002->" + GetParam().value + "\r\n");
  EXPECT_EQ(box->Checked(), GetParam().checked);
  EXPECT_EQ(radio->Checked(), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(Values, CheckedKindsTest,
                         testing::Values(CheckedCase{"1", true}, CheckedCase{"2", true},
                                         CheckedCase{"-1", true}, CheckedCase{"$10", true},
                                         CheckedCase{" 1", true}, CheckedCase{"0", false},
                                         CheckedCase{"000", false}, CheckedCase{"yes", false},
                                         CheckedCase{"1 ", false}, CheckedCase{"true", false}));

struct IndexCase {
  std::string value;
  std::int32_t index;
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }

class IndexKindsTest : public testing::TestWithParam<IndexCase> {};

TEST_P(IndexKindsTest, ItemIndexFromTheValue) {
  Window window;
  auto* list = window.List<fw::TListBox>(1001, 1);
  auto* combo = window.List<fw::TComboBox>(1002, 1);
  auto* group = window.List<fw::TRadioGroup>(1003, 1);
  const std::string& v = GetParam().value;
  Load(window, "1001->" + v + "\r\n1002->" + v + "\r\n1003->" + v + "\r\n");
  EXPECT_EQ(list->ItemIndex(), GetParam().index);
  EXPECT_EQ(combo->ItemIndex(), GetParam().index);
  EXPECT_EQ(group->ItemIndex(), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Values, IndexKindsTest,
                         testing::Values(IndexCase{"2", 2}, IndexCase{"0", 0},
                                         IndexCase{"$2", 2},
                                         // not an integer: 0
                                         IndexCase{"two", 0}, IndexCase{"1.0", 0},
                                         // -1 asks for no selection
                                         IndexCase{"-1", -1},
                                         // outside the items: the controls select nothing
                                         IndexCase{"3", -1}, IndexCase{"-7", -1}));

TEST(LoadFromFile, SlotLinesSetTheStoresProperties) {
  Window window;
  window.store().SetTagInteger(5);
  window.store().SetTagString("design");
  Load(window, "9990->42\r\n9991->some text\r\n");
  EXPECT_EQ(window.store().TagInteger(), 42);
  EXPECT_EQ(window.store().TagString(), "some text");

  Load(window, "9990->forty\r\n9991->\r\n");
  EXPECT_EQ(window.store().TagInteger(), 0);
  EXPECT_EQ(window.store().TagString(), "");

  Load(window, "9990->$FF\r\n");
  EXPECT_EQ(window.store().TagInteger(), 255);
}

TEST(LoadFromFile, SlotTagsNeverReachAComponent) {
  Window window("Form1", 9900);
  auto* integerTagged = window.Edit(9990, "a");
  auto* textTagged = window.Edit(9991, "b");
  Load(window, "9990->7\r\n9991->x\r\n");
  EXPECT_EQ(integerTagged->Text(), "a");
  EXPECT_EQ(textTagged->Text(), "b");
  EXPECT_EQ(window.store().TagInteger(), 7);
  EXPECT_EQ(window.store().TagString(), "x");
}

TEST(LoadFromFile, ContainerWithoutComponentsStillLoadsTheSlots) {
  Window owner;
  fw::TComponent empty(nullptr);
  TempFolder folder;
  WriteBytes(folder.File("a.ini"), "1001->x\r\n9990->3\r\n9991->t\r\n");
  owner.store().LoadFromFile(folder.File("a.ini"), empty);
  EXPECT_EQ(owner.store().TagInteger(), 3);
  EXPECT_EQ(owner.store().TagString(), "t");
}

// Name-keyed lines: "<shifted FORM?COMPONENT>%<value>", acting on components with tag 12345.
class NameKeyedTest : public testing::Test {
 protected:
  Window window_;  // "Form1"
  fw::TCustomEdit* edd_ = window_.Edit(settings::NameKeyedTag, "edd", "edd");
  fw::TCustomEdit* edfov_ = window_.Edit(settings::NameKeyedTag, "edfov", "EdFov");
  fw::TCustomEdit* eddOtherTag_ = window_.Edit(1001, "other", "edd");
  fw::TCheckBox* box_ = window_.CheckBox(settings::NameKeyedTag, false, "cb");
};

TEST_F(NameKeyedTest, ReachesTheNamedComponentOfThisForm) {
  Load(window_, ShiftKey("FORM1?EDD") + "%12.5\r\n");
  EXPECT_EQ(edd_->Text(), "12.5");
  EXPECT_EQ(edfov_->Text(), "edfov");
  EXPECT_EQ(eddOtherTag_->Text(), "other");
}

TEST_F(NameKeyedTest, ComponentNamesCompareUpperCased) {
  Load(window_, ShiftKey("FORM1?EDFOV") + "%3\r\n" + ShiftKey("FORM1?CB") + "%1\r\n");
  EXPECT_EQ(edfov_->Text(), "3");
  EXPECT_TRUE(box_->Checked());
}

TEST_F(NameKeyedTest, ValueRunsFromTheFirstPercentToTheEnd) {
  Load(window_, ShiftKey("FORM1?EDD") + "%a%b->c\r\n");
  EXPECT_EQ(edd_->Text(), "a%b->c");
}

TEST_F(NameKeyedTest, EmptyValueClearsTheFirstMatch) {
  Load(window_, ShiftKey("FORM1?EDD") + "%\r\n");
  EXPECT_EQ(edd_->Text(), "");
}

TEST_F(NameKeyedTest, LinesThatDoNotAct) {
  const std::vector<std::string> lines{
      ShiftKey("FORM2?EDD") + "%x",   // another form
      ShiftKey("?EDD") + "%x",        // empty form part
      ShiftKey("FORM1?EDX") + "%x",   // no such component
      ShiftKey("FORM1?edd") + "%x",   // lower case does not decode
      ShiftKey("FORM1EDD") + "%x",    // no "?"
      ShiftKey("FORM1?") + "%x",      // ends in "?"
      "FORM1?EDD%x",                  // not shifted
      "%" + ShiftKey("FORM1?EDD"),    // nothing before the "%"
  };
  std::string file;
  for (const std::string& line : lines) {
    file += line + "\r\n";
  }
  Load(window_, file);
  EXPECT_EQ(edd_->Text(), "edd");
  EXPECT_EQ(edfov_->Text(), "edfov");
  EXPECT_EQ(eddOtherTag_->Text(), "other");
  EXPECT_FALSE(box_->Checked());
}

TEST(NameKeyedLine, FiveCharactersAreTooShortSixAreRead) {
  Window window("f");  // upper-cased: "F"
  auto* edit = window.Edit(settings::NameKeyedTag, "design", "e");
  Load(window, ShiftKey("F?E") + "%1\r\n");
  EXPECT_EQ(edit->Text(), "design");
  Load(window, ShiftKey("F?E") + "%12\r\n");
  EXPECT_EQ(edit->Text(), "12");
}

TEST(NameKeyedLine, ArrowAtPositionFiveMakesItATagLine) {
  // "->" first at position 5 makes this a tag line with an unreadable tag; it is skipped and not
  // tried as a name-keyed line (which would set the text to "->x").
  Window window("f");
  auto* edit = window.Edit(settings::NameKeyedTag, "design", "e");
  Load(window, ShiftKey("F?E") + "%->x\r\n");
  EXPECT_EQ(edit->Text(), "design");
  Load(window, ShiftKey("F?E") + "%x->\r\n");
  EXPECT_EQ(edit->Text(), "x->");
}

TEST(NameKeyedLine, ReachesOnlyTheNameKeyedTag) {
  Window window;
  auto* edit = window.Edit(12346, "design", "edd");
  Load(window, ShiftKey("FORM1?EDD") + "%x\r\n");
  EXPECT_EQ(edit->Text(), "design");
}

TEST(NameKeyedLine, NameKeyedTagIsNotReachedByATagLine) {
  // Five digits before "->" are never a tag line.
  Window window;
  auto* edit = window.Edit(settings::NameKeyedTag, "design", "edd");
  Load(window, "12345->x\r\n");
  EXPECT_EQ(edit->Text(), "design");
}

TEST(ApplyValue, NameKeyedTagComparesTheUpperCasedName) {
  Window window;
  auto* edd = window.Edit(settings::NameKeyedTag, "a", "edd");
  auto* ed = window.Edit(settings::NameKeyedTag, "b", "ed");
  window.store().ApplyValue("v", "EDD", settings::NameKeyedTag, window.form());
  EXPECT_EQ(edd->Text(), "v");
  EXPECT_EQ(ed->Text(), "b");
  // For any other tag the name plays no part.
  auto* tagged = window.Edit(1001, "c", "zzz");
  window.store().ApplyValue("w", "EDD", 1001, window.form());
  EXPECT_EQ(tagged->Text(), "w");
}

}  // namespace
