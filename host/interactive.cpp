#include "host/interactive.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "host/bitmap.h"
#include "host/host_service.h"
#include "host/main_window.h"
#include "host/plugin_library.h"

namespace host {
namespace {

constexpr char kClassName[] = "MeasureHostImageWindow";
constexpr UINT kMeasureCommand = 101;
constexpr UINT kClearCommand = 102;
constexpr UINT kExitCommand = 103;

// What the window procedure works on.
struct Viewer {
  Image image;
  Scene* scene = nullptr;
  const PluginLibrary* library = nullptr;
  std::ostream* out = nullptr;
};

Viewer* viewer = nullptr;

void UpdateTitle(HWND window) {
  const std::size_t count = viewer->scene->points.size();
  const std::string title = "Measure host - " + std::to_string(viewer->image.width) + " x " +
                            std::to_string(viewer->image.height) + ", " + std::to_string(count) +
                            (count == 1 ? " point" : " points") + " marked";
  SetWindowTextA(window, title.c_str());
}

void PaintImage(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const Image& image = viewer->image;
  // The rows are stored top-down without padding; a DIB wants rows padded to four bytes.
  const std::size_t rowBytes = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
  std::string padded(rowBytes * static_cast<std::size_t>(image.height), '\0');
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(
        image.bgr.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) *
                                                        static_cast<std::size_t>(image.width) * 3),
        static_cast<std::size_t>(image.width) * 3,
        padded.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * rowBytes));
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.width), static_cast<DWORD>(image.height), 0,
                    0, 0, static_cast<UINT>(image.height), padded.data(), &info, DIB_RGB_COLORS);

  HPEN pen = CreatePen(PS_SOLID, 2, RGB(220, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const auto& points = viewer->scene->points;
  for (const Point& p : points) {
    MoveToEx(dc, p.x - 6, p.y, nullptr);
    LineTo(dc, p.x + 7, p.y);
    MoveToEx(dc, p.x, p.y - 6, nullptr);
    LineTo(dc, p.x, p.y + 7);
  }
  if (points.size() == 2) {
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    LineTo(dc, points[1].x, points[1].y);
  }
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  EndPaint(window, &paint);
}

LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintImage(window);
      return 0;
    case WM_LBUTTONDOWN: {
      const int x = static_cast<short>(LOWORD(lParam));
      const int y = static_cast<short>(HIWORD(lParam));
      if (x < viewer->image.width && y < viewer->image.height) {
        viewer->scene->points.push_back(Point{x, y});
        *viewer->out << "host: point marked at (" << x << ", " << y << ")\n" << std::flush;
        UpdateTitle(window);
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    }
    case WM_RBUTTONDOWN:
      SendMessageA(window, WM_COMMAND, kClearCommand, 0);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kMeasureCommand:
          viewer->library->Activate();
          return 0;
        case kClearCommand:
          viewer->scene->points.clear();
          *viewer->out << "host: points cleared\n" << std::flush;
          UpdateTitle(window);
          InvalidateRect(window, nullptr, FALSE);
          return 0;
        case kExitCommand:
          SendMessageA(window, WM_CLOSE, 0, 0);
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      // The host is done with the plug-in: finalise it and let the loop release its window
      // before the main window (its owner) goes.
      viewer->library->Finalize();
      DispatchPendingMessages();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HMENU MakeMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kExitCommand, "E&xit");
  HMENU points = CreatePopupMenu();
  AppendMenuA(points, MF_STRING, kClearCommand, "&Clear points");
  HMENU plugin = CreatePopupMenu();
  AppendMenuA(plugin, MF_STRING, kMeasureCommand, "&Measure...");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(points), "&Points");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugin), "Plug-&in");
  return bar;
}

}  // namespace

int RunInteractive(const Options& options, std::ostream& out) {
  Viewer state;
  if (options.imagePath.empty()) {
    state.image = TestChart(options.scene.width > 0 ? options.scene.width : 1000,
                            options.scene.height > 0 ? options.scene.height : 750);
  } else if (std::optional<Image> image = ReadBmp(options.imagePath)) {
    state.image = std::move(*image);
  } else {
    out << "error: " << options.imagePath << " is not a 24-bit BMP file\n";
    return 1;
  }
  Scene scene = options.scene;
  scene.width = state.image.width;
  scene.height = state.image.height;
  scene.points.clear();
  state.scene = &scene;
  state.out = &out;

  const PluginLibrary library(options.pluginPath);
  if (!library.Loaded()) {
    out << "error: " << library.Error() << '\n';
    return 1;
  }
  state.library = &library;
  viewer = &state;
  ServeScene(&scene, &out);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ImageWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  RECT frame{0, 0, std::min(state.image.width, GetSystemMetrics(SM_CXSCREEN) - 40),
             std::min(state.image.height, GetSystemMetrics(SM_CYSCREEN) - 80)};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
  HWND window = CreateWindowExA(0, kClassName, "Measure host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, MakeMenu(), GetModuleHandleA(nullptr), nullptr);
  UpdateTitle(window);
  ShowWindow(window, SW_SHOW);

  char name[256] = {};
  char description[256] = {};
  library.Initialize(&HostService, name, description, window);
  out << "plugin name: " << name << '\n'
      << "plugin description: " << description << '\n'
      << "Mark two points with the left mouse button (the right one clears them), then choose\n"
      << "Plug-in > Measure... Close the window to end.\n"
      << std::flush;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  ServeScene(nullptr, nullptr);
  viewer = nullptr;
  return 0;
}

}  // namespace host
