// The taskbars' opacity: a layered style with a constant alpha, or none,
// on every taskbar of the shell alike.
#include <windows.h>

#include "shell/shell_adjuster.h"

namespace vornal {

void ShellAdjuster::SetTaskbarAlpha(bool layered, int alpha) {
  const ShellMessenger::Operation operation(link_);
  taskbarLayered_ = layered;
  taskbarAlpha_ = alpha;
  if (setLayeredWindowAttributes_ == nullptr) return;
  for (HWND taskbar : shell_.taskbars) SetLayered(taskbar, layered, alpha);
}

void ShellAdjuster::SetLayered(HWND taskbar, bool layered, int alpha) {
  // Changing another program's window style sends it the style-change
  // messages and waits for them: only a taskbar that answers is touched.
  if (!link_.Answers(taskbar)) return;
  const LONG_PTR style = GetWindowLongPtrA(taskbar, GWL_EXSTYLE);
  if (layered) {
    SetWindowLongPtrA(taskbar, GWL_EXSTYLE, style | WS_EX_LAYERED);
    setLayeredWindowAttributes_(taskbar, 0, static_cast<BYTE>(alpha & 0xFF), LWA_ALPHA);
  } else {
    // Opaque first, so that dropping the layered style shows no flash.
    setLayeredWindowAttributes_(taskbar, 0, 255, LWA_ALPHA);
    SetWindowLongPtrA(taskbar, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
}

}  // namespace vornal
