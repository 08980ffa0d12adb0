#include "shadows_and_drag/drag_rule.h"

#include <cstring>

namespace vornal::hooklib {

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

bool ClassStyleMayDrag(std::uint32_t classStyle) noexcept {
  return (classStyle & (kOwnDcClassStyle | kClassDcClassStyle)) == 0;
}

bool CoversItsMonitor(const WindowBox& window, const WindowBox& monitor) noexcept {
  return window.left <= monitor.left && window.top <= monitor.top &&
         window.right >= monitor.right && window.bottom >= monitor.bottom;
}

bool ShouldRestoreOpacity(std::uint32_t exStyle, bool isDragWindow) noexcept {
  return isDragWindow && (exStyle & kLayeredExStyle) != 0;
}

}  // namespace vornal::hooklib
