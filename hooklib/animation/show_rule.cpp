#include "animation/show_rule.h"

#include <cstring>

namespace vornal::hooklib {

bool MayShowOrHide(std::uint32_t swpFlags, bool openingOn, bool closingOn) noexcept {
  return ((swpFlags & swp::kShowWindow) != 0 && openingOn) ||
         ((swpFlags & swp::kHideWindow) != 0 && closingOn);
}

PositionChange ClassifyPositionChange(std::uint32_t swpFlags, std::uint32_t style,
                                      const AnimationOptions& options) noexcept {
  const bool visible = (style & ws::kVisible) != 0;
  PositionChange change;
  change.opening = (swpFlags & swp::kShowWindow) != 0 && options.animateOpening && !visible;
  change.closing = (swpFlags & swp::kHideWindow) != 0 && options.animateClosing && visible;
  constexpr std::uint32_t kPure = swp::kNoMove | swp::kNoSize;
  change.animate = (change.opening || change.closing) && (swpFlags & kPure) == kPure &&
                   options.animateTitled && ws::HasFullCaption(style);
  return change;
}

namespace {

template <typename Length>
bool Fits(const SizeLimits& limits, Length width, Length height) noexcept {
  return width >= limits.minWidth && width <= limits.maxWidth && height >= limits.minHeight &&
         height <= limits.maxHeight;
}

}  // namespace

bool TitledSizeFits(const SizeLimits& limits, const WindowBox& box) noexcept {
  return Fits(limits, SideLength(box.left, box.right), SideLength(box.top, box.bottom));
}

bool PopupSizeFits(const SizeLimits& limits, const WindowBox& box) noexcept {
  return Fits(limits, FullSideLength(box.left, box.right), FullSideLength(box.top, box.bottom));
}

bool ShownInOwnRight(std::intptr_t status) noexcept { return status < 1 || status > 4; }

bool PopupsMayAnimate(const AnimationOptions& options) noexcept {
  return options.animatePopups && (options.animateOpening || options.animateClosing);
}

bool IsCaptionlessPopup(std::uint32_t style) noexcept {
  return (style & ws::kPopup) != 0 && !ws::HasFullCaption(style);
}

bool PopupClassMayAnimate(const char* upperClass, bool animateMenus) noexcept {
  for (const char* never : {"TOOLTIPS_CLASS32", "DV2CONTROLHOST", "AUTO-SUGGEST DROPDOWN"}) {
    if (std::strcmp(upperClass, never) == 0) return false;
  }
  return animateMenus || std::strcmp(upperClass, "#32768") != 0;
}

}  // namespace vornal::hooklib
