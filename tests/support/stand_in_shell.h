// The stand-in shell (tests/control/stand_in_shell.cpp) seen from a test:
// its taskbar, Start button and icon view, found among its own windows only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "helper_process.h"
#include "stand_in_shell_protocol.h"

namespace vornal::test {

class StandInShell : public HelperProcess {
 public:
  explicit StandInShell(const char* mode = "")
      : HelperProcess("vornal_stand_in_shell.exe", kStandInControlClass, mode) {}

  HWND Taskbar() const { return Own(FindWindowA("Shell_TrayWnd", nullptr)); }
  HWND StartButton() const { return FindWindowExA(Taskbar(), nullptr, "Button", nullptr); }
  HWND IconView() const {
    HWND w = FindWindowExA(Own(FindWindowA("Progman", nullptr)), nullptr, "SHELLDLL_DefView", nullptr);
    return FindWindowExA(w, nullptr, "SysListView32", nullptr);
  }
  COLORREF IconColour(UINT message) const {
    DWORD_PTR c = 0;
    SendMessageTimeoutA(IconView(), message, 0, 0, SMTO_ABORTIFHUNG, 10000, &c);
    return static_cast<COLORREF>(c);
  }
  bool IconColoursAre(COLORREF textBk, COLORREF text) const {
    return IconColour(LVM_GETTEXTBKCOLOR) == textBk && IconColour(LVM_GETTEXTCOLOR) == text;
  }
  // The taskbar's constant alpha, or -1 while it is not layered.
  int TaskbarAlpha() const {
    HWND bar = Taskbar();
    if ((GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
  }

 private:
  // Only the stand-in's windows count, never a shell window of the system.
  HWND Own(HWND window) const {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == ProcessId() ? window : nullptr;
  }
};

}  // namespace vornal::test
