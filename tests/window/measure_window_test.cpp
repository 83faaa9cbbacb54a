// The measure window without windows: its description (components, places, captions, fonts,
// tab order, tags, the fields' first values), the settings file read at creation and written at
// destruction, and the Calculate button.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/decimal_separator.h"
#include "error_boxes.h"
#include "fake_host.h"
#include "framework/application.h"
#include "measure/Unit1.h"
#include "settings_file.h"

namespace {

using window_test::SavedLines;

class MeasureWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { controls::SetDecimalSeparator('.'); }
  void TearDown() override { fw::Application().DestroyForms(); }

  measure::TForm1* NewWindow() {
    auto* window = new measure::TForm1(&fw::Application());
    window->SetHostLink(&host);
    return window;
  }

  window_test::SettingsFile file;
  measure_test::FakeHost host;
};

TEST_F(MeasureWindowTest, ComponentsComeInCreationOrderWithTheirNamesAndTags) {
  measure::TForm1* w = NewWindow();
  const std::vector<fw::TComponent*> expected = {w->Bevel1,  w->Label1, w->Label2, w->Labl,
                                                 w->butcalc, w->edd,    w->edfov,  w->asave};
  ASSERT_EQ(w->ComponentCount(), 8);
  const char* const names[] = {"Bevel1",  "Label1", "Label2", "Labl",
                               "butcalc", "edd",    "edfov",  "asave"};
  const std::int32_t tags[] = {0, 0, 0, 0, 0, 1001, 1002, 1000};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(w->Components(i), expected[static_cast<std::size_t>(i)]) << names[i];
    EXPECT_EQ(w->Components(i)->Name(), names[i]);
    EXPECT_EQ(w->Components(i)->Tag(), tags[i]) << names[i];
  }
  EXPECT_EQ(w->Name(), "Form1");
  EXPECT_EQ(w->asave->TagInteger(), 0);
  EXPECT_EQ(w->asave->TagString(), "");
  // Painting order: the result label lies over the bevel.
  ASSERT_EQ(w->ControlCount(), 7);
  EXPECT_EQ(w->Controls(0), w->Bevel1);
  EXPECT_EQ(w->Controls(3), w->Labl);
}

TEST_F(MeasureWindowTest, WindowSettings) {
  measure::TForm1* w = NewWindow();
  EXPECT_EQ(w->Caption(), "Measure plug-in");
  EXPECT_EQ(w->ClientWidth(), 191);
  EXPECT_EQ(w->ClientHeight(), 88);
  EXPECT_EQ(w->Color(), fw::clBtnFace);
  EXPECT_EQ(w->Font(), (fw::TFont{"Tahoma", 11, 0, fw::clWindowText, fw::kDefaultCharset}));
  EXPECT_EQ(w->BorderStyle(), fw::TFormBorderStyle::bsToolWindow);
  EXPECT_EQ(w->FormStyle(), fw::TFormStyle::fsStayOnTop);
  EXPECT_EQ(w->Position(), fw::TPosition::poScreenCenter);
  EXPECT_FALSE(w->Visible()) << "shown by the activation, not by construction";
}

TEST_F(MeasureWindowTest, ControlsHaveTheirPlacesCaptionsFontsAndTabOrder) {
  measure::TForm1* w = NewWindow();
  EXPECT_EQ(w->Bevel1->BoundsRect(), platform::RectOf(88, 52, 93, 28));
  EXPECT_EQ(w->Bevel1->Shape(), fw::TBevelShape::bsBox);
  EXPECT_EQ(w->Bevel1->Style(), fw::TBevelStyle::bsLowered);
  EXPECT_EQ(w->butcalc->BoundsRect(), platform::RectOf(8, 52, 69, 29));
  EXPECT_EQ(w->edd->BoundsRect(), platform::RectOf(8, 20, 81, 22));
  EXPECT_EQ(w->edfov->BoundsRect(), platform::RectOf(100, 20, 81, 22));

  struct Label {
    fw::TLabel* label;
    int left;
    int top;
    const char* caption;
  };
  for (const Label& l :
       {Label{w->Label1, 8, 4, "Distance"}, Label{w->Label2, 100, 4, "Field of view (\xB0)"},
        Label{w->Labl, 99, 59, "L = 00.000"}}) {
    EXPECT_EQ(l.label->Left(), l.left) << l.caption;
    EXPECT_EQ(l.label->Top(), l.top) << l.caption;
    EXPECT_EQ(l.label->Caption(), l.caption);
    EXPECT_TRUE(l.label->AutoSize());
  }
  EXPECT_EQ(w->Label2->Caption().size(), 17u) << "the degree sign is one byte";
  EXPECT_EQ(w->Label1->Font(), w->Font());
  EXPECT_EQ(w->Labl->Font(), (fw::TFont{"Arial", 15, fw::fsBold, fw::clNavy, fw::kAnsiCharset}));
  EXPECT_EQ(w->butcalc->Font(),
            (fw::TFont{"Tahoma", 12, 0, fw::clWindowText, fw::kDefaultCharset}));
  EXPECT_EQ(w->edd->Font(), w->Font());
  EXPECT_EQ(w->butcalc->Caption(), "Calculate");
  EXPECT_EQ(w->butcalc->TabOrder(), 0);
  EXPECT_EQ(w->edd->TabOrder(), 1);
  EXPECT_EQ(w->edfov->TabOrder(), 2);
}

TEST_F(MeasureWindowTest, FieldsFirstReadTheirStoredValuesWithinTheirRanges) {
  measure::TForm1* w = NewWindow();
  EXPECT_EQ(w->edd->Text(), "15.5");
  EXPECT_EQ(w->edfov->Text(), "45.5");
  EXPECT_EQ(w->Labl->Caption(), "L = 00.000");
  EXPECT_EQ(w->edd->MinValue(), 0);
  EXPECT_EQ(w->edd->MaxValue(), 10000);
  EXPECT_EQ(w->edd->ErrValue(), 10);
  EXPECT_EQ(w->edfov->MinValue(), 5);
  EXPECT_EQ(w->edfov->MaxValue(), 120);
  EXPECT_EQ(w->edfov->ErrValue(), 45);
  for (const controls::TDoubSpin* field : {w->edd, w->edfov}) {
    EXPECT_EQ(field->Increment(), 0.5);
    EXPECT_EQ(field->Precision(), 15);
    EXPECT_FALSE(field->AlwaysSeparator());
  }
}

TEST_F(MeasureWindowTest, CreationRestoresTheSavedTextsAsSaved) {
  file.Write(SavedLines("20", "1e3x"));
  measure::TForm1* w = NewWindow();
  EXPECT_EQ(w->edd->Text(), "20");
  EXPECT_EQ(w->edfov->Text(), "1e3x") << "shown as stored, not clamped";
}

TEST_F(MeasureWindowTest, DestructionWritesTheFourLinesOnFirstUseAndLeavesAnUnchangedFile) {
  NewWindow()->Free();
  EXPECT_EQ(file.Contents(), SavedLines("15.5", "45.5"));

  // The same content written with other line breaks is left as it is.
  file.Write("1001->15.5\n1002->45.5\n9990->0\n9991->\n");
  NewWindow()->Free();
  EXPECT_EQ(file.Contents(), "1001->15.5\n1002->45.5\n9990->0\n9991->\n");

  measure::TForm1* w = NewWindow();
  w->edd->SetText("33");
  w->Free();
  EXPECT_EQ(file.Contents(), SavedLines("33", "45.5"));
}

TEST_F(MeasureWindowTest, CalculateWritesTheResultIntoTheLabel) {
  measure_test::ErrorBoxes boxes;
  host.points = {{100, 300}, {200, 300}};
  measure::TForm1* w = NewWindow();
  w->butcalc->Click();
  EXPECT_EQ(w->Labl->Caption(), "L = 1.2999");
  EXPECT_TRUE(boxes.Messages().empty());

  // The typed field of view 150 is read as 120; the text stays as typed.
  w->edfov->SetText("150");
  w->butcalc->Click();
  EXPECT_EQ(w->Labl->Caption(), "L = 5.3694");
  EXPECT_EQ(w->edfov->Text(), "150");
}

TEST_F(MeasureWindowTest, AFailedCalculationShowsItsMessageAndKeepsTheResult) {
  measure_test::ErrorBoxes boxes;
  host.points = {{100, 300}, {200, 300}};
  measure::TForm1* w = NewWindow();
  w->butcalc->Click();
  host.points.push_back({5, 5});
  w->butcalc->Click();
  host.points.pop_back();
  host.failingPoint = 1;
  w->butcalc->Click();
  host.image = 0;
  w->butcalc->Click();
  EXPECT_EQ(boxes.Messages(), (std::vector<std::string>{"Select two points over the image",
                                                        "Please select two points over the image",
                                                        "No images opened inside Velicore"}));
  EXPECT_EQ(w->Labl->Caption(), "L = 1.2999");
}

}  // namespace
