#include "shadows_and_drag/drag_rule.h"

#include <cstring>

namespace vornal::hooklib {

DragOptions DragOptionsFrom(const Settings& settings) noexcept {
  DragOptions o;
  o.transparentDragging = settings.Get(Check::TransparentDragging);
  o.dragDialogsOnly = settings.Get(Radio::DragDialogsOnly);
  o.minWidth = settings.Get(Spin::DragMinWidth);
  o.minHeight = settings.Get(Spin::DragMinHeight);
  o.maxWidth = settings.Get(Spin::DragMaxWidth);
  o.maxHeight = settings.Get(Spin::DragMaxHeight);
  o.dragOpacity = static_cast<std::uint8_t>(settings.Get(Spin::DragOpacity) & 0xFFu);
  return o;
}

bool MayStartDrag(const DragOptions& options, std::uint32_t exStyle,
                  bool dragWindowHeld) noexcept {
  return options.transparentDragging && (exStyle & kLayeredExStyle) == 0 && !dragWindowHeld;
}

bool ClassMayDrag(const DragOptions& options, const char* className) noexcept {
  if (!options.dragDialogsOnly) return true;
  return className != nullptr && std::strcmp(className, kDialogClassName) == 0;
}

bool SizeMayDrag(const DragOptions& options, const WindowBox& box) noexcept {
  const std::uint16_t width = SideLength(box.left, box.right);
  const std::uint16_t height = SideLength(box.top, box.bottom);
  return width >= options.minWidth && width <= options.maxWidth &&
         height >= options.minHeight && height <= options.maxHeight;
}

bool ShouldRestoreOpacity(std::uint32_t exStyle, bool isDragWindow) noexcept {
  return isDragWindow && (exStyle & kLayeredExStyle) != 0;
}

}  // namespace vornal::hooklib
