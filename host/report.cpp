#include "host/report.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/plugin_window.h"

namespace host {
namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

std::string FlagNames(std::uint32_t flags) {
  std::string names;
  auto add = [&names](const char* name) {
    if (!names.empty()) names += ", ";
    names += name;
  };
  if ((flags & 0xFu) == MB_OK) add("OK");
  if ((flags & 0xF0u) == MB_ICONERROR) add("error icon");
  if ((flags & MB_TASKMODAL) != 0) add("task-modal");
  if ((flags & MB_SYSTEMMODAL) != 0) add("system-modal");
  if ((flags & MB_TOPMOST) != 0) add("top-most");
  return names;
}

std::string OwnerName(HWND owner, HWND mainWindow) {
  if (owner == nullptr) return "none";
  if (owner == mainWindow) return "the host's main window";
  return "window \"" + AnsiToUtf8(WindowText(owner)) + "\" of class " + ClassNameOf(owner);
}

std::string Quoted(const std::string& text) { return "\"" + AnsiToUtf8(text) + "\""; }

}  // namespace

std::string AnsiToUtf8(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else if (byte >= 0xA0) {  // the code page agrees with Latin-1 here
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

void ReportWindow(std::ostream& out) {
  const PluginWindow window = PluginWindow::Find();
  if (!window.Exists()) {
    out << "window: none\n";
    return;
  }
  const RECT r = window.WindowRect();
  const SIZE client = window.ClientSize();
  out << "window: " << Quoted(window.Caption()) << ", " << (window.Visible() ? "visible" : "hidden")
      << ", at (" << r.left << ", " << r.top << "), outer " << (r.right - r.left) << " x "
      << (r.bottom - r.top) << ", client " << client.cx << " x " << client.cy << '\n';
  out << "  " << Quoted(WindowText(window.DistanceLabel()))
      << " field: " << Quoted(WindowText(window.DistanceField())) << '\n';
  out << "  " << Quoted(WindowText(window.FieldOfViewLabel()))
      << " field: " << Quoted(WindowText(window.FieldOfViewField())) << '\n';
  out << "  result: " << Quoted(WindowText(window.ResultLabel())) << '\n';
}

void ReportLayout(std::ostream& out) {
  const PluginWindow window = PluginWindow::Find();
  if (!window.Exists()) {
    out << "layout: no window\n";
    return;
  }
  for (const ChildWindow& child : window.Children()) {
    const bool direct = GetParent(child.window) == window.Handle();
    out << (direct ? "  " : "    ") << child.className << " at (" << child.rect.left << ", "
        << child.rect.top << "), " << (child.rect.right - child.rect.left) << " x "
        << (child.rect.bottom - child.rect.top);
    if (!child.text.empty()) {
      out << ", text " << Quoted(child.text);
    }
    out << '\n';
  }
}

void ReportResult(std::ostream& out) {
  const PluginWindow window = PluginWindow::Find();
  out << "result: " << (window.Exists() ? Quoted(WindowText(window.ResultLabel())) : "no window")
      << '\n';
}

void ReportBox(std::ostream& out, const ErrorBox& box, HWND mainWindow) {
  out << "message box " << Quoted(box.seen.caption) << ": " << Quoted(box.seen.text) << '\n'
      << "  owner: " << OwnerName(box.seen.owner, mainWindow)
      << (box.seen.ownerEnabled ? " (took input while the box was up)"
                                : " (disabled while the box was up)")
      << '\n';
  if (box.request) {
    out << "  flags passed: " << Hex(box.request->flags) << " (" << FlagNames(box.request->flags)
        << ")\n";
  }
}

std::string ReadFileText(const std::string& path, bool& exists) {
  std::ifstream in(path, std::ios::binary);
  exists = static_cast<bool>(in);
  if (!exists) {
    return {};
  }
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ReportSettings(std::ostream& out) {
  const std::string path = Session::SettingsPath();
  bool exists = false;
  const std::string text = ReadFileText(path, exists);
  if (!exists) {
    out << "settings file measure.ini: none\n";
    return;
  }
  out << "settings file measure.ini:\n";
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    out << "  " << AnsiToUtf8(line) << '\n';
  }
}

}  // namespace host
