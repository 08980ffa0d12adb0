// The AnimateWindow flags of a style index, the radio buttons of the
// "Animation In" and "Animation Out" groups.
#pragma once

#include <cstdint>

#include "options/animation_options.h"

namespace vornal::hooklib {

// AnimateWindow flags as the system defines them (winuser.h).
namespace aw {
inline constexpr std::uint32_t kHorPositive = 0x00000001;
inline constexpr std::uint32_t kHorNegative = 0x00000002;
inline constexpr std::uint32_t kVerPositive = 0x00000004;
inline constexpr std::uint32_t kVerNegative = 0x00000008;
inline constexpr std::uint32_t kCenter = 0x00000010;
inline constexpr std::uint32_t kHide = 0x00010000;
inline constexpr std::uint32_t kSlide = 0x00040000;
inline constexpr std::uint32_t kBlend = 0x00080000;
}  // namespace aw

// Index 2 blends, 7 expands from or collapses to the centre, and the eight
// around it roll in their direction, or slide with the slide option of the
// group (slideOut when closing, slideIn when opening). Index 1 is the
// animated box and has no flags; 0 and anything above 11 count as 7.
// AW_HIDE is the caller's to add, AW_ACTIVATE is never set: the animation
// must not activate the window.
std::uint32_t AnimateWindowFlags(std::uint8_t index, bool closing,
                                 const AnimationOptions& options) noexcept;

}  // namespace vornal::hooklib
