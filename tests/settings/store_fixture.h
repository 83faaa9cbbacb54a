#pragma once
// A window stand-in for the store's tests: a container component with a name, the store it owns,
// and helpers that add tagged controls of every kind, in order.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/component.h"
#include "framework/custom_edit.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "settings/autosave.h"
#include "temp_folder.h"

namespace settings_test {

// Shifts a plain name key the way name-keyed lines store it: byte + 20 + (position mod 4),
// positions counted from 1.
inline std::string ShiftKey(const std::string& plain) {
  std::string stored = plain;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    stored[i] = static_cast<char>(static_cast<unsigned char>(stored[i]) + 20 + (i + 1) % 4);
  }
  return stored;
}

class Window {
 public:
  explicit Window(std::string name = "Form1", std::int32_t storeTag = 1000) : form_(nullptr) {
    form_.SetName(std::move(name));
    store_ = new settings::TAutoSave(&form_);
    store_->SetName("asave");
    store_->SetTag(storeTag);
  }

  fw::TComponent& form() { return form_; }
  settings::TAutoSave& store() { return *store_; }

  template <class T>
  T* Add(std::int32_t tag, std::string name = {}) {
    auto* component = new T(&form_);
    component->SetTag(tag);
    component->SetName(std::move(name));
    return component;
  }
  fw::TCustomEdit* Edit(std::int32_t tag, const std::string& text, std::string name = {}) {
    auto* edit = Add<fw::TCustomEdit>(tag, std::move(name));
    edit->SetText(text);
    return edit;
  }
  fw::TCheckBox* CheckBox(std::int32_t tag, bool checked, std::string name = {}) {
    auto* box = Add<fw::TCheckBox>(tag, std::move(name));
    box->SetChecked(checked);
    return box;
  }
  template <class T>
  T* List(std::int32_t tag, std::int32_t index) {
    auto* list = Add<T>(tag);
    list->SetItems({"zero", "one", "two"});
    list->SetItemIndex(index);
    return list;
  }

 private:
  fw::TComponent form_;
  settings::TAutoSave* store_;
};

}  // namespace settings_test
