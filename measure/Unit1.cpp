#include "measure/Unit1.h"

#include <string>

#include "controls/doub_spin_description.h"
#include "measure/measurement.h"

namespace measure {
namespace {

constexpr char kSettingsFile[] = "measure.ini";

// The window's font, which the labels and the fields take over: Tahoma 8 points.
fw::TFont WindowFont() { return fw::TFont{"Tahoma", 11}; }
// The result label's: Arial 11 points, bold, navy, ANSI character set.
fw::TFont ResultFont() { return fw::TFont{"Arial", 15, fw::fsBold, fw::clNavy, fw::kAnsiCharset}; }
// The Calculate button's: Tahoma 9 points.
fw::TFont ButtonFont() { return fw::TFont{"Tahoma", 12}; }

// A label's stored description, applied in the label's property order.
struct LabelDescription {
  const char* name;
  int left;
  int top;
  int width;
  int height;
  const char* caption;
};

fw::TLabel* MakeLabel(fw::TCustomForm& form, const LabelDescription& d) {
  auto* label = new fw::TLabel(&form);
  label->SetParent(&form);
  label->SetName(d.name);
  label->SetBounds(d.left, d.top, d.width, d.height);
  label->SetCaption(d.caption);
  return label;
}

// The two fields' stored values, in the class's property order.
controls::DoubSpinDescription DistanceField() {
  controls::DoubSpinDescription d;
  d.name = "edd";
  d.tag = 1001;
  d.left = 8;
  d.top = 20;
  d.width = 81;
  d.height = 22;
  d.increment = 0.5;
  d.precision = 15;
  d.maxValue = 10000;
  d.errValue = 10;
  d.alwaysSeparator = false;
  d.tabOrder = 1;
  d.value = 15.5;
  return d;
}

controls::DoubSpinDescription FieldOfViewField() {
  controls::DoubSpinDescription d;
  d.name = "edfov";
  d.tag = 1002;
  d.left = 100;
  d.top = 20;
  d.width = 81;
  d.height = 22;
  d.increment = 0.5;
  d.precision = 15;
  d.maxValue = 120;
  d.minValue = 5;
  d.errValue = 45;
  d.alwaysSeparator = false;
  d.tabOrder = 2;
  d.value = 45.5;
  return d;
}

controls::TDoubSpin* MakeField(fw::TCustomForm& form, const controls::DoubSpinDescription& d) {
  auto* field = new controls::TDoubSpin(&form);
  field->SetParent(&form);
  controls::ApplyDescription(*field, d);
  return field;
}

}  // namespace

TForm1::TForm1(fw::TComponent* owner) : fw::TForm(owner, "TForm1") {
  // The window.
  SetName("Form1");
  SetBounds(704, 268, Width(), Height());  // the designed place; the first showing centres it
  SetBorderStyle(fw::TFormBorderStyle::bsToolWindow);
  SetCaption("Measure plug-in");
  SetClientSize(191, 88);
  SetColor(fw::clBtnFace);
  SetFont(WindowFont());
  SetFormStyle(fw::TFormStyle::fsStayOnTop);
  SetPosition(fw::TPosition::poScreenCenter);
  OnCreate = [this](fw::TObject* sender) { FormCreate(sender); };
  OnDestroy = [this](fw::TObject* sender) { FormDestroy(sender); };

  // The components, in creation order: this is the component order the settings store walks
  // and the painting order (the result label lies over the bevel).
  Bevel1 = new fw::TBevel(this);
  Bevel1->SetParent(this);
  Bevel1->SetName("Bevel1");
  Bevel1->SetBounds(88, 52, 93, 28);
  Bevel1->SetShape(fw::TBevelShape::bsBox);
  Bevel1->SetStyle(fw::TBevelStyle::bsLowered);

  Label1 = MakeLabel(*this, {"Label1", 8, 4, 41, 13, "Distance"});
  // The degree sign is the single byte 0xB0 of the ANSI code page.
  Label2 = MakeLabel(*this, {"Label2", 100, 4, 76, 13, "Field of view (\xB0)"});
  Labl = MakeLabel(*this, {"Labl", 99, 59, 70, 18, "L = 00.000"});
  Labl->SetFont(ResultFont());

  butcalc = new fw::TBitBtn(this);
  butcalc->SetParent(this);
  butcalc->SetName("butcalc");
  butcalc->SetBounds(8, 52, 69, 29);
  butcalc->SetCaption("Calculate");
  butcalc->SetFont(ButtonFont());
  butcalc->SetTabOrder(0);
  butcalc->OnClick = [this](fw::TObject* sender) { butcalcClick(sender); };

  edd = MakeField(*this, DistanceField());
  edfov = MakeField(*this, FieldOfViewField());

  asave = new settings::TAutoSave(this);
  asave->SetName("asave");
  asave->SetTag(1000);
  asave->SetTagInteger(0);
  asave->SetTagString("");

  AfterConstruction();
}

plugin::HostLink& TForm1::Host() { return hostLink_ != nullptr ? *hostLink_ : serviceLink_; }

void TForm1::butcalcClick(fw::TObject*) {
  // The field of view is read first, then the distance; a failure leaves the result as it was.
  const std::optional<std::string> text = Calculate(
      Host(), [this] { return edfov->Value(); }, [this] { return edd->Value(); });
  if (text) {
    Labl->SetCaption(*text);
  }
}

void TForm1::FormCreate(fw::TObject*) { asave->LoadSettings(kSettingsFile, *this); }

void TForm1::FormDestroy(fw::TObject*) { asave->SaveSettings(kSettingsFile, *this); }

}  // namespace measure
