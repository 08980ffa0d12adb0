#include "animation/box_overlay.h"

#include "animation/animated_box.h"
#include "animation/box_route.h"
#include "core/dpi_awareness_scope.h"
#include "core/library_state.h"
#include "core/window_box.h"
#include "cross_process_names.h"

namespace vornal::hooklib {
namespace {

// DWMWA_EXTENDED_FRAME_BOUNDS (dwmapi.h); the result is in physical
// pixels whatever the thread's awareness.
constexpr DWORD kExtendedFrameBounds = 9;

WindowBox BoxOf(const RECT& r) noexcept { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool PostBoxToOverlay(HWND window, bool closing, BoxWindowKind kind) noexcept {
  const UINT message = closing ? g_library.msgBoxClosing : g_library.msgBoxOpening;
  if (message == kNoMessage) return false;
  // Looked up on every box rather than kept: a kept handle would go stale
  // when the control program restarts, and the lookup sends nothing to
  // the control program, so it cannot make this thread wait on it.
  const HWND overlay = FindWindowA(kBoxOverlayClassName, nullptr);
  if (overlay == nullptr) return false;

  RECT rect;
  RECT frame{};
  bool haveFrame = false;
  {
    const DpiAwarenessScope physical;
    if (!GetWindowRect(window, &rect)) return false;
    const DwmGetWindowAttributeProc attribute = g_library.dwmGetWindowAttribute;
    // Fails where DWM does not compose (Windows 7's basic themes) or has
    // no frame for the window yet; the window rectangle stands then.
    haveFrame = attribute != nullptr &&
                SUCCEEDED(attribute(window, kExtendedFrameBounds, &frame, sizeof frame));
  }
  const WindowBox visible = BoxOf(frame);
  const PackedBox packed = PackBox(OverlayFrame(BoxOf(rect), haveFrame ? &visible : nullptr, kind));
  return PostMessageA(overlay, message, packed.wParam, packed.lParam) != FALSE;
}

void PlayBox(HWND window, const RECT& rect, bool closing, BoxWindowKind kind,
             const AnimationOptions& options) noexcept {
  if (PostBoxToOverlay(window, closing, kind)) return;
  AnimateBox(rect.left, rect.top, SideLength(rect.left, rect.right),
             SideLength(rect.top, rect.bottom), closing, options);
}

}  // namespace vornal::hooklib
