#include "bitmap_file.h"

namespace vornal {
namespace {

std::uint32_t U16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // BITMAPCOREHEADER

enum : std::uint32_t { kRGB = 0, kRLE8 = 1, kRLE4 = 2, kBitFields = 3 };

bool KnownDepth(std::uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool ReadBitmapFileHeader(const std::uint8_t* bytes, std::size_t count, std::uint64_t fileSize,
                          BitmapFileInfo& info) noexcept {
  info = BitmapFileInfo{};
  if (bytes == nullptr || count < kFileHeaderBytes + 4 || count > fileSize) return false;
  if (bytes[0] != 'B' || bytes[1] != 'M') return false;
  const std::uint32_t pixelsAt = U32(bytes + 10);
  const std::uint8_t* header = bytes + kFileHeaderBytes;
  const std::uint32_t headerBytes = U32(header);
  const bool core = headerBytes == kCoreHeaderBytes;
  if (!core && headerBytes != 40 && headerBytes != 52 && headerBytes != 56 && headerBytes != 108 &&
      headerBytes != 124) {
    return false;
  }
  if (count < kFileHeaderBytes + headerBytes) return false;

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t bits = 0;
  std::uint32_t compression = kRGB;
  std::uint32_t imageBytes = 0;
  if (core) {
    width = U16(header + 4);
    height = U16(header + 6);
    planes = U16(header + 8);
    bits = U16(header + 10);
  } else {
    width = static_cast<std::int32_t>(U32(header + 4));
    height = static_cast<std::int32_t>(U32(header + 8));
    planes = U16(header + 12);
    bits = U16(header + 14);
    compression = U32(header + 16);
    imageBytes = U32(header + 20);
  }
  if (height < 0) height = -height;  // rows from the top down
  if (planes != 1 || !KnownDepth(bits)) return false;
  if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
      width * height > kMaxBitmapPixels) {
    return false;
  }
  if (pixelsAt < kFileHeaderBytes + headerBytes || pixelsAt > fileSize) return false;

  const std::uint64_t available = fileSize - pixelsAt;
  switch (compression) {
    case kRGB:
    case kBitFields: {
      if (compression == kBitFields && bits != 16 && bits != 32) return false;
      // Rows are padded to whole 32-bit words.
      const std::uint64_t row = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
      if (row * static_cast<std::uint64_t>(height) > available) return false;
      break;
    }
    case kRLE8:
    case kRLE4:
      if ((compression == kRLE8 ? 8u : 4u) != bits) return false;
      if (imageBytes == 0 || imageBytes > available) return false;
      break;
    default:
      return false;
  }
  info.width = static_cast<std::int32_t>(width);
  info.height = static_cast<std::int32_t>(height);
  info.bitsPerPixel = static_cast<std::uint16_t>(bits);
  return true;
}

}  // namespace vornal
