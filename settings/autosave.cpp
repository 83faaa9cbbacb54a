#include "settings/autosave.h"

#include <algorithm>
#include <vector>

#include "controls/number_text.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/custom_edit.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "platform/files.h"
#include "settings/settings_lines.h"
#include "settings/settings_path.h"

namespace settings {
namespace {

// What a control holds when it is of none of the saved kinds; such a control gets no line.
constexpr std::string_view NoDataMarker = "%NoDaTa%";
constexpr std::int32_t IntegerSlotTag = 9990;
constexpr std::int32_t TextSlotTag = 9991;
constexpr std::int32_t TagWindowSize = 99;
// The most characters the system lets a user type into an edit that sets no limit of its own.
constexpr std::size_t LongestTypedText = 32767;

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

bool IsKeyCharacter(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '?' || c == '_';
}

// The value a component saves, by kind (in the order of the kinds); the marker for any other.
std::string SavedValue(fw::TComponent& component) {
  if (auto* edit = component.As<fw::TCustomEdit>()) {
    return edit->Text();
  }
  if (auto* check = component.As<fw::TCheckBox>()) {
    return check->Checked() ? "1" : "0";
  }
  if (auto* radio = component.As<fw::TRadioButton>()) {
    return radio->Checked() ? "1" : "0";
  }
  if (auto* list = component.As<fw::TCustomListBox>()) {
    return controls::IntegerText(list->ItemIndex());
  }
  if (auto* combo = component.As<fw::TCustomComboBox>()) {
    return controls::IntegerText(combo->ItemIndex());
  }
  if (auto* group = component.As<fw::TRadioGroup>()) {
    return controls::IntegerText(group->ItemIndex());
  }
  return std::string(NoDataMarker);
}

// Whether `value` is a text the edit could have been given by typing: no longer than the
// system's typing limit, or the edit's own limit where that is larger. A longer value is no
// text a user entered; it is refused, since a system edit may take time growing with the
// square of its text's length (Wine's does: a megabyte would keep the window from opening for
// many minutes).
bool FitsEdit(std::string_view value, const fw::TCustomEdit& edit) {
  return value.size() <= std::max(LongestTypedText, static_cast<std::size_t>(edit.MaxLength()));
}

// The non-text kinds take a value as the integer N.
void ApplyInteger(fw::TComponent& component, std::int32_t n) {
  if (auto* check = component.As<fw::TCheckBox>()) {
    check->SetChecked(n != 0);
  } else if (auto* radio = component.As<fw::TRadioButton>()) {
    radio->SetChecked(n != 0);
  } else if (auto* list = component.As<fw::TCustomListBox>()) {
    list->SetItemIndex(n);
  } else if (auto* combo = component.As<fw::TCustomComboBox>()) {
    combo->SetItemIndex(n);
  } else if (auto* group = component.As<fw::TRadioGroup>()) {
    group->SetItemIndex(n);
  }
}

}  // namespace

DecodedNameKey DecodeNameKey(std::string_view line) {
  const std::size_t percent = line.find('%');
  // The key needs at least three characters in front of the "%".
  if (percent == std::string_view::npos || percent < 3) {
    return {};
  }
  std::string key(line.substr(0, percent));
  for (std::size_t index = 0; index < key.size(); ++index) {
    const std::size_t position = index + 1;
    const auto plain = static_cast<unsigned char>(static_cast<unsigned char>(key[index]) - 20u -
                                                  static_cast<unsigned>(position % 4));
    if (!IsKeyCharacter(plain)) {
      return {};
    }
    key[index] = static_cast<char>(plain);
  }
  const std::size_t question = key.find('?');
  if (question == std::string::npos || question + 1 == key.size()) {
    return {};
  }
  return {true, key.substr(0, question), key.substr(question + 1)};
}

TAutoSave::TAutoSave(fw::TComponent* owner) : fw::TComponent(owner) {}

void TAutoSave::LoadSettings(std::string_view fileName, fw::TComponent& container) noexcept {
  try {
    const std::string path = SettingsPath(fileName);
    if (!platform::FileExists(path)) {
      return;
    }
    LoadFromFile(path, container);
  } catch (...) {
    // Errors of the settings file are never reported.
  }
}

void TAutoSave::SaveSettings(std::string_view fileName, fw::TComponent& container) noexcept {
  try {
    SaveToFile(SettingsPath(fileName), container);
  } catch (...) {
    // Errors of the settings file are never reported; a failed write leaves the file as it was.
  }
}

void TAutoSave::LoadFromFile(const std::string& path, fw::TComponent& container) {
  // The whole file is read before the first line is applied.
  const std::vector<std::string> lines = SplitLines(platform::ReadWholeFile(path));
  for (const std::string& line : lines) {
    if (line.size() < 6) {
      continue;
    }
    if (line.find("->") == 4) {
      const std::int32_t tag = controls::IntegerOrDefault(std::string_view(line).substr(0, 4), -1);
      if (tag < 0) {
        continue;  // not a tag, and not tried as a name-keyed line either
      }
      const std::string_view value = std::string_view(line).substr(6);
      if (tag == IntegerSlotTag) {
        tagInteger_ = controls::IntegerOrDefault(value, 0);
      } else if (tag == TextSlotTag) {
        tagString_ = std::string(value);
      } else {
        ApplyValue(value, {}, tag, container);
      }
      continue;
    }
    const std::size_t percent = line.find('%');
    if (percent == std::string::npos || percent == 0) {
      continue;
    }
    const DecodedNameKey key = DecodeNameKey(line);
    if (!key.ok || key.FormPart != AsciiUpper(container.Name())) {
      continue;
    }
    ApplyValue(std::string_view(line).substr(percent + 1), key.ComponentPart, NameKeyedTag,
               container);
  }
}

void TAutoSave::SaveToFile(const std::string& path, fw::TComponent& container) {
  const int count = container.ComponentCount();
  if (count == 0) {
    return;
  }
  std::vector<std::string> lines;
  for (int index = 0; index < count; ++index) {
    fw::TComponent& component = *container.Components(index);
    // In 64 bits, so that tags at the ends of the range do not wrap into the window.
    const std::int64_t offset = std::int64_t{component.Tag()} - std::int64_t{Tag()};
    if (offset < 1 || offset > TagWindowSize) {
      continue;
    }
    const std::string value = SavedValue(component);
    if (value != NoDataMarker) {
      lines.push_back(controls::FormatText("%.4d->%s", {component.Tag(), std::string_view(value)}));
    }
  }
  lines.push_back("9990->" + controls::IntegerText(tagInteger_));
  lines.push_back("9991->" + tagString_);

  // Compared line by line: a file with the same lines under other line breaks is left alone.
  std::string old;
  try {
    if (platform::FileExists(path)) {
      old = JoinLines(SplitLines(platform::ReadWholeFile(path)));
    }
  } catch (...) {
    old.clear();  // unreadable counts as empty, so a write is attempted
  }
  const std::string text = JoinLines(lines);
  if (text != old) {
    platform::WriteWholeFile(path, text);
  }
}

void TAutoSave::ApplyValue(std::string_view value, std::string_view componentName,
                           std::int32_t tag, fw::TComponent& container) {
  const int count = container.ComponentCount();
  for (int index = 0; index < count; ++index) {
    fw::TComponent& component = *container.Components(index);
    if (component.Tag() != tag) {
      continue;
    }
    if (tag == NameKeyedTag && AsciiUpper(component.Name()) != componentName) {
      continue;
    }
    // An empty value reaches only the first matching component; the kinds do not overlap, so
    // an edit takes nothing further.
    if (auto* edit = component.As<fw::TCustomEdit>()) {
      if (FitsEdit(value, *edit)) {
        edit->SetText(std::string(value));
      }
      if (value.empty()) {
        return;
      }
      continue;
    }
    if (value.empty()) {
      return;
    }
    ApplyInteger(component, controls::IntegerOrDefault(value, 0));
  }
}

}  // namespace settings
