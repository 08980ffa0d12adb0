// Window shadows: the last step of WM_WINDOWPOSCHANGING adds the
// drop-shadow style to the class of a window that is being opened, so that
// the system draws a shadow under it and every later window of its class
// in this process. Nothing removes the style again.
#pragma once

#include <windows.h>

#include <cstdint>

#include "shadows_and_drag/shadow_rule.h"

namespace vornal::hooklib {

// style is the window's style as the handler read it; opening tells that
// the message is a show of a window not yet visible with opening on.
void AddShadowStyle(HWND window, const ShadowOptions& options, std::uint32_t style,
                    bool opening) noexcept;

}  // namespace vornal::hooklib
