#include "host/script.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "host/bitmap.h"
#include "host/main_window.h"
#include "host/plugin_window.h"
#include "host/report.h"
#include "host/screen_capture.h"
#include "host/session.h"

namespace host {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

// What follows the first `count` words of the line, without the blank after them.
std::string Rest(const std::string& line, std::size_t count) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    at = line.find_first_not_of(" \t", at);
    at = line.find_first_of(" \t", at);
    if (at == std::string::npos) {
      return {};
    }
  }
  return line.substr(at + 1);
}

bool ReadInt(const std::string& text, std::int32_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool ReadPoint(const std::string& text, Point& point) {
  const std::size_t comma = text.find(',');
  return comma != std::string::npos && ReadInt(text.substr(0, comma), point.x) &&
         ReadInt(text.substr(comma + 1), point.y);
}

class Runner {
 public:
  Runner(const std::string& pluginPath, Scene& scene, std::ostream& out)
      : out_(out),
        session_(
            pluginPath, scene,
            [this](const ErrorBox& box) { ReportBox(out_, box, session_.MainWindowHandle()); },
            &out) {}

  // False after a command that failed (it has said why).
  bool Run(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0][0] == '#') {
      return true;
    }
    const std::string& command = words[0];
    out_ << "> " << line.substr(line.find_first_not_of(" \t")) << '\n';
    const bool ok = Dispatch(command, words, line);
    out_.flush();
    return ok;
  }

 private:
  bool Fail(const std::string& why) {
    out_ << "error: " << why << '\n';
    return false;
  }

  bool NeedLibrary() { return session_.Loaded() || Fail("the plug-in is not loaded"); }

  bool NeedWindow(PluginWindow& window) {
    window = PluginWindow::Find();
    return window.Exists() || Fail("the plug-in has no window");
  }

  bool Dispatch(const std::string& command, const std::vector<std::string>& words,
                const std::string& line) {
    Scene& scene = session_.CurrentScene();
    PluginWindow window = PluginWindow::Find();
    if (command == "load") {
      if (!session_.Load()) {
        return Fail(session_.Error());
      }
      out_ << "plug-in loaded\n";
    } else if (command == "unload") {
      session_.Unload();
      out_ << "plug-in unloaded\n";
    } else if (command == "initialize") {
      if (!NeedLibrary()) return false;
      const std::int32_t result = session_.Initialize();
      out_ << "plugin name: " << session_.Name() << '\n'
           << "plugin description: " << session_.Description() << '\n'
           << "pi_initialize returned " << result << '\n';
    } else if (command == "activate") {
      if (!NeedLibrary()) return false;
      session_.Activate();
    } else if (command == "finalize") {
      if (!NeedLibrary()) return false;
      session_.Finalize();
    } else if (command == "pump") {
      session_.Pump();
    } else if (command == "wait") {
      std::int32_t ms = 0;
      if (words.size() != 2 || !ReadInt(words[1], ms) || ms < 0)
        return Fail("wait needs milliseconds");
      PumpMessagesFor(static_cast<unsigned>(ms));
    } else if (command == "type") {
      if (words.size() < 2 || (words[1] != "distance" && words[1] != "fov")) {
        return Fail("type needs distance or fov");
      }
      if (!NeedWindow(window)) return false;
      PluginWindow::Type(
          words[1] == "distance" ? window.DistanceField() : window.FieldOfViewField(),
          Rest(line, 2));
    } else if (command == "click") {
      if (!NeedWindow(window)) return false;
      window.ClickCalculate();
      ReportResult(out_);
    } else if (command == "tab") {
      HWND focus = GetFocus();
      SendMessageA(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
      SendMessageA(GetFocus(), WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
      HWND now = GetFocus();
      out_ << "focus: " << (now != nullptr ? ClassNameOf(now) : "none") << '\n';
    } else if (command == "close") {
      if (!NeedWindow(window)) return false;
      window.Close();
    } else if (command == "show") {
      ReportWindow(out_);
    } else if (command == "result") {
      ReportResult(out_);
    } else if (command == "layout") {
      ReportLayout(out_);
    } else if (command == "settings") {
      ReportSettings(out_);
    } else if (command == "screenshot") {
      if (words.size() < 2) return Fail("screenshot needs a file");
      if (!NeedWindow(window)) return false;
      PaintNow(window.Handle());
      const std::string path = Rest(line, 1);
      if (!WriteBmp(path, CaptureScreen(window.WindowRect()))) return Fail("cannot write " + path);
      out_ << "screenshot saved: " << path << '\n';
    } else if (command == "points") {
      scene.points.clear();
      for (std::size_t i = 1; i < words.size(); ++i) {
        Point point;
        if (!ReadPoint(words[i], point)) return Fail("points needs X,Y pairs, not " + words[i]);
        scene.points.push_back(point);
      }
    } else if (command == "image" || command == "no-image") {
      scene.imageOpen = command == "image";
    } else if (command == "width") {
      if (words.size() != 2 || !ReadInt(words[1], scene.width)) return Fail("width needs a number");
    } else if (command == "fail-point") {
      std::int32_t index = 0;
      if (words.size() != 2 || !ReadInt(words[1], index)) return Fail("fail-point needs an index");
      scene.failingPoint = index;
    } else if (command == "deliver-all") {
      scene.failingPoint.reset();
    } else if (command == "exit") {
      // Ends the process at once, as a host that quits without unloading the plug-in does.
      out_.flush();
      ExitProcess(0);
    } else if (command == "echo") {
      out_ << Rest(line, 1) << '\n';
    } else {
      return Fail("unknown command " + command);
    }
    return true;
  }

  std::ostream& out_;
  Session session_;
};

}  // namespace

std::vector<std::string> DefaultScript(const std::string& screenshotPath) {
  std::vector<std::string> lines = {
      "load", "initialize", "activate", "show", "type distance 15.5", "type fov 45.5", "click",
  };
  if (!screenshotPath.empty()) {
    lines.push_back("screenshot " + screenshotPath);
  }
  const std::vector<std::string> rest = {
      "close", "show", "activate", "show", "finalize", "pump", "show", "unload", "settings",
  };
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

int RunScript(const std::vector<std::string>& lines, const std::string& pluginPath, Scene& scene,
              std::ostream& out) {
  Runner runner(pluginPath, scene, out);
  for (const std::string& line : lines) {
    if (!runner.Run(line)) {
      return 1;
    }
  }
  return 0;
}

bool ReadScript(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path);
  if (!in) {
    return false;
  }
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return true;
}

}  // namespace host
