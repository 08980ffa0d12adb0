#include "picture_render.h"

#include "bitmap_file.h"

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
  const HDC screen = GetDC(nullptr);
  const int bits = screen != nullptr ? GetDeviceCaps(screen, BITSPIXEL) : 32;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return FormatForScreen(bits);
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
  const HBITMAP file = LoadBitmapFile(path, info);
  if (file == nullptr) return false;
  const TileSize picture{static_cast<std::uint16_t>(info.width), static_cast<std::uint16_t>(info.height)};
  const TileSize tile = RepeatedTileSize(picture.width, picture.height);
  const PictureBitmapInfo bitmapInfo = BitmapInfoFor(format, tile.width, tile.height);
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&bitmapInfo),
                                       DIB_RGB_COLORS, &bits, section, offset);
  const HDC target = dib != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
  const HDC source = target != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
  bool drawn = false;
  if (source != nullptr) {
    const HGDIOBJ targetWas = SelectObject(target, dib);
    const HGDIOBJ sourceWas = SelectObject(source, file);
    drawn = targetWas != nullptr && sourceWas != nullptr;
    // Copies of the picture from the top-left corner on, the last ones cut
    // at the right and bottom, as the tiles will lie in a window.
    for (int y = 0; drawn && y < tile.height; y += picture.height) {
      for (int x = 0; drawn && x < tile.width; x += picture.width) {
        drawn = BitBlt(target, x, y, picture.width, picture.height, source, 0, 0, SRCCOPY) != FALSE;
      }
    }
    if (targetWas != nullptr) SelectObject(target, targetWas);
    if (sourceWas != nullptr) SelectObject(source, sourceWas);
    // The pixels are read straight from memory later: nothing may wait in
    // the thread's GDI batch.
    GdiFlush();
  }
  if (source != nullptr) DeleteDC(source);
  if (target != nullptr) DeleteDC(target);
  DeleteObject(file);
  if (!drawn) {
    if (dib != nullptr) DeleteObject(dib);
    return false;
  }
  out = {dib, bits, tile};
  return true;
}

}  // namespace vornal
