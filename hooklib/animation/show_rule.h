// Which shows and hides are animated: titled windows through
// WM_WINDOWPOSCHANGING, popups without a full caption through
// WM_SHOWWINDOW. Each stage is pure and takes only what the handler has
// read by then, so that cheap tests come first and are tested natively.
#pragma once

#include <cstdint>

#include "core/upper_case.h"
#include "core/window_box.h"
#include "core/window_styles.h"
#include "options/animation_options.h"

namespace vornal::hooklib {

// Bits as the system defines them (winuser.h).
namespace swp {
inline constexpr std::uint32_t kNoSize = 0x0001;
inline constexpr std::uint32_t kNoMove = 0x0002;
inline constexpr std::uint32_t kShowWindow = 0x0040;
inline constexpr std::uint32_t kHideWindow = 0x0080;
}  // namespace swp
// WM_WINDOWPOSCHANGING, first stage, from the message alone: a show while
// opening is animated, or a hide while closing is. Nothing else of the
// handler (animation or shadow) can be due otherwise.
bool MayShowOrHide(std::uint32_t swpFlags, bool openingOn, bool closingOn) noexcept;

// Second stage, with the window's style.
struct PositionChange {
  bool opening = false;  // a show of a window not yet visible, opening on
  bool closing = false;  // a hide of a visible window, closing on
  bool animate = false;  // either, as a pure show or hide of a titled window
};
PositionChange ClassifyPositionChange(std::uint32_t swpFlags, std::uint32_t style,
                                      const AnimationOptions& options) noexcept;

// Titled windows: width and height modulo 65536, compared as unsigned
// 16-bit values, bounds included.
bool TitledSizeFits(const SizeLimits& limits, const WindowBox& box) noexcept;

// WM_SHOWWINDOW, first stage, in two steps: from the message alone, only
// windows shown or hidden in their own right (not SW_PARENTCLOSING,
// SW_OTHERZOOM, SW_PARENTOPENING or SW_OTHERUNZOOM), tested before the
// options are copied; then only while popups and opening or closing are on.
bool ShownInOwnRight(std::intptr_t status) noexcept;
bool PopupsMayAnimate(const AnimationOptions& options) noexcept;

// Second stage, with the style: a popup without a full caption.
bool IsCaptionlessPopup(std::uint32_t style) noexcept;

// Third stage, with the class name in upper case (UpperCaseAscii): not
// a tooltip, the Start menu host or an auto-complete drop-down; menus only
// while animateMenus is on (the old systems).
bool PopupClassMayAnimate(const char* upperClass, bool animateMenus) noexcept;

// Popups: width and height in full, compared as signed 32-bit values, so a
// popup 65536 pixels or more across never fits.
bool PopupSizeFits(const SizeLimits& limits, const WindowBox& box) noexcept;

}  // namespace vornal::hooklib
