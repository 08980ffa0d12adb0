#include "shadows_and_drag/transparent_drag.h"

#include "core/library_state.h"
#include "core/window_facts.h"
#include "shadows_and_drag/drag_rule.h"

namespace vornal::hooklib {
namespace {

bool ReadExStyle(HWND window, LONG_PTR& exStyle) noexcept {
  return ReadWindowLong(window, GWL_EXSTYLE, exStyle);
}

// Writes the extended style with WS_EX_LAYERED set or cleared and tells
// whether the window now has it that way. The style is read back rather
// than judged from SetWindowLongPtr's result and the last error: the change
// sends WM_STYLECHANGING and WM_STYLECHANGED, and whatever the window
// procedure calls meanwhile may leave a last error of its own.
bool WriteLayeredStyle(HWND window, LONG_PTR exStyle, bool layered) noexcept {
  const LONG_PTR wanted = layered ? (exStyle | WS_EX_LAYERED)
                                  : (exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  SetWindowLongPtrA(window, GWL_EXSTYLE, wanted);
  LONG_PTR now = 0;
  return ReadExStyle(window, now) && ((now & WS_EX_LAYERED) != 0) == layered;
}

// The whole rectangle of the monitor the window is on (or nearest to),
// not its work area: a full-screen window covers the taskbar as well.
bool ReadMonitorBox(HWND window, WindowBox& box) noexcept {
  const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (monitor == nullptr) return false;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info)) return false;
  box = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  return true;
}

}  // namespace

void OnMoving(HWND window) noexcept {
  const SetLayeredWindowAttributesProc setLayered = g_library.setLayeredWindowAttributes;
  if (setLayered == nullptr) return;
  const DragOptions options = CurrentOptions().options.drag;
  if (!options.transparentDragging) return;

  LONG_PTR exStyle = 0;
  if (!ReadExStyle(window, exStyle)) return;
  // A drag window that has been destroyed in the middle of its move never
  // gets its WM_EXITSIZEMOVE; counting it as none keeps this process able
  // to drag transparently again.
  const HWND held = g_library.dragWindow.load();
  const bool heldLive = held != nullptr && IsWindow(held);
  if (!MayStartDrag(options, static_cast<std::uint32_t>(exStyle), heldLive)) return;

  if (options.dragDialogsOnly) {
    ClassName className;
    if (!ReadClassName(window, className)) return;
    if (!ClassMayDrag(options, className)) return;
  }

  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const WindowBox box{rect.left, rect.top, rect.right, rect.bottom};
  if (!SizeMayDrag(options, box)) return;

  ULONG_PTR classStyle = 0;
  if (!ReadClassStyle(window, classStyle)) return;
  if (!ClassStyleMayDrag(static_cast<std::uint32_t>(classStyle))) return;

  // Last, as the dearest read: most windows that fill a monitor are already
  // past the size limits.
  WindowBox monitor;
  if (!ReadMonitorBox(window, monitor)) return;
  if (CoversItsMonitor(box, monitor)) return;

  // Claim the one drag slot of the process; another thread may have taken
  // it since it was read (the stale handle of a destroyed window is
  // replaced the same way).
  HWND expected = held;
  if (!g_library.dragWindow.compare_exchange_strong(expected, window)) return;

  if (!WriteLayeredStyle(window, exStyle, true)) {
    g_library.dragWindow.store(nullptr);
    return;
  }
  if (!setLayered(window, 0, options.dragOpacity, LWA_ALPHA)) {
    // A layered window without attributes is not drawn at all: rather leave
    // the window as it was than invisible.
    WriteLayeredStyle(window, exStyle, false);
    g_library.dragWindow.store(nullptr);
  }
}

void OnExitSizeMove(HWND window) noexcept {
  const SetLayeredWindowAttributesProc setLayered = g_library.setLayeredWindowAttributes;
  if (setLayered == nullptr) return;

  const HWND held = g_library.dragWindow.load();
  if (held == nullptr) return;
  LONG_PTR exStyle = 0;
  if (!ReadExStyle(window, exStyle)) return;

  // Only the window this library made transparent is restored: another
  // layered window of the process that ends its own move or size loop
  // meanwhile keeps the transparency its own program gave it.
  if (ShouldRestoreOpacity(static_cast<std::uint32_t>(exStyle), held == window)) {
    // Opaque first, then not layered, so the window does not flash. Should
    // the attributes fail, dropping the layered style still makes it opaque.
    setLayered(window, 0, kOpaqueAlpha, LWA_ALPHA);
    if (!WriteLayeredStyle(window, exStyle, false)) return;
  }
  // The move that made it transparent is over, also when its own program
  // has dropped the layered style meanwhile: holding on to the window would
  // keep every other window of the process opaque for as long as it lives.
  if (held == window) {
    HWND expected = window;
    g_library.dragWindow.compare_exchange_strong(expected, nullptr);
  }
}

}  // namespace vornal::hooklib
