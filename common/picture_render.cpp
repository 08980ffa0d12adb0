#include "picture_render.h"

#include <utility>

#include "bitmap_file.h"
#include "gdi_owners.h"

namespace vornal {

PictureBitmapInfo BitmapInfoFor(const PictureFormat& format, std::uint32_t width,
                                std::uint32_t height) noexcept {
  PictureBitmapInfo info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = static_cast<LONG>(width);
  info.header.biHeight = -static_cast<LONG>(height);  // top-down: row 0 first
  info.header.biPlanes = 1;
  info.header.biBitCount = format.bitsPerPixel;
  info.header.biCompression = format.bitsPerPixel == 16 ? BI_BITFIELDS : BI_RGB;
  info.masks[0] = format.redMask;
  info.masks[1] = format.greenMask;
  info.masks[2] = format.blueMask;
  return info;
}

PictureFormat ScreenPictureFormat() noexcept {
  const ScreenDC screen;
  return FormatForScreen(screen ? GetDeviceCaps(screen.Get(), BITSPIXEL) : 32);
}

bool RenderedSizeOf(const char* path, TileSize& size) noexcept {
  BitmapFileInfo info;
  if (!CheckBitmapFile(path, info)) return false;
  size = RepeatedTileSize(static_cast<std::uint16_t>(info.width), static_cast<std::uint16_t>(info.height));
  return true;
}

bool RenderPictureFile(const char* path, const PictureFormat& format, HANDLE section,
                       DWORD offset, RenderedPicture& out) noexcept {
  BitmapFileInfo info;
  // The system's reader sees only files whose header promises a whole
  // bitmap of a sensible size.
  const UniqueBitmap file = LoadBitmapFile(path, info);
  if (!file) return false;
  const TileSize picture{static_cast<std::uint16_t>(info.width), static_cast<std::uint16_t>(info.height)};
  const TileSize tile = RepeatedTileSize(picture.width, picture.height);
  const PictureBitmapInfo bitmapInfo = BitmapInfoFor(format, tile.width, tile.height);
  void* bits = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&bitmapInfo),
                                    DIB_RGB_COLORS, &bits, section, offset));
  if (!dib) return false;
  const UniqueMemoryDC target(CreateCompatibleDC(nullptr));
  if (!target) return false;
  const UniqueMemoryDC source(CreateCompatibleDC(nullptr));
  if (!source) return false;
  bool drawn = false;
  {
    const SelectedObject intoTarget(target.Get(), dib.Get());
    const SelectedObject fromSource(source.Get(), file.Get());
    drawn = intoTarget && fromSource;
    // Copies of the picture from the top-left corner on, the last ones cut
    // at the right and bottom, as the tiles will lie in a window.
    for (int y = 0; drawn && y < tile.height; y += picture.height) {
      for (int x = 0; drawn && x < tile.width; x += picture.width) {
        drawn = BitBlt(target.Get(), x, y, picture.width, picture.height, source.Get(), 0, 0, SRCCOPY) !=
                FALSE;
      }
    }
  }
  // The pixels are read straight from memory later: nothing may wait in
  // the thread's GDI batch.
  GdiFlush();
  if (!drawn) return false;
  out.dib = std::move(dib);
  out.bits = bits;
  out.size = tile;
  return true;
}

}  // namespace vornal
