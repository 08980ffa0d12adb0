#include "options/drag_options.h"

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

}  // namespace vornal::hooklib
