// TAutoSave::LoadFromFile over arbitrary file bytes, into a window stand-in that holds every kind
// of component the store tells apart (text edit and decimal spin edit, check box, radio buttons
// sharing a parent, list box, combo box, radio group), with tags inside and outside the store's
// tag window, duplicate tags, and components reachable by name-keyed lines.
//
// Properties: loading never crashes, hangs or throws; afterwards every component and the store's
// two slots hold what an independent model of the load rules gives for the file; the following
// SaveToFile leaves the file alone when its lines already are the store's lines and otherwise
// writes exactly the store's lines (CR LF after each), and leaves no other file behind; a second
// save changes nothing.

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/spindoub.h"
#include "framework/check_box.h"
#include "framework/combo_box.h"
#include "framework/component.h"
#include "framework/control.h"
#include "framework/custom_edit.h"
#include "framework/list_box.h"
#include "framework/radio_button.h"
#include "framework/radio_group.h"
#include "fuzz_check.h"
#include "reference_number_text.h"
#include "reference_settings.h"
#include "settings/autosave.h"

namespace {

constexpr std::int32_t kStoreTag = 1000;
constexpr std::int32_t kNameKeyedTag = 12345;

// ---------------------------------------------------------------------------------------------
// The window stand-in.

class Window {
 public:
  Window() : form_(nullptr) {
    form_.SetName("Form1");
    store_ = new settings::TAutoSave(&form_);
    store_->SetName("asave");
    store_->SetTag(kStoreTag);
    store_->SetTagString("slot text");
    store_->SetTagInteger(7);

    Edit(1001, "15.5");
    auto* spin = new controls::TDoubSpin(&form_);
    spin->SetTag(1002);
    spin->SetText("45.5");
    Add<fw::TCheckBox>(1003)->SetChecked(true);
    auto* panel = Add<fw::TWinControl>(0);
    auto* first = Add<fw::TRadioButton>(1004);
    auto* second = Add<fw::TRadioButton>(1005);
    first->SetParent(panel);
    second->SetParent(panel);
    second->SetChecked(true);
    Add<fw::TRadioButton>(1006);  // alone, without a parent
    List<fw::TListBox>(1007, 1);
    List<fw::TComboBox>(1008, -1);
    List<fw::TRadioGroup>(1009, 2);
    Add<fw::TComponent>(1010);  // of no kind
    Edit(1001, "second 1001");  // same tag as the first edit
    Add<fw::TCheckBox>(1001);
    Edit(1099, "%NoDaTa%");     // gets no line
    Edit(1100, "outside");      // one above the window
    Edit(7, "far below");
    Edit(-5, "negative");
    Edit(9990, "slot tag");
    Edit(kNameKeyedTag, "keyed", "edKey");
    Add<fw::TCheckBox>(kNameKeyedTag, "cbKey");
    List<fw::TListBox>(kNameKeyedTag, 0, "lbKey");
    Edit(kNameKeyedTag, "other", "edOther");
  }

  fw::TComponent& form() { return form_; }
  settings::TAutoSave& store() { return *store_; }

 private:
  template <class T>
  T* Add(std::int32_t tag, std::string name = {}) {
    auto* component = new T(&form_);
    component->SetTag(tag);
    component->SetName(std::move(name));
    return component;
  }
  void Edit(std::int32_t tag, const std::string& text, std::string name = {}) {
    Add<fw::TCustomEdit>(tag, std::move(name))->SetText(text);
  }
  template <class T>
  void List(std::int32_t tag, std::int32_t index, std::string name = {}) {
    auto* list = Add<T>(tag, std::move(name));
    list->SetItems({"zero", "one", "two"});
    list->SetItemIndex(index);
  }

  fw::TComponent form_;
  settings::TAutoSave* store_;
};

// ---------------------------------------------------------------------------------------------
// The model: each component's kind, tag, upper-cased name and value, and the load rules.

enum class Kind { kNone, kEdit, kCheckBox, kRadioButton, kListBox, kComboBox, kRadioGroup };

struct Modelled {
  Kind kind = Kind::kNone;
  std::int32_t tag = 0;
  std::string name;
  std::string text;
  std::size_t longestText = 0;  // what an edit takes: as much as a user could type into it
  bool checked = false;
  std::int32_t index = -1;
  int items = 0;
  const fw::TWinControl* parent = nullptr;
};

Modelled Observe(fw::TComponent& component) {
  Modelled m;
  m.tag = component.Tag();
  m.name = fuzzing::Upper(component.Name());
  if (auto* edit = component.As<fw::TCustomEdit>()) {
    m.kind = Kind::kEdit;
    m.text = edit->Text();
    m.longestText = std::max<std::size_t>(32767, static_cast<std::size_t>(edit->MaxLength()));
  } else if (auto* box = component.As<fw::TCheckBox>()) {
    m.kind = Kind::kCheckBox;
    m.checked = box->Checked();
  } else if (auto* radio = component.As<fw::TRadioButton>()) {
    m.kind = Kind::kRadioButton;
    m.checked = radio->Checked();
    m.parent = radio->Parent();
  } else if (auto* list = component.As<fw::TCustomListBox>()) {
    m.kind = Kind::kListBox;
    m.index = list->ItemIndex();
    m.items = list->ItemCount();
  } else if (auto* combo = component.As<fw::TCustomComboBox>()) {
    m.kind = Kind::kComboBox;
    m.index = combo->ItemIndex();
    m.items = combo->ItemCount();
  } else if (auto* group = component.As<fw::TRadioGroup>()) {
    m.kind = Kind::kRadioGroup;
    m.index = group->ItemIndex();
    m.items = group->ItemCount();
  }
  return m;
}

struct Model {
  std::vector<Modelled> components;
  std::int32_t tagInteger = 0;
  std::string tagString;
  std::string formName;

  static Model Of(Window& window) {
    Model model;
    fw::TComponent& form = window.form();
    for (int i = 0; i < form.ComponentCount(); ++i) {
      model.components.push_back(Observe(*form.Components(i)));
    }
    model.tagInteger = window.store().TagInteger();
    model.tagString = window.store().TagString();
    model.formName = fuzzing::Upper(form.Name());
    return model;
  }

  void Apply(const std::string& value, const std::string& componentName, std::int32_t tag) {
    for (Modelled& m : components) {
      if (m.tag != tag || (tag == kNameKeyedTag && m.name != componentName)) {
        continue;
      }
      if (m.kind == Kind::kEdit) {
        if (value.size() <= m.longestText) m.text = value;
        if (value.empty()) return;
        continue;
      }
      if (value.empty()) return;
      const std::int32_t n = fuzzing::ReferenceInteger(value).value_or(0);
      switch (m.kind) {
        case Kind::kCheckBox:
          m.checked = n != 0;
          break;
        case Kind::kRadioButton:
          m.checked = n != 0;
          if (m.checked && m.parent != nullptr) {
            for (Modelled& sibling : components) {
              if (&sibling != &m && sibling.kind == Kind::kRadioButton &&
                  sibling.parent == m.parent) {
                sibling.checked = false;
              }
            }
          }
          break;
        case Kind::kListBox:
        case Kind::kComboBox:
        case Kind::kRadioGroup:
          m.index = n >= 0 && n < m.items ? n : -1;
          break;
        default:
          break;
      }
    }
  }

  void Load(std::string_view data) {
    for (const std::string& line : fuzzing::ReferenceLines(data)) {
      if (line.size() < 6) continue;
      if (line.find("->") == 4) {
        const std::int32_t tag = fuzzing::ReferenceInteger(line.substr(0, 4)).value_or(-1);
        if (tag < 0) continue;
        const std::string value = line.substr(6);
        if (tag == 9990) {
          tagInteger = fuzzing::ReferenceInteger(value).value_or(0);
        } else if (tag == 9991) {
          tagString = value;
        } else {
          Apply(value, "", tag);
        }
        continue;
      }
      const std::size_t percent = line.find('%');
      if (percent == std::string::npos || percent == 0) continue;
      const std::optional<fuzzing::NameKey> key = fuzzing::ReferenceNameKey(line);
      if (!key || key->form != formName) continue;
      Apply(line.substr(percent + 1), key->component, kNameKeyedTag);
    }
  }

  // The lines the store writes for this state.
  std::vector<std::string> SavedLines() const {
    std::vector<std::string> lines;
    for (const Modelled& m : components) {
      const std::int64_t offset = std::int64_t{m.tag} - kStoreTag;
      if (offset < 1 || offset > 99) continue;
      std::string value;
      switch (m.kind) {
        case Kind::kEdit: value = m.text; break;
        case Kind::kCheckBox:
        case Kind::kRadioButton: value = m.checked ? "1" : "0"; break;
        case Kind::kListBox:
        case Kind::kComboBox:
        case Kind::kRadioGroup: value = std::to_string(m.index); break;
        case Kind::kNone: value = "%NoDaTa%"; break;
      }
      if (value == "%NoDaTa%") continue;
      char tag[16];
      std::snprintf(tag, sizeof tag, "%.4d", static_cast<int>(m.tag));
      lines.push_back(tag + ("->" + value));
    }
    lines.push_back("9990->" + std::to_string(tagInteger));
    lines.push_back("9991->" + tagString);
    return lines;
  }
};

std::string Describe(const Modelled& m) {
  return "tag " + std::to_string(m.tag) + " name \"" + m.name + "\" text \"" +
         fuzzing::Escaped(m.text) + "\" checked " + std::to_string(m.checked) + " index " +
         std::to_string(m.index);
}

// ---------------------------------------------------------------------------------------------
// Files: one private folder for the run, preferably in memory.

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern;
    if (::access("/dev/shm", W_OK) == 0) {
      pattern = "/dev/shm/measure-fuzz-XXXXXX";
    } else {
      const char* tmp = std::getenv("TMPDIR");
      pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/measure-fuzz-XXXXXX";
    }
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    std::atexit([] { ::rmdir(Folder().c_str()); });
    return pattern;
  }();
  return folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::perror("writing the settings file");
    std::abort();
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries() {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(Folder().c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = Folder() + "/measure.ini";
  WriteFile(path, bytes);

  Window window;
  Model model = Model::Of(window);
  try {
    window.store().LoadFromFile(path, window.form());
  } catch (const std::exception& error) {
    fuzzing::Fail("LoadFromFile threw", bytes, error.what(), "no error");
  }
  model.Load(bytes);

  const Model loaded = Model::Of(window);
  for (std::size_t i = 0; i < model.components.size(); ++i) {
    const std::string got = Describe(loaded.components[i]);
    const std::string want = Describe(model.components[i]);
    fuzzing::Check(got == want, "a component does not hold what the file's lines give", bytes,
                   got, want);
  }
  fuzzing::Check(loaded.tagInteger == model.tagInteger, "TagInteger is not the file's", bytes,
                 std::to_string(loaded.tagInteger), std::to_string(model.tagInteger));
  fuzzing::Check(loaded.tagString == model.tagString, "TagString is not the file's", bytes,
                 loaded.tagString, model.tagString);

  const std::string lines = fuzzing::CrLfJoined(model.SavedLines());
  const bool unchanged = fuzzing::CrLfJoined(fuzzing::ReferenceLines(bytes)) == lines;
  for (int save = 1; save <= 2; ++save) {
    try {
      window.store().SaveToFile(path, window.form());
    } catch (const std::exception& error) {
      fuzzing::Fail("SaveToFile threw", bytes, error.what(), "no error");
    }
    const std::string written = ReadFile(path);
    const std::string& want = unchanged ? std::string(bytes) : lines;
    fuzzing::Check(written == want,
                   unchanged ? "a file that holds the store's lines was rewritten"
                             : "the saved file does not hold exactly the store's lines",
                   bytes, written, want);
    const std::vector<std::string> entries = FolderEntries();
    fuzzing::Check(entries.size() == 1, "saving left another file beside the settings file",
                   bytes, entries.empty() ? "" : entries.back(), "measure.ini");
  }
  ::unlink(path.c_str());
  return 0;
}
