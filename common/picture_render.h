// A wallpaper picture made ready for tiling: the bitmap file decoded (after
// the header check of bitmap_file.h), repeated to its tile size, in a
// top-down DIB of the screen's format. The control program makes it in the
// section it publishes; the hook library, when no published set has the
// picture, in memory of its own.
#pragma once

#include <windows.h>

#include "gdi_owners.h"
#include "picture_set.h"

namespace vornal {

// A top-down DIB header for pictures of this format and size, with the
// three masks after it for 16 bits.
struct PictureBitmapInfo {
  BITMAPINFOHEADER header;
  DWORD masks[3];
};
PictureBitmapInfo BitmapInfoFor(const PictureFormat& format, std::uint32_t width,
                                std::uint32_t height) noexcept;

// The format of the screen as it is now.
PictureFormat ScreenPictureFormat() noexcept;

struct RenderedPicture {
  UniqueBitmap dib;        // its pixels stay in section
  void* bits = nullptr;    // the top row
  TileSize size;
};

// The size the picture of a bitmap file is kept at, after the header check;
// false for a file that is not a whole, sensible bitmap.
bool RenderedSizeOf(const char* path, TileSize& size) noexcept;

// Decodes the file and draws it, repeated, into a new DIB of format, whose
// pixels lie in section at offset (a multiple of 4) or, without a section,
// in memory of the process. False, with nothing left over, when the file
// is not a whole, sensible bitmap or the system refuses a step.
bool RenderPictureFile(const char* path, const PictureFormat& format, HANDLE section,
                       DWORD offset, RenderedPicture& out) noexcept;

}  // namespace vornal
