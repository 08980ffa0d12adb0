// A small helper for the demo and the effect pictures: it finds the
// windows of programs nobody here wrote (by a part of their title or by
// class), places them, reports where they and their controls are and how
// transparent a window is, and shows a window of its own so that its
// opening animation can be caught on screen. Scripts read its output;
// a window that never comes is exit code 1, so a script stops there.
//
//   vornal_desktop_probe window MATCH [SECONDS]      x y w h of the window
//   vornal_desktop_probe child MATCH CLASS [SECONDS] x y w h of a control in it
//   vornal_desktop_probe place MATCH X Y [W H]       moves (and sizes) it
//   vornal_desktop_probe alpha MATCH                 0..255, 255 when opaque
//   vornal_desktop_probe show TITLE X Y W H          shows a window of its own
//   vornal_desktop_probe close MATCH                 asks the window to close
//   vornal_desktop_probe mdi MATCH W H               restores its active MDI child
//                                                    to W x H at the top-left
//
// MATCH is "class=NAME" or a part of the window's title.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "probe_match.h"

namespace {

using vornal::demo::WindowMatch;

struct Search {
  WindowMatch match;
  const char* childClass = nullptr;
  HWND found = nullptr;
};

bool Matches(HWND window, const WindowMatch& match) {
  char text[256] = {};
  char cls[256] = {};
  GetWindowTextA(window, text, sizeof text);
  GetClassNameA(window, cls, sizeof cls);
  return match.Accepts(text, cls);
}

BOOL CALLBACK VisitChild(HWND child, LPARAM param) noexcept {
  auto* s = reinterpret_cast<Search*>(param);
  char cls[256] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (IsWindowVisible(child) && lstrcmpiA(cls, s->childClass) == 0) {
    s->found = child;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK VisitTop(HWND window, LPARAM param) noexcept {
  auto* s = reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(window) || !Matches(window, s->match)) return TRUE;
  if (s->childClass == nullptr) {
    s->found = window;
    return FALSE;
  }
  EnumChildWindows(window, VisitChild, param);
  return s->found == nullptr;
}

// The first visible top-level window that matches (or the first visible
// control of childClass in one), waiting up to seconds for it.
HWND Find(const WindowMatch& match, const char* childClass, double seconds) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    Search s{match, childClass, nullptr};
    EnumWindows(VisitTop, reinterpret_cast<LPARAM>(&s));
    if (s.found != nullptr) return s.found;
    if (static_cast<LONG>(GetTickCount() - until) >= 0) return nullptr;
    Sleep(100);
  }
}

int PrintRect(HWND window) {
  RECT r{};
  if (!GetWindowRect(window, &r)) return 1;
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

int NotFound(const char* what) {
  std::fprintf(stderr, "vornal_desktop_probe: no window %s\n", what);
  return 1;
}

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

// A window of its own, shown the way a program shows its main window, so
// that the hook animates it here. The line before the show tells a script
// when to look.
int ShowOwn(const char* title, int x, int y, int w, int h) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "VornalDemoWindow";
  if (!RegisterClassA(&wc)) return 1;
  const HWND window = CreateWindowA(wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, x, y, w, h,
                                    nullptr, nullptr, wc.hInstance, nullptr);
  if (window == nullptr) return 1;
  std::printf("showing\n");
  std::fflush(stdout);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: vornal_desktop_probe window|child|place|alpha|show|close|mdi ... (see the source)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const WindowMatch match = WindowMatch::From(argv[2]);
  const auto seconds = [&](int at) { return argc > at ? std::atof(argv[at]) : 30.0; };

  if (command == "window") {
    const HWND window = Find(match, nullptr, seconds(3));
    return window != nullptr ? PrintRect(window) : NotFound(argv[2]);
  }
  if (command == "child" && argc >= 4) {
    const HWND child = Find(match, argv[3], seconds(4));
    return child != nullptr ? PrintRect(child) : NotFound(argv[3]);
  }
  if (command == "place" && argc >= 5) {
    const HWND window = Find(match, nullptr, 30);
    if (window == nullptr) return NotFound(argv[2]);
    const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
    const bool sized = argc >= 7;
    // Asynchronous: a program that does not answer never holds the script.
    SetWindowPos(window, nullptr, x, y, sized ? std::atoi(argv[5]) : 0, sized ? std::atoi(argv[6]) : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS | (sized ? 0 : SWP_NOSIZE));
    for (int i = 0; i < 50; ++i) {
      RECT r{};
      if (GetWindowRect(window, &r) && r.left == x && r.top == y) break;
      Sleep(100);
    }
    return PrintRect(window);
  }
  if (command == "alpha") {
    const HWND window = Find(match, nullptr, 5);
    if (window == nullptr) return NotFound(argv[2]);
    BYTE alpha = 255;
    DWORD flags = 0;
    if ((GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 ||
        !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
      alpha = 255;
    }
    std::printf("%u\n", alpha);
    return 0;
  }
  if (command == "show" && argc >= 7) {
    return ShowOwn(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
  }
  if (command == "mdi" && argc >= 5) {
    const HWND client = Find(match, "MDIClient", 30);
    if (client == nullptr) return NotFound("MDIClient");
    DWORD_PTR active = 0;
    if (!SendMessageTimeoutA(client, WM_MDIGETACTIVE, 0, 0, SMTO_ABORTIFHUNG, 2000, &active) ||
        active == 0) {
      return NotFound("MDI child");
    }
    const HWND child = reinterpret_cast<HWND>(active);
    // Posted and asynchronous, as everything this probe asks of another
    // program.
    PostMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    Sleep(300);
    SetWindowPos(child, nullptr, 0, 0, std::atoi(argv[3]), std::atoi(argv[4]),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    return 0;
  }
  if (command == "close") {
    const HWND window = Find(match, nullptr, 5);
    if (window == nullptr) return NotFound(argv[2]);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  return Usage();
}
