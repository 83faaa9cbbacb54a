#pragma once
// TAutoSave: a non-visual component that saves the values of a window's tagged controls to a
// small line-oriented text file and restores them.
//
// A control takes part when its Tag lies 1 to 99 above the store's own Tag (the tag window);
// it is saved as the line "%.4d->%s" of its Tag and its value. Two slot lines follow, always:
// "9990->" with TagInteger and "9991->" with TagString. Reading applies a tag line to every
// control whose Tag equals the line's tag, tag window or not, and also accepts name-keyed lines
// ("<shifted key>%<value>") that address controls with Tag NameKeyedTag by window and control
// name. Values by kind: a text edit's text byte for byte, when it is no longer than a user could
// type into that edit (32767 characters, or the edit's MaxLength where that is larger); "1"/"0"
// for a check box or radio button; ItemIndex in decimal for a list box, combo box or radio group.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/component.h"

namespace settings {

// The tag that a control must carry to be reached by a name-keyed line.
inline constexpr std::int32_t NameKeyedTag = 12345;

// What DecodeNameKey gives: on failure ok is false and both parts are empty.
struct DecodedNameKey {
  bool ok = false;
  std::string FormPart;
  std::string ComponentPart;
};

// Turns back the shifted key in front of the first "%" of a name-keyed line. At key position i
// (from 1) the stored byte is the plain byte + 20 + (i mod 4), modulo 256; the plain key is
// "<FORM>?<COMPONENT>" of digits, upper-case letters, "_" and "?". Fails when there is no "%",
// the key has fewer than three characters, a decoded byte is outside that set, or the decoded key
// has no "?" or ends with its first "?". The form part may be empty; the component part is what
// follows the first "?" (further "?" included).
DecodedNameKey DecodeNameKey(std::string_view line);

class TAutoSave : public fw::TComponent {
 public:
  explicit TAutoSave(fw::TComponent* owner);

  // Free slots for the application, saved and restored with the controls.
  std::int32_t TagInteger() const { return tagInteger_; }
  void SetTagInteger(std::int32_t value) { tagInteger_ = value; }
  const std::string& TagString() const { return tagString_; }
  void SetTagString(std::string value) { tagString_ = std::move(value); }

  // Restores the container's controls from the file `fileName` in the directory of the program
  // that started the process. Nothing happens when no file is there (a directory counts as
  // none); every error is swallowed.
  void LoadSettings(std::string_view fileName, fw::TComponent& container) noexcept;
  // Saves the container's controls to that file; every error is swallowed.
  void SaveSettings(std::string_view fileName, fw::TComponent& container) noexcept;

  // Reads the whole file at `path` and applies its lines in order. Errors (the file cannot be
  // read, a control refuses a value) pass to the caller; lines applied before stay applied.
  void LoadFromFile(const std::string& path, fw::TComponent& container);
  // Writes the store's lines to `path`, unless the container owns no components (then the file
  // is neither read nor written) or the file already holds exactly these lines, whatever its
  // line breaks (then it is not opened for writing). The file is replaced through a temporary
  // file, so a failed write leaves it as it was. Errors pass to the caller.
  void SaveToFile(const std::string& path, fw::TComponent& container);

  // Applies one value to the container's components whose Tag is `tag` (for NameKeyedTag, also
  // whose upper-cased Name is `componentName`), in order. An empty value clears the first
  // matching component if it is a text edit and stops there. A text edit leaves alone a value
  // longer than a user could type into it (32767 characters, or a larger MaxLength).
  void ApplyValue(std::string_view value, std::string_view componentName, std::int32_t tag,
                  fw::TComponent& container);

 private:
  std::int32_t tagInteger_ = 0;
  std::string tagString_;
};

}  // namespace settings
