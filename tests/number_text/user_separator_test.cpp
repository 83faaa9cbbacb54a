// The decimal separator before the plug-in sets it is the user's regional setting. The test
// switches the user's setting to "," (restoring it afterwards), so that a separator that merely
// defaults to "." cannot pass.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "controls/decimal_separator.h"
#include "controls/number_text.h"
#include "platform/locale.h"

namespace {

std::string UserSetting() {
  char separator[4] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return separator;
}

// Sets the user's decimal separator for the lifetime of the object.
class UserDecimalSetting {
 public:
  explicit UserDecimalSetting(const char* separator) : saved_(UserSetting()) {
    set_ = SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator) != 0;
  }
  ~UserDecimalSetting() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_.c_str()); }
  UserDecimalSetting(const UserDecimalSetting&) = delete;
  UserDecimalSetting& operator=(const UserDecimalSetting&) = delete;

  bool Set() const { return set_; }

 private:
  std::string saved_;
  bool set_ = false;
};

// One test, in this order: nothing in this program may read the separator before the user's
// setting has been changed.
TEST(UserDecimalSeparator, IsTheSeparatorUntilTheProgramSetsOne) {
  const UserDecimalSetting comma(",");
  ASSERT_TRUE(comma.Set());
  ASSERT_EQ(UserSetting(), ",");
  EXPECT_EQ(platform::UserDecimalSeparator(), ',');

  EXPECT_EQ(controls::DecimalSeparator(), ',');
  EXPECT_EQ(controls::FormatGeneral(12.5, 5, 3), "12,5");
  EXPECT_EQ(controls::FormatText("%.5g", {1.25E-7}), "1,25E-007");

  controls::SetDecimalSeparator('.');
  EXPECT_EQ(controls::DecimalSeparator(), '.');
  EXPECT_EQ(controls::FormatGeneral(12.5, 5, 3), "12.5");
  EXPECT_EQ(controls::FloatText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(controls::ParseDecimal("12.5"), 12.5);
  EXPECT_FALSE(controls::ParseDecimal("12,5").has_value());
}

}  // namespace
