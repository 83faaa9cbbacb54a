// Hostile settings files against a store with one component of every kind: whatever the file
// holds, loading takes the valid lines, leaves the rest of the components as they were, and the
// next save writes exactly the store's lines (and nothing else is left in the folder).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "hostile_bytes.h"
#include "settings/autosave.h"
#include "settings/settings_lines.h"
#include "store_fixture.h"

namespace {

using namespace std::string_literals;
using settings_hostile::Abbreviated;
using settings_hostile::Line;
using settings_test::ReadBytes;
using settings_test::TempFolder;
using settings_test::Window;
using settings_test::WriteBytes;

// What the store's components and slots hold.
struct State {
  std::string edit;
  bool check = false;
  bool radio = false;
  std::int32_t list = 0;
  std::int32_t combo = 0;
  std::int32_t group = 0;
  std::int32_t tagInteger = 0;
  std::string tagString;

  bool operator==(const State&) const = default;

  // The lines the store writes for this state, in its order.
  std::vector<std::string> Lines() const {
    return {"1001->" + edit,
            "1002->"s + (check ? "1" : "0"),
            "1003->"s + (radio ? "1" : "0"),
            "1004->" + std::to_string(list),
            "1005->" + std::to_string(combo),
            "1006->" + std::to_string(group),
            "9990->" + std::to_string(tagInteger),
            "9991->" + tagString};
  }
};

void PrintTo(const State& s, std::ostream* os) {
  *os << "{edit " << Abbreviated(s.edit) << ", check " << s.check << ", radio " << s.radio
      << ", list " << s.list << ", combo " << s.combo << ", group " << s.group << ", slots "
      << s.tagInteger << " " << Abbreviated(s.tagString) << "}";
}

// What the components start with before the file is read: every value one the file can change.
const State kBefore{"15.5", false, true, 1, 2, 0, 7, "seven"};

// The store's window with one component of each kind, tags 1001 to 1006 in the order of the
// kinds; the three list kinds have the items "zero", "one", "two".
class KindsWindow {
 public:
  KindsWindow() {
    edit_ = window_.Edit(1001, kBefore.edit);
    check_ = window_.CheckBox(1002, kBefore.check);
    radio_ = window_.Add<fw::TRadioButton>(1003);
    radio_->SetChecked(kBefore.radio);
    list_ = window_.List<fw::TListBox>(1004, kBefore.list);
    combo_ = window_.List<fw::TComboBox>(1005, kBefore.combo);
    group_ = window_.List<fw::TRadioGroup>(1006, kBefore.group);
    window_.store().SetTagInteger(kBefore.tagInteger);
    window_.store().SetTagString(kBefore.tagString);
  }

  State Now() const {
    return {edit_->Text(),        check_->Checked(),        radio_->Checked(),
            list_->ItemIndex(),   combo_->ItemIndex(),      group_->ItemIndex(),
            store().TagInteger(), store().TagString()};
  }
  void Load(const std::string& path) { window_.store().LoadFromFile(path, window_.form()); }
  void Save(const std::string& path) { window_.store().SaveToFile(path, window_.form()); }

 private:
  const settings::TAutoSave& store() const { return const_cast<Window&>(window_).store(); }

  Window window_;
  fw::TCustomEdit* edit_;
  fw::TCheckBox* check_;
  fw::TRadioButton* radio_;
  fw::TListBox* list_;
  fw::TComboBox* combo_;
  fw::TRadioGroup* group_;
};

// Loads `bytes` into a fresh window, checks what it took, saves, and checks the file: exactly
// the store's lines, and no temporary file beside it. A second window reading that file takes
// the same state, and its save leaves the file as it is.
void LoadAndSave(const std::string& bytes, const State& expected) {
  TempFolder folder;
  const std::string path = folder.File("measure.ini");
  WriteBytes(path, bytes);

  KindsWindow window;
  window.Load(path);
  EXPECT_EQ(window.Now(), expected);
  window.Save(path);
  const std::string saved = ReadBytes(path);
  EXPECT_TRUE(saved == settings::JoinLines(window.Now().Lines()))
      << "the file holds " << Abbreviated(saved);
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"measure.ini"});

  KindsWindow again;
  again.Load(path);
  EXPECT_EQ(again.Now(), window.Now());
  again.Save(path);
  EXPECT_TRUE(ReadBytes(path) == saved);
}

State With(std::function<void(State&)> change) {
  State state = kBefore;
  change(state);
  return state;
}

struct HostileCase {
  const char* name;
  std::function<std::string()> bytes;
  State expected;
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileFileTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileFileTest, TakesWhatIsValidAndTheNextSaveWritesTheStoresLines) {
  LoadAndSave(GetParam().bytes(), GetParam().expected);
}

// A line of each kind, each changing its component from kBefore.
std::string ValidLines() {
  return Line(1001, "valid") + Line(1002, "1") + Line(1003, "0") + Line(1004, "2") +
         Line(1005, "0") + Line(1006, "1") + Line(9990, "-4") + Line(9991, "ok");
}
const State kValid{"valid", true, false, 2, 0, 1, -4, "ok"};

// Line i of the million: tag 1001 + i mod 6, the value "v<i>" for the edit and i mod 3 for the
// others. The last line of each tag wins: i = 999996 for the edit, 999997 the check box, 999998
// the radio button, 999999 the list box, 999994 the combo box, 999995 the radio group.
std::string MillionShortLines() {
  std::string bytes;
  bytes.reserve(10u << 20);
  for (int i = 0; i < settings_hostile::kMillion; ++i) {
    const int kind = i % 6;
    bytes += Line(1001 + kind, kind == 0 ? "v" + std::to_string(i) : std::to_string(i % 3));
  }
  return bytes;
}

// Values of 100 000 characters for every kind: the edit, which a user can type at most 32 767
// characters into, keeps its text; the slot's text is taken whole; numbers read by the integer
// rule however many leading zeros or blanks they carry, and give the default 0 when their
// magnitude is too large.
std::string LongValues() {
  const std::size_t n = settings_hostile::kLongValue;
  return Line(1001, std::string(n, 'a')) + Line(1002, std::string(n - 1, '0') + "1") +
         Line(1003, std::string(n, '-')) + Line(1004, std::string(n - 1, ' ') + "2") +
         Line(1005, std::string(n, '9')) + Line(1006, "$" + std::string(n - 2, '0') + "1") +
         Line(9990, std::string(n, '1')) + Line(9991, std::string(n, 'z'));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileTest,
    testing::Values(
        HostileCase{"Empty", [] { return ""s; }, kBefore},
        HostileCase{"OnlyNuls", [] { return settings_hostile::Nuls(65536); }, kBefore},
        HostileCase{"NulsBeforeValidLines",
                    [] { return settings_hostile::Nuls(16) + ValidLines(); }, kBefore},
        HostileCase{"ByteOrderMarkOnly",
                    [] { return std::string(settings_hostile::kUtf8ByteOrderMark); }, kBefore},
        // The mark spoils the first line only.
        HostileCase{"ByteOrderMarkBeforeValidLines",
                    [] { return std::string(settings_hostile::kUtf8ByteOrderMark) + ValidLines(); },
                    With([](State& s) { s = kValid; s.edit = kBefore.edit; })},
        // UTF-16: the NUL after the first character ends the text.
        HostileCase{"Utf16", [] { return settings_hostile::Utf16(ValidLines()); }, kBefore},
        // Far longer than anyone could type into the edit: it keeps its text; the line after
        // it is taken.
        HostileCase{"TenMegabytesInOneLine",
                    [] {
                      return Line(1001, std::string(settings_hostile::kTenMegabytes, 'x')) +
                             Line(1002, "1");
                    },
                    With([](State& s) { s.check = true; })},
        HostileCase{"AMillionShortLines", MillionShortLines,
                    With([](State& s) {
                      s.edit = "v999996";
                      s.check = true;   // 999997 mod 3 = 1
                      s.radio = true;   // 999998 mod 3 = 2
                      s.list = 0;       // 999999 mod 3
                      s.combo = 1;      // 999994 mod 3
                      s.group = 2;      // 999995 mod 3
                    })},
        // Noise without NULs around valid lines: the noise's lines are skipped, the valid ones
        // are taken.
        HostileCase{"NoiseAroundValidLines",
                    [] {
                      return settings_hostile::Noise(1, 1u << 20, false) + "\r\n" + ValidLines() +
                             settings_hostile::Noise(2, 1u << 20, false);
                    },
                    kValid},
        // Noise with NULs after valid lines: reading ends at the first NUL.
        HostileCase{"ValidLinesThenNoiseWithNuls",
                    [] { return ValidLines() + settings_hostile::Noise(3, 65536, true); },
                    kValid},
        HostileCase{"OnlyNoise", [] { return settings_hostile::Noise(4, 1u << 20, true); },
                    kBefore},
        HostileCase{"ValuesOfAHundredThousandCharacters", LongValues,
                    State{kBefore.edit, true, false, 2, 0, 1, 0,
                          std::string(settings_hostile::kLongValue, 'z')}}),
    [](const testing::TestParamInfo<HostileCase>& p) { return std::string(p.param.name); });

// One value for the three list kinds and the two check kinds at once. An index outside the
// items selects nothing (-1); a value that does not read as an integer counts as 0; an empty
// value changes nothing, and ends the line's walk at the first component it reaches.
struct IndexCase {
  const char* name;
  std::string value;
  std::int32_t index;  // what each list kind holds afterwards
  bool checked;        // what each check kind holds afterwards
};

void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.name; }

class IndexValueTest : public testing::TestWithParam<IndexCase> {};

TEST_P(IndexValueTest, ListKindsSelectAnItemOrNothingAndTheSaveWritesWhatTheyHold) {
  const IndexCase& c = GetParam();
  std::string bytes;
  for (int tag = 1002; tag <= 1006; ++tag) {
    bytes += Line(tag, c.value);
  }
  LoadAndSave(bytes, With([&](State& s) {
                s.check = s.radio = c.checked;
                s.list = s.combo = s.group = c.index;
              }));
}

INSTANTIATE_TEST_SUITE_P(
    Values, IndexValueTest,
    testing::Values(IndexCase{"LastItem", "2", 2, true},
                    IndexCase{"NoSelection", "-1", -1, true},
                    IndexCase{"MinusTwo", "-2", -1, true},
                    IndexCase{"OnePastTheItems", "3", -1, true},
                    IndexCase{"LargestInteger", "2147483647", -1, true},
                    IndexCase{"SmallestInteger", "-2147483648", -1, true},
                    IndexCase{"JustTooLarge", "2147483648", 0, false},
                    IndexCase{"JustTooSmall", "-2147483649", 0, false},
                    IndexCase{"Huge", "99999999999999999999", 0, false},
                    IndexCase{"HexadecimalMinusOne", "$FFFFFFFF", -1, true},
                    IndexCase{"HexadecimalLargest", "$7FFFFFFF", -1, true},
                    IndexCase{"NineHexadecimalDigits", "$100000000", 0, false},
                    IndexCase{"HexadecimalOne", "0x1", 1, true},
                    IndexCase{"LeadingBlank", " 1", 1, true},
                    IndexCase{"TrailingBlank", "1 ", 0, false},
                    IndexCase{"Decimal", "1.0", 0, false},
                    IndexCase{"Words", "two", 0, false},
                    IndexCase{"SignOnly", "-", 0, false},
                    IndexCase{"ControlBytes", "\x01\x7F\xFF", 0, false}),
    [](const testing::TestParamInfo<IndexCase>& p) { return std::string(p.param.name); });

TEST(HostileIndexValue, EmptyValuesChangeNothing) {
  std::string bytes;
  for (int tag = 1002; tag <= 1006; ++tag) {
    bytes += Line(tag, "");
  }
  LoadAndSave(bytes, kBefore);
}

}  // namespace
