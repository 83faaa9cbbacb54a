// Forms, labels and buttons without windows: the lifetime of a form (create and destroy events,
// closing, the deferred release, the application's teardown), its first showing, Tab, the
// labels' sizing and the buttons' clicks.

#include "framework/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/custom_edit.h"
#include "framework/label.h"
#include "platform/screen.h"
#include "platform/window_styles.h"

namespace {

// A form with two tab stops and a label, recording what its events see.
class TestForm : public fw::TForm {
 public:
  explicit TestForm(std::vector<std::string>& log)
      : fw::TForm(&fw::Application(), "TTestForm"), log_(log) {
    OnCreate = [this](fw::TObject*) { log_.push_back("create, edit " + edit->Text()); };
    OnDestroy = [this](fw::TObject*) {
      log_.push_back(std::string("destroy, ") + (Visible() ? "visible" : "hidden") + ", edit " +
                     edit->Text());
    };
    label = new fw::TLabel(this);
    label->SetParent(this);
    button = new fw::TButton(this);
    button->SetParent(this);
    edit = new fw::TCustomEdit(this);
    edit->SetParent(this);
    edit->SetTabStop(true);
    edit->SetText("typed");
    edit->SetTabOrder(0);
    AfterConstruction();
  }

  fw::TLabel* label = nullptr;
  fw::TButton* button = nullptr;
  fw::TCustomEdit* edit = nullptr;

  using fw::TForm::AfterConstruction;

 private:
  std::vector<std::string>& log_;
};

int FormsAlive() {
  int count = 0;
  for (int i = 0; i < fw::Application().ComponentCount(); ++i) {
    count += fw::Application().Components(i)->Is<TestForm>() ? 1 : 0;
  }
  return count;
}

class FormTest : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::Application().DestroyForms();
    fw::Application().OnComponentRemoving = nullptr;
  }
  std::vector<std::string> log;
};

TEST_F(FormTest, CreateEventRunsOnceAfterTheControlsAreBuilt) {
  auto* form = new TestForm(log);
  form->AfterConstruction();
  EXPECT_EQ(log, std::vector<std::string>{"create, edit typed"});
  EXPECT_FALSE(form->Visible()) << "a form starts hidden";
  form->Free();
}

TEST_F(FormTest, FreeHidesThenRunsTheDestroyEventWithTheControlsAlive) {
  auto* form = new TestForm(log);
  form->Show();
  form->edit->SetText("changed");
  form->Free();
  EXPECT_EQ(log.back(), "destroy, hidden, edit changed");
  EXPECT_EQ(FormsAlive(), 0);
}

TEST_F(FormTest, ClosingHidesByDefaultAndFollowsTheCloseAction) {
  auto* form = new TestForm(log);
  form->Show();
  form->Perform(platform::kWmClose);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(FormsAlive(), 1) << "closing only hides";

  form->Show();
  form->OnClose = [](fw::TObject*, fw::TCloseAction& action) { action = fw::TCloseAction::caNone; };
  form->Close();
  EXPECT_TRUE(form->Visible());

  form->OnClose = [](fw::TObject*, fw::TCloseAction& action) { action = fw::TCloseAction::caFree; };
  form->Close();
  EXPECT_EQ(FormsAlive(), 1) << "caFree releases: deferred";
  fw::Application().ProcessMessages();
  EXPECT_EQ(FormsAlive(), 0);
}

TEST_F(FormTest, ReleaseIsDeferredToTheMessageLoopAndHappensOnce) {
  auto* form = new TestForm(log);
  std::vector<fw::TComponent*> removed;
  fw::Application().OnComponentRemoving = [&removed](fw::TComponent* c) { removed.push_back(c); };
  form->Release();
  form->Release();
  EXPECT_TRUE(form->ReleasePending());
  EXPECT_EQ(FormsAlive(), 1);
  EXPECT_EQ(log.size(), 1u) << "no destroy event before the request is dispatched";

  fw::Application().ProcessMessages();
  EXPECT_EQ(FormsAlive(), 0);
  EXPECT_EQ(removed, std::vector<fw::TComponent*>{form});
  EXPECT_EQ(log.back(), "destroy, hidden, edit typed");
  fw::Application().ProcessMessages();
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(FormTest, CancelledReleaseKeepsTheFormUntilReleasedAgain) {
  auto* form = new TestForm(log);
  form->Release();
  form->CancelRelease();
  fw::Application().ProcessMessages();
  EXPECT_EQ(FormsAlive(), 1);
  form->Release();
  fw::Application().ProcessMessages();
  EXPECT_EQ(FormsAlive(), 0);
}

TEST_F(FormTest, AFormFreedWhileItsReleaseIsPendingIsNotReleasedAgain) {
  auto* form = new TestForm(log);
  form->Release();
  form->Free();
  fw::Application().ProcessMessages();  // must not touch the form that is gone
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(FormTest, ApplicationTeardownDestroysFormsAndAbandoningOnlyRunsTheirDestroyEvents) {
  new TestForm(log);
  new TestForm(log);
  fw::Application().AbandonForms();
  EXPECT_EQ(FormsAlive(), 2) << "abandoned forms are kept";
  EXPECT_EQ(log.size(), 4u);

  fw::Application().DestroyForms();
  EXPECT_EQ(FormsAlive(), 0);
  EXPECT_EQ(log.size(), 4u) << "the destroy event runs once";

  new TestForm(log);
  fw::Application().DestroyForms();
  EXPECT_EQ(log.back(), "destroy, hidden, edit typed");
}

TEST_F(FormTest, FirstShowingCentresOnTheScreenAndFocusesTheFirstTabStop) {
  auto* form = new TestForm(log);
  form->SetPosition(fw::TPosition::poScreenCenter);
  form->SetBounds(5, 5, 301, 201);
  form->Show();
  const platform::ScreenSize screen = platform::PrimaryScreenSize();
  EXPECT_EQ(form->Left(), (screen.width - 301) / 2);
  EXPECT_EQ(form->Top(), (screen.height - 201) / 2);
  EXPECT_TRUE(form->edit->Focused())
      << "the edit comes first in tab order, the label is no tab stop";

  form->SetBounds(7, 9, 301, 201);
  form->Hide();
  form->Show();
  EXPECT_EQ(form->Left(), 7) << "later showings keep the place";
  EXPECT_EQ(form->Top(), 9);
}

TEST_F(FormTest, CentringAFormLargerThanTheScreenPutsItAtTheCorner) {
  auto* form = new TestForm(log);
  form->SetPosition(fw::TPosition::poScreenCenter);
  const platform::ScreenSize screen = platform::PrimaryScreenSize();
  form->SetBounds(50, 50, screen.width + 11, screen.height + 3);
  form->Show();
  EXPECT_EQ(form->Left(), 0);
  EXPECT_EQ(form->Top(), 0);
}

TEST_F(FormTest, TabMovesTheFocusThroughTheTabStopsAndWraps) {
  auto* form = new TestForm(log);
  form->Show();
  ASSERT_TRUE(form->edit->Focused());
  form->edit->Perform(platform::kWmKeyDown, platform::kVkTab);
  EXPECT_TRUE(form->button->Focused());
  EXPECT_EQ(form->ActiveControl(), form->button);
  form->button->Perform(platform::kWmKeyDown, platform::kVkTab);
  EXPECT_TRUE(form->edit->Focused());
}

TEST_F(FormTest, ToolWindowStaysOnTopWithoutSizingFrame) {
  auto* form = new TestForm(log);
  form->SetBorderStyle(fw::TFormBorderStyle::bsToolWindow);
  form->SetFormStyle(fw::TFormStyle::fsStayOnTop);
  form->SetClientSize(191, 88);
  EXPECT_EQ(form->ClientWidth(), 191);
  EXPECT_EQ(form->ClientHeight(), 88);
  EXPECT_GT(form->Width(), 191) << "the outer size holds the frame";
  EXPECT_GT(form->Height(), 88);
}

TEST(LabelTest, SizesItselfToItsTextKeepingItsLeftEdge) {
  fw::TComponent owner(nullptr);
  fw::TLabel label(&owner);
  label.SetBounds(30, 40, 100, 100);
  label.SetCaption("abcd");
  const int narrow = label.Width();
  EXPECT_EQ(label.Left(), 30);
  EXPECT_EQ(label.Top(), 40);
  EXPECT_GT(narrow, 0);
  label.SetCaption("abcdefgh");
  EXPECT_EQ(label.Left(), 30);
  EXPECT_GT(label.Width(), narrow);
  const int oneLine = label.Height();

  label.SetFont(fw::TFont{"Arial", 30});
  EXPECT_GT(label.Height(), oneLine) << "a font change resizes";

  label.SetAutoSize(false);
  label.SetBounds(30, 40, 5, 5);
  label.SetCaption("a much longer caption");
  EXPECT_EQ(label.Width(), 5);
  EXPECT_EQ(label.Caption(), "a much longer caption");
  EXPECT_FALSE(label.CanFocus());
}

TEST(ButtonTest, ClickedNotificationRunsOnClickAndOthersDoNot) {
  fw::TComponent owner(nullptr);
  fw::TButton button(&owner);
  int clicks = 0;
  button.OnClick = [&clicks](fw::TObject*) { ++clicks; };
  constexpr unsigned kBnSetFocus = 6;
  button.Perform(fw::kCnCommand, platform::MakeWParam(0, kBnSetFocus), 0);
  EXPECT_EQ(clicks, 0);
  button.Perform(fw::kCnCommand, platform::MakeWParam(0, 0 /* BN_CLICKED */), 0);
  EXPECT_EQ(clicks, 1);
  button.Click();
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(button.TabStop());
}

}  // namespace
