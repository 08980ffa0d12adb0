// Which window classes get the drop-shadow class style: those of windows
// with a full caption being opened, either every such class or only the
// standard dialog class. Pure, so that it is tested natively.
#pragma once

#include <cstdint>

#include "options/shadow_options.h"

namespace vornal::hooklib {

inline constexpr std::uint32_t kDropShadowClassStyle = 0x00020000;  // CS_DROPSHADOW

// First stage, from what the animation step has decided: the window is
// being opened (which needs "Windows opening" on as well) and has a full
// caption.
bool ShadowDue(const ShadowOptions& options, bool opening, std::uint32_t style) noexcept;

// Second stage, from the class: not yet shadowed, and while shadowDialogsOnly is
// on the class name as read is exactly "#32770" (className is not needed
// otherwise and may be null).
bool ClassTakesShadow(const ShadowOptions& options, std::uint32_t classStyle,
                      const char* className) noexcept;

}  // namespace vornal::hooklib
