#include "framework/label.h"

#include "framework/form.h"
#include "platform/control_colours.h"
#include "platform/control_styles.h"
#include "platform/text_extent.h"
#include "platform/window_styles.h"

namespace fw {
namespace {

std::uint32_t Rgb(TColor colour) {
  if ((colour & kSystemColour) != 0) {
    return platform::SystemColourRgb(static_cast<int>(colour & 0xFFu));
  }
  return colour & 0x00FFFFFFu;
}

}  // namespace

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetCaption(const std::string& caption) { SetTextBuf(caption); }

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.className = "TLabel";
  params.baseClass = "STATIC";
  params.style |= platform::kSsLeft | platform::kSsNoPrefix;
  params.style &= ~platform::kWsTabStop;
}

void TLabel::CreateWnd() {
  TWinControl::CreateWnd();
  AdjustBounds();
}

void TLabel::WndProc(platform::Message& m) {
  if (m.msg == kCnCtlColorStatic) {
    const TColor background = Parent() != nullptr ? Parent()->Color() : Color();
    m.result = platform::PrepareControlColours(m.wParam, Rgb(Font().Color()), Rgb(background));
    return;
  }
  TWinControl::WndProc(m);
}

void TLabel::WMSetText(platform::Message& m) {
  TWinControl::WMSetText(m);
  AdjustBounds();
}

void TLabel::FontChanged() {
  TWinControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_) {
    return;
  }
  const platform::TextSize size = platform::TextExtent(Font().Description(), Caption());
  SetBounds(Left(), Top(), size.width, size.height);
}

}  // namespace fw
