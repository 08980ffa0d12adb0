// When a wallpapered window is redrawn: the conditions of the redraw
// triggers, pure, in the stages in which the handlers read the window, so
// that messages that cannot lead to a redraw end before any call.
#pragma once

#include <cstdint>

namespace vornal::hooklib {

// Numbers as the system defines them (winuser.h).
inline constexpr std::uint32_t kEndScroll = 8;           // SB_ENDSCROLL
inline constexpr std::uint32_t kMouseMove = 0x0200;      // WM_MOUSEMOVE
inline constexpr std::uint32_t kActive = 1;              // WA_ACTIVE

// WM_HSCROLL, WM_VSCROLL: only the end of a scroll, the low word of wParam.
bool ScrollEnds(std::uintptr_t wParam) noexcept;

// WM_ACTIVATE: activated other than by a click (low word WA_ACTIVE), not
// minimized (high word 0), with another window losing the activation.
bool ActivateRedraws(bool windowWallpaperLoaded, std::uintptr_t wParam,
                     std::intptr_t deactivated) noexcept;

// WM_SETCURSOR, before the class is read: a mouse message other than a
// move (the high word of lParam), tested before the options are copied;
// then only with tree views wallpapered.
bool SetCursorIsClick(std::intptr_t lParam) noexcept;

// WM_CAPTURECHANGED, before the class is read.
bool CaptureMayRedraw(bool tvWallpaperLoaded, bool listViews) noexcept;

// WM_CAPTURECHANGED, from the upper-case class: a list box redraws itself,
// a header control redraws its parent (the list view it belongs to); each
// only while that window is a TV wallpaper target.
enum class CaptureRedraw : std::uint8_t { Nothing, WindowIfTarget, ParentIfTarget };
CaptureRedraw CaptureRedrawFor(const char* upperClass) noexcept;

bool IsMDIClientClass(const char* upperClass) noexcept;

}  // namespace vornal::hooklib
