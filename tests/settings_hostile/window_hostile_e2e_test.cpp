// The real measure window, through the real library, with a hostile "measure.ini" beside the
// host's program, and with faults while it saves: the window opens, its fields hold what the file
// had that was valid (their design values otherwise), and when it goes the file holds exactly
// the store's lines; when the file cannot be replaced, the window goes all the same, the old file
// keeps its bytes and no temporary file is left.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "held_by_other_process.h"
#include "hostile_bytes.h"
#include "plugin_fixture.h"

namespace {

using namespace std::string_literals;
using e2e_test::PluginTest;
using host::PluginWindow;
using settings_hostile::Abbreviated;
using settings_hostile::Line;

// The four lines the window writes.
std::string StoreLines(const std::string& distance, const std::string& fieldOfView,
                       const std::string& tagInteger = "0", const std::string& tagString = "") {
  return "1001->" + distance + "\r\n1002->" + fieldOfView + "\r\n9990->" + tagInteger +
         "\r\n9991->" + tagString + "\r\n";
}

// Everything beside the host's program whose name starts with "measure.ini".
std::set<std::string> SettingsEntries() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(host::Session::ProgramFolder())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("measure.ini", 0) == 0) {
      names.insert(name);
    }
  }
  return names;
}

class HostileWindowTest : public PluginTest {
 protected:
  void TearDown() override {
    SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    PluginTest::TearDown();
    std::error_code ignored;
    std::filesystem::remove_all(SettingsPath(), ignored);
  }

  // Activates, checks the fields, releases the window and checks that it is gone.
  void OpenCheckAndClose(const std::string& distance, const std::string& fieldOfView) {
    session.Activate();
    const PluginWindow window = Window();
    ASSERT_TRUE(window.Visible());
    const std::string shownDistance = Text(window.DistanceField());
    const std::string shownFieldOfView = Text(window.FieldOfViewField());
    EXPECT_TRUE(shownDistance == distance) << Abbreviated(shownDistance);
    EXPECT_TRUE(shownFieldOfView == fieldOfView) << Abbreviated(shownFieldOfView);
    session.Finalize();
    session.Pump();
    EXPECT_EQ(PluginWindow::Count(), 0);
  }
};

struct WindowCase {
  const char* name;
  std::function<std::string()> bytes;
  std::string distance;     // what the distance field shows
  std::string fieldOfView;  // what the field-of-view field shows
  std::string tagInteger;   // the slots the next save writes
  std::string tagString;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class HostileFileWindowTest : public HostileWindowTest,
                              public testing::WithParamInterface<WindowCase> {};

TEST_P(HostileFileWindowTest, OpensWithWhatWasValidAndClosesWritingTheStoresLines) {
  const WindowCase& c = GetParam();
  WriteSettings(c.bytes());
  OpenCheckAndClose(c.distance, c.fieldOfView);
  const std::optional<std::string> saved = Settings();
  ASSERT_TRUE(saved);
  EXPECT_TRUE(*saved == StoreLines(c.distance, c.fieldOfView, c.tagInteger, c.tagString))
      << Abbreviated(*saved);
  EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
}

// Lines for the window's two fields and its slots, and for every other kind of component
// (which the window has none of), with indexes out of every range.
std::string OtherKindsAndValidLines() {
  return Line(1003, "-2147483649") + Line(1004, "99999999999") + Line(1005, "-7") +
         Line(1006, "abc") + "[U\\%x\r\n" + Line(12345, "1") + Line(1001, "20") +
         Line(1002, "-1") + Line(9990, "99999999999") + Line(9991, "kept");
}

// A million short lines: the two fields in turn, then lines for a tag that no component has.
std::string MillionShortLines() {
  std::string bytes;
  bytes.reserve(10u << 20);
  for (int i = 0; i < settings_hostile::kMillion; ++i) {
    bytes += i < 1000 ? Line(1001 + i % 2, std::to_string(i)) : Line(7, std::to_string(i));
  }
  return bytes;
}

// The fields take at most 32 767 characters, what a user can type into them; that many are more
// than a window's title can carry at its creation. The slots, which have no window, take
// 100 000.
const std::string kFieldText = std::string(32767, '8');
const std::string kLong = std::string(settings_hostile::kLongValue, 's');

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFileWindowTest,
    testing::Values(
        WindowCase{"Empty", [] { return ""s; }, "15.5", "45.5", "0", ""},
        WindowCase{"OnlyNuls", [] { return settings_hostile::Nuls(65536); }, "15.5", "45.5", "0",
                   ""},
        WindowCase{"ByteOrderMark",
                   [] {
                     return std::string(settings_hostile::kUtf8ByteOrderMark) +
                            StoreLines("20", "30", "5", "s");
                   },
                   "15.5", "30", "5", "s"},
        WindowCase{"Utf16", [] { return settings_hostile::Utf16(StoreLines("20", "30")); },
                   "15.5", "45.5", "0", ""},
        // For a tag that no component has; the lines after it are taken.
        WindowCase{"TenMegabytesInOneLine",
                   [] {
                     return Line(7, std::string(settings_hostile::kTenMegabytes, '7')) +
                            StoreLines("23", "33");
                   },
                   "23", "33", "0", ""},
        WindowCase{"AMillionShortLines", MillionShortLines, "998", "999", "0", ""},
        WindowCase{"NoiseAroundValidLines",
                   [] {
                     return settings_hostile::Noise(1, 1u << 20, false) + "\r\n" +
                            StoreLines("21", "31", "-3", "after noise") +
                            settings_hostile::Noise(2, 1u << 20, false);
                   },
                   "21", "31", "-3", "after noise"},
        WindowCase{"ValidLinesThenNoiseWithNuls",
                   [] { return StoreLines("22", "32") + settings_hostile::Noise(3, 65536, true); },
                   "22", "32", "0", ""},
        WindowCase{"LongValues",
                   [] {
                     return StoreLines(kFieldText, kFieldText, std::string(kLong.size(), '1'),
                                       kLong);
                   },
                   kFieldText, kFieldText, "0", kLong},
        // Longer than a user can type into a field: the fields keep their design texts, and
        // the window opens without waiting on the system's edit (quadratic in Wine).
        WindowCase{"FieldValuesPastTheTypingLimit",
                   [] {
                     return StoreLines(std::string(settings_hostile::kTenMegabytes, '8'),
                                       std::string(32768, '9'), "4", "after");
                   },
                   "15.5", "45.5", "4", "after"},
        WindowCase{"OtherKindsAndIndexesOutOfRange", OtherKindsAndValidLines, "20", "-1", "0",
                   "kept"}),
    [](const testing::TestParamInfo<WindowCase>& p) { return std::string(p.param.name); });

// --- faults while the window saves ------------------------------------------------------------

TEST_F(HostileWindowTest, FileHeldOpenByAnotherProcessWhileTheWindowGoes) {
  const std::string old = StoreLines("20", "46");
  WriteSettings(old);
  session.Activate();
  PluginWindow::Type(Window().DistanceField(), "33");
  {
    settings_hostile::HeldByOtherProcess other(SettingsPath());
    ASSERT_TRUE(other.Holding());
    session.Finalize();
    session.Pump();
    EXPECT_EQ(PluginWindow::Count(), 0) << "the window goes all the same";
    EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
  }
  EXPECT_EQ(Settings(), old);
  EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
}

TEST_F(HostileWindowTest, FileHeldOpenByAnotherProcessWhileTheWindowOpens) {
  const std::string old = StoreLines("20", "46");
  WriteSettings(old);
  {
    settings_hostile::HeldByOtherProcess other(SettingsPath());
    ASSERT_TRUE(other.Holding());
    session.Activate();
    EXPECT_EQ(Text(Window().DistanceField()), "15.5") << "unreadable: the design values";
    EXPECT_EQ(Text(Window().FieldOfViewField()), "45.5");
  }
  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), StoreLines("15.5", "45.5"));
  EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
}

TEST_F(HostileWindowTest, DirectoryInThePlaceOfTheFile) {
  std::filesystem::create_directories(std::filesystem::path(SettingsPath()) / "inside");
  session.Activate();
  EXPECT_EQ(Text(Window().DistanceField()), "15.5");
  PluginWindow::Type(Window().DistanceField(), "33");
  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(SettingsPath()) / "inside"));
  EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
}

TEST_F(HostileWindowTest, ReadOnlyFileIsLeftAsItWas) {
  const std::string old = StoreLines("20", "46");
  WriteSettings(old);
  ASSERT_TRUE(SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
  session.Activate();
  EXPECT_EQ(Text(Window().DistanceField()), "20");
  PluginWindow::Type(Window().DistanceField(), "33");
  session.Finalize();
  session.Pump();
  EXPECT_EQ(PluginWindow::Count(), 0);
  EXPECT_EQ(Settings(), old);
  EXPECT_EQ(SettingsEntries(), std::set<std::string>{"measure.ini"});
}

}  // namespace
