// Saving: which controls get a line, how it is written, and when the file is left alone.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <set>
#include <string>

#include "settings/autosave.h"
#include "store_fixture.h"

namespace {

using namespace std::string_literals;
using settings_test::AgeFile;
using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

class SaveTest : public testing::Test {
 protected:
  std::string Save(Window& window) {
    window.store().SaveToFile(path_, window.form());
    return ReadBytes(path_);
  }

  TempFolder folder_;
  std::string path_ = folder_.File("measure.ini");
};

TEST_F(SaveTest, MeasureWindowWritesItsFourLines) {
  Window window("Form1", 1000);
  window.Edit(1001, "15.5", "edd");
  window.Edit(1002, "45.5", "edfov");
  EXPECT_EQ(Save(window), "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n");
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"measure.ini"});
}

TEST_F(SaveTest, MeasureWindowRoundTrip) {
  Window before;
  before.Edit(1001, "12.25");
  before.Edit(1002, "60");
  before.store().SetTagInteger(-3);
  before.store().SetTagString("free text");
  before.store().SaveToFile(path_, before.form());

  Window after;
  auto* edd = after.Edit(1001, "15.5");
  auto* edfov = after.Edit(1002, "45.5");
  after.store().LoadFromFile(path_, after.form());
  EXPECT_EQ(edd->Text(), "12.25");
  EXPECT_EQ(edfov->Text(), "60");
  EXPECT_EQ(after.store().TagInteger(), -3);
  EXPECT_EQ(after.store().TagString(), "free text");
}

TEST_F(SaveTest, TagWindowAndKindsInContainerOrder) {
  Window window("Form1", 1000);
  window.Edit(1000, "own tag");     // not above the store's tag
  window.Edit(1099, "last");        // 99 above: inside
  window.Edit(1100, "too far");     // 100 above: outside
  window.Edit(999, "below");
  window.CheckBox(1002, true);
  window.Add<fw::TRadioButton>(1003);
  window.List<fw::TListBox>(1004, 2);
  window.List<fw::TComboBox>(1005, -1);
  window.List<fw::TRadioGroup>(1006, 1);
  window.Add<fw::TComponent>(1007);  // no kind: no line
  window.Edit(1008, "%NoDaTa%");     // the marker itself: no line
  window.Edit(1009, "%nodata%");
  window.Edit(1010, "");
  window.store().SetTagInteger(-12);
  window.store().SetTagString("s");
  EXPECT_EQ(Save(window),
            "1099->last\r\n"
            "1002->1\r\n"
            "1003->0\r\n"
            "1004->2\r\n"
            "1005->-1\r\n"
            "1006->1\r\n"
            "1009->%nodata%\r\n"
            "1010->\r\n"
            "9990->-12\r\n"
            "9991->s\r\n");
}

TEST_F(SaveTest, SmallTagsAreZeroFilled) {
  Window window("Form1", 0);
  window.Edit(7, "x");
  window.Edit(99, "y");
  EXPECT_EQ(Save(window), "0007->x\r\n0099->y\r\n9990->0\r\n9991->\r\n");
}

TEST_F(SaveTest, TwoComponentsWithOneTagGetALineEachAndEndAlike) {
  Window window;
  auto* first = window.Edit(1001, "a");
  auto* second = window.Edit(1001, "b");
  EXPECT_EQ(Save(window), "1001->a\r\n1001->b\r\n9990->0\r\n9991->\r\n");
  window.store().LoadFromFile(path_, window.form());
  EXPECT_EQ(first->Text(), "b");
  EXPECT_EQ(second->Text(), "b");
}

TEST_F(SaveTest, SlotTaggedComponentsAreSavedButReadIntoTheSlots) {
  Window window("Form1", 9900);
  auto* integerTagged = window.Edit(9990, "5");
  auto* textTagged = window.Edit(9991, "abc");
  window.store().SetTagString("kept");
  EXPECT_EQ(Save(window), "9990->5\r\n9991->abc\r\n9990->0\r\n9991->kept\r\n");
  integerTagged->SetText("changed");
  textTagged->SetText("changed");
  window.store().SetTagInteger(99);
  window.store().LoadFromFile(path_, window.form());
  EXPECT_EQ(integerTagged->Text(), "changed");
  EXPECT_EQ(textTagged->Text(), "changed");
  // The slot lines come last and override what the components' lines set.
  EXPECT_EQ(window.store().TagInteger(), 0);
  EXPECT_EQ(window.store().TagString(), "kept");
}

TEST_F(SaveTest, LongAndNegativeTagsAreWrittenButNeverReadBack) {
  Window high("Form1", 9950);
  auto* fiveDigits = high.Edit(10001, "x");
  EXPECT_EQ(Save(high), "10001->x\r\n9990->0\r\n9991->\r\n");
  fiveDigits->SetText("changed");
  high.store().LoadFromFile(path_, high.form());
  EXPECT_EQ(fiveDigits->Text(), "changed");

  Window low("Form1", -50);
  auto* negative = low.Edit(-5, "y");
  EXPECT_EQ(Save(low), "-0005->y\r\n9990->0\r\n9991->\r\n");
  negative->SetText("changed");
  low.store().LoadFromFile(path_, low.form());
  EXPECT_EQ(negative->Text(), "changed");
}

TEST_F(SaveTest, TagDistanceDoesNotWrapAround) {
  Window window("Form1", std::numeric_limits<std::int32_t>::max());
  window.Edit(std::numeric_limits<std::int32_t>::min(), "wrapped");
  EXPECT_EQ(Save(window), "9990->0\r\n9991->\r\n");
}

TEST_F(SaveTest, LineBreaksInTextsCutTheValueOnReadBack) {
  Window window;
  auto* edit = window.Edit(1001, "first\r\n0007->second");
  auto* seven = window.Edit(7, "seven");
  window.store().SetTagString("a\nb");
  EXPECT_EQ(Save(window), "1001->first\r\n0007->second\r\n9990->0\r\n9991->a\nb\r\n");
  window.store().LoadFromFile(path_, window.form());
  EXPECT_EQ(edit->Text(), "first");
  EXPECT_EQ(seven->Text(), "second");  // the rest became a line of its own
  EXPECT_EQ(window.store().TagString(), "a");
}

TEST_F(SaveTest, ContainerWithoutComponentsLeavesTheFileAlone) {
  Window owner;
  fw::TComponent empty(nullptr);
  owner.store().SaveToFile(path_, empty);
  EXPECT_TRUE(folder_.Entries().empty());

  WriteBytes(path_, "anything\n");
  const auto time = AgeFile(path_);
  owner.store().SaveToFile(path_, empty);
  EXPECT_EQ(ReadBytes(path_), "anything\n");
  EXPECT_EQ(std::filesystem::last_write_time(path_), time);
}

// The file is rewritten only when its lines differ from the store's.
struct ExistingFileCase {
  const char* name;
  std::string bytes;
  bool rewritten;
};

void PrintTo(const ExistingFileCase& c, std::ostream* os) { *os << c.name; }

class ExistingFileTest : public testing::TestWithParam<ExistingFileCase> {};

TEST_P(ExistingFileTest, RewrittenOnlyWhenTheLinesDiffer) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, GetParam().bytes);
  const auto time = AgeFile(path);

  Window window;
  window.Edit(1001, "15.5");
  window.Edit(1002, "45.5");
  window.store().SaveToFile(path, window.form());

  const std::string expected = "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n";
  if (GetParam().rewritten) {
    EXPECT_EQ(ReadBytes(path), expected);
  } else {
    EXPECT_EQ(ReadBytes(path), GetParam().bytes);
    EXPECT_EQ(std::filesystem::last_write_time(path), time);
  }
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Files, ExistingFileTest,
    testing::Values(
        ExistingFileCase{"SameBytes", "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n", false},
        ExistingFileCase{"LfBreaks", "1001->15.5\n1002->45.5\n9990->0\n9991->\n", false},
        ExistingFileCase{"CrBreaks", "1001->15.5\r1002->45.5\r9990->0\r9991->\r", false},
        ExistingFileCase{"NoBreakAtTheEnd", "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->", false},
        ExistingFileCase{"NulAndGarbageAfterTheLines",
                         "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n\0junk\r\n"s, false},
        ExistingFileCase{"ChangedValue", "1001->15.5\r\n1002->45\r\n9990->0\r\n9991->\r\n", true},
        ExistingFileCase{"OtherOrder", "1002->45.5\r\n1001->15.5\r\n9990->0\r\n9991->\r\n", true},
        ExistingFileCase{"ExtraEmptyLine", "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n\r\n",
                         true},
        ExistingFileCase{"LineOutsideTheWindow",
                         "0007->abc\r\n1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n", true},
        ExistingFileCase{"NameKeyedLine",
                         "[U\\%x\r\n1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n", true},
        ExistingFileCase{"ByteOrderMark",
                         "\xEF\xBB\xBF" "1001->15.5\r\n1002->45.5\r\n9990->0\r\n9991->\r\n", true},
        ExistingFileCase{"Empty", "", true}),
    [](const testing::TestParamInfo<ExistingFileCase>& p) { return std::string(p.param.name); });

TEST_F(SaveTest, SecondSaveWithoutChangeLeavesTheFileUntouched) {
  Window window;
  auto* edit = window.Edit(1001, "15.5");
  window.store().SaveToFile(path_, window.form());
  const std::string first = ReadBytes(path_);
  const auto time = AgeFile(path_);
  window.store().SaveToFile(path_, window.form());
  EXPECT_EQ(ReadBytes(path_), first);
  EXPECT_EQ(std::filesystem::last_write_time(path_), time);

  edit->SetText("16");
  window.store().SaveToFile(path_, window.form());
  EXPECT_EQ(ReadBytes(path_), "1001->16\r\n9990->0\r\n9991->\r\n");
  EXPECT_NE(std::filesystem::last_write_time(path_), time);
}

TEST_F(SaveTest, ADirectoryAtThePathIsAnErrorAndStaysADirectory) {
  std::filesystem::create_directory(path_);
  Window window;
  window.Edit(1001, "15.5");
  EXPECT_ANY_THROW(window.store().SaveToFile(path_, window.form()));
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(folder_.Entries(), std::set<std::string>{"measure.ini"});
}

}  // namespace
