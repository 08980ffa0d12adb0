// The animation side of vornal_drag_target.exe (animation_target_protocol.h):
// drag_target.cpp starts it and hands it the messages it does not know.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>

#include "animation_target_protocol.h"
#include "gdi_owners.h"
#include "import_slot.h"
#include "unique_handle.h"

namespace vornal::test {
namespace {

const char* const kClasses[] = {"VornalDragTargetTitled", "VornalDragTargetPopup",
                                "tooltips_class32", "Auto-Suggest Dropdown"};
HWND g_backdrop = nullptr;
std::atomic<HWND> g_second{nullptr};
std::atomic<LRESULT> g_inShow{0};
decltype(&GetDC) g_getDC = nullptr;
decltype(&Sleep) g_sleep = nullptr;
LRESULT g_screenDCs = 0;
HWND g_wide = nullptr;

// What took the calling thread for what, in microseconds.
template <typename What>
LRESULT Microseconds(What&& what) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  what();
  QueryPerformanceCounter(&end);
  return static_cast<LRESULT>((end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
}

HDC WINAPI CountingGetDC(HWND window) {
  if (window == nullptr) ++g_screenDCs;
  return g_getDC(window);
}

// Wine hands the library's drawing to the X server only when its request
// buffer is full; a read of a screen pixel makes it hand everything over,
// so that the screen shows at every pause between two steps what the
// library has drawn by then.
void WINAPI FlushingSleep(DWORD ms) {
  GetPixel(ScreenDC().Get(), 0, 0);
  g_sleep(ms);
}

// Runs what; answers with the screen DCs the library took, or -1 when the
// library is not here.
template <typename What>
LRESULT ScreenDCs(What&& what) {
  const HMODULE library = GetModuleHandleA("VornalLib.dll");
  if (library == nullptr) return -1;
  if (g_getDC == nullptr) {
    g_getDC = reinterpret_cast<decltype(g_getDC)>(ReplaceImport(
        library, "user32.dll", "GetDC", reinterpret_cast<void*>(CountingGetDC)));
    g_sleep = reinterpret_cast<decltype(g_sleep)>(ReplaceImport(
        library, "kernel32.dll", "Sleep", reinterpret_cast<void*>(FlushingSleep)));
  }
  g_screenDCs = 0;
  what();
  return g_getDC != nullptr && g_sleep != nullptr ? g_screenDCs : -1;
}

HWND Create(WPARAM kind, int x, int y, int width, int height, DWORD style = 0) {
  if (style == 0) style = kind == kTitled ? WS_CHILD | WS_CAPTION : WS_POPUP | WS_BORDER;
  return CreateWindowA(kClasses[kind], "", style, x, y, width, height,
                       (style & WS_CHILD) != 0 ? g_backdrop : nullptr, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
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
  wc.hInstance = instance;
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpfnWndProc = SecondThreadProc;
  wc.lpszClassName = kSecondThreadClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = DefWindowProcA;
  for (const char* name : kClasses) {
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  }
  g_backdrop = Create(kPopup, 0, 0, 640, 480, WS_POPUP | WS_VISIBLE);
  const UniqueHandle second(CreateThread(nullptr, 0, SecondThread, nullptr, 0, nullptr));  // not waited on
  for (int i = 0; i < 10000 && g_second.load() == nullptr; ++i) Sleep(1);
}

bool AnimationCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kShowTest:
      result = ScreenDCs([&] {
        const int width = LOWORD(lParam), height = HIWORD(lParam);
        const HWND w = Create(wParam & 0xF, kBoxLeft, kBoxTop, width, height);
        constexpr UINT kShow = SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
        if ((wParam & kMovingShow) != 0) {
          SetWindowPos(w, nullptr, kBoxLeft + 5, kBoxTop, 0, 0, kShow | SWP_NOSIZE);
        } else if ((wParam & kSizingShow) != 0) {
          SetWindowPos(w, nullptr, 0, 0, width + 5, height, kShow | SWP_NOMOVE);
        } else {
          ShowWindow(w, SW_SHOWNA);
        }
        DestroyWindow(w);
      });
      return true;
    case kBurst:
      result = ScreenDCs([&] {
        Sleep(300);
        HWND windows[8] = {};
        for (WPARAM i = 0; i < wParam && i < 8; ++i) {
          if (i > 0) Sleep(100);
          windows[i] = Create(kTitled, 20 + 70 * static_cast<int>(i), 20, 60, 60);
          ShowWindow(windows[i], SW_SHOWNA);
        }
        for (HWND w : windows) DestroyWindow(w);
      });
      return true;
    case kPlayBox:
      result = ScreenDCs([] {
        const HWND w = Create(kTitled, kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight, WS_POPUP | WS_CAPTION);
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
      result = static_cast<LRESULT>(timeGetTime() - start);
      g_inShow = 0;
      DestroyWindow(w);
      return true;
    }
    case kOpenWide:
      if (g_wide == nullptr) g_wide = Create(kTitled, kWideLeft, kWideTop, kWideWidth, kWideHeight);
      result = Microseconds([] { ShowWindow(g_wide, SW_SHOWNA); });
      return true;
    case kCloseWide:
      result = Microseconds([] { DestroyWindow(g_wide); });
      g_wide = nullptr;
      return true;
    case kSystemAnimations:
      result = SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(wParam), 0);
      SendMessageA(g_backdrop, WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION, 0);
      return true;
    case kMessageBox:
      if (wParam != 0) {
        SetTimer(nullptr, 0, 50, CloseMessageBox);
        MessageBoxA(nullptr, "shadow", "Vornal test box", MB_OK);
      }
      result = (HasShadow(nullptr, "#32770") ? 1 : 0) |
               (HasShadow(GetModuleHandleA(nullptr), kClasses[kTitled]) ? 2 : 0);
      return true;
    default: return false;
  }
}

}  // namespace vornal::test
