// WM_SHOWWINDOW: the open and close animation of popups without a full
// caption (menus on old systems, drop-down lists and the like). They
// always get the animated box, whatever the style indexes say.
#include "animation/animation_handlers.h"
#include "animation/box_overlay.h"
#include "animation/box_route.h"
#include "animation/repeat_restriction.h"
#include "animation/show_rule.h"
#include "core/busy_flag.h"
#include "core/library_state.h"
#include "core/window_facts.h"

namespace vornal::hooklib {

void OnShowWindow(HWND window, WPARAM shown, LPARAM status) noexcept {
  // A show or hide on a parent's or another window's account ends here,
  // before the options are copied.
  if (!ShownInOwnRight(status)) return;
  const AnimationOptions options = CurrentOptions().options.animation;
  // Ends here, before any call, unless popups are animated at all.
  if (!PopupsMayAnimate(options)) return;

  const BusyScope busy;
  if (!busy.Held()) return;
  LONG_PTR style = 0;
  if (!ReadWindowLong(window, GWL_STYLE, style)) return;
  if (!IsCaptionlessPopup(static_cast<std::uint32_t>(style))) return;
  ClassName className;
  if (!ReadUpperClassName(window, className)) return;
  if (!PopupClassMayAnimate(className, options.animateMenus)) return;

  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  if (!PopupSizeFits(options.limits, {rect.left, rect.top, rect.right, rect.bottom})) return;
  if (AnimationAllowedNow(options)) {
    const bool opening = shown == 1;
    // Popups always get the box, whatever the style indexes say.
    if ((opening ? options.animateOpening : options.animateClosing) &&
        ChooseAnimation(g_library.systemAnimations.load(std::memory_order_relaxed), kBoxStyle,
                        true) == AnimationChoice::Box) {
      PlayBox(window, rect, !opening, BoxWindowKind::Popup, options);
    }
  }
  NoteAnimationTime(options);
}

}  // namespace vornal::hooklib
