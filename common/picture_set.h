// The wallpaper pictures as the control program publishes them for every
// hooked process of the desktop: decoded once per apply, in the screen's
// format, already repeated to their tile size, in one named section that
// the hooked processes map read-only. A small directory object names the
// current set by its generation; a reload maps the set the directory names
// and copies tiles straight from it.
//
// Platform-free: the layout has fixed-size fields only, so that the 32-bit
// and the 64-bit library read the same set, and its check is tested
// natively against damaged sets.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornal {

// The size a picture is kept at for tiling: each side the smallest whole
// multiple of the picture's that reaches its minimum. A small picture (a
// single pixel, say) then takes a few copies per erase instead of one per
// pixel; rows of a kilobyte or more (256 pixels of 32 bits) are copied at
// close to memory speed, and the height only sets how many copies an erase
// takes. Zero sides stay zero.
struct TileSize {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
};
inline constexpr std::uint16_t kMinTileWidth = 256;
inline constexpr std::uint16_t kMinTileHeight = 64;
TileSize RepeatedTileSize(std::uint16_t width, std::uint16_t height) noexcept;

// The pixel format of the pictures: 32 bits (BI_RGB) for screens of 24 bits
// and more, 16 bits with the 5-6-5 masks (BI_BITFIELDS) for 15- and 16-bit
// screens, so that a tile is copied without a conversion; 32 bits for
// anything else.
struct PictureFormat {
  std::uint16_t bitsPerPixel = 32;
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;  // 16 bits only

  bool operator==(const PictureFormat&) const = default;
};
PictureFormat FormatForScreen(int screenBitsPerPixel) noexcept;
// Bytes of one row, padded to 4 bytes as every DIB row is.
std::uint64_t RowBytes(std::uint32_t width, std::uint16_t bitsPerPixel) noexcept;

// The window, MDI and TV wallpaper, in this order.
inline constexpr int kPictureSlots = 3;
inline constexpr std::size_t kPicturePathChars = 260;

struct PictureEntry {
  std::uint32_t present = 0;  // 1 when this slot holds a picture
  std::uint32_t width = 0;    // the tile size
  std::uint32_t height = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
  std::uint32_t rowBytes = 0;
  std::uint64_t offset = 0;  // of the first (top) row, from the start of the set
  std::uint64_t bytes = 0;   // rowBytes * height
  char path[kPicturePathChars] = {};  // the file, as the settings name it
};

inline constexpr std::uint32_t kPictureSetMagic = 0x53504E56;  // "VNPS"
inline constexpr std::uint32_t kPictureSetLayout = 1;

struct PictureSetHeader {
  // Written last: a set whose magic is not there yet is still being filled.
  std::uint32_t magic = 0;
  std::uint32_t layout = kPictureSetLayout;
  std::uint64_t setBytes = 0;  // the whole set, header included
  PictureEntry entries[kPictureSlots];
};

// The 32-bit and the 64-bit library map the same set: the layout must not
// move with the bitness.
static_assert(sizeof(PictureEntry) == 312 && offsetof(PictureEntry, offset) == 32);
static_assert(sizeof(PictureSetHeader) == 16 + 3 * 312 && offsetof(PictureSetHeader, entries) == 16);

// Pictures start on 16-byte boundaries after the header.
std::uint64_t PictureOffsetAfter(std::uint64_t end) noexcept;

// Whether the first mappedBytes bytes at set hold a whole, sensible set: the
// magic and layout, a size within what is mapped, and for every present
// entry a known format, sides from 1 to 16384, rows as the format needs
// them, pixels inside the set and after the header, and a terminated path.
bool CheckPictureSet(const void* set, std::uint64_t mappedBytes) noexcept;

// The directory: which set is current. Its generation counts up from 1
// with every set published; 0 means none.
inline constexpr std::uint32_t kPictureDirectoryMagic = 0x44504E56;  // "VNPD"
struct PictureDirectory {
  std::uint32_t magic = kPictureDirectoryMagic;
  std::uint32_t generation = 0;
};

// The set of a generation: the directory's name (cross_process_names.h), a
// dot and the number.
using PictureSetName = char[64];
void PictureSetNameOf(std::uint32_t generation, PictureSetName& out) noexcept;

}  // namespace vornal
