#include "form/dpi_layout.h"

#include <cstdint>

namespace vornal {

int ScaleToDpi(int value, int fromDpi, int toDpi) {
  if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * toDpi;
  const std::int64_t half = fromDpi / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / fromDpi : -((-product + half) / fromDpi);
  return static_cast<int>(rounded);
}

DpiBox ScaleBoxToDpi(const DpiBox& box, int fromDpi, int toDpi) {
  return {ScaleToDpi(box.left, fromDpi, toDpi), ScaleToDpi(box.top, fromDpi, toDpi),
          ScaleToDpi(box.right, fromDpi, toDpi), ScaleToDpi(box.bottom, fromDpi, toDpi)};
}

int ScaleFontHeight(int height, int fromDpi, int toDpi) {
  constexpr int kPointsPerInch = 72;
  int scaled = ScaleToDpi(height, fromDpi, toDpi);
  if (height < 0 && fromDpi > 0 && toDpi > 0 && fromDpi != toDpi) {
    const int points = ScaleToDpi(-height, fromDpi, kPointsPerInch);
    if (points > 0) scaled = -ScaleToDpi(points, kPointsPerInch, toDpi);
  }
  if (scaled != 0 || height == 0) return scaled;
  return height < 0 ? -1 : 1;
}

int DpiFromMessage(unsigned long wParam, int currentDpi) {
  const int dpi = static_cast<int>(wParam & 0xFFFF);
  return dpi > 0 && dpi <= 20 * kBaseDpi ? dpi : currentDpi;
}

}  // namespace vornal
