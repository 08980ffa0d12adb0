#include "picture_set.h"

#include <cstring>

#include "cross_process_names.h"

namespace vornal {
namespace {

constexpr std::uint32_t kMaxSide = 16384;

std::uint16_t Repeated(std::uint16_t side, std::uint16_t least) noexcept {
  if (side == 0 || side >= least) return side;
  return static_cast<std::uint16_t>((least + side - 1) / side * side);
}

bool EntryIsSound(const PictureEntry& e, std::uint64_t setBytes) noexcept {
  if (e.present == 0) return true;
  if (e.present != 1) return false;
  if (e.width == 0 || e.width > kMaxSide || e.height == 0 || e.height > kMaxSide) return false;
  const bool rgb32 = e.bitsPerPixel == 32 && e.redMask == 0 && e.greenMask == 0 && e.blueMask == 0;
  const bool masked16 = e.bitsPerPixel == 16 && e.redMask != 0 && e.greenMask != 0 && e.blueMask != 0 &&
                        (e.redMask | e.greenMask | e.blueMask) <= 0xFFFF &&
                        (e.redMask & e.greenMask) == 0 && (e.greenMask & e.blueMask) == 0 &&
                        (e.redMask & e.blueMask) == 0;
  if (!rgb32 && !masked16) return false;
  if (e.rowBytes != RowBytes(e.width, static_cast<std::uint16_t>(e.bitsPerPixel))) return false;
  if (e.bytes != std::uint64_t{e.rowBytes} * e.height) return false;
  if (e.offset % 16 != 0 || e.offset < sizeof(PictureSetHeader)) return false;
  if (e.offset > setBytes || e.bytes > setBytes - e.offset) return false;
  return std::memchr(e.path, '\0', sizeof e.path) != nullptr;
}

}  // namespace

TileSize RepeatedTileSize(std::uint16_t width, std::uint16_t height) noexcept {
  return {Repeated(width, kMinTileWidth), Repeated(height, kMinTileHeight)};
}

PictureFormat FormatForScreen(int screenBitsPerPixel) noexcept {
  if (screenBitsPerPixel == 15 || screenBitsPerPixel == 16) return {16, 0xF800, 0x07E0, 0x001F};
  return {};
}

std::uint64_t RowBytes(std::uint32_t width, std::uint16_t bitsPerPixel) noexcept {
  return (std::uint64_t{width} * bitsPerPixel + 31) / 32 * 4;
}

std::uint64_t PictureOffsetAfter(std::uint64_t end) noexcept { return (end + 15) / 16 * 16; }

bool CheckPictureSet(const void* set, std::uint64_t mappedBytes) noexcept {
  if (set == nullptr || mappedBytes < sizeof(PictureSetHeader)) return false;
  PictureSetHeader header;
  std::memcpy(&header, set, sizeof header);
  if (header.magic != kPictureSetMagic || header.layout != kPictureSetLayout) return false;
  if (header.setBytes < sizeof header || header.setBytes > mappedBytes) return false;
  for (const PictureEntry& e : header.entries) {
    if (!EntryIsSound(e, header.setBytes)) return false;
  }
  return true;
}

void PictureSetNameOf(std::uint32_t generation, PictureSetName& out) noexcept {
  char digits[11];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + generation % 10);
    generation /= 10;
  } while (generation != 0);
  std::size_t at = std::strlen(kPictureDirectoryName);
  std::memcpy(out, kPictureDirectoryName, at);
  out[at++] = '.';
  while (n > 0) out[at++] = digits[--n];
  out[at] = '\0';
}

}  // namespace vornal
