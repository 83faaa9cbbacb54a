// The edit on a real EDIT window: the text lives in the window, typed and written changes raise
// OnChange exactly once each (through the reflected EN_CHANGE), and the state survives a new
// window.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/custom_edit.h"
#include "platform/window_styles.h"
#include "test_window.h"

namespace {

// The multi-line kind sends no EN_CHANGE for WM_SETTEXT; the single-line kind does.
class MultilineEdit : public fw::TCustomEdit {
 public:
  MultilineEdit() : TCustomEdit(nullptr) {}

 protected:
  void CreateParams(fw::TCreateParams& params) const override {
    TCustomEdit::CreateParams(params);
    params.className = "TestMultilineEdit";
    params.style |= platform::kEsMultiline;
  }
};

class EditWindow : public ::testing::TestWithParam<bool> {
 protected:
  EditWindow() {
    edit = GetParam() ? static_cast<fw::TCustomEdit*>(new MultilineEdit) : new fw::TCustomEdit(nullptr);
    edit->SetParent(&window);
    edit->SetBounds(10, 10, 120, 22);
    edit->OnChange = [this](fw::TObject*) { ++changes; };
  }
  ~EditWindow() override { delete edit; }
  HWND Hwnd() const { return static_cast<HWND>(edit->HandleIfAllocated()); }

  wintest::TTestWindow& window = wintest::SharedWindow();
  fw::TCustomEdit* edit = nullptr;
  int changes = 0;
};

TEST_P(EditWindow, HasARealEditWindowHoldingTheText) {
  ASSERT_NE(Hwnd(), nullptr);
  char name[32] = {};
  GetClassNameA(Hwnd(), name, sizeof name);
  EXPECT_STREQ(name, GetParam() ? "TestMultilineEdit" : "TCustomEdit");
  edit->SetText("12.5");
  char text[32] = {};
  GetWindowTextA(Hwnd(), text, sizeof text);
  EXPECT_STREQ(text, "12.5");
  SetWindowTextA(Hwnd(), "7");
  EXPECT_EQ(edit->Text(), "7");
}

TEST_P(EditWindow, WritingRaisesOneChangePerDifferentText) {
  edit->SetText("1");
  edit->SetText("1");
  edit->SetText("2");
  EXPECT_EQ(changes, 2);
  SetWindowTextA(Hwnd(), "3");  // written from outside the control
  EXPECT_EQ(changes, 3);
}

TEST_P(EditWindow, TypingRaisesOneChangePerCharacter) {
  edit->SetText("");
  changes = 0;
  for (char c : std::string("123")) SendMessageA(Hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
  SendMessageA(Hwnd(), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(changes, 4);
}

TEST_P(EditWindow, TheTextSurvivesANewWindow) {
  edit->SetText("42");
  edit->SetReadOnly(true);
  edit->DestroyHandle();
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), "42");
  edit->HandleNeeded();
  ASSERT_NE(Hwnd(), nullptr);
  EXPECT_EQ(edit->Text(), "42");
  EXPECT_NE(GetWindowLongPtrA(Hwnd(), GWL_STYLE) & ES_READONLY, 0);
}

TEST_P(EditWindow, RealFocusRaisesEnterAndExit) {
  std::string log;
  edit->OnEnter = [&](fw::TObject*) { log += "enter;"; };
  edit->OnExit = [&](fw::TObject*) { log += "exit;"; };
  edit->SetFocus();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(fw::TWinControl::FocusedControl(), edit);
  SetFocus(static_cast<HWND>(window.HandleIfAllocated()));
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(log, "enter;exit;");
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditWindow, ::testing::Values(false, true),
                         [](const auto& param_info) { return param_info.param ? "Multiline" : "SingleLine"; });

}  // namespace
