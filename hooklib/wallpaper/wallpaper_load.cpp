// The three pictures, at every settings load. Each comes from the set the
// control program has published for the whole desktop when that set holds
// the picture the settings name: the set is mapped read-only and nothing is
// decoded or copied. Without such a set (the control program gone, an
// older one, the set unreadable), the library decodes the file itself into
// a DIB of its own, as every process once did.
#include "wallpaper/wallpaper_load.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "cross_process_names.h"
#include "picture_render.h"
#include "picture_set.h"
#include "unique_handle.h"
#include "unique_view.h"
#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

bool FileExists(const char* path) noexcept {
  if (path[0] == '\0') return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The generation the directory names, or 0 without a directory.
std::uint32_t CurrentGeneration() noexcept {
  const UniqueHandle directory(OpenFileMappingA(FILE_MAP_READ, FALSE, kPictureDirectoryName));
  if (!directory) return 0;
  const UniqueView view(MapViewOfFile(directory.Get(), FILE_MAP_READ, 0, 0, sizeof(PictureDirectory)));
  if (!view) return 0;
  const auto* d = static_cast<const PictureDirectory*>(view.Get());
  return d->magic == kPictureDirectoryMagic ? __atomic_load_n(&d->generation, __ATOMIC_ACQUIRE) : 0;
}

// The published set of that generation, mapped read-only and checked; null
// when it is gone or not whole.
const void* MapSet(std::uint32_t generation) noexcept {
  PictureSetName name;
  PictureSetNameOf(generation, name);
  const UniqueHandle set(OpenFileMappingA(FILE_MAP_READ, FALSE, name));
  if (!set) return nullptr;
  UniqueView view(MapViewOfFile(set.Get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return nullptr;
  MEMORY_BASIC_INFORMATION region{};
  // The magic is written last: an acquire read of it comes before the rest.
  const std::uint32_t magic =
      __atomic_load_n(static_cast<const std::uint32_t*>(view.Get()), __ATOMIC_ACQUIRE);
  if (magic != kPictureSetMagic || VirtualQuery(view.Get(), &region, sizeof region) == 0 ||
      !CheckPictureSet(view.Get(), region.RegionSize)) {
    return nullptr;
  }
  // Handed to the pictures, which share it: Release() below unmaps it once
  // no slot uses it.
  return view.Release();
}

// The picture of slot i of a mapped set, when it is the file the settings
// name.
bool FromSet(const void* view, int slot, const char* path, Picture& out) noexcept {
  const auto* header = static_cast<const PictureSetHeader*>(view);
  const PictureEntry& e = header->entries[slot];
  if (e.present != 1 || lstrcmpiA(e.path, path) != 0) return false;
  const PictureFormat format{static_cast<std::uint16_t>(e.bitsPerPixel), e.redMask, e.greenMask, e.blueMask};
  out.bits = static_cast<const std::uint8_t*>(view) + e.offset;
  out.info = BitmapInfoFor(format, e.width, e.height);
  out.width = static_cast<std::uint16_t>(e.width);
  out.height = static_cast<std::uint16_t>(e.height);
  out.view = view;
  out.own = nullptr;
  return true;
}

bool FromFile(const char* path, const PictureFormat& format, Picture& out) noexcept {
  RenderedPicture made;
  if (!RenderPictureFile(path, format, nullptr, 0, made)) return false;
  out.bits = made.bits;
  out.info = BitmapInfoFor(format, made.size.width, made.size.height);
  out.width = made.size.width;
  out.height = made.size.height;
  out.view = nullptr;
  // The slots are copied under the guard and given back by Release()
  // below, so the picture holds its DIB by handle.
  out.own = made.dib.Release();
  return true;
}

bool ViewInUse(const void* view) noexcept {
  for (const WallpaperSlot& slot : g_wallpapers.slots) {
    if (slot.picture.view == view) return true;
  }
  return false;
}

// Gives back what the pictures hold that no current picture uses any more:
// own DIBs, and each view once.
void Release(Picture (&pictures)[kWallpaperCount], const void* alsoMapped) noexcept {
  const void* unmapped[kWallpaperCount + 1] = {};
  int count = 0;
  const auto unmap = [&](const void* view) {
    if (view == nullptr || ViewInUse(view)) return;
    for (int i = 0; i < count; ++i) {
      if (unmapped[i] == view) return;
    }
    unmapped[count++] = view;
    UnmapViewOfFile(view);
  };
  for (Picture& p : pictures) {
    if (p.own != nullptr) DeleteObject(p.own);
    unmap(p.view);
    p = Picture{};
  }
  unmap(alsoMapped);
}

}  // namespace

static_assert(kPictureSlotCount == kWallpaperCount && kPictureSlotCount == kPictureSlots,
              "the catalogue's slots are the library's and the published set's");

void LoadWallpapers(const Settings& settings, bool processEnabled) noexcept {
  bool wanted[kWallpaperCount];
  for (int i = 0; i < kWallpaperCount; ++i) {
    wanted[i] = processEnabled && PictureWanted(settings, static_cast<PictureSlot>(i));
  }
  // The set and the files are read before the guard is taken, so that
  // painters on other threads skip their tiles only for the swap itself.
  const std::uint32_t generation = (wanted[0] || wanted[1] || wanted[2]) ? CurrentGeneration() : 0;
  const void* set = generation != 0 ? MapSet(generation) : nullptr;
  Picture fresh[kWallpaperCount];
  PictureFormat screen;
  bool screenRead = false;  // asked of the screen once, and only for files
  for (int i = 0; i < kWallpaperCount; ++i) {
    if (!wanted[i]) continue;
    const char* path = settings.Text(PicturePathOf(static_cast<PictureSlot>(i))).c_str();
    if (set != nullptr && FromSet(set, i, path, fresh[i])) continue;
    if (!FileExists(path)) continue;
    if (!screenRead) {
      screen = ScreenPictureFormat();
      screenRead = true;
    }
    FromFile(path, screen, fresh[i]);
  }

  Picture retired[kWallpaperCount];
  {
    const ReloadScope reload;
    // Not held only after the bounded wait: the pictures stay as they
    // were, as for a file that is missing.
    if (reload.Held()) {
      for (int i = 0; i < kWallpaperCount; ++i) {
        WallpaperSlot& slot = g_wallpapers.slots[i];
        if (!fresh[i].Empty()) {
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
    // Views and DIBs are given back under the guard, where no painter
    // reads them and the slots say which are still in use.
    Release(retired, nullptr);
    Release(fresh, set);
  }
}

void ReleaseWallpapers() noexcept {
  // Called as the library is unloaded, under the loader lock: no waiting.
  const ReloadScope reload(false);
  if (!reload.Held()) return;
  Picture all[kWallpaperCount];
  for (int i = 0; i < kWallpaperCount; ++i) {
    WallpaperSlot& slot = g_wallpapers.slots[i];
    slot.loaded.store(false, std::memory_order_relaxed);
    all[i] = slot.picture;
    slot.picture = Picture{};
  }
  Release(all, nullptr);
}

}  // namespace vornal::hooklib
