// The edit's text and its change event, headless: one OnChange per change of the text, typed or
// written, none for writing the same text; the headless typing, cut and paste rules.

#include <gtest/gtest.h>

#include <string>

#include "framework/custom_edit.h"
#include "platform/messages.h"

namespace {

class EditFixture : public ::testing::Test {
 protected:
  EditFixture() : edit(nullptr) {
    edit.OnChange = [this](fw::TObject* sender) {
      ++changes;
      EXPECT_EQ(sender, &edit);
      texts.push_back(edit.Text());
    };
  }
  void Type(const std::string& characters) {
    for (char c : characters) edit.Perform(platform::kWmChar, static_cast<unsigned char>(c), 0);
  }

  fw::TCustomEdit edit;
  int changes = 0;
  std::vector<std::string> texts;
};

TEST_F(EditFixture, WritingADifferentTextRaisesOneChangeAndTheSameTextNone) {
  edit.SetText("12");
  edit.SetText("12");
  edit.SetText("");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(texts, (std::vector<std::string>{"12", ""}));
}

TEST_F(EditFixture, EveryTypedCharacterThatChangesTheTextIsOneChange) {
  edit.SetText("1");
  Type("23");
  EXPECT_EQ(edit.Text(), "123");
  Type("\b");
  EXPECT_EQ(edit.Text(), "12");
  Type("\x01");  // a control character other than Backspace changes nothing
  EXPECT_EQ(changes, 4);
}

TEST_F(EditFixture, TypingReplacesTheSelection) {
  edit.SetText("12345");
  edit.SetSelection(1, 3);
  EXPECT_EQ(edit.SelText(), "234");
  Type("x");
  EXPECT_EQ(edit.Text(), "1x5");
  edit.SelectAll();
  Type("\b");
  EXPECT_EQ(edit.Text(), "");
  EXPECT_EQ(changes, 3);
}

TEST_F(EditFixture, ReadOnlyAndMaxLengthStopTyping) {
  edit.SetText("ab");
  edit.SetReadOnly(true);
  Type("c\b");
  EXPECT_EQ(edit.Text(), "ab");
  edit.SetReadOnly(false);
  edit.SetMaxLength(3);
  Type("cd");
  EXPECT_EQ(edit.Text(), "abc");
  EXPECT_EQ(changes, 2);
}

TEST_F(EditFixture, CutRemovesTheSelectionAndPasteDoesNothingHeadless) {
  edit.SetText("1234");
  edit.SetSelection(0, 2);
  edit.Perform(platform::kWmPaste);
  EXPECT_EQ(edit.Text(), "1234");
  edit.Perform(platform::kWmCut);
  EXPECT_EQ(edit.Text(), "34");
  edit.Perform(platform::kWmCut);  // nothing selected any more
  EXPECT_EQ(changes, 2);
}

TEST_F(EditFixture, TheTextAreaIsKeptUntilTheNextResize) {
  edit.SetBounds(0, 0, 81, 22);
  EXPECT_EQ(edit.EditRect(), (platform::Rect{0, 0, 77, 18}));
  edit.SetEditRectNoPaint(platform::Rect{0, 0, 60, 19});
  EXPECT_EQ(edit.EditRect(), (platform::Rect{0, 0, 60, 19}));
  edit.SetWidth(90);
  EXPECT_EQ(edit.EditRect(), (platform::Rect{0, 0, 86, 18}));
}

TEST_F(EditFixture, SingleLineFieldSelectsAllOnTabbingInButNotOnAPress) {
  fw::TWinControl form(nullptr);
  auto* other = new fw::TCustomEdit(nullptr);
  other->SetParent(&form);
  edit.SetParent(&form);
  edit.SetText("123");
  edit.SetSelection(3, 0);
  edit.SetFocus();
  EXPECT_EQ(edit.SelLength(), 3);
  other->SetFocus();
  edit.SetSelection(1, 0);
  edit.Perform(platform::kWmLButtonDown, platform::kMkLButton, 0);
  EXPECT_TRUE(edit.Focused());
  EXPECT_EQ(edit.SelLength(), 0);
  edit.SetParent(nullptr);
}

}  // namespace
