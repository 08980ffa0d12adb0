// The three pictures, loaded at every settings load and kept selected into
// their memory device contexts, so that an erase only copies tiles.
#include "wallpaper/wallpaper_load.h"

#include <windows.h>

#include <cstdint>

#include "bitmap_file.h"
#include "wallpaper/tiling.h"
#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

void Release(Picture& picture) noexcept {
  if (picture.dc != nullptr) {
    if (picture.replaced != nullptr) SelectObject(picture.dc, picture.replaced);
    DeleteDC(picture.dc);
  }
  if (picture.bitmap != nullptr) DeleteObject(picture.bitmap);
  picture = Picture{};
}

bool FileExists(const char* path) noexcept {
  if (path[0] == '\0') return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Copies the picture in file over the whole of target, from its top-left
// corner, as the erase handler will tile it.
bool RepeatInto(const Picture& target, HBITMAP file, TileSize picture) noexcept {
  const HDC source = CreateCompatibleDC(target.dc);
  if (source == nullptr) return false;
  const HGDIOBJ replaced = SelectObject(source, file);
  bool copied = replaced != nullptr;
  if (copied) {
    ForEachTile(target.width, target.height, picture, {0, 0, target.width, target.height},
                [&](const Tile& t) {
                  copied = BitBlt(target.dc, t.x, t.y, t.width, t.height, source, 0, 0, SRCCOPY) && copied;
                });
    SelectObject(source, replaced);
  }
  DeleteDC(source);
  return copied;
}

// The picture of a bitmap file as the erase handler tiles it: repeated to
// its tile size in a bitmap of the screen's format, so that every tile is
// a plain copy without a conversion of pixels.
bool LoadPicture(const char* path, Picture& out) noexcept {
  BitmapFileInfo info;
  // The system's reader sees only files whose header promises a whole
  // bitmap of a sensible size: a truncated or absurd file must not make it
  // allocate or read beyond the file inside someone else's program.
  const HBITMAP file = LoadBitmapFile(path, info);
  if (file == nullptr) return false;
  const TileSize picture{static_cast<std::uint16_t>(info.width),
                         static_cast<std::uint16_t>(info.height)};
  const TileSize tile = RepeatedTileSize(picture.width, picture.height);

  Picture made;
  made.width = tile.width;
  made.height = tile.height;
  const HDC screen = GetDC(nullptr);
  if (screen != nullptr) {
    made.dc = CreateCompatibleDC(screen);
    made.bitmap = CreateCompatibleBitmap(screen, tile.width, tile.height);
    ReleaseDC(nullptr, screen);
  }
  bool ok = made.dc != nullptr && made.bitmap != nullptr;
  if (ok) {
    made.replaced = SelectObject(made.dc, made.bitmap);
    ok = made.replaced != nullptr && RepeatInto(made, file, picture);
  }
  DeleteObject(file);
  if (!ok) {
    Release(made);
    return false;
  }
  out = made;
  return true;
}

}  // namespace

void LoadWallpapers(const WallpaperOptions& options, const Settings& settings) noexcept {
  const bool wanted[kWallpaperCount] = {options.windowWallpaper, options.mdiWallpaper,
                                        options.treeViewWallpaper || options.listViewWallpaper};
  const TextField paths[kWallpaperCount] = {TextField::WindowWallpaper, TextField::MDIWallpaper,
                                            TextField::TVWallpaper};
  // The files are read before the guard is taken, so that painters on
  // other threads skip their tiles only for the swap itself.
  Picture fresh[kWallpaperCount];
  for (int i = 0; i < kWallpaperCount; ++i) {
    const char* path = settings.Text(paths[i]).c_str();
    if (wanted[i] && FileExists(path)) LoadPicture(path, fresh[i]);
  }

  Picture retired[kWallpaperCount];
  {
    const ReloadScope reload;
    // Not held only after the bounded wait: the pictures stay as they
    // were, as for a file that is missing.
    if (reload.Held()) {
      for (int i = 0; i < kWallpaperCount; ++i) {
        WallpaperSlot& slot = g_wallpapers.slots[i];
        if (fresh[i].dc != nullptr) {
          retired[i] = slot.picture;
          slot.picture = fresh[i];
          fresh[i] = Picture{};
          slot.loaded.store(true, std::memory_order_relaxed);
        } else if (!wanted[i] && slot.loaded.load(std::memory_order_relaxed)) {
          retired[i] = slot.picture;
          slot.picture = Picture{};
          slot.loaded.store(false, std::memory_order_relaxed);
        }
      }
    }
  }
  for (int i = 0; i < kWallpaperCount; ++i) {
    Release(retired[i]);
    Release(fresh[i]);
  }
}

void ReleaseWallpapers() noexcept {
  // Called as the library is unloaded, under the loader lock: no waiting.
  const ReloadScope reload(false);
  if (!reload.Held()) return;
  for (WallpaperSlot& slot : g_wallpapers.slots) {
    slot.loaded.store(false, std::memory_order_relaxed);
    Release(slot.picture);
  }
}

}  // namespace vornal::hooklib
