// What the screen shows in a rectangle, read into a DIB: 0x00RRGGBB values
// (a DIB's byte order, blue lowest), row by row from the top; empty when
// no bitmap could be made.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "gdi_owners.h"

namespace vornal::test {

inline std::vector<std::uint32_t> ScreenPixels(int left, int top, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const ScreenDC screen;
  const UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const UniqueBitmap bitmap(CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bits == nullptr) return {};
  const SelectedObject copiedInto(memory.Get(), bitmap.Get());
  BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), left, top, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(p, p + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (auto& px : pixels) px &= 0x00FFFFFF;
  return pixels;
}

}  // namespace vornal::test
