// The check box, radio button, list box, combo box and radio group without windows: their state
// lives in the object, and the six kinds the settings store tells apart do not overlap.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/custom_edit.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"

namespace {

// Which of the six kinds a component is.
std::vector<bool> KindsOf(const fw::TObject& object) {
  return {object.Is<fw::TCustomEdit>(),     object.Is<fw::TCheckBox>(),
          object.Is<fw::TRadioButton>(),    object.Is<fw::TCustomListBox>(),
          object.Is<fw::TCustomComboBox>(), object.Is<fw::TRadioGroup>()};
}

std::vector<bool> Only(std::size_t kind) {
  std::vector<bool> kinds(6, false);
  kinds[kind] = true;
  return kinds;
}

TEST(Kinds, EachClassIsExactlyOneKind) {
  fw::TComponent owner(nullptr);
  EXPECT_EQ(KindsOf(fw::TCustomEdit(&owner)), Only(0));
  EXPECT_EQ(KindsOf(fw::TCheckBox(&owner)), Only(1));
  EXPECT_EQ(KindsOf(fw::TRadioButton(&owner)), Only(2));
  EXPECT_EQ(KindsOf(fw::TCustomListBox(&owner)), Only(3));
  EXPECT_EQ(KindsOf(fw::TListBox(&owner)), Only(3));
  EXPECT_EQ(KindsOf(fw::TCustomComboBox(&owner)), Only(4));
  EXPECT_EQ(KindsOf(fw::TComboBox(&owner)), Only(4));
  EXPECT_EQ(KindsOf(fw::TRadioGroup(&owner)), Only(5));
  EXPECT_EQ(KindsOf(fw::TComponent(&owner)), std::vector<bool>(6, false));
}

TEST(CheckBox, KeepsItsState) {
  fw::TCheckBox box(nullptr);
  EXPECT_FALSE(box.Checked());
  box.SetChecked(true);
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  EXPECT_FALSE(box.Checked());
  box.SetCaption("Remember");
  EXPECT_EQ(box.Caption(), "Remember");
}

TEST(CheckBox, CheckBoxesDoNotClearEachOther) {
  fw::TWinControl parent(nullptr);
  auto* a = new fw::TCheckBox(&parent);
  auto* b = new fw::TCheckBox(&parent);
  a->SetParent(&parent);
  b->SetParent(&parent);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_TRUE(a->Checked());
  EXPECT_TRUE(b->Checked());
}

TEST(RadioButton, CheckingOneClearsItsSiblings) {
  fw::TWinControl parent(nullptr);
  fw::TWinControl otherParent(nullptr);
  auto* a = new fw::TRadioButton(&parent);
  auto* b = new fw::TRadioButton(&parent);
  auto* box = new fw::TCheckBox(&parent);
  auto* elsewhere = new fw::TRadioButton(&otherParent);
  for (fw::TControl* control : std::vector<fw::TControl*>{a, b, box}) {
    control->SetParent(&parent);
  }
  elsewhere->SetParent(&otherParent);
  box->SetChecked(true);
  elsewhere->SetChecked(true);

  a->SetChecked(true);
  EXPECT_TRUE(a->Checked());
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(elsewhere->Checked());

  b->SetChecked(false);
  EXPECT_FALSE(a->Checked());
  EXPECT_FALSE(b->Checked());
}

TEST(RadioButton, WithoutAParentItStandsAlone) {
  fw::TRadioButton a(nullptr);
  fw::TRadioButton b(nullptr);
  a.SetChecked(true);
  b.SetChecked(true);
  EXPECT_TRUE(a.Checked());
  EXPECT_TRUE(b.Checked());
}

// The three kinds with items and an ItemIndex behave alike.
template <class T>
class ItemKinds : public testing::Test {};

using ItemKindTypes = testing::Types<fw::TListBox, fw::TComboBox, fw::TRadioGroup>;
TYPED_TEST_SUITE(ItemKinds, ItemKindTypes);

TYPED_TEST(ItemKinds, SelectsNothingAtFirst) {
  TypeParam control(nullptr);
  EXPECT_EQ(control.ItemIndex(), -1);
  control.SetItems({"a", "b"});
  EXPECT_EQ(control.ItemIndex(), -1);
}

TYPED_TEST(ItemKinds, ItemIndexInsideTheItems) {
  TypeParam control(nullptr);
  control.SetItems({"a", "b", "c"});
  EXPECT_EQ(control.ItemCount(), 3);
  EXPECT_EQ(control.Items(), (std::vector<std::string>{"a", "b", "c"}));
  for (std::int32_t index : {2, 0, 1}) {
    control.SetItemIndex(index);
    EXPECT_EQ(control.ItemIndex(), index);
  }
  control.SetItemIndex(-1);
  EXPECT_EQ(control.ItemIndex(), -1);
}

TYPED_TEST(ItemKinds, ItemIndexOutsideTheItemsSelectsNothing) {
  TypeParam control(nullptr);
  control.SetItems({"a", "b", "c"});
  for (std::int32_t index : {3, 100, -2, INT32_MIN, INT32_MAX}) {
    control.SetItemIndex(1);
    control.SetItemIndex(index);
    EXPECT_EQ(control.ItemIndex(), -1) << index;
  }
  TypeParam empty(nullptr);
  empty.SetItemIndex(0);
  EXPECT_EQ(empty.ItemIndex(), -1);
}

TYPED_TEST(ItemKinds, AddingKeepsTheSelectionReplacingClearsIt) {
  TypeParam control(nullptr);
  control.SetItems({"a", "b"});
  control.SetItemIndex(1);
  control.AddItem("c");
  EXPECT_EQ(control.ItemIndex(), 1);
  control.SetItemIndex(2);
  EXPECT_EQ(control.ItemIndex(), 2);
  control.SetItems({"x", "y", "z"});
  EXPECT_EQ(control.ItemIndex(), -1);
  control.SetItemIndex(0);
  control.ClearItems();
  EXPECT_EQ(control.ItemCount(), 0);
  EXPECT_EQ(control.ItemIndex(), -1);
}

TEST(RadioGroup, ItsButtonsBelongToTheGroupNotToItsOwner) {
  fw::TComponent form(nullptr);
  auto* group = new fw::TRadioGroup(&form);
  group->SetItems({"feet", "metres", "yards"});
  EXPECT_EQ(form.ComponentCount(), 1);
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->Button(1)->Caption(), "metres");
  EXPECT_EQ(group->Button(1)->Owner(), group);
  EXPECT_EQ(group->Button(1)->Parent(), group);
  group->ClearItems();
  EXPECT_EQ(group->ControlCount(), 0);
}

TEST(RadioGroup, ItemIndexFollowsItsButtons) {
  fw::TRadioGroup group(nullptr);
  group.SetItems({"a", "b", "c"});
  group.SetItemIndex(0);
  group.Button(2)->SetChecked(true);
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_FALSE(group.Button(0)->Checked());
  group.SetItemIndex(1);
  EXPECT_TRUE(group.Button(1)->Checked());
  EXPECT_FALSE(group.Button(2)->Checked());
}

TEST(RadioGroup, ButtonsAreLaidOutInsideTheFrameOneBelowTheOther) {
  fw::TRadioGroup group(nullptr);
  group.SetBounds(0, 0, 185, 105);
  group.SetItems({"a", "b", "c"});
  int previousTop = 0;
  for (int index = 0; index < 3; ++index) {
    const fw::TRadioButton& button = *group.Button(index);
    EXPECT_GT(button.Top(), previousTop);
    EXPECT_LE(button.Top() + button.Height(), group.Height());
    EXPECT_GT(button.Width(), 0);
    EXPECT_LE(button.Left() + button.Width(), group.Width());
    previousTop = button.Top();
  }
  group.SetBounds(0, 0, 185, 200);  // a taller group spreads them out
  EXPECT_GT(group.Button(2)->Top(), previousTop);
}

}  // namespace
