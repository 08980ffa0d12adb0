// The options of transparent dragging, taken from the library's part of
// the settings.
#pragma once

#include <cstdint>

#include "settings_record.h"

namespace vornal::hooklib {

inline constexpr std::uint8_t kOpaqueAlpha = 255;

struct DragOptions {
  bool transparentDragging = false;  // Check::TransparentDragging
  bool dragDialogsOnly = false;      // Radio::DragDialogsOnly
  std::uint16_t minWidth = 0;   // Spin::DragMinWidth
  std::uint16_t minHeight = 0;  // Spin::DragMinHeight
  std::uint16_t maxWidth = 0;   // Spin::DragMaxWidth
  std::uint16_t maxHeight = 0;  // Spin::DragMaxHeight
  std::uint8_t dragOpacity = kOpaqueAlpha;  // low byte of Spin::DragOpacity
};

DragOptions DragOptionsFrom(const Settings& settings) noexcept;

}  // namespace vornal::hooklib
