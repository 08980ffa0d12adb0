#include "animation/animate_window_flags.h"

namespace vornal::hooklib {
namespace {

// The nine places of the 3 by 3 grid, indexes 3 to 11, read row by row.
constexpr std::uint32_t kGrid[9] = {
    aw::kVerNegative | aw::kHorNegative, aw::kVerNegative, aw::kVerNegative | aw::kHorPositive,
    aw::kHorNegative,                    aw::kCenter,      aw::kHorPositive,
    aw::kVerPositive | aw::kHorNegative, aw::kVerPositive, aw::kVerPositive | aw::kHorPositive,
};

constexpr std::uint8_t kCentreIndex = 7;

}  // namespace

std::uint32_t AnimateWindowFlags(std::uint8_t index, bool closing,
                                 const AnimationOptions& options) noexcept {
  if (index == kBoxStyle) return 0;
  if (index == 2) return aw::kBlend;
  if (index < 3 || index > 11) index = kCentreIndex;
  const std::uint32_t flags = kGrid[index - 3];
  const bool slide = closing ? options.slideOut : options.slideIn;
  return index != kCentreIndex && slide ? flags | aw::kSlide : flags;
}

}  // namespace vornal::hooklib
