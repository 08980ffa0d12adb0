// WM_WINDOWPOSCHANGING: the open and close animation of titled windows,
// and the shadow step for the windows being opened.
#include "animation/animate_window_flags.h"
#include "animation/animation_handlers.h"
#include "animation/box_overlay.h"
#include "animation/box_route.h"
#include "animation/repeat_restriction.h"
#include "animation/show_rule.h"
#include "core/busy_flag.h"
#include "core/library_state.h"
#include "core/window_facts.h"
#include "shadows_and_drag/window_shadow.h"

namespace vornal::hooklib {
namespace {

// SetWindowPos flags of the steps after AnimateWindow.
constexpr UINT kResize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS |
                         SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;  // 0x0716
constexpr UINT kQuiet = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                        SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
constexpr UINT kMarkVisible = kQuiet | SWP_NOREDRAW | SWP_SHOWWINDOW;  // 0x075F
constexpr UINT kMarkHidden = kQuiet | SWP_HIDEWINDOW;                   // 0x0797
constexpr UINT kRepaint = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;  // 0x0181

// The window's own size, not its 16-bit remainder: these calls must leave
// the size as it is.
int Width(const RECT& r) noexcept { return r.right - r.left; }
int Height(const RECT& r) noexcept { return r.bottom - r.top; }

void OpenWithAnimateWindow(HWND window, const AnimationOptions& options, const RECT& rect,
                           AnimateWindowProc animate) noexcept {
  animate(window, options.openDuration, AnimateWindowFlags(options.openStyle, false, options));
  // A size change by one pixel and back makes the window lay out and draw
  // its contents, which some systems leave out after the animation.
  if (Height(rect) != 0) {
    SetWindowPos(window, nullptr, 0, 0, Width(rect), Height(rect) - 1, kResize);
    SetWindowPos(window, nullptr, 0, 0, Width(rect), Height(rect), kResize);
  }
  RedrawWindow(window, nullptr, nullptr, kRepaint);
}

void CloseWithAnimateWindow(HWND window, const AnimationOptions& options, const RECT& rect,
                            AnimateWindowProc animate) noexcept {
  animate(window, options.closeDuration,
          AnimateWindowFlags(options.closeStyle, true, options) | aw::kHide);
  // AnimateWindow has hidden the window behind the system's back; marking
  // it visible without drawing and hiding it again brings the system's own
  // bookkeeping (and what it uncovers) up to date.
  SetWindowPos(window, nullptr, 0, 0, 0, 0, kMarkVisible);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, kMarkHidden);
  // The place the window left, in the parent's (or owner's) own client
  // coordinates; without a parent, the desktop's, which are the screen's.
  const HWND parent = GetParent(window);
  RECT area = rect;
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(parent, &area, nullptr, kRepaint);
}

void AnimationStep(HWND window, bool closing, const AnimationOptions& options,
                   bool systemAnimations) noexcept {
  if (!closing) g_library.lastOpened.store(window, std::memory_order_relaxed);
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const WindowBox box{rect.left, rect.top, rect.right, rect.bottom};
  if (!TitledSizeFits(options.limits, box)) return;
  if (AnimationAllowedNow(options)) {
    const std::uint8_t style = closing ? options.closeStyle : options.openStyle;
    const AnimateWindowProc animate = g_library.animateWindow;
    switch (ChooseAnimation(systemAnimations, style, animate != nullptr)) {
      case AnimationChoice::None: break;
      case AnimationChoice::Box:
        PlayBox(window, rect, closing, BoxWindowKind::Titled, options);
        break;
      case AnimationChoice::AnimateWindow:
        if (closing) {
          CloseWithAnimateWindow(window, options, rect, animate);
        } else {
          OpenWithAnimateWindow(window, options, rect, animate);
        }
        break;
    }
  }
  NoteAnimationTime(options);
}

// A window of the thread that showed before the hook arrived: what its show
// would have played, as the box only.
BOOL CALLBACK PlayMissedOpening(HWND window, LPARAM optionsPointer) noexcept {
  const auto& options = *reinterpret_cast<const AnimationOptions*>(optionsPointer);
  if (window == g_library.lastOpened.load(std::memory_order_relaxed) || !IsWindowVisible(window)) return TRUE;
  LONG_PTR style = 0;
  if (!ReadWindowLong(window, GWL_STYLE, style)) return TRUE;
  // Classified as the show it was, of a window not yet visible then.
  const auto before = static_cast<std::uint32_t>(style) & ~static_cast<std::uint32_t>(WS_VISIBLE);
  if (!ClassifyPositionChange(SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE, before, options).animate) return TRUE;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return TRUE;
  if (!TitledSizeFits(options.limits, {rect.left, rect.top, rect.right, rect.bottom})) return TRUE;
  g_library.lastOpened.store(window, std::memory_order_relaxed);
  if (AnimationAllowedNow(options) &&
      ChooseAnimation(g_library.systemAnimations.load(std::memory_order_relaxed), options.openStyle,
                      g_library.animateWindow != nullptr) != AnimationChoice::None) {
    PlayBox(window, rect, false, BoxWindowKind::Titled, options);
  }
  NoteAnimationTime(options);
  return TRUE;
}

}  // namespace

void OnThreadHooked() noexcept {
  const OptionsSnapshot snapshot = CurrentOptions();
  const AnimationOptions& options = snapshot.options.animation;
  if (!options.animateOpening || !options.animateTitled) return;
  const BusyScope busy;
  if (!busy.Held()) return;
  EnumThreadWindows(GetCurrentThreadId(), PlayMissedOpening, reinterpret_cast<LPARAM>(&options));
}

void OnWindowPosChanging(HWND window, LPARAM windowPos) noexcept {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(windowPos);
  if (pos == nullptr) return;
  const UINT flags = pos->flags;
  // Almost every WM_WINDOWPOSCHANGING is neither a show nor a hide: it ends
  // here, before the options are even copied.
  if ((flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) == 0) return;
  const OptionsSnapshot snapshot = CurrentOptions();
  const AnimationOptions& options = snapshot.options.animation;
  if (!MayShowOrHide(flags, options.animateOpening, options.animateClosing)) return;

  const BusyScope busy;
  if (!busy.Held()) return;
  LONG_PTR style = 0;
  if (!ReadWindowLong(window, GWL_STYLE, style)) return;
  const auto windowStyle = static_cast<std::uint32_t>(style);
  const PositionChange change = ClassifyPositionChange(flags, windowStyle, options);
  if (change.animate) {
    AnimationStep(window, change.closing, options,
                  g_library.systemAnimations.load(std::memory_order_relaxed));
  }
  AddShadowStyle(window, snapshot.options.shadows, windowStyle, change.opening);
}

}  // namespace vornal::hooklib
