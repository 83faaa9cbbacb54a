#pragma once
// The measure window: a small tool window that stays on top, with the distance and field-of-view
// fields, the Calculate button and the result label. Its two fields are restored from
// "measure.ini" when the window is created and saved to it when the window is destroyed.

#include "controls/spindoub.h"
#include "framework/bevel.h"
#include "framework/button.h"
#include "framework/form.h"
#include "framework/label.h"
#include "plugin/host_service.h"
#include "settings/autosave.h"

namespace measure {

class TForm1 : public fw::TForm {
 public:
  // Builds the window's controls from its stored description and runs FormCreate. The window is
  // not yet visible; Show shows it.
  explicit TForm1(fw::TComponent* owner);

  // The components, in declaration order (they are created in another order: see the .cpp).
  fw::TBitBtn* butcalc = nullptr;
  controls::TDoubSpin* edd = nullptr;
  fw::TLabel* Label1 = nullptr;
  controls::TDoubSpin* edfov = nullptr;
  fw::TLabel* Label2 = nullptr;
  fw::TBevel* Bevel1 = nullptr;
  fw::TLabel* Labl = nullptr;
  settings::TAutoSave* asave = nullptr;

  // The Calculate action: measures the host's marked points and shows L in Labl.
  void butcalcClick(fw::TObject* sender);
  // Restores the fields from "measure.ini".
  void FormCreate(fw::TObject* sender);
  // Saves the fields to "measure.ini".
  void FormDestroy(fw::TObject* sender);

  // What the Calculate action talks to: the library's host service function unless set
  // otherwise (null goes back to it).
  void SetHostLink(plugin::HostLink* link) { hostLink_ = link; }

 private:
  plugin::HostLink& Host();

  plugin::ServiceLink serviceLink_;
  plugin::HostLink* hostLink_ = nullptr;
};

}  // namespace measure
