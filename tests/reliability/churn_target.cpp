// The reliability side of vornal_drag_target.exe (churn_protocol.h):
// worker threads that make and unmake windows of every class the library's
// rules name, and faults in the middle of an animation. drag_target.cpp
// hands it the messages it does not know.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <thread>
#include <vector>

#include "churn_protocol.h"
#include "cross_process_names.h"
#include "library_objects.h"
#include "library_reloads.h"

namespace vornal::test {
namespace {

constexpr char kHolderClass[] = "VornalChurnHolder";
constexpr char kTitledClass[] = "VornalChurnTitled";
constexpr char kMDIChildClass[] = "VornalChurnMDIChild";

std::atomic<long> g_windows{0}, g_rounds{0}, g_messages{0}, g_settingsMessages{0};
std::atomic<bool> g_stop{false};
std::vector<std::thread> g_workers;
UINT g_settingsUpdated = 0;

// Counts what passes the hook chain on a worker's thread after the window
// procedure, as the library's hook sees it.
LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    ++g_messages;
    if (reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == g_settingsUpdated) ++g_settingsMessages;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND Make(const char* cls, DWORD style, HWND parent, int x, int y, int w, int h, void* param = nullptr) {
  const HWND window = CreateWindowExA(0, cls, "churn", style, x, y, w, h, parent, nullptr,
                                      GetModuleHandleA(nullptr), param);
  if (window != nullptr) ++g_windows;
  return window;
}

// Everything a window goes through in a round: shown (animated), moved,
// erased and painted, scrolled to an end, clicked, losing the capture and
// the focus, hidden (animated), destroyed.
void LiveThrough(HWND window) {
  if (window == nullptr) return;
  ShowWindow(window, SW_SHOWNA);
  SetWindowPos(window, nullptr, 3, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW);
  SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  SendMessageA(window, WM_CAPTURECHANGED, 0, 0);
  SendMessageA(window, WM_KILLFOCUS, 0, 0);
  ShowWindow(window, SW_HIDE);
  DestroyWindow(window);
}

// One round: every kind once, and a drag.
void Round(HWND holder) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  LiveThrough(Make(kTitledClass, kChild | WS_CAPTION, holder, 0, 0, 120, 90));
  LiveThrough(Make("#32770", kChild | WS_CAPTION, holder, 0, 0, 120, 90));
  LiveThrough(Make(kTitledClass, WS_POPUP | WS_BORDER, nullptr, 10, 10, 80, 60));
  LiveThrough(Make(TOOLTIPS_CLASSA, WS_POPUP, nullptr, 10, 10, 80, 20));
  const HWND tab = Make(WC_TABCONTROLA, kChild | WS_VISIBLE, holder, 130, 0, 60, 30);
  LiveThrough(Make("#32770", kChild, holder, 0, 0, 120, 90));  // a page beside a tab control
  DestroyWindow(tab);
  LiveThrough(Make(TOOLBARCLASSNAMEA, kChild | CCS_NORESIZE | CCS_NOPARENTALIGN, holder, 0, 0, 120, 30));
  LiveThrough(Make("LISTBOX", kChild | LBS_NOINTEGRALHEIGHT, holder, 0, 0, 120, 90));
  LiveThrough(Make(WC_LISTVIEWA, kChild | LVS_LIST, holder, 0, 0, 120, 90));
  LiveThrough(Make(WC_TREEVIEWA, kChild, holder, 0, 0, 120, 90));
  LiveThrough(Make("COMBOBOX", kChild | CBS_DROPDOWNLIST, holder, 0, 0, 120, 90));
  CLIENTCREATESTRUCT mdi{nullptr, 50000};
  const HWND client = Make("MDICLIENT", kChild | WS_CLIPCHILDREN, holder, 0, 0, 160, 110, &mdi);
  if (client != nullptr) {
    ShowWindow(client, SW_SHOWNA);
    MDICREATESTRUCTA child{kMDIChildClass, "child", GetModuleHandleA(nullptr), 5, 5, 100, 70, 0, 0};
    if (SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)) != 0) ++g_windows;
    LiveThrough(client);
  }
  // A drag of a dialog-sized window, never shown: the library only looks
  // at its styles and rectangle.
  const HWND dragged = Make("#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU, nullptr, 40, 40, 300, 200);
  if (dragged != nullptr) {
    RECT rect{};
    GetWindowRect(dragged, &rect);
    SendMessageA(dragged, WM_MOVING, 0, reinterpret_cast<LPARAM>(&rect));
    SendMessageA(dragged, WM_EXITSIZEMOVE, 0, 0);
    DestroyWindow(dragged);
  }
  SendMessageA(holder, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(holder));
  ++g_rounds;
}

void Work(int index) {
  const HHOOK counter = SetWindowsHookExA(WH_CALLWNDPROCRET, CountMessages, nullptr, GetCurrentThreadId());
  const HWND holder = CreateWindowExA(WS_EX_TOOLWINDOW, kHolderClass, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                      700 + 210 * (index % 2), 300 + 150 * (index / 2), 200, 140,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  MSG msg;
  while (!g_stop.load()) {
    Round(holder);
    // Reload broadcasts reach the holder, a top-level window of this thread.
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  DestroyWindow(holder);
  if (counter != nullptr) UnhookWindowsHookEx(counter);
}

void Register() {
  static bool done = false;
  if (done) return;
  done = true;
  g_settingsUpdated = RegisterWindowMessageA(kSettingsUpdatedMessage);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc{0, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr,
               GetSysColorBrush(COLOR_BTNFACE), nullptr, kHolderClass};
  RegisterClassA(&wc);
  wc.lpszClassName = kTitledClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProcA(w, m, wp, lp); };
  wc.lpszClassName = kMDIChildClass;
  RegisterClassA(&wc);
}

// A titled window shown on a thread of its own (its opening is animated
// there) while this thread closes it.
LRESULT CloseDuringAnimation() {
  std::atomic<HWND> shown{nullptr};
  std::atomic<bool> showing{false};
  std::thread opener([&] {
    const HWND holder = CreateWindowExA(WS_EX_TOOLWINDOW, kHolderClass, "", WS_POPUP | WS_VISIBLE,
                                        700, 600, 300, 200, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    const HWND w = Make(kTitledClass, WS_CHILD | WS_CAPTION, holder, 10, 10, 200, 150);
    shown = w;
    showing = true;
    ShowWindow(w, SW_SHOWNA);  // the animation plays here
    // Whatever was sent to the window meanwhile is handled now.
    MSG msg;
    for (int i = 0; i < 50; ++i) {
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      if (!IsWindow(w)) break;
      Sleep(10);
    }
    DestroyWindow(holder);
  });
  while (!showing.load()) Sleep(1);
  Sleep(30);
  // Another thread cannot destroy the window itself: it asks, as closing
  // from a task manager does, once without waiting and once waiting.
  PostMessageA(shown.load(), WM_CLOSE, 0, 0);
  SendMessageTimeoutA(shown.load(), WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, nullptr);
  opener.join();
  return IsWindow(shown.load()) ? 0 : 1;
}

}  // namespace

bool ChurnCommand(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case kChurnStart: {
      Register();
      // The helper's main thread counts as well: its windows reload too.
      static const HHOOK main =
          SetWindowsHookExA(WH_CALLWNDPROCRET, CountMessages, nullptr, GetCurrentThreadId());
      (void)main;
      g_stop = false;
      for (WPARAM i = 0; i < wParam && g_workers.size() < kMaxChurnThreads; ++i) {
        g_workers.emplace_back(Work, static_cast<int>(g_workers.size()));
      }
      result = static_cast<LRESULT>(g_workers.size());
      return true;
    }
    case kChurnStop:
      g_stop = true;
      for (std::thread& t : g_workers) t.join();
      g_workers.clear();
      result = 1;
      return true;
    case kChurnWindows: result = g_windows.load(); return true;
    case kChurnRounds: result = g_rounds.load(); return true;
    case kChurnMessages: result = g_messages.load(); return true;
    case kChurnSettingsMessages: result = g_settingsMessages.load(); return true;
    case kLibraryObjects: result = LibraryObjects(); return true;
    case kLibraryReloads: result = LibraryReloads(); return true;
    case kCloseDuringAnimation:
      Register();
      result = CloseDuringAnimation();
      return true;
    default: return false;
  }
}

}  // namespace vornal::test
