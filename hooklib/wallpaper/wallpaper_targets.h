// The wallpaper rules over real windows: the facts read with the system's
// calls, the decisions taken by the pure rules (wallpaper_rules.h).
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// The window wallpaper rule, for a window whose upper-case class name,
// style and two rectangles the erase handler has read.
bool IsWindowWallpaperTarget(HWND window, const char* upperClass, DWORD style,
                             const RECT& windowRect, const RECT& clientRect) noexcept;

// The TV wallpaper rule; false while no TV wallpaper is loaded.
bool IsTVWallpaperTarget(HWND window) noexcept;
// The same for a window whose upper-case class name has been read.
bool IsTVWallpaperTarget(HWND window, const char* upperClass) noexcept;

// The first "SysTabControl32" child of the window's parent is visible.
bool HasVisibleTabSibling(HWND window) noexcept;

// The taskbar window (as found at the last settings load), or a window
// inside it.
bool IsTaskbarWindow(HWND window, HWND taskbar) noexcept;

}  // namespace vornal::hooklib
