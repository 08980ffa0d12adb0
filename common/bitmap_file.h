// Whether the start of a file describes a device-independent bitmap (.bmp)
// that is whole and of a sensible size, before the system's reader is let
// at it. Pure: both deliverables use it (the hook library inside other
// programs, where a bad file must never disturb the host), and it is
// tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>

#include "gdi_owners.h"
#endif

namespace vornal {

// Enough of a file for the check: the file header and the largest info
// header.
inline constexpr std::size_t kBitmapHeaderBytes = 14 + 124;

// Sides beyond this, or more pixels than kMaxBitmapPixels, are refused: no
// wallpaper or preview needs them, and the memory they ask for could be
// taken from the program that draws them.
inline constexpr std::int64_t kMaxBitmapSide = 16384;
inline constexpr std::int64_t kMaxBitmapPixels = 64ll * 1024 * 1024;

struct BitmapFileInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;  // as a positive number, whichever way the rows run
  std::uint16_t bitsPerPixel = 0;
};

// bytes: the first count bytes of the file (count may be less than
// kBitmapHeaderBytes for a short file); fileSize: its whole size. True, with
// info filled, for a bitmap file with a known header, one plane, a known
// depth and compression, sides from 1 to kMaxBitmapSide and pixel data that
// fits in the file.
bool ReadBitmapFileHeader(const std::uint8_t* bytes, std::size_t count, std::uint64_t fileSize,
                          BitmapFileInfo& info) noexcept;

#ifdef _WIN32
// The same check on a file by its full path (Windows editions only): reads
// its size and the start of it. False when it cannot be read.
bool CheckBitmapFile(const char* path, BitmapFileInfo& info) noexcept;

// The bitmap of such a file as a DIB section, loaded only after the check
// has passed (so that a damaged file never reaches the system's reader)
// and only when it has the checked sides. Empty otherwise.
UniqueBitmap LoadBitmapFile(const char* path, BitmapFileInfo& info) noexcept;
#endif

}  // namespace vornal
