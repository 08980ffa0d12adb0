#include "animation/box_route.h"

#include "options/animation_options.h"

namespace vornal::hooklib {
namespace {

std::int32_t ClampedSide(std::int32_t from, std::int32_t to) noexcept {
  const std::int64_t side = FullSideLength(from, to);
  return side > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(side);
}

bool Usable(const WindowBox& frame) noexcept {
  return frame.right > frame.left && frame.bottom > frame.top;
}

}  // namespace

AnimationChoice ChooseAnimation(bool systemAnimations, std::uint8_t style,
                                bool haveAnimateWindow) noexcept {
  if (!systemAnimations) return AnimationChoice::None;
  if (style == kBoxStyle || !haveAnimateWindow) return AnimationChoice::Box;
  return AnimationChoice::AnimateWindow;
}

BoxRequest OverlayFrame(const WindowBox& windowRect, const WindowBox* visibleFrame,
                        BoxWindowKind kind) noexcept {
  const WindowBox& r = visibleFrame != nullptr && Usable(*visibleFrame) ? *visibleFrame : windowRect;
  // A rectangle's left is its left even when a caller hands it inverted;
  // the side lengths are absolute either way.
  BoxRequest box;
  box.left = r.left < r.right ? r.left : r.right;
  box.top = r.top < r.bottom ? r.top : r.bottom;
  box.width = ClampedSide(r.left, r.right);
  box.height = ClampedSide(r.top, r.bottom);
  box.kind = kind;
  return box;
}

}  // namespace vornal::hooklib
