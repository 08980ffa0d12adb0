// The stand-in shell (tests/control/stand_in_shell.cpp) seen from a test:
// its taskbar, Start button and icon view, found among its own windows only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "helper_process.h"
#include "stand_in_shell_protocol.h"

namespace vornal::test {

class StandInShell : public HelperProcess {
 public:
  explicit StandInShell(const char* mode = "")
      : HelperProcess("vornal_stand_in_shell.exe", kStandInControlClass, mode) {}

  HWND Taskbar() const { return OwnTopLevel("Shell_TrayWnd"); }
  HWND SecondaryTaskbar() const { return OwnTopLevel("Shell_SecondaryTrayWnd"); }
  HWND StartButton() const { return FindWindowExA(Taskbar(), nullptr, "Button", nullptr); }
  HWND IconView() const {
    for (const char* host : {"Progman", "WorkerW"}) {
      HWND w = FindWindowExA(OwnTopLevel(host), nullptr, "SHELLDLL_DefView", nullptr);
      if (w != nullptr) return FindWindowExA(w, nullptr, "SysListView32", nullptr);
    }
    return nullptr;
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
  int TaskbarAlpha() const { return TaskbarAlpha(Taskbar()); }
  static int TaskbarAlpha(HWND bar) {
    if ((GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
  }

 private:
  // Only the stand-in's windows count, never a shell window of the system
  // or of another stand-in.
  HWND OwnTopLevel(const char* className) const {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, className, nullptr)) != nullptr;) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == ProcessId()) return w;
    }
    return nullptr;
  }
};

}  // namespace vornal::test
