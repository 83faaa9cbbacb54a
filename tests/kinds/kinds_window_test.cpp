// The check box, radio button, list box, combo box and radio group on real system windows: the
// window holds the state, what the user clicks or selects is what the control reports, and the
// state survives the window.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "test_window.h"

namespace {

HWND Hwnd(fw::TWinControl& control) { return static_cast<HWND>(control.HandleIfAllocated()); }

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Puts a control on the shared test window and deletes it afterwards.
template <class T>
class OnWindow : public testing::Test {
 protected:
  OnWindow() : control_(new T(nullptr)) {
    control_->SetParent(&wintest::SharedWindow());
    control_->SetBounds(10, 10, 180, 120);
  }
  ~OnWindow() override { delete control_; }

  T& control() { return *control_; }
  HWND hwnd() { return Hwnd(*control_); }

 private:
  T* control_;
};

using CheckBoxWindow = OnWindow<fw::TCheckBox>;

TEST_F(CheckBoxWindow, IsAnAutoCheckBoxButton) {
  ASSERT_NE(hwnd(), nullptr);
  EXPECT_EQ(ClassOf(hwnd()), "TCheckBox");
  EXPECT_EQ(GetWindowLongA(hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
}

TEST_F(CheckBoxWindow, UserClicksAreWhatCheckedGives) {
  int clicks = 0;
  control().OnClick = [&](fw::TObject*) { ++clicks; };
  EXPECT_FALSE(control().Checked());
  SendMessageA(hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(control().Checked());
  EXPECT_EQ(clicks, 1);
  SendMessageA(hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(control().Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxWindow, SettingCheckedWritesTheWindow) {
  control().SetChecked(true);
  EXPECT_EQ(SendMessageA(hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
  control().SetChecked(false);
  EXPECT_EQ(SendMessageA(hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(CheckBoxWindow, StateSurvivesANewWindow) {
  SendMessageA(hwnd(), BM_CLICK, 0, 0);
  control().DestroyHandle();
  EXPECT_EQ(hwnd(), nullptr);
  EXPECT_TRUE(control().Checked());
  control().HandleNeeded();
  ASSERT_NE(hwnd(), nullptr);
  EXPECT_EQ(SendMessageA(hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(RadioButtonWindow, ClickingOneClearsTheOther) {
  fw::TWinControl& window = wintest::SharedWindow();
  auto* a = new fw::TRadioButton(nullptr);
  auto* b = new fw::TRadioButton(nullptr);
  a->SetParent(&window);
  b->SetParent(&window);
  b->SetTop(30);
  ASSERT_NE(Hwnd(*a), nullptr);
  EXPECT_EQ(ClassOf(Hwnd(*a)), "TRadioButton");
  EXPECT_EQ(GetWindowLongA(Hwnd(*a), GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  int clicks = 0;
  b->OnClick = [&](fw::TObject*) { ++clicks; };

  a->SetChecked(true);
  SendMessageA(Hwnd(*b), BM_CLICK, 0, 0);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageA(Hwnd(*a), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  a->SetChecked(true);  // from the program: the other is cleared as well
  EXPECT_EQ(SendMessageA(Hwnd(*b), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  delete a;
  delete b;
}

using ListBoxWindow = OnWindow<fw::TListBox>;

TEST_F(ListBoxWindow, ShowsTheItemsAndTheSelection) {
  control().SetItems({"zero", "one", "two"});
  ASSERT_NE(hwnd(), nullptr);
  EXPECT_EQ(ClassOf(hwnd()), "TListBox");
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCOUNT, 0, 0), 3);
  char text[16] = {};
  SendMessageA(hwnd(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "two");
  control().SetItemIndex(2);
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0), 2);
  control().SetItemIndex(7);
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(control().ItemIndex(), -1);
  control().AddItem("three");
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCOUNT, 0, 0), 4);
}

TEST_F(ListBoxWindow, UserSelectionIsWhatItemIndexGives) {
  control().SetItems({"zero", "one", "two"});
  int clicks = 0;
  control().OnClick = [&](fw::TObject*) { ++clicks; };
  RECT item{};
  ASSERT_NE(SendMessageA(hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(hwnd(), WM_LBUTTONUP, 0, point);
  wintest::Pump(20);
  EXPECT_EQ(control().ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ListBoxWindow, SelectionSurvivesANewWindow) {
  control().SetItems({"zero", "one", "two"});
  SendMessageA(hwnd(), LB_SETCURSEL, 2, 0);
  control().DestroyHandle();
  EXPECT_EQ(control().ItemIndex(), 2);
  control().HandleNeeded();
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0), 2);
}

using ComboBoxWindow = OnWindow<fw::TComboBox>;

TEST_F(ComboBoxWindow, IsADropDownListWithTheItemsAndTheSelection) {
  control().SetItems({"zero", "one", "two"});
  ASSERT_NE(hwnd(), nullptr);
  EXPECT_EQ(ClassOf(hwnd()), "TComboBox");
  EXPECT_EQ(GetWindowLongA(hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageA(hwnd(), CB_GETCOUNT, 0, 0), 3);
  control().SetItemIndex(1);
  EXPECT_EQ(SendMessageA(hwnd(), CB_GETCURSEL, 0, 0), 1);
  control().SetItemIndex(-1);
  EXPECT_EQ(SendMessageA(hwnd(), CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ComboBoxWindow, UserSelectionIsWhatItemIndexGives) {
  control().SetItems({"zero", "one", "two"});
  control().SetItemIndex(0);
  int changes = 0;
  control().OnChange = [&](fw::TObject*) { ++changes; };
  // The arrow key moves the selection of a closed drop-down list and notifies the parent.
  SendMessageA(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  wintest::Pump(20);
  EXPECT_EQ(control().ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
  control().DestroyHandle();
  EXPECT_EQ(control().ItemIndex(), 1);
}

using RadioGroupWindow = OnWindow<fw::TRadioGroup>;

TEST_F(RadioGroupWindow, IsAGroupBoxHoldingTheButtons) {
  control().SetItems({"a", "b", "c"});
  ASSERT_NE(hwnd(), nullptr);
  EXPECT_EQ(ClassOf(hwnd()), "TRadioGroup");
  EXPECT_EQ(GetWindowLongA(hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  for (int index = 0; index < 3; ++index) {
    HWND button = Hwnd(*control().Button(index));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetParent(button), hwnd());
  }
}

TEST_F(RadioGroupWindow, ClickedButtonIsTheItemIndex) {
  control().SetItems({"a", "b", "c"});
  control().SetItemIndex(0);
  int clicks = 0;
  control().OnClick = [&](fw::TObject*) { ++clicks; };
  SendMessageA(Hwnd(*control().Button(2)), BM_CLICK, 0, 0);
  EXPECT_EQ(control().ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageA(Hwnd(*control().Button(0)), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  control().SetItemIndex(1);
  EXPECT_EQ(SendMessageA(Hwnd(*control().Button(1)), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Hwnd(*control().Button(2)), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  control().DestroyHandle();
  EXPECT_EQ(control().ItemIndex(), 1);
}

}  // namespace
