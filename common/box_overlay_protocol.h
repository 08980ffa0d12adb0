// What a hooked program posts to the control program's box overlay when a
// window opens or closes: the window's visible frame in physical screen
// pixels and the kind of window, packed into the two 32-bit halves that a
// post carries in both editions (WPARAM and LPARAM are 32 bits wide in a
// 32-bit program). The direction is the message itself (opening or
// closing, cross_process_names.h).
//
//   lParam  bits  0-15  left, signed 16-bit (a monitor left of the primary
//                       one has negative coordinates)
//           bits 16-31  top, signed 16-bit
//   wParam  bits  0-14  width, 0 to 32767 (wider is clamped)
//           bit  15     the window is a popup (else it has a title bar)
//           bits 16-30  height, 0 to 32767 (higher is clamped)
//           bit  31     0
//
// Coordinates beyond the signed 16-bit range are clamped to it; no desktop
// of today reaches that far. Platform-free and constexpr, so that both
// sides and the native tests share the one packing.
#pragma once

#include <cstdint>

namespace vornal {

enum class BoxWindowKind : std::uint8_t { Titled, Popup };

struct BoxRequest {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  BoxWindowKind kind = BoxWindowKind::Titled;

  constexpr bool operator==(const BoxRequest&) const = default;
};

struct PackedBox {
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
};

namespace box_protocol_detail {

constexpr std::int32_t Clamp(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v < low ? low : v > high ? high : v;
}
constexpr std::uint32_t Low16(std::int32_t v) { return static_cast<std::uint32_t>(v) & 0xFFFFu; }
constexpr std::int32_t Signed16(std::uint32_t bits) {
  return static_cast<std::int32_t>(static_cast<std::int16_t>(static_cast<std::uint16_t>(bits & 0xFFFFu)));
}

inline constexpr std::int32_t kMaxSide = 0x7FFF;
inline constexpr std::uint32_t kPopupBit = 0x8000u;

}  // namespace box_protocol_detail

constexpr PackedBox PackBox(const BoxRequest& box) {
  using namespace box_protocol_detail;
  PackedBox p;
  p.lParam = Low16(Clamp(box.left, -32768, 32767)) | (Low16(Clamp(box.top, -32768, 32767)) << 16);
  p.wParam = static_cast<std::uint32_t>(Clamp(box.width, 0, kMaxSide)) |
             (box.kind == BoxWindowKind::Popup ? kPopupBit : 0u) |
             (static_cast<std::uint32_t>(Clamp(box.height, 0, kMaxSide)) << 16);
  return p;
}

constexpr BoxRequest UnpackBox(std::uint32_t wParam, std::uint32_t lParam) {
  using namespace box_protocol_detail;
  BoxRequest box;
  box.left = Signed16(lParam);
  box.top = Signed16(lParam >> 16);
  box.width = static_cast<std::int32_t>(wParam & 0x7FFFu);
  box.height = static_cast<std::int32_t>((wParam >> 16) & 0x7FFFu);
  box.kind = (wParam & kPopupBit) != 0 ? BoxWindowKind::Popup : BoxWindowKind::Titled;
  return box;
}

}  // namespace vornal
