// The animation side of vornal_drag_target.exe (animation_target_protocol.h).
#include "animation_target.h"

#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <climits>

#include "animation_target_protocol.h"
#include "import_slot.h"

namespace vornal::test {
namespace {

constexpr char kTitledClass[] = "VornalDragTargetTitled";
HWND g_backdrop = nullptr;
std::atomic<HWND> g_second{nullptr};
std::atomic<LONG> g_inShow{0};
DWORD g_lastShowTime = 0;

// Boxes on the screen by their bounds: a frame (GetDC to ReleaseDC of the
// screen) whose bounds are there erases that box, any other draws one.
struct Boxes {
  bool inFrame = false;
  RECT frame{};
  RECT shown[4]{};
  int count = 0;
  int played = 0;  // times the screen went from no box to one
} g_boxes;

decltype(&GetDC) g_getDC = nullptr;
decltype(&ReleaseDC) g_releaseDC = nullptr;
decltype(&PatBlt) g_patBlt = nullptr;

HDC WINAPI CountingGetDC(HWND window) {
  if (window == nullptr) {
    g_boxes.inFrame = true;
    g_boxes.frame = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  }
  return g_getDC(window);
}

BOOL WINAPI CountingPatBlt(HDC dc, int x, int y, int w, int h, DWORD rop) {
  RECT& f = g_boxes.frame;
  if (g_boxes.inFrame) f = {std::min<LONG>(f.left, x), std::min<LONG>(f.top, y),
                            std::max<LONG>(f.right, x + w), std::max<LONG>(f.bottom, y + h)};
  return g_patBlt(dc, x, y, w, h, rop);
}

int WINAPI CountingReleaseDC(HWND window, HDC dc) {
  if (window == nullptr && g_boxes.inFrame) {
    g_boxes.inFrame = false;
    int i = 0;
    while (i < g_boxes.count && !EqualRect(&g_boxes.shown[i], &g_boxes.frame)) ++i;
    if (i < g_boxes.count) {
      g_boxes.shown[i] = g_boxes.shown[--g_boxes.count];
    } else if (g_boxes.count < 4) {
      if (g_boxes.count == 0) ++g_boxes.played;
      g_boxes.shown[g_boxes.count++] = g_boxes.frame;
    }
  }
  return g_releaseDC(window, dc);
}

bool WatchLibrary() {
  const HMODULE library = GetModuleHandleA("VornalLib.dll");
  if (library == nullptr) return false;
  if (g_getDC != nullptr) return true;
  g_getDC = reinterpret_cast<decltype(g_getDC)>(
      ReplaceImport(library, "user32.dll", "GetDC", reinterpret_cast<void*>(CountingGetDC)));
  g_releaseDC = reinterpret_cast<decltype(g_releaseDC)>(
      ReplaceImport(library, "user32.dll", "ReleaseDC", reinterpret_cast<void*>(CountingReleaseDC)));
  g_patBlt = reinterpret_cast<decltype(g_patBlt)>(
      ReplaceImport(library, "gdi32.dll", "PatBlt", reinterpret_cast<void*>(CountingPatBlt)));
  return g_getDC != nullptr && g_releaseDC != nullptr && g_patBlt != nullptr;
}

// Runs what, and answers with the boxes it played; -1 without the library.
template <typename What>
LRESULT CountBoxes(What&& what) {
  if (!WatchLibrary()) return -1;
  g_boxes = Boxes{};
  what();
  return g_boxes.played | (g_boxes.count != 0 ? kTraceLeft : 0);
}

HWND Create(WPARAM kind, int x, int y, int width, int height) {
  static const char* const kClasses[] = {kTitledClass, "VornalDragTargetPopup", "tooltips_class32",
                                         "Auto-Suggest Dropdown"};
  const bool titled = kind == kTitled;
  return CreateWindowA(kClasses[kind], "", titled ? WS_CHILD | WS_CAPTION : WS_POPUP | WS_BORDER,
                       x, y, width, height, titled ? g_backdrop : nullptr, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

void Show(HWND window, WPARAM how) {
  constexpr UINT kShow = SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  if (how == kMovingShow) {
    SetWindowPos(window, nullptr, r.left + 5, r.top, 0, 0, kShow | SWP_NOSIZE);
  } else if (how == kSizingShow) {
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left + 5, r.bottom - r.top, kShow | SWP_NOMOVE);
  } else {
    ShowWindow(window, SW_SHOWNA);
  }
}

void CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageA(FindWindowA("#32770", "Vornal test box"), WM_COMMAND, IDOK, 0);
}

bool HasShadow(HINSTANCE instance, const char* className) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  return GetClassInfoExA(instance, className, &wc) && (wc.style & CS_DROPSHADOW) != 0;
}

LRESULT CALLBACK SecondThreadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kInShow) return g_inShow.load();
  return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI SecondThread(void*) {
  g_second = CreateWindowA(kSecondThreadClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

}  // namespace

void StartAnimationTarget(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  for (const char* name : {kTitledClass, "VornalDragTargetPopup", "tooltips_class32",
                           "Auto-Suggest Dropdown", "VornalDragTargetBackdrop"}) {
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  }
  wc.lpfnWndProc = SecondThreadProc;
  wc.lpszClassName = kSecondThreadClass;
  RegisterClassA(&wc);
  g_backdrop = CreateWindowA("VornalDragTargetBackdrop", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                             nullptr, nullptr, instance, nullptr);
  CloseHandle(CreateThread(nullptr, 0, SecondThread, nullptr, 0, nullptr));
  // Ready only once the second thread's window can be found.
  for (int i = 0; i < 10000 && g_second.load() == nullptr; ++i) Sleep(1);
}

bool AnimationCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kShowTest:
      result = CountBoxes([&] {
        const HWND w = Create(wParam & 0xF, kBoxLeft, kBoxTop, LOWORD(lParam), HIWORD(lParam));
        Show(w, wParam & 0xF0);
        DestroyWindow(w);
      });
      return true;
    case kBurst:
      result = CountBoxes([&] {
        Sleep(300);
        HWND windows[8] = {};
        for (WPARAM i = 0; i < wParam && i < 8; ++i) {
          if (i > 0) Sleep(100);
          windows[i] = Create(kTitled, 20 + 70 * static_cast<int>(i), 20, 60, 60);
          Show(windows[i], kByShowWindow);
        }
        for (HWND w : windows) DestroyWindow(w);
      });
      return true;
    case kPlayBox:
      result = CountBoxes([] {
        const HWND w = CreateWindowA(kTitledClass, "", WS_POPUP | WS_CAPTION, kBoxLeft, kBoxTop,
                                     kBoxWidth, kBoxHeight, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        WINDOWPOS pos{w, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE};
        SendMessageA(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        DestroyWindow(w);
      });
      return true;
    case kTimedShow: {
      const HWND w = Create(kTitled, 20, 20, 200, 150);
      g_inShow = 1;
      const DWORD start = timeGetTime();
      ShowWindow(w, SW_SHOWNA);
      g_lastShowTime = timeGetTime() - start;
      g_inShow = 0;
      DestroyWindow(w);
      result = 0;
      return true;
    }
    case kLastShowTime: result = static_cast<LRESULT>(g_lastShowTime); return true;
    case kMessageBox:
      SetTimer(nullptr, 0, 50, CloseMessageBox);
      result = MessageBoxA(nullptr, "shadow", "Vornal test box", MB_OK) == IDOK;
      return true;
    case kShadowClasses:
      result = (HasShadow(nullptr, "#32770") ? 1 : 0) |
               (HasShadow(GetModuleHandleA(nullptr), kTitledClass) ? 2 : 0);
      return true;
    default: return false;
  }
}

}  // namespace vornal::test
