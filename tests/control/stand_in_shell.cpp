// vornal_stand_in_shell.exe: the Windows shell as far as the control program
// sees it, for tests on machines whose shell has no such windows (Wine has
// only a hidden tray window without Start button, and no Progman). See
// stand_in_shell_protocol.h for what it answers.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <initializer_list>
#include <iterator>

#include "stand_in_shell_protocol.h"

namespace {

using namespace vornal::test;

struct Shell {
  bool ordinary = false;
  bool replacement = false;  // a taskbar replacement: its own tray only
  bool secondary = false;    // a second taskbar, as for a second monitor
  bool workerW = false;      // the icon view under a "WorkerW"
  HWND tray = nullptr;
  HWND secondaryTray = nullptr;
  HWND worker = nullptr;
  HWND start = nullptr;
  HWND progman = nullptr;
  HWND view = nullptr;        // the icon view, or the ordinary window
  WNDPROC viewProc = nullptr;
  WNDPROC startProc = nullptr;
  LRESULT paints = 0;
  LRESULT startWrites = 0;
  LRESULT colourChanges = 0;
  LRESULT lastTip = -1;
} g_shell;

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++g_shell.paints;
  return CallWindowProcA(g_shell.viewProc, window, message, wParam, lParam);
}

LRESULT CALLBACK StartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) ++g_shell.startWrites;
  return CallWindowProcA(g_shell.startProc, window, message, wParam, lParam);
}

bool Contains(const BYTE* data, DWORD size, const void* needle, DWORD length) {
  for (DWORD i = 0; i + length <= size; ++i) {
    if (std::memcmp(data + i, needle, length) == 0) return true;
  }
  return false;
}

// Which of the program's tips a tray message carries, whatever layout the
// system's notify-icon call gives it: the tip stands in it as ANSI or as
// UTF-16 text, followed by its terminator.
LRESULT TipIn(const COPYDATASTRUCT& data) {
  const auto* bytes = static_cast<const BYTE*>(data.lpData);
  if (bytes == nullptr) return -1;
  for (LRESULT i = 0; i < static_cast<LRESULT>(std::size(kTrayTips)); ++i) {
    const char* tip = kTrayTips[i];
    const DWORD n = static_cast<DWORD>(std::strlen(tip)) + 1;
    WCHAR wide[64] = {};
    MultiByteToWideChar(CP_ACP, 0, tip, -1, wide, 64);
    if (Contains(bytes, data.cbData, tip, n) ||
        Contains(bytes, data.cbData, wide, n * sizeof(WCHAR))) {
      return i;
    }
  }
  return -1;
}

LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const LRESULT tip = TipIn(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    if (tip >= 0) g_shell.lastTip = tip;
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ResetIconColours() {
  if (g_shell.ordinary || g_shell.view == nullptr) return;
  SendMessageA(g_shell.view, LVM_SETTEXTCOLOR, 0, kShellIconTextColour);
  SendMessageA(g_shell.view, LVM_SETTEXTBKCOLOR, 0, kShellIconTextBkColour);
}

void CreateShellWindows(HINSTANCE instance) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (g_shell.ordinary) {
    g_shell.view = CreateWindowExA(0, "VornalStandInWindow", "Vornal stand-in window",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, width - 260, 40, 220, 160,
                                   nullptr, nullptr, instance, nullptr);
  } else if (g_shell.replacement) {
    // Topmost and made last, so that FindWindow meets it before the shell's.
    g_shell.tray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "",
                                   WS_POPUP | WS_VISIBLE, 0, 0, width, 30, nullptr, nullptr,
                                   instance, nullptr);
    return;
  } else {
    // Topmost, so that FindWindow meets it before any tray window of the
    // system itself.
    g_shell.tray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "",
                                   WS_POPUP | WS_VISIBLE, 0, height - 30, width, 30, nullptr,
                                   nullptr, instance, nullptr);
    g_shell.start = CreateWindowExA(0, "Button", kShellStartCaption, WS_CHILD | WS_VISIBLE, 0, 0,
                                    60, 30, g_shell.tray, nullptr, instance, nullptr);
    g_shell.progman = CreateWindowExA(WS_EX_TOOLWINDOW, "Progman", "Program Manager",
                                      WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr,
                                      instance, nullptr);
    if (g_shell.secondary) {
      g_shell.secondaryTray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_SecondaryTrayWnd",
                                              "", WS_POPUP | WS_VISIBLE, 0, height - 60, width, 30,
                                              nullptr, nullptr, instance, nullptr);
    }
    HWND host = g_shell.progman;
    if (g_shell.workerW) {
      g_shell.worker = CreateWindowExA(WS_EX_TOOLWINDOW, "WorkerW", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                       200, 150, nullptr, nullptr, instance, nullptr);
      host = g_shell.worker;
    }
    HWND defView = CreateWindowExA(0, "SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE, 0, 0, 200,
                                   150, host, nullptr, instance, nullptr);
    g_shell.view = CreateWindowExA(0, WC_LISTVIEWA, "FolderView", WS_CHILD | WS_VISIBLE | LVS_ICON,
                                   0, 0, 200, 150, defView, nullptr, instance, nullptr);
    g_shell.startProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(g_shell.start, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StartProc)));
    // As the Windows shell does: its desktop window is the one the system
    // names as the shell's. Only one process can be it at a time.
    using SetShellWindowProc = BOOL(WINAPI*)(HWND);
    if (auto set = reinterpret_cast<SetShellWindowProc>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "SetShellWindow")))) {
      set(g_shell.progman);
    }
  }
  g_shell.viewProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_shell.view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc)));
  ResetIconColours();
}

void DestroyShellWindows() {
  for (HWND* w : {&g_shell.tray, &g_shell.secondaryTray, &g_shell.progman, &g_shell.worker}) {
    if (*w != nullptr) DestroyWindow(*w);
    *w = nullptr;
  }
  if (g_shell.ordinary && g_shell.view != nullptr) DestroyWindow(g_shell.view);
  g_shell.view = nullptr;
  g_shell.start = nullptr;
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kHang:
      ReplyMessage(1);
      Sleep(wParam == 0 ? INFINITE : static_cast<DWORD>(wParam));
      return 1;
    case kResetIconColours:
      ResetIconColours();
      return 1;
    case kRestartShell:
      DestroyShellWindows();
      CreateShellWindows(GetModuleHandleA(nullptr));
      SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
      return 1;
    case kPaints: return g_shell.paints;
    case kStartCaptionWrites: return g_shell.startWrites;
    case kSysColourChanges: return g_shell.colourChanges;
    case kLastTrayTip: return g_shell.lastTip;
    case kIsShell: return g_shell.progman != nullptr && GetShellWindow() == g_shell.progman;
    case WM_SYSCOLORCHANGE:
      ++g_shell.colourChanges;
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool Register(HINSTANCE instance, const char* name, WNDPROC proc, int background) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  return RegisterClassA(&wc) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_shell.ordinary = std::strstr(commandLine, kOrdinaryMode) != nullptr;
  g_shell.replacement = std::strstr(commandLine, kReplacementMode) != nullptr;
  g_shell.secondary = std::strstr(commandLine, kSecondaryTaskbarMode) != nullptr;
  g_shell.workerW = std::strstr(commandLine, kWorkerWMode) != nullptr;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  if (!Register(instance, kStandInControlClass, ControlProc, COLOR_WINDOW) ||
      !Register(instance, "Shell_TrayWnd", TrayProc, COLOR_BTNFACE) ||
      !Register(instance, "Shell_SecondaryTrayWnd", DefWindowProcA, COLOR_BTNFACE) ||
      !Register(instance, "WorkerW", DefWindowProcA, COLOR_BACKGROUND) ||
      !Register(instance, "Progman", DefWindowProcA, COLOR_BACKGROUND) ||
      !Register(instance, "SHELLDLL_DefView", DefWindowProcA, COLOR_BACKGROUND) ||
      !Register(instance, "VornalStandInWindow", DefWindowProcA, COLOR_WINDOW)) {
    return 1;
  }
  CreateShellWindows(instance);
  // A top-level window, so that broadcasts reach it; never shown.
  if (CreateWindowExA(0, kStandInControlClass, "Vornal stand-in shell", WS_OVERLAPPED, 0, 0, 10,
                      10, nullptr, nullptr, instance, nullptr) == nullptr) {
    return 1;
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyShellWindows();
  return 0;
}
